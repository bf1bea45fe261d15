#include "TasarimTopla.h"

#include "TasarimDegiskenleri.h"
#include "TasarimDosyasi.h"
#include "components/MesajKutusu.h"
#include "startup/Birimler.h"
#include "startup/Degiskenler.h"

#include <QFileInfo>

namespace {

bool sayilir(const TasarimYuzeyi::Kontrol &k) {
    static const QStringList disarida = {QStringLiteral("Secims"), QStringLiteral("Rehber_Dikey"),
                                         QStringLiteral("Rehber_Yatay"), QStringLiteral("ZKOD")};
    return k.kapsayici == u"Bolum" && k.gorunur && !disarida.contains(k.ad);
}

} // namespace

bool Tasarim_Topla(const TasarimYuzeyi &yuzey, TasarimBelgesi &belge, MesajKutusu &kutu) {
    const QList<TasarimYuzeyi::Kontrol> kontroller = yuzey.Kontroller();
    const QList<TasarimYuzeyi::Barkod> barkodlar = yuzey.Barkodlar();
    qsizetype nesneSayisi = 0, barkodSayisi = 0;
    for (const auto &k : kontroller)
        nesneSayisi += sayilir(k) ? 1 : 0;
    for (const auto &b : barkodlar)
        barkodSayisi += b.gorunur ? 1 : 0;
    if (nesneSayisi == 0 && barkodSayisi == 0) {
        kutu.MsgBox(Bos_Tasarim_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Bilgi,
                    Degiskenler::Program_Basligi);
        return false;
    }

    belge.Barkodlar = {BarkodKaydi()};
    for (const auto &b : barkodlar) {
        if (!b.gorunur)
            continue;
        BarkodKaydi r = b.ozellik;
        r.Bolum_No = b.kapsayici_no;
        belge.Barkodlar.append(r);
    }
    belge.Nesneler = {NesneKaydi()};
    for (const auto &k : kontroller) {
        if (!sayilir(k))
            continue;
        NesneKaydi r = k.ozellik;
        r.Bolum_No = k.kapsayici_no;
        r.Tur = k.ad.left(1);
        r.Tag = r.Tag.trimmed();
        if (k.ad.contains(QLatin1String("Cizgi")))
            r.Escapement = 0; // lines are never rotated
        belge.Nesneler.append(r);
    }
    belge.Detaylar = {DetayKaydi(), yuzey.Etiket_Alani()};
    const TasarimYuzeyi::Sayfa s = yuzey.Sayfa_Ayari();
    belge.Sol_Bosluk = Yuvarla_Cift(s.sol);
    belge.Sag_Bosluk = Yuvarla_Cift(s.sag);
    belge.Ust_Bosluk = Yuvarla_Cift(s.ust);
    belge.Alt_Bosluk = Yuvarla_Cift(s.alt);
    belge.Yazici_Durum = QString::number(s.yonlendirme);
    belge.Kagit_Boyutu = s.kagit;
    return true;
}

bool Tasarim_Yaz(TasarimYuzeyi &yuzey, MesajKutusu &kutu) {
    yuzey.Duzenleyiciyi_Kapat();
    // Refuse a bad name before gathering touches the document.
    if (const auto h = Tasarim_Adi_Hatasi(Degiskenler::Tasarim_Adi)) {
        kutu.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Degiskenler::Program_Basligi);
        return false;
    }
    Degiskenler::Kayit_Iptal = !Tasarim_Topla(yuzey, Degiskenler::Belge, kutu);
    if (Degiskenler::Kayit_Iptal)
        return false;
    if (const auto h = Tasarim_Dosyasi_Yaz(Degiskenler::Tasarim_Klasoru, Degiskenler::Tasarim_Adi,
                                           Degiskenler::Belge)) {
        kutu.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Degiskenler::Program_Basligi);
        return false;
    }
    return true;
}

bool Tasarim_Oku(MesajKutusu &kutu) {
    if (Degiskenler::Tasarim_Adi.isEmpty())
        return false;
    const QString yol = Tasarim_Yolu(Degiskenler::Tasarim_Klasoru, Degiskenler::Tasarim_Adi);
    if (const auto h = Tasarim_Dosyasi_Oku(yol, Degiskenler::Belge)) {
        kutu.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Degiskenler::Program_Basligi);
        return false;
    }
    return true;
}

bool Tasarimi_Oku(const QString &ad, MesajKutusu &kutu) {
    Degiskenler::Yeni_Tasarim = false;
    Degiskenler::Tasarim_Adi = ad.trimmed();
    if (!Tasarim_Oku(kutu))
        return false;
    // Printing goes on without them, as the design window does, but says so.
    if (const int n = Taninmayan_Kayitlar(Degiskenler::Belge))
        kutu.MsgBox(Atlanan_Kayit_Mesaji.arg(n), MesajKutusu::Dugmeler::Tamam,
                    MesajKutusu::Simge::Unlem, Degiskenler::Program_Basligi);
    return true;
}

bool FarkliKaydet_Btn_Click(TasarimYuzeyi &yuzey, MesajKutusu &kutu) {
    const QString ad = kutu.InputBox(QStringLiteral("Lütfen Tasarım Adını Giriniz."), QString())
                           .value_or(QString())
                           .trimmed();
    if (ad.isEmpty())
        return false;
    if (const auto h = Tasarim_Adi_Hatasi(ad)) {
        kutu.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Degiskenler::Program_Basligi);
        return false;
    }
    if (QFileInfo::exists(Tasarim_Yolu(Degiskenler::Tasarim_Klasoru, ad)) &&
        kutu.MsgBox(QStringLiteral("Bu isimle kayıtlı bir tasarım vardır.Üzerine yazılsın mı?"),
                    MesajKutusu::Dugmeler::EvetHayir, MesajKutusu::Simge::Yok,
                    QStringLiteral("Dikkat")) != MesajKutusu::Cevap::Evet)
        return false;
    const QString onceki = Degiskenler::Tasarim_Adi;
    Degiskenler::Tasarim_Adi = ad;
    if (!Tasarim_Yaz(yuzey, kutu)) {
        Degiskenler::Tasarim_Adi = onceki; // nothing was saved under the new name
        return false;
    }
    return true;
}
