#include "DogrudanYazdirma.h"

#include "DogrudanBaski.h"
#include "core/IptalSinyali.h"
#include "core/MesajToplu.h"
#include "output/SayfaHedefi.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/Yazdirma.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

void yaz(FILE *f, const QString &metin) { Satir_Yaz(f, metin, true); }

QString yerel(const QString &yol) {
    return QDir::toNativeSeparators(QFileInfo(yol).absoluteFilePath());
}

} // namespace

int Dogrudan_Bas_Komutu(const Komut &k, MesajToplu &kutu, const Yazici_Acici &yazici) {
    const Iptal_Dinleyici iptal;
    const KomutIsi h = Komut_Isi(k, kutu);
    if (h.bos)
        return 0;
    if (h.kod != 0) // a stop request during start-up (a locked database) is a stop
        return Iptal_Dinleyici::Sinyal() ? Basarisiz_Kod(nullptr, {}) : h.kod;
    const Oturum &oturum = h.baslangic.oturum;
    const BaskiIsi &is = h.is;
    std::unique_ptr<SayfaHedefi> hedef;
    if (k.cikti.isEmpty()) {
        auto acilan = yazici(k.yazici, is.Belge.Tip == 1);
        if (!acilan) {
            yaz(stderr, *acilan.Hatasi());
            return 1;
        }
        hedef = std::move(*acilan);
    } else if (!(hedef = Dosya_Hedefi(k))) {
        return 1;
    }
    const DogrudanSonucu s =
        Dinamik_Bas(kutu, oturum, is, *hedef, [](int) { return Iptal_Dinleyici::Sinyal() == 0; });
    if (const int sinyal = Iptal_Dinleyici::Sinyal()) {
        hedef->Vazgec();
        yaz(stderr, QStringLiteral("Basım iptal edildi."));
        return 128 + sinyal;
    }
    if (k.kati && !s.Eksikler().isEmpty()) {
        hedef->Vazgec();
        for (const QString &m : s.Eksikler())
            yaz(stderr, m);
        return Tasma_Cikis_Kodu;
    }
    if (!s.hata.isEmpty() || s.sayfa == 0) {
        hedef->Vazgec();
        // The paper messages were told already.
        return Basarisiz_Kod(oturum.Baglanti.get(), s.kagit             ? QString()
                                                    : !s.hata.isEmpty() ? s.hata
                                                                        : Etiket_Yok_Mesaji);
    }
    const QString cikti = k.cikti.isEmpty()
                              ? (k.yazici.isEmpty() ? QStringLiteral("yazıcı") : k.yazici)
                              : yerel(k.cikti);
    hedef->Sayfalar_Bitti();
    // Recorded while the last labels are painted; kept only once the output is final.
    BasimKaydi kayit = Basimi_Yaz(oturum, is, cikti, true, s.basilanlar);
    // Labels still being painted: a stop request meanwhile is still a stop.
    if (!hedef->Yetis([] { return Iptal_Dinleyici::Sinyal() == 0; })) {
        hedef->Vazgec();
        yaz(stderr, QStringLiteral("Basım iptal edildi."));
        return 128 + Iptal_Dinleyici::Sinyal();
    }
    if (const Hata h = hedef->Bitir()) {
        yaz(stderr, *h);
        return 1;
    }
    for (const QString &m : s.Eksikler())
        yaz(stderr, m);
    for (const QString &u : hedef->Uyarilar())
        yaz(stderr, u);
    if (!is.Eksi_Adetliler.isEmpty())
        yaz(stderr, Eksi_Adet_Mesaji(is.Eksi_Adetliler));
    if (const auto uyari = Basimi_Onayla(kayit))
        yaz(stderr, *uyari);
    yaz(stdout, QStringLiteral("%1 etiket, %1 sayfa: %2").arg(s.sayfa).arg(cikti));
    return 0;
}

int Onizleme_Komutu(const Komut &k, MesajToplu &kutu) {
    const KomutIsi h = Komut_Isi(k, kutu, false);
    if (h.kod != 0)
        return h.kod;
    const auto sayfa = Onizleme_Sayfasi(kutu, h.baslangic.oturum, h.is.Belge);
    if (!sayfa)
        return 1;
    if (sayfa->boyut.isEmpty()) {
        yaz(stderr, QStringLiteral("Tasarımın etiket alanı boş: önizlenecek bir şey yok."));
        return 1;
    }
    const std::unique_ptr<SayfaHedefi> hedef = Dosya_Hedefi(k);
    if (!hedef)
        return 1;
    Hata neden = hedef->Sayfa(*sayfa);
    if (neden || (neden = hedef->Bitir())) {
        hedef->Vazgec();
        yaz(stderr, *neden);
        return 1;
    }
    yaz(stdout, QStringLiteral("Önizleme: ") + yerel(k.cikti));
    return 0;
}
