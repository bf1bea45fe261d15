#pragma once

#include "Ayiraclar.h"

#include <QString>
#include <cmath>
#include <limits>
#include <optional>

// Conversions between twips (1/1440 inch) and millimetres. The two factors are
// deliberately not inverses of each other; callers rely on both.
qint32 Twip_Mm(double twip);
qint32 Mm_Twip(double mm);

// Round to the nearest integer, halves to the even neighbour.
qint32 Yuvarla_Cift(double x);

// Reads numeric text the way the user writes it: regional separators, grouping allowed.
bool Sayi_Oku(const QString &metin, double &sonuc, const Ayiraclar &a);

// The number a text begins with, "." as decimal point, blanks skipped; 0 when it
// begins with none ("2.5 adet" gives 2.5, "abc" 0).
double Bastaki_Sayi(const QString &metin);

// Numeric text as a whole number of type T, halves to even; nothing when the text
// is no number or the value does not fit T.
template <typename T> std::optional<T> Tamsayi_Oku(const QString &metin, const Ayiraclar &a) {
    double d = 0;
    if (!Sayi_Oku(metin.trimmed(), d, a) || !std::isfinite(d))
        return std::nullopt;
    const double r = std::nearbyint(d);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}
