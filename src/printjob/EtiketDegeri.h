#pragma once

#include "core/Ayiraclar.h"
#include "document/EtiketIcerigi.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <optional>

// How the label report shows a design element, without the report itself: the
// rules its layout and its per-label formatting follow, so the design window's
// sample data shows what the report prints.

// Whether the report fills the element at every label (a column, a price, a date
// with a pattern) rather than once for the run.
bool Rapor_Etiketinde_Degisir(const EtiketIcerigi &i);

// What stays the same for a whole run.
struct RaporSabitleri {
    QHash<QString, QString> parametreler; // answers by parameter name
    QString firma_adi, firma_kodu;
    QString tutar_yazisi; // the amount in words
};
// The caption of an element that does not change from label to label.
QString Rapor_Sabit_Metni(const EtiketIcerigi &i, const RaporSabitleri &s);

// Where a changing element's value comes from for the current item.
struct RaporKaynagi {
    std::function<QString(const QString &sutun)> sutun;
    // A price element's text for the item.
    std::function<QString(const EtiketIcerigi &fiyat)> fiyat;
    // The item's price of a level as stored (0: the first there is), for unit prices.
    std::function<std::optional<double>(int seviye)> fiyat_degeri;
    // The date the item's level-1 price applies from.
    std::function<QDate()> fiyat_tarihi;
    // The moment labels show; invalid: now, read when a label shows it (reading the
    // clock costs a look at the time zone file, too much for every label).
    QDateTime an;
    Ayiraclar ayirac;
};
// The caption of a changing element for the current item.
QString Rapor_Etiket_Degeri(const EtiketIcerigi &i, const RaporKaynagi &k);

// What a code's "{Name}" stands for on either road: a price level's value in the
// regional number form for a price name ("Fiyat1", "TL_Fiyat2"), else the column.
QString Kod_Degeri(const QString &ad, const std::function<QString(const QString &)> &sutun,
                   const std::function<std::optional<double>(int seviye, bool milyon)> &fiyat,
                   const Ayiraclar &a);

// A price as the report prints it: the stored value with the regional separator,
// or rounded to `ondalik` decimals and grouped; empty without a price (and for an
// infinity or NaN, which have no digits).
QString Fiyat_Metni(double fiyat, int ondalik, const Ayiraclar &a);
QString Fiyat_Metni(const EtiketIcerigi &i, const QList<QPair<QString, double>> &fiyatlar,
                    const Ayiraclar &a);
// The level-1 price in words as every road prints it: the report's digits (the stored
// value, regional separator, no fixed decimals) spelled out; zero without a price.
QString Fiyat_Yaziyla(std::optional<double> fiyat, const Ayiraclar &a, bool tl_kurus = false);
