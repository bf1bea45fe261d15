#pragma once

#include "Ayiraclar.h"

#include <QString>

// Number texts with the regional separators of `a`.
// A decimals value of -1 means "default" and is replaced by 2 in the caller's variable.

// Groups the whole part and cuts (never rounds, never pads) the fraction.
QString Sayi_Bicimle(const QString &deger, qint16 &ondalik, const Ayiraclar &a);

// Rounds to exactly `ondalik` decimals, no grouping.
QString Sayi_Yuvarla(const QString &deger, qint16 &ondalik, const Ayiraclar &a);

// Adds one unit in the last kept place of s; p is the 1-based position of the
// decimal separator in s. A carry out of a negative number goes after the sign.
QString Yukari_Yuvarla(const QString &s, qsizetype p, qint16 ondalik, const Ayiraclar &a);

// Keeps digits, a leading "-" and the first decimal separator; drops the rest.
QString Sayi_Temizle(const QString &deger, const Ayiraclar &a);

// Strict test of numeric text in the regional form (sign, grouped whole part,
// decimal separator, exponent). A leading grouping separator is not a number.
bool Sayi_Mi(const QString &deger, const Ayiraclar &a);

// A single-precision value in the platform's default number form: up to seven
// significant digits, the decimal separator, no grouping (5.322917 gives "5,322917").
QString Tek_Metni(float deger, const Ayiraclar &a);

// Digit groups of three with the grouping separator; an optional leading "-" is kept.
QString Basamak_Grupla(const QString &tamKisim, const Ayiraclar &a);
