#include "DogrudanBaski.h"

#include "DogrudanCizim.h"
#include "core/Birimler.h"
#include "core/MesajKutusu.h"
#include "database/KayitKumesi.h"
#include "database/VeriBaglantisi.h"
#include "layout/Rapor.h"
#include "output/SayfaHedefi.h"
#include "printjob/Fiyat.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/GenelForm.h"
#include "startup/Oturum.h"
#include "startup/Sorgu.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

const QString kagitMesaji = QStringLiteral("Seçilen Yazıcı Bu Tasaımla Basımı Desteklemiyor.Lütfen "
                                           "Tasrımdaki Kağıt Ayarlarını Kontrol Ediniz");

// Columns the design's fields need from the item row, checked once before the
// first page (every row has the same columns).
QString eksikSutun(const TasarimBelgesi &belge, const KayitKumesi &rs) {
    EtiketKaynagi k;
    k.sutun = [&rs](const QString &ad) -> std::optional<QString> {
        return rs.FieldIndex(ad) < 0 ? std::nullopt : std::optional(QString());
    };
    for (const NesneKaydi &n : belge.Nesne_Ogeleri()) {
        QString eksik;
        Nesne_Metni(n, k, &eksik);
        if (!eksik.isEmpty())
            return eksik;
    }
    return {};
}

// The prices of the record set's item (none for a row without Stok_ID); those a run
// printed again recorded, when it has them.
std::optional<StokFiyatlari> fiyatlariOku(FiyatImleci &imlec, const KayitKumesi &rs,
                                          const BaskiIsi *is = nullptr) {
    if (rs.FieldIndex(QStringLiteral("Stok_ID")) < 0)
        return StokFiyatlari();
    const qint64 stok = qint64(rs.Number(QStringLiteral("Stok_ID")));
    if (is && is->Kayitli_Fiyatlar)
        return StokFiyatlari{is->Kayitli_Fiyatlar->value(stok), {}};
    return imlec.Oku(stok);
}

// Whether the label's own price (level `ana`) is missing for the item: no row,
// NULL or 0.
bool fiyatEksik(int ana, const QList<QPair<QString, double>> &fiyat) {
    return ana >= 0 && !Fiyat_Degeri(ana, false, fiyat);
}

// What the run shows the same on every label.
EtiketKaynagi ortak(const Oturum &o, const QHash<QString, QString> *parametreler) {
    EtiketKaynagi k;
    k.parametreler = parametreler;
    k.firma_adi = o.Firma_Unvani;
    k.firma_kodu = o.Veritabani_Adi;
    k.ayirac = o.ayirac;
    return k;
}

// The values of the record set's current row, and its prices.
EtiketKaynagi kaynak(EtiketKaynagi k, const KayitKumesi &rs,
                     const QList<QPair<QString, double>> &fiyat) {
    k.sutun = [&rs](const QString &ad) -> std::optional<QString> {
        return rs.FieldIndex(ad) < 0 ? std::nullopt : std::optional(rs.Text(ad));
    };
    k.fiyat = [&fiyat](int seviye, bool milyon) { return Fiyat_Degeri(seviye, milyon, fiyat); };
    return k;
}

} // namespace

QStringList DogrudanSonucu::Eksikler() const {
    QStringList m;
    for (const TasmaListesi *t :
         QList<const TasmaListesi *>{&tasmalar, &fiyatsizlar} + raf.Listeler())
        if (!t->Bos())
            m << t->Mesaj();
    return m;
}

std::optional<RaporSayfasi> Onizleme_Sayfasi(MesajKutusu &kutu, const Oturum &oturum,
                                             const TasarimBelgesi &belge) {
    KayitKumesi rs;
    if (!oturum.Baglanti ||
        !Sorgu_Oku(kutu, *oturum.Baglanti, rs, Stok_Sorgusu(oturum.Stok_Sarti)) ||
        rs.State() != KayitKumesi::Durum::Acik)
        return std::nullopt;
    const bool tarihli = Fiyat_Tarihi_Var(belge) && Fiyat_Tarihi_Sutunu_Var(*oturum.Baglanti);
    FiyatImleci imlec(kutu, *oturum.Baglanti, QString(), tarihli);
    const auto fiyat = rs.EOF_() ? StokFiyatlari() : fiyatlariOku(imlec, rs);
    if (!fiyat)
        return std::nullopt;
    // No item: the label shows what needs none (texts, lines, date, time).
    EtiketKaynagi k = kaynak(ortak(oturum, nullptr), rs, fiyat->fiyatlar);
    if (rs.EOF_())
        k.sutun = [](const QString &) { return std::optional(QString()); };
    ResimDeposu resimler(oturum.Tasarim_Klasoru);
    KodOnbellegi kodlar;
    k.resimler = &resimler, k.kodlar = &kodlar;
    if (!rs.EOF_() && tarihli) {
        const QDate tarih = fiyat->tarih;
        k.fiyat_tarihi = [tarih] { return tarih.isValid() ? tarih : QDate::currentDate(); };
    }
    BarkodOnbellegi barkodlar;
    RaporSayfasi s;
    s.no = 1;
    const DetayKaydi alan = belge.Detaylar.value(1);
    s.boyut = QSizeF(alan.Width, alan.Height);
    s.ogeler = Dogrudan_Etiket(belge, k, {Barkod_Kaydirma, Nesne_Kaydirma, 0}, barkodlar);
    return s;
}

std::optional<QSizeF> Dogrudan_Sayfa(const TasarimBelgesi &belge) {
    const QSizeF kagit = Kagit_Boyutu_Twip(Yuvarla_Cift(double(belge.Kagit_Boyutu)));
    if (!kagit.isEmpty())
        return kagit;
    const DetayKaydi alan = belge.Detaylar.value(1);
    if (alan.Width > 0 && alan.Height > 0)
        return QSizeF(alan.Width, alan.Height);
    return std::nullopt;
}

DogrudanSonucu Dinamik_Bas(MesajKutusu &kutu, const Oturum &oturum, const BaskiIsi &is,
                           SayfaHedefi &hedef, const std::function<bool(int)> &devam) {
    DogrudanSonucu s;
    const TasarimBelgesi &belge = is.Belge;
    if (!oturum.Baglanti) {
        s.hata = QStringLiteral("Veritabanı bağlantısı yok; etiketler basılamıyor.");
        return s;
    }
    VeriBaglantisi &baglanti = *oturum.Baglanti;
    const EtiketKaynagi sabit = ortak(oturum, &is.Parametre_Degerleri);
    const auto kagit = Dogrudan_Sayfa(belge);
    if (!kagit) {
        s.kagit = true;
        s.hata = QStringLiteral("Kağıt boyutu tanınmıyor: %1").arg(double(belge.Kagit_Boyutu));
    }
    KayitKumesi rs;
    if (!s.kagit) {
        if (!Sorgu_Oku(kutu, baglanti, rs, Stok_Sorgusu(Is_Sarti(is, oturum))) ||
            rs.State() != KayitKumesi::Durum::Acik) {
            s.hata = QStringLiteral("Stok kayıtları okunamadı.");
            return s;
        }
        if (const QString eksik = eksikSutun(belge, rs); !eksik.isEmpty()) {
            s.hata = eksik + QStringLiteral(" alanı stok kayıtlarında bulunamadı.");
            return s;
        }
    }
    // Margins are twips in the design; positions here are millimetres.
    const double sol = belge.Sol_Bosluk / Dogrudan_Twip, ust = belge.Ust_Bosluk / Dogrudan_Twip;
    const EtiketYeri yer{sol, sol + Nesne_Kaydirma, ust};
    BarkodOnbellegi barkodlar;
    const int ana = Ana_Fiyat_Seviyesi(belge);
    ResimDeposu resimler(oturum.Tasarim_Klasoru);
    KodOnbellegi kodlar;
    if (const Hata h = resimler.Sabit_Resimler(belge); h && !s.kagit) {
        s.hata = *h;
        return s;
    }
    const bool tarihli = Fiyat_Tarihi_Var(belge) && Fiyat_Tarihi_Sutunu_Var(baglanti);
    // Without a date of its own, a price applies from when the history first saw it.
    const auto gorulen =
        Fiyat_Tarihi_Var(belge) ? std::optional(Gorulen_Fiyatlar(oturum)) : std::nullopt;
    const QString sart = Is_Sarti(is, oturum);
    FiyatImleci imlec(kutu, baglanti,
                      Tam_Sorgu_Mu(sart) ? QString()
                                         : QStringLiteral("SELECT STOKKART.Stok_ID FROM STOKKART "
                                                          "WHERE ") +
                                               Sart_Metni(sart),
                      tarihli);
    for (; s.hata.isEmpty() && !rs.EOF_(); rs.MoveNext()) {
        const auto bulunan = fiyatlariOku(imlec, rs, &is);
        const auto fiyat = bulunan ? std::optional(bulunan->fiyatlar) : std::nullopt;
        if (fiyat)
            for (const auto &[sira, deger] : *fiyat)
                if (!std::isfinite(deger)) {
                    s.hata =
                        Sayi_Olmayan_Fiyat_Mesaji.arg(rs.Text(QStringLiteral("Stok_Kodu")),
                                                      QStringLiteral("Fiyat") + sira.trimmed());
                    return s;
                }
        if (!fiyat) {
            s.hata = baglanti.Koptu
                         ? QStringLiteral("Veritabanı bağlantısı koptu; basım durduruldu.")
                         : QStringLiteral("Fiyatlar okunamadı; basım durduruldu.");
            return s;
        }
        RaporSayfasi sayfa;
        sayfa.boyut = *kagit;
        const QString kod = rs.Text(QStringLiteral("Stok_Kodu")).trimmed();
        EtiketKaynagi k = kaynak(sabit, rs, *fiyat);
        RafEksikleri eksik;
        k.resimler = &resimler, k.kodlar = &kodlar, k.eksik = &eksik, k.stok = kod;
        if (gorulen) {
            const qint64 id = qint64(rs.Number(QStringLiteral("Stok_ID")));
            const QDate tarih = bulunan->tarih;
            const QDate tarih2 =
                tarih.isValid()
                    ? tarih
                    : Gecmisten_Fiyat_Tarihi(*gorulen, id, Fiyat_Degeri(1, false, *fiyat));
            k.fiyat_tarihi = [tarih2] { return tarih2; };
        }
        sayfa.ogeler = Dogrudan_Etiket(belge, k, yer, barkodlar);
        bool tasti = false;
        for (CizimOgesi &o : sayfa.ogeler)
            tasti |= Yazi_Tasiyor(o);
        const bool fiyatsiz = fiyatEksik(ana, *fiyat);
        for (int c = 1, n = is.Adet(qint64(rs.Number(QStringLiteral("Stok_ID")))); c <= n; ++c) {
            if (tasti)
                s.tasmalar.Ekle(kod);
            if (fiyatsiz)
                s.fiyatsizlar.Ekle(kod);
            s.raf.Ekle(eksik);
            s.basilanlar.Ekle(qint64(rs.Number(QStringLiteral("Stok_ID"))), kod, *fiyat);
            sayfa.no = s.sayfa + 1;
            if (const Hata h = hedef.Sayfa(sayfa)) {
                // Only the paper the printer would not take is the paper message's case.
                s.kagit = hedef.Kagit_Hatasi();
                s.hata = *h;
                break;
            }
            ++s.sayfa;
            if (devam && !devam(s.sayfa)) {
                s.hata = QStringLiteral("Basım iptal edildi.");
                return s;
            }
        }
    }
    if (s.kagit) {
        kutu.MsgBox(kagitMesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    QString());
        kutu.MsgBox(s.hata, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Bilgi, QString());
    }
    return s;
}
