#pragma once

#include "Ayiraclar.h"

#include <QString>
#include <cmath>
#include <limits>
#include <optional>

// Units. Reports, pages and painters count in twips (1/1440 inch); designs in
// millimetres. Every factor between them lives here.
inline constexpr double Inc_Basina_Twip = 1440;
inline constexpr double Inc_Basina_Mm = 25.4;
inline constexpr double Mm_Basina_Twip = Inc_Basina_Twip / Inc_Basina_Mm; // exact
inline constexpr double Nokta_Basina_Twip = Inc_Basina_Twip / 72;         // a point of type
inline constexpr double Twip_Basina_Mm = Inc_Basina_Mm / Inc_Basina_Twip; // exact
// Direct printing and margins written back from page setup count 56.7 twips to
// the millimetre, as they always have.
inline constexpr double Dogrudan_Twip = 56.7;
// The rounded conversions of labels and drops: deliberately not inverses of each
// other, and callers rely on both.
inline constexpr double Twip_Mm_Carpani = 1.005 / 57.0;
inline constexpr double Mm_Twip_Boleni = 0.01764;
qint32 Twip_Mm(double twip);
qint32 Mm_Twip(double mm);

// Twips to device pixels (or points) at `dpi`, and back.
inline constexpr double Twip_Piksel(double twip, double dpi) {
    return twip * dpi / Inc_Basina_Twip;
}
inline constexpr double Piksel_Twip(double piksel, double dpi) {
    return piksel * Inc_Basina_Twip / dpi;
}

// Round to the nearest integer, halves to the even neighbour.
qint32 Yuvarla_Cift(double x);

// What a box says of a value it cannot take.
inline const QString Gecersiz_Deger_Mesaji = QStringLiteral("Lütfen geçerli bir değer giriniz.");

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

class QPainter;
// Painter units per point from the device's resolution and the painter's scale.
qreal Birim_Nokta(const QPainter &p);
