#include "Pano.h"

#include "OlcuMetni.h"
#include "document/TasarimDosyasi.h"

#include <algorithm>

QByteArray Secim_Kaydi(const TasarimModeli &m) {
    QList<int> s = m.Secim();
    if (s.isEmpty())
        return {};
    std::sort(s.begin(), s.end()); // the stored order is the stacking order
    TasarimBelgesi b;
    b.Detaylar[1] = m.Bolum(); // a whole design: the reader wants a label size
    for (const int i : s) {
        const YuzeyNesnesi &n = m.Nesne(i);
        if (n.Barkod_Mu())
            b.Barkodlar.append(n.Barkod());
        else
            b.Nesneler.append(Yazilacak_Kayit(n));
    }
    return Tasarim_Metni(b);
}

QString Secim_Duz_Metni(const TasarimModeli &m) {
    QStringList satirlar;
    for (const int i : m.Secim()) {
        const YuzeyNesnesi &n = m.Nesne(i);
        satirlar << n.Erisim_Adi() + u'\t' + Alan_Metni(n.Alan(), m.Ayirac);
    }
    return satirlar.join(u'\n');
}

namespace {

struct Yapistirilan {
    QString tur;
    std::variant<NesneKaydi, BarkodKaydi> kayit;
};

} // namespace

Hata Sigmaz(const TasarimModeli &m, qsizetype barkod, qsizetype nesne, qint64 bayt) {
    const TasarimBelgesi b = m.Belge();
    return Tasarim_Siniri_Hatasi(b.Barkodlar.size() - 1 + barkod, b.Nesneler.size() - 1 + nesne,
                                 bayt > 0 ? Tasarim_Metni(b).size() + bayt : 0);
}

Sonuc<bool> Yapistir(TasarimModeli &m, const QByteArray &kayit, std::optional<QPointF> yer) {
    TasarimBelgesi b;
    b.Nesneler.clear(), b.Barkodlar.clear(); // a design without a list has no element 0
    if (kayit.isEmpty())
        return false;
    if (const auto h = Tasarim_Coz(kayit, b)) {
        // More elements than any design may hold: said, not dropped in silence.
        if (h->neden.startsWith(Tasarim_Dolu_Mesaji))
            return Hata(Tasarim_Dolu_Mesaji);
        return false;
    }
    if (Hata h = Sigmaz(m, qMax<qsizetype>(0, b.Barkodlar.size() - 1),
                        qMax<qsizetype>(0, b.Nesneler.size() - 1), kayit.size()))
        return h;
    QList<Yapistirilan> ogeler;
    for (const BarkodKaydi &k : b.Barkod_Ogeleri())
        ogeler.append({Tur_Kelimesi(Liste::ZKOD), k});
    for (const NesneKaydi &n : b.Nesne_Ogeleri())
        if (const auto l = Harf_Listesi(n.Tur))
            ogeler.append({Tur_Kelimesi(*l), n});
    if (ogeler.isEmpty())
        return false;
    // Where they go: the block moved as one, then kept inside the section.
    QRectF blok;
    for (const Yapistirilan &o : ogeler) {
        YuzeyNesnesi n;
        n.kayit = o.kayit;
        blok |= n.Alan();
    }
    const QPointF kay = m.Blok_Kaymasi(blok, yer ? *yer - blok.topLeft() : QPointF(2, 2));
    m.Yigin().beginMacro(QStringLiteral("Yapıştır"));
    QList<int> yeni;
    for (const Yapistirilan &o : ogeler) {
        m.Nesne_Ekle(o.tur, [&](YuzeyNesnesi &n) {
            n.kayit = o.kayit;
            n.Alan_Ayarla(n.Alan().translated(kay));
        });
        yeni.append(m.Toplam() - 1);
    }
    m.Yigin().endMacro();
    m.Secimi_Ayarla(yeni);
    return true;
}
