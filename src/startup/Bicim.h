#pragma once

#include "core/Ayiraclar.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QString>

// The platform's format patterns, as far as labels use them.
//
// Number patterns: '0' a required digit, '#' an optional digit, ',' in the whole
// part turns on digit grouping, '.' marks the decimals; other characters before
// or after the digits are kept as written. Output uses the regional separators;
// rounding is half away from zero on the decimal text of the value.
//
// Date patterns: "dd"/"d" day, "mm"/"m" month, "yyyy"/"yy" year, "hh"/"h" hour,
// "nn"/"n" minute, "ss"/"s" second; anything else is written as it stands.

QString Sayi_Deseni(double deger, const QString &desen, const Ayiraclar &a);
QString Tarih_Deseni(const QDateTime &an, const QString &desen);

// The text after the digits of a number pattern, quotes taken off: `#,##0.00 "TL"`
// gives " TL", `#,##0.00 ₺` gives " ₺"; empty for a pattern without one.
QString Desen_Son_Eki(const QString &desen);

// True when the pattern has digit placeholders.
bool Sayi_Deseni_Mi(const QString &desen);

// Formats a value that arrives as text: numeric text with a number pattern, a
// date in the regional short form with a date pattern; anything else unchanged.
QString Desen_Uygula(const QString &deger, const QString &desen, const Ayiraclar &a);
