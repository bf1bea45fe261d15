#include "TasarimSecimi.h"

#include "core/Birimler.h"
#include "core/MesajKutusu.h"
#include "database/KayitKumesi.h"
#include "document/TasarimTopla.h"
#include "printjob/BaskiIsi.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/Yazdirma.h"
#include "startup/Oturum.h"

#include <QDir>
#include <QFile>
#include <cmath>

QStringList Tasarim_Adlari(const QString &klasor) {
    QStringList adlar;
    const QStringList dosyalar =
        QDir(klasor).entryList({QStringLiteral("*.ftr")}, QDir::Files, QDir::Unsorted);
    for (const QString &d : dosyalar)
        adlar.append(d.section(u'.', 0, 0));
    return adlar;
}

bool Tasarim_Sil(const QString &klasor, const QString &ad, MesajKutusu &kutu) {
    if (kutu.MsgBox(QStringLiteral("Bu form tasarımını silmek istediğinizden emin misiniz?"),
                    MesajKutusu::Dugmeler::EvetHayir, MesajKutusu::Simge::Soru,
                    Program_Basligi) != MesajKutusu::Cevap::Evet)
        return false;
    const QString yol = klasor + u'/' + ad + QStringLiteral(".ftr");
    return QFile::exists(yol) && QFile::remove(yol);
}

QStringList Stok_Sutunlari(const Oturum &oturum) {
    return oturum.Baglanti ? Tablo_Sutunlari(*oturum.Baglanti, QStringLiteral("STOKKART"))
                           : QStringList();
}

std::optional<BaskiIsi> Hemen_Bas_Hazirla(const QString &ad, const Oturum &oturum,
                                          MesajKutusu &kutu, const QString &adet_sutunu) {
    auto belge = Basilacak_Tasarim(oturum.Tasarim_Klasoru, ad, kutu);
    if (!belge)
        return std::nullopt;
    BaskiIsi is;
    is.Belge = std::move(*belge);
    is.Tasarim_Adi = ad.trimmed();
    const QString baslik = QStringLiteral("Dinamik Barkod");
    const auto baslangic = Tamsayi_Oku<qint16>(
        kutu.InputBox(QStringLiteral("Kaçıncı Etiketten Başlayarak Basım Yapmak İstiyorsunuz?"),
                      baslik, QStringLiteral("1"))
            .value_or(QString()),
        oturum.ayirac);
    if (!baslangic)
        return std::nullopt;
    is.Baslangic_Etiketi = *baslangic;
    is.Etiket_Adedi = oturum.Sabit_Etiket_Adedi;
    if (!adet_sutunu.isEmpty()) {
        const auto uyar = [&kutu, &baslik](const QString &m) {
            kutu.MsgBox(m, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem, baslik);
        };
        const auto adetler = Sutun_Adetleri(kutu, oturum, adet_sutunu, is.Eksi_Adetliler);
        if (!adetler) {
            uyar(*adetler.Hatasi());
            return std::nullopt;
        }
        if (!is.Eksi_Adetliler.isEmpty())
            uyar(Eksi_Adet_Mesaji(is.Eksi_Adetliler));
        is.Etiket_Adedi = 1;
        is.Stok_Adetleri = std::make_shared<const QHash<qint64, int>>(*adetler);
        return is;
    }
    if (oturum.Sabit_Etiket_Adedi == 0) {
        const double adet = std::nearbyint(Adet_Sor(kutu, oturum.Varsayilan_Adet()));
        is.Etiket_Adedi = adet >= 0 && adet <= 32767 ? qint16(adet) : qint16(0);
        if (is.Etiket_Adedi == 0)
            return std::nullopt;
    }
    return is;
}
