#include "TasarimSecimi.h"

#include "core/Birimler.h"
#include "core/MesajKutusu.h"
#include "document/TasarimTopla.h"
#include "printjob/BaskiIsi.h"
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

std::optional<BaskiIsi> Hemen_Bas_Hazirla(const QString &ad, const Oturum &oturum,
                                          MesajKutusu &kutu) {
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
    if (oturum.Sabit_Etiket_Adedi == 0) {
        const double adet = std::nearbyint(Adet_Sor(kutu, oturum.Varsayilan_Adet()));
        is.Etiket_Adedi = adet >= 0 && adet <= 32767 ? qint16(adet) : qint16(0);
        if (is.Etiket_Adedi == 0)
            return std::nullopt;
    }
    return is;
}
