#include "YuzeyNesnesi.h"

#include <array>

namespace {

struct ListeBilgisi {
    Liste liste;
    const char16_t *ad;
    const char16_t *tur;
};
constexpr std::array<ListeBilgisi, Liste_Sayisi> listeler{{
    {Liste::Alan, u"Alan", u"Alan"},
    {Liste::Etiket, u"Etiket", u"Etiket"},
    {Liste::Yatay_Cizgi, u"Yatay_Cizgi", u"YatayCizgi"},
    {Liste::Dikey_Cizgi, u"Dikey_Cizgi", u"DikeyCizgi"},
    {Liste::ZKOD, u"ZKOD", u"Barkod"},
    {Liste::Resim, u"Resim", u"Resim"},
    {Liste::Kod, u"Kod", u"Kod"},
}};

constexpr qint32 Cizgi_Rengi = 0x404040;
constexpr qint32 Pencere_Yazi_Rengi = -2147483640; // system colour 0x80000008

// What every template sets: size, the font of its text and its two colours.
template <typename Kayit>
Kayit sablonKaydi(float en, float boy, const QString &yazi, qint32 on, qint32 arka) {
    Kayit k;
    k.Width = en, k.Height = boy;
    k.FontName = yazi;
    k.FontSize = 8.25f;
    k.ForeColor = on;
    k.BackColor = arka;
    return k;
}

NesneKaydi yaziSablonu(const QString &baslik, const QString &tur) {
    auto n = sablonKaydi<NesneKaydi>(10.32f, 4.50f, QStringLiteral("Arial"), Varsayilan_Yazi_Rengi,
                                     Varsayilan_Arka_Renk);
    n.Caption = baslik;
    n.Tur = tur;
    return n;
}

NesneKaydi cizgiSablonu(float en, float boy, const QString &tur) {
    auto n =
        sablonKaydi<NesneKaydi>(en, boy, QStringLiteral("Arial"), Pencere_Yazi_Rengi, Cizgi_Rengi);
    n.Tur = tur;
    return n;
}

} // namespace

QString Liste_Adi(Liste liste) { return QString::fromUtf16(listeler[size_t(liste)].ad); }

QString Tur_Kelimesi(Liste liste) { return QString::fromUtf16(listeler[size_t(liste)].tur); }

std::optional<Liste> Tur_Listesi(const QString &tur) {
    for (const auto &b : listeler)
        if (tur == QStringView(b.tur))
            return b.liste;
    return std::nullopt;
}

std::optional<Liste> Harf_Listesi(const QString &harf) {
    NesneKaydi n;
    n.Tur = harf;
    switch (n.Turu()) {
    case Nesne_Turu::Yazi:
        return Liste::Etiket;
    case Nesne_Turu::Alan:
        return Liste::Alan;
    case Nesne_Turu::Yatay_Cizgi:
        return Liste::Yatay_Cizgi;
    case Nesne_Turu::Dikey_Cizgi:
        return Liste::Dikey_Cizgi;
    case Nesne_Turu::Resim:
        return Liste::Resim;
    case Nesne_Turu::Kod:
        return Liste::Kod;
    case Nesne_Turu::Taninmayan:
        break;
    }
    return std::nullopt;
}

QRectF YuzeyNesnesi::Alan() const {
    return std::visit([](const auto &k) { return QRectF(k.Left, k.Top, k.Width, k.Height); },
                      kayit);
}

void YuzeyNesnesi::Alan_Ayarla(const QRectF &mm) {
    std::visit(
        [&](auto &k) {
            k.Left = float(mm.left()), k.Top = float(mm.top());
            k.Width = float(mm.width()), k.Height = float(mm.height());
        },
        kayit);
}

QString YuzeyNesnesi::Erisim_Adi() const {
    switch (liste) {
    case Liste::ZKOD:
        return QStringLiteral("Barkod ") + Ornek_Barkod_Verisi;
    case Liste::Yatay_Cizgi:
        return QStringLiteral("Yatay Çizgi");
    case Liste::Dikey_Cizgi:
        return QStringLiteral("Dikey Çizgi");
    case Liste::Resim:
        return QStringLiteral("Resim ") + Nesne().Caption;
    case Liste::Kod:
        return QStringLiteral("Kod ") + Nesne().Tag + u' ' + Nesne().Caption;
    default:
        return Nesne().Caption;
    }
}

YuzeyNesnesi Sablon(Liste liste) {
    YuzeyNesnesi s;
    s.liste = liste;
    s.Visible = false;
    switch (liste) {
    case Liste::Alan:
        s.kayit = yaziSablonu(QStringLiteral("Alan1"), QStringLiteral("A"));
        break;
    case Liste::Etiket:
        s.kayit = yaziSablonu(QStringLiteral("Etiket1"), QStringLiteral("E"));
        break;
    case Liste::Yatay_Cizgi:
        s.kayit = cizgiSablonu(55.29f, 0.26f, QStringLiteral("Y"));
        break;
    case Liste::Dikey_Cizgi:
        s.kayit = cizgiSablonu(0.26f, 12.43f, QStringLiteral("D"));
        break;
    case Liste::ZKOD:
        s.kayit = sablonKaydi<BarkodKaydi>(33.07f, 13.49f, QStringLiteral("Tahoma"),
                                           Varsayilan_Yazi_Rengi, Varsayilan_Arka_Renk);
        break;
    case Liste::Resim: {
        // The file is chosen as the element is made.
        NesneKaydi n = yaziSablonu(QString(), QStringLiteral("R"));
        n.Width = n.Height = 15;
        n.BackColor = Saydam_Arka_Renk;
        s.kayit = n;
        break;
    }
    case Liste::Kod: {
        // A QR code of the item code: what a shelf label carries most.
        NesneKaydi n = yaziSablonu(QStringLiteral("{Stok_Kodu}"), QStringLiteral("K"));
        n.Tag = QStringLiteral("QR");
        n.Width = n.Height = 20;
        s.kayit = n;
        break;
    }
    }
    return s;
}
