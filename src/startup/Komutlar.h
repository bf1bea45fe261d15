#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The program's own command line: global options, a command and its options,
// then the start line made of every remaining argument joined by single blanks.
struct Komut {
    enum class Tur { Pencere, Yazdir, Denetle, Incele, Yardim, Surum };
    Tur tur = Tur::Pencere;
    QString tasarim_klasoru; // --designs
    QString satir;           // the start line
    // print
    QString tasarim;
    int baslangic = 1;
    int adet = -1; // -1: from the start line
    QList<QPair<QString, QString>> parametreler;
    QString cikti;
    int dpi = 300;
    QString yazici;
    // inspect
    QString dosya;
    bool json = false;
    QString yaz;
};

struct Komut_Sonucu {
    bool tamam = false;
    Komut komut;
    QString hata; // Turkish, for standard error
};

Komut_Sonucu Komut_Coz(const QStringList &argumanlar); // without the program name
QString Kullanim_Metni();
