#include "EklemeKomutlari.h"

#include "TasarimModeli.h"
#include "core/SayiMetni.h"
#include "document/EtiketIcerigi.h"

namespace {

struct Ekleme {
    const char16_t *komut, *tur, *baslik;
    QString (*etiket)(const QString &baslik); // the tag the element's content takes
};
const Ekleme eklemeler[] = {
    {u"MNEtiket", u"Etiket", nullptr, nullptr},
    {u"MNYatayCizgi", u"YatayCizgi", nullptr, nullptr},
    {u"MNDikeyCizgi", u"DikeyCizgi", nullptr, nullptr},
    {u"MNBarkod", u"Barkod", nullptr, nullptr},
    {u"MNKod", u"Kod", nullptr, nullptr},
    {u"MNParametre", u"Etiket", u"Parametre", Parametre_Etiketi},
    {u"MNFirma_Adi", u"Alan", u"Firma_Ad", [](const QString &) { return Firma_Adi_Etiketi(); }},
    {u"MNFirma_Kodu", u"Alan", u"Firma_Kod", [](const QString &) { return Firma_Kodu_Etiketi(); }},
    {u"MNTarih", u"Alan", u"Tarih",
     [](const QString &) { return Tarih_Etiketi(Yeni_Tarih_Deseni); }},
    {u"MNSaat", u"Alan", u"Saat", [](const QString &) { return Saat_Etiketi(); }},
};

} // namespace

bool Ekleme_Komutu(TasarimModeli &m, const QString &ad) {
    for (const Ekleme &e : eklemeler) {
        if (ad != QStringView(e.komut))
            continue;
        return m.Nesne_Ekle(QString::fromUtf16(e.tur), [&e](YuzeyNesnesi &n) {
            if (e.baslik) {
                n.Nesne().Caption = QString::fromUtf16(e.baslik);
                n.Nesne().Tag = e.etiket(n.Nesne().Caption);
            }
        });
    }
    return false;
}

std::optional<Liste> Eklenecek_Liste(const QString &ad) {
    for (const Ekleme &e : eklemeler)
        if (ad == QStringView(e.komut))
            return Tur_Listesi(QString::fromUtf16(e.tur));
    return std::nullopt;
}

bool Kullanici_Alani(TasarimModeli &m, const QString &ad) {
    const QString alan = ad.trimmed();
    if (alan.isEmpty())
        return false;
    return m.Nesne_Ekle(QStringLiteral("Alan"), [&](YuzeyNesnesi &n) { n.Nesne().Caption = alan; });
}

bool Resim_Ekle(TasarimModeli &m, const QString &yol) {
    if (yol.isEmpty())
        return false;
    return m.Nesne_Ekle(QStringLiteral("Resim"), [&](YuzeyNesnesi &n) { n.Nesne().Caption = yol; });
}

AracDurumu Arac_Durumu(const YuzeyNesnesi &n, const Ayiraclar &a) {
    AracDurumu d;
    std::visit(
        [&d, &a](const auto &k) {
            d.BackColor = k.BackColor, d.ForeColor = k.ForeColor;
            d.kalin = k.FontBold, d.italik = k.FontItalic, d.alti_cizili = k.FontUnderline;
            d.yazi_tipi = k.FontName;
            d.yazi_boyu = k.FontSize;
            d.konum = Tek_Metni(k.Left, a) + QStringLiteral("  /  ") + Tek_Metni(k.Top, a);
        },
        n.kayit);
    if (n.Barkod_Mu())
        d.aci = qint16(n.Barkod().Orientation / 10);
    else if (!n.Cizgi_Mi())
        d.aci = n.Nesne().Escapement;
    return d;
}
