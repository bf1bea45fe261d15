#pragma once

#include "document/TasarimKayitlari.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>

// What one print run needs, made by the command that starts it and handed to the
// report or to direct printing.
struct Oturum;

struct BaskiIsi {
    TasarimBelgesi Belge;
    QString Tasarim_Adi;
    qint16 Baslangic_Etiketi = 1; // label position the first item starts at (sheets)
    qint16 Etiket_Adedi = 1;      // labels per item
    // Values given for the design's parameters, by name; a name without one is
    // asked when the run lays its labels out.
    QHash<QString, QString> Parametre_Degerleri;
    // The output: the report viewer (with its print dialog at once when
    // `yazdir`), or, from the command line, a file (`cikti`) or a printer.
    bool yazdir = false;
    QString cikti;
    QString yazici;
    // A run printed again: each item's prices as that run recorded them, by Stok_ID,
    // instead of today's.
    std::shared_ptr<const QHash<qint64, QList<QPair<QString, double>>>> Kayitli_Fiyatlar;
    // Labels per item, by Stok_ID, instead of Etiket_Adedi (a column's value, or a run
    // printed again); an item it does not hold gets none.
    std::shared_ptr<const QHash<qint64, int>> Stok_Adetleri;
    // Items the count column gave a negative number: told after the run, by item code.
    QStringList Eksi_Adetliler;
    // The items chosen in "Stok Seçimi" instead of the session's condition; empty: the
    // session's.
    QString Stok_Sarti;
    // Labels of an item: its own count, else the run's.
    int Adet(qint64 stok) const {
        return Stok_Adetleri ? Stok_Adetleri->value(stok) : Etiket_Adedi;
    }
};

class MesajKutusu;

// The condition a run prints: the job's own, else the session's.
QString Is_Sarti(const BaskiIsi &is, const Oturum &oturum);

// The labels-per-item question (design chooser, preview window) with `onerilen`
// offered: the number the answer begins with ("." as decimal point); 0 prints
// nothing.
double Adet_Sor(MesajKutusu &kutu, qint16 onerilen);
