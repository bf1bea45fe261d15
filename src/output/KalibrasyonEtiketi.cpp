#include "KalibrasyonEtiketi.h"

#include <algorithm>

namespace {

constexpr double Kalinlik = 0.3; // mm: two dots at 203 dpi, clear on any printer

// A black bar from (x, y), `en` by `boy` mm, in twips.
CizimOgesi cubuk(double x, double y, double en, double boy) {
    CizimOgesi o;
    o.alan =
        QRectF(x * Mm_Basina_Twip, y * Mm_Basina_Twip, en * Mm_Basina_Twip, boy * Mm_Basina_Twip);
    o.yazi.arka = Qt::black;
    o.yazi.arka_opak = true;
    return o;
}

CizimOgesi yazi(const QString &metin, double y, double en, double boy, qreal pt, bool kalin) {
    CizimOgesi o;
    o.alan = QRectF(2 * Mm_Basina_Twip, y * Mm_Basina_Twip, (en - 4) * Mm_Basina_Twip,
                    boy * Mm_Basina_Twip);
    o.metin = metin;
    o.yazi.boyut = pt;
    o.yazi.kalin = kalin;
    o.yazi.yatay_hiza = 2;
    o.yazi.dikey_hiza = 1;
    Yazi_Tasiyor(o);
    return o;
}

} // namespace

RaporSayfasi Kalibrasyon_Etiketi(QSizeF mm, const QString &yazici, const YaziciAyari &ayar) {
    RaporSayfasi s;
    s.no = 1;
    s.boyut = mm * Mm_Basina_Twip;
    const double en = mm.width(), boy = mm.height(), t = Kalinlik;
    QList<CizimOgesi> &o = s.ogeler;
    // The frame.
    o << cubuk(1, 1, en - 2, t) << cubuk(1, boy - 1 - t, en - 2, t) << cubuk(1, 1, t, boy - 2)
      << cubuk(en - 1 - t, 1, t, boy - 2);
    // The ticks: 1 mm long, 2 at every fifth, 3 at every tenth millimetre.
    const auto uzunluk = [](int i) { return i % 10 == 0 ? 3.0 : i % 5 == 0 ? 2.0 : 1.0; };
    for (int x = 2; x < en - 1; ++x)
        o << cubuk(x - t / 2, 0, t, uzunluk(x));
    for (int y = 2; y < boy - 1; ++y)
        o << cubuk(0, y - t / 2, uzunluk(y), t);
    // The cross, 10 mm each way.
    const double kx = en / 2, ky = boy / 2, kol = std::min(5.0, std::min(en, boy) / 4);
    o << cubuk(kx - kol, ky - t / 2, 2 * kol, t) << cubuk(kx - t / 2, ky - kol, t, 2 * kol);
    // Name above the cross, settings below it.
    const double satir = std::max(2.0, std::min(5.0, (boy / 2 - kol - 4) / 2));
    o << yazi(yazici, ky - kol - 1 - satir, en, satir, 10, true);
    o << yazi(Yazici_Ozeti(yazici, ayar).mid(yazici.size() + 2), ky + kol + 1, en, 2 * satir, 7,
              false);
    return s;
}
