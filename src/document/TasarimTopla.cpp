#include "TasarimTopla.h"

#include "TasarimDosyasi.h"
#include "core/MesajKutusu.h"

#include <QFileInfo>

namespace {

void hata(MesajKutusu &kutu, const QString &metin) {
    kutu.MsgBox(metin, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik, Program_Basligi);
}

} // namespace

bool Tasarim_Dolu(const TasarimBelgesi &belge, MesajKutusu &kutu) {
    if (belge.Nesne_Sayisi() > 0 || belge.Barkod_Sayisi() > 0)
        return true;
    kutu.MsgBox(Bos_Tasarim_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Bilgi,
                Program_Basligi);
    return false;
}

bool Tasarim_Yaz(const TasarimBelgesi &belge, const QString &klasor, const QString &ad,
                 MesajKutusu &kutu) {
    if (const auto h = Tasarim_Adi_Hatasi(ad)) {
        hata(kutu, *h);
        return false;
    }
    if (!Tasarim_Dolu(belge, kutu))
        return false;
    if (const auto h = Tasarim_Dosyasi_Yaz(klasor, ad, belge)) {
        hata(kutu, *h);
        return false;
    }
    return true;
}

bool Tasarim_Dosyasini_Ac(const QString &klasor, const QString &ad, TasarimBelgesi &belge,
                          MesajKutusu &kutu) {
    if (ad.isEmpty())
        return false;
    if (const auto h = Tasarim_Dosyasi_Oku(Tasarim_Yolu(klasor, ad), belge)) {
        hata(kutu, *h);
        return false;
    }
    return true;
}

std::optional<TasarimBelgesi> Basilacak_Tasarim(const QString &klasor, const QString &ad,
                                                MesajKutusu &kutu) {
    TasarimBelgesi belge;
    if (!Tasarim_Dosyasini_Ac(klasor, ad.trimmed(), belge, kutu))
        return std::nullopt;
    // Printing goes on without them, as the design window does, but says so.
    if (const QStringList l = Taninmayan_Kayit_Listesi(belge); !l.isEmpty())
        kutu.Ayrintili(Atlanan_Kayit_Mesaji.arg(l.size()), l, Program_Basligi);
    return belge;
}

std::optional<QString> FarkliKaydet_Btn_Click(const TasarimBelgesi &belge, const QString &klasor,
                                              MesajKutusu &kutu) {
    const QString ad = kutu.InputBox(QStringLiteral("Lütfen Tasarım Adını Giriniz."), QString())
                           .value_or(QString())
                           .trimmed();
    if (ad.isEmpty())
        return std::nullopt;
    if (const auto h = Tasarim_Adi_Hatasi(ad)) {
        hata(kutu, *h);
        return std::nullopt;
    }
    if (QFileInfo::exists(Tasarim_Yolu(klasor, ad)) &&
        kutu.MsgBox(QStringLiteral("Bu isimle kayıtlı bir tasarım vardır.Üzerine yazılsın mı?"),
                    MesajKutusu::Dugmeler::EvetHayir, MesajKutusu::Simge::Yok,
                    QStringLiteral("Dikkat")) != MesajKutusu::Cevap::Evet)
        return std::nullopt;
    if (!Tasarim_Yaz(belge, klasor, ad, kutu))
        return std::nullopt;
    return ad;
}
