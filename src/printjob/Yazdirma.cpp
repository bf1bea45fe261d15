#include "Yazdirma.h"

#include "core/IptalSinyali.h"
#include "core/MesajToplu.h"
#include "database/VeriBaglantisi.h"
#include "document/TasarimTopla.h"
#include "layout/RaporMotoru.h"
#include "output/ArkaPlanHedefi.h"
#include "output/ParcaliPdfHedefi.h"
#include "output/SayfaHedefi.h"
#include "output/YaziciAyarlari.h"
#include "output/ZplHedefi.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/GenelForm.h"
#include "startup/Baslangic.h"
#include "startup/Sorgu.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

void yaz(const QString &metin) { Satir_Yaz(stderr, metin, true); }

} // namespace

int Basarisiz_Kod(const VeriBaglantisi *b, const QString &neden) {
    if (const int sinyal = Iptal_Dinleyici::Sinyal()) {
        yaz(QStringLiteral("Basım iptal edildi."));
        return 128 + sinyal;
    }
    if (b && b->Durdu == VeriBaglantisi::Durma::ZamanAsimi) {
        if (!b->Bildirildi)
            yaz(Yanit_Yok_Mesaji);
        return 1;
    }
    if (!neden.isEmpty())
        yaz(neden);
    return 1;
}

std::optional<QHash<QString, QString>> Parametreleri_Ver(const Komut &k,
                                                         const TasarimBelgesi &belge) {
    QHash<QString, QString> degerler;
    for (const auto &[ad, deger] : k.parametreler)
        degerler.insert(ad, deger); // the last one given counts
    bool tamam = true;
    for (const QString &ad : Parametre_Adlari(belge)) {
        if (degerler.contains(ad))
            continue;
        yaz(QStringLiteral("Parametre değeri verilmedi: %1 (--param \"%1=DEĞER\")").arg(ad));
        tamam = false;
    }
    if (!tamam)
        return std::nullopt;
    return degerler;
}

std::unique_ptr<SayfaHedefi> Dosya_Hedefi(const Komut &k) {
    QString hata;
    const QString yol = QFileInfo(k.cikti).absoluteFilePath();
    if (!QFileInfo(QFileInfo(yol).path()).isDir())
        hata = QStringLiteral("Çıktı klasörü bulunamadı: ") + QFileInfo(yol).path();
    else
        hata = Cikti_Yolu_Hatasi(yol);
    if (!hata.isEmpty()) {
        yaz(hata);
        return nullptr;
    }
    if (yol.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return std::make_unique<ParcaliPdfHedefi>(yol, Is_Parcacigi_Sayisi());
    if (Zpl_Ciktisi(yol)) {
        // With --printer: what that printer's settings would send it; --dpi over them.
        ZplAyarlari a;
        QStringList uyarilar;
        if (!k.yazici.isEmpty()) {
            const OkunanAyar o = Yazici_Ayari_Oku(Yazici_Ayarlari_Dosyasi(), k.yazici);
            a = o.ayar.Zpl();
            uyarilar = Ayar_Uyarilari(k.yazici, o);
        }
        if (k.dpi_verildi || k.yazici.isEmpty())
            a.dpi = k.dpi;
        auto h = Arka_Planda(std::make_unique<ZplHedefi>(yol, a));
        h->Uyari_Ekle(uyarilar);
        return h;
    }
    return Arka_Planda(std::make_unique<PngHedefi>(yol, k.dpi));
}

namespace {

// reprint: the run as the history holds it, its design, counts and parameters taken
// into the command; nothing, told, when the history has no such run.
std::optional<GecmisBasim> eskiBasim(Komut &k) {
    if (k.tur != Komut::Tur::Yeniden)
        return std::nullopt;
    auto b = Gecmis().Basim(k.no);
    if (!b) {
        yaz(*b.Hatasi());
        return std::nullopt;
    }
    k.tasarim = b->tasarim;
    k.adet = b->adet;
    k.baslangic = k.dogrudan ? 1 : b->baslangic;
    for (auto it = b->parametreler.cbegin(); it != b->parametreler.cend(); ++it)
        k.parametreler.append({it.key(), it.value()});
    return *b;
}

} // namespace

KomutIsi Komut_Isi(const Komut &komut, MesajToplu &kutu, bool baski) {
    Komut k = komut;
    const std::optional<GecmisBasim> eski = eskiBasim(k);
    if (k.tur == Komut::Tur::Yeniden && !eski)
        return {{}, {}, 1};
    KomutIsi h{Main(kutu, k.satir, Tasarim_Klasoru(k)), {}, 0};
    if (!h.baslangic.devam) {
        h.kod = h.baslangic.cikis_kodu;
        return h;
    }
    if (VeriBaglantisi *b = h.baslangic.oturum.Baglanti.get())
        b->Sorgu_Zaman_Asimi_Ayarla(k.sorgu_zaman_asimi);
    auto belge = Basilacak_Tasarim(h.baslangic.oturum.Tasarim_Klasoru, k.tasarim, kutu);
    if (!belge) {
        h.kod = 1;
        return h;
    }
    BaskiIsi &is = h.is;
    is.Belge = std::move(*belge);
    is.Tasarim_Adi = k.tasarim.trimmed();
    if (!baski)
        return h;
    if (const QString z = Zpl_Tasarim_Hatasi(k, is.Belge); !z.isEmpty()) {
        yaz(z);
        h.kod = 2;
        return h;
    }
    // The chooser asks the count only when the start line did not fix it; its
    // question defaults to 1.
    const Toplu_Adet adet = Toplu_Etiket_Adedi(k, h.baslangic.oturum);
    if (!adet.hata.isEmpty()) {
        yaz(adet.hata);
        h.kod = 2;
        return h;
    }
    const auto degerler = Parametreleri_Ver(k, is.Belge);
    if (!degerler) {
        h.kod = 2;
        return h;
    }
    is.Baslangic_Etiketi = qint16(k.baslangic);
    is.Etiket_Adedi = qint16(adet.adet);
    is.Parametre_Degerleri = *degerler;
    is.cikti = k.cikti;
    is.yazici = k.yazici;
    Oturum &o = h.baslangic.oturum;
    if (eski) {
        bool degisti = false;
        if (const Hata e = Yeniden_Hazirla(*eski, o, is, degisti)) {
            yaz(*e);
            h.kod = 1;
            return h;
        }
        if (degisti)
            yaz(Tasarim_Degisti_Mesaji.arg(eski->tasarim));
    }
    if (!k.adet_sutunu.isEmpty()) {
        const auto adetler = Sutun_Adetleri(kutu, o, k.adet_sutunu, is.Eksi_Adetliler);
        if (!adetler) {
            h.kod = Basarisiz_Kod(o.Baglanti.get(), *adetler.Hatasi());
            return h;
        }
        is.Stok_Adetleri = std::make_shared<const QHash<qint64, int>>(*adetler);
    }
    if (k.degisen) {
        const auto degisen = Fiyati_Degisenler(kutu, o, is.Belge);
        if (!degisen) {
            h.kod = Basarisiz_Kod(o.Baglanti.get(), *degisen.Hatasi());
            return h;
        }
        if (degisen->isEmpty()) {
            yaz(Degisen_Yok_Mesaji);
            h.bos = true;
            return h;
        }
        o.Stok_Sarti = Stok_Listesi_Sarti(o.Stok_Sarti, *degisen);
    }
    return h;
}

QString Eksi_Adet_Mesaji(const QStringList &kodlar) {
    return QStringLiteral("%1 stokun etiket adedi eksi; basılmadı: %2")
        .arg(kodlar.size())
        .arg(kodlar.mid(0, 5).join(QStringLiteral(", ")) +
             (kodlar.size() > 5 ? QStringLiteral(", …") : QString()));
}

int Gecmis_Komutu(const Komut &k) {
    const QStringList p = k.satir.isEmpty() ? QStringList() : Komut_Satirini_Bol(k.satir);
    if (!k.satir.isEmpty() && p.size() < 3) {
        yaz(QStringLiteral("Başlangıç satırında sunucu ve veritabanı yok."));
        return 2;
    }
    const auto basimlar =
        Gecmis().Basimlar(p.isEmpty() ? QString() : p[0], p.isEmpty() ? QString() : p[2], k.sinir);
    if (!basimlar) {
        yaz(*basimlar.Hatasi());
        return 1;
    }
    if (k.json) {
        QJsonArray dizi;
        for (const GecmisBasim &b : *basimlar)
            dizi.append(QJsonObject{{QStringLiteral("no"), b.no},
                                    {QStringLiteral("zaman"), b.zaman.toString(Qt::ISODate)},
                                    {QStringLiteral("tasarim"), b.tasarim},
                                    {QStringLiteral("cikti"), b.cikti},
                                    {QStringLiteral("stok"), b.stok_sayisi},
                                    {QStringLiteral("etiket"), b.etiket_sayisi}});
        // JSON escapes every control character itself.
        const QByteArray json = QJsonDocument(dizi).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        return 0;
    }
    if (basimlar->isEmpty())
        Satir_Yaz(stdout, QStringLiteral("Baskı geçmişi boş."), false);
    for (const GecmisBasim &b : *basimlar)
        Satir_Yaz(stdout,
                  QStringLiteral("%1  %2  %3  %4 stok, %5 etiket  %6")
                      .arg(b.no)
                      .arg(b.zaman.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")), b.tasarim)
                      .arg(b.stok_sayisi)
                      .arg(b.etiket_sayisi)
                      .arg(b.cikti),
                  false);
    return 0;
}

QString Zpl_Tasarim_Hatasi(const Komut &k, const TasarimBelgesi &belge) {
    const bool zpl = k.cikti.isEmpty()
                         ? !k.yazici.isEmpty() &&
                               Yazici_Ayari_Oku(Yazici_Ayarlari_Dosyasi(), k.yazici).ayar.dil ==
                                   YaziciAyari::Dil::ZPL
                         : Zpl_Ciktisi(k.cikti);
    return Zpl_Lazer_Hatasi(zpl, belge.Tip == 1);
}

namespace {

// The file target for --out, or the printer's; nothing with the reason told.
std::unique_ptr<SayfaHedefi> hedefYap(const Komut &k, GenelForm &form,
                                      const Yazici_Hedefi_Yapici &yazici) {
    if (!k.cikti.isEmpty())
        return Dosya_Hedefi(k);
    auto hedef = yazici(form, form.Yazici_Adi);
    if (!hedef) {
        yaz(*hedef.Hatasi());
        return nullptr;
    }
    return std::move(*hedef);
}

int etiketBas(const Komut &k, MesajToplu &kutu, const Yazici_Hedefi_Yapici &yazici);

// Lays the report out page by page into the target, with progress on a terminal.
// Returns the exit status.
int calistir(const Komut &k, GenelForm &form, VeriBaglantisi &baglanti, SayfaHedefi &hedef) {
    RaporMotoru motor(form);
    if (const ::Hata h = motor.Baslat()) {
        motor.Bitir();
        return Basarisiz_Kod(&baglanti, *h);
    }
    const bool terminal = isatty(fileno(stderr));
    const auto ilerleme = [&](int sayfa, qint64 bant) {
        if (terminal && sayfa % 10 == 0)
            std::fprintf(stderr, "\r%lld etiket, %d sayfa...", static_cast<long long>(bant), sayfa);
        return Iptal_Dinleyici::Sinyal() == 0 && !baglanti.Koptu;
    };
    // Report end runs before the output is made final: a run whose end failed, or
    // that had no item to print, leaves no file.
    // --strict: a label that did not show what it should fails the run before the
    // output is made final.
    const auto eksikler = [&form, &motor] {
        return QList<const TasmaListesi *>{&motor.Tasmalar()} + form.Eksik_Listeleri();
    };
    const auto eksikVar = [&eksikler] {
        const auto l = eksikler();
        return std::any_of(l.begin(), l.end(), [](const TasmaListesi *t) { return !t->Bos(); });
    };
    const QString cikti = k.cikti.isEmpty()
                              ? form.Printer.DeviceName
                              : QDir::toNativeSeparators(QFileInfo(k.cikti).absoluteFilePath());
    // Recorded while the last pages are painted; kept only once the output is final.
    BasimKaydi kayit;
    const Sonuc<int> sayfa = Rapor_Uret(motor, hedef, ilerleme, [&] {
        if (form.Durma_Nedeni() || form.Etiket_Sayisi() == 0 || (k.kati && eksikVar()))
            return false;
        kayit = Basimi_Yaz(form.Oturumu(), form.Is(), cikti, false, form.Basilanlar);
        return true;
    });
    if (terminal)
        std::fputs("\r\033[K", stderr);
    motor.Bitir();
    // A stop request after the output was made final comes too late: the run is done.
    if (!sayfa && Iptal_Dinleyici::Sinyal()) {
        yaz(QStringLiteral("Basım iptal edildi."));
        return 128 + Iptal_Dinleyici::Sinyal();
    }
    const auto eksikleriSoyle = [&eksikler] {
        for (const TasmaListesi *t : eksikler())
            if (!t->Bos())
                yaz(t->Mesaj());
    };
    if (k.kati && eksikVar()) {
        eksikleriSoyle();
        return Tasma_Cikis_Kodu;
    }
    if (form.Durma_Nedeni() || !sayfa)
        return Basarisiz_Kod(&baglanti, form.Durma_Nedeni()         ? *form.Durma_Nedeni()
                                        : form.Etiket_Sayisi() == 0 ? Etiket_Yok_Mesaji
                                                                    : *sayfa.Hatasi());
    eksikleriSoyle();
    for (const QString &u : hedef.Uyarilar())
        yaz(u);
    if (const QStringList &e = form.Is().Eksi_Adetliler; !e.isEmpty())
        yaz(Eksi_Adet_Mesaji(e));
    if (const auto uyari = Basimi_Onayla(kayit))
        yaz(*uyari);
    std::printf("%lld etiket, %d sayfa: %s\n", static_cast<long long>(form.Etiket_Sayisi()), *sayfa,
                qPrintable(cikti));
    return 0;
}

} // namespace

int Etiket_Bas(const Komut &k, MesajToplu &kutu, const Yazici_Hedefi_Yapici &yazici) {
    // A stop asked for at any time is honoured at the first page boundary, after the
    // work table was filled, so report end always empties it.
    const Iptal_Dinleyici iptal;
    return etiketBas(k, kutu, yazici);
}

namespace {

int etiketBas(const Komut &k, MesajToplu &kutu, const Yazici_Hedefi_Yapici &yazici) {
    KomutIsi h = Komut_Isi(k, kutu);
    if (h.bos)
        return 0;
    if (h.kod != 0) // a stop request during start-up (a locked database) is a stop
        return Iptal_Dinleyici::Sinyal() ? Basarisiz_Kod(nullptr, {}) : h.kod;
    const Oturum &oturum = h.baslangic.oturum;
    GenelForm form(kutu, oturum, std::move(h.is));
    form.Yazici_Gerekli = k.cikti.isEmpty();
    if (!k.yazici.isEmpty())
        form.Yazici_Adi = k.yazici;
    const std::unique_ptr<SayfaHedefi> hedef = hedefYap(k, form, yazici);
    if (!hedef)
        return 1;
    return calistir(k, form, *oturum.Baglanti, *hedef);
}

} // namespace
