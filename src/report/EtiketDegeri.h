#pragma once

#include "document/TasarimKayitlari.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

// How the label report shows a design element, without the report itself: the
// rules its layout and its per-label formatting follow, so the design window's
// sample data shows what the report prints.

// The tag the report gives an element's label ("column;pattern", ";O_pattern", or
// the column alone), or empty when the label's caption is fixed for the run.
QString Rapor_Etiket_Tagi(const NesneKaydi &n);

// The fixed caption of an element without a tag: its text, a parameter's answer,
// the company, the date or time, the amount in words.
QString Rapor_Sabit_Metni(const NesneKaydi &n, const QHash<QString, QString> &parametreler,
                          const QString &tutar_yazisi);

// Where a tagged label's value comes from for the current item.
struct RaporKaynagi {
    std::function<QString(const QString &alan)> sutun;
    std::function<QString(const QString &alan, int ondalik)> fiyat; // -1: as stored
    QDateTime an = QDateTime::currentDateTime();
};
// The caption of a tagged label for the current item.
QString Rapor_Etiket_Degeri(const QString &tag, const RaporKaynagi &k);

// A price as the report prints it: the stored value with the regional separator,
// or rounded to `ondalik` decimals and grouped; empty without a price.
QString Fiyat_Metni(const QString &alan, int ondalik,
                    const QList<QPair<QString, double>> &fiyatlar);
// The same for a price already found (no digits for an infinity or NaN).
QString Fiyat_Metni(double fiyat, int ondalik);
