#pragma once

#include "core/MesajKutusu.h"

#include "core/Ayiraclar.h"
#include "database/VeriBaglantisi.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// The program's title in boxes.

// What start-up establishes, for the whole run: the start line's values, the
// connection, the regional separators, the design folder. The start procedure
// makes it; every window and command reads it, none writes it.
struct Oturum {
    QStringList Parametreler; // start-line fields; index 0 is field 1
    QString Sunucu_Adi;
    QString Firma_Unvani;
    QString Veritabani_Adi; // also the company code labels print
    QString Stok_Sarti;
    qint16 Etiket_Adedi = 0;       // the start line's label count
    qint16 Sabit_Etiket_Adedi = 0; // the count the start line fixes; 0: asked at print time
    QVariant Sql_Kullanici;
    QString Sql_Sifre;
    qint32 Secili_Stok_ID = 0;
    std::unique_ptr<VeriBaglantisi> Baglanti;
    Ayiraclar ayirac;
    // Barkod/ beside the program unless --designs names another.
    QString Tasarim_Klasoru;

    // Labels per item when nobody is asked: the count the start line fixes, else 1.
    qint16 Varsayilan_Adet() const { return Sabit_Etiket_Adedi > 0 ? Sabit_Etiket_Adedi : 1; }
};
