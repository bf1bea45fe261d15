#include "EklemeKomutlari.h"

#include "TasarimModeli.h"
#include "startup/SayiMetni.h"

namespace {

struct Ekleme {
    const char16_t *komut, *tur, *baslik, *etiket;
};
constexpr Ekleme eklemeler[] = {
    {u"MNEtiket", u"Etiket", nullptr, nullptr},
    {u"MNYatayCizgi", u"YatayCizgi", nullptr, nullptr},
    {u"MNDikeyCizgi", u"DikeyCizgi", nullptr, nullptr},
    {u"MNBarkod", u"Barkod", nullptr, nullptr},
    {u"MNParametre", u"Etiket", u"Parametre", u"PR_Parametre"},
    {u"MNFirma_Adi", u"Alan", u"Firma_Ad", u"O_Firma_Ad"},
    {u"MNFirma_Kodu", u"Alan", u"Firma_Kod", u"O_Firma_Kod"},
    {u"MNTarih", u"Alan", u"Tarih", u"O_Tarihdd.mm.yyyy"},
    {u"MNSaat", u"Alan", u"Saat", u"O_Saat"},
};

} // namespace

bool Ekleme_Komutu(TasarimModeli &m, const QString &ad) {
    for (const Ekleme &e : eklemeler) {
        if (ad != QStringView(e.komut))
            continue;
        return m.Nesne_Ekle(QString::fromUtf16(e.tur), [&e](YuzeyNesnesi &n) {
            if (e.baslik) {
                n.Nesne().Caption = QString::fromUtf16(e.baslik);
                n.Nesne().Tag = QString::fromUtf16(e.etiket);
            }
        });
    }
    return false;
}

bool Kullanici_Alani(TasarimModeli &m, const QString &ad) {
    const QString alan = ad.trimmed();
    if (alan.isEmpty())
        return false;
    return m.Nesne_Ekle(QStringLiteral("Alan"), [&](YuzeyNesnesi &n) { n.Nesne().Caption = alan; });
}

AracDurumu Arac_Durumu(const YuzeyNesnesi &n) {
    AracDurumu d;
    std::visit(
        [&d](const auto &k) {
            d.BackColor = k.BackColor, d.ForeColor = k.ForeColor;
            d.kalin = k.FontBold, d.italik = k.FontItalic, d.alti_cizili = k.FontUnderline;
            d.yazi_tipi = k.FontName;
            d.yazi_boyu = k.FontSize;
            d.konum = Tek_Metni(k.Left) + QStringLiteral("  /  ") + Tek_Metni(k.Top);
        },
        n.kayit);
    if (n.Barkod_Mu())
        d.aci = qint16(n.Barkod().Orientation / 10);
    else if (!n.Cizgi_Mi())
        d.aci = n.Nesne().Escapement;
    return d;
}
