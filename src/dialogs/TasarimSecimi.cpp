#include "TasarimSecimi.h"

#include "components/MesajKutusu.h"
#include "document/TasarimDegiskenleri.h"
#include "document/TasarimTopla.h"
#include "printjob/DogrudanBaski.h"
#include "startup/Birimler.h"
#include "startup/Degiskenler.h"

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
                    Degiskenler::Program_Basligi) != MesajKutusu::Cevap::Evet)
        return false;
    const QString yol = klasor + u'/' + ad + QStringLiteral(".ftr");
    return QFile::exists(yol) && QFile::remove(yol);
}

bool Hemen_Bas_Hazirla(const QString &ad, MesajKutusu &kutu) {
    using namespace Degiskenler;
    Dinamik_Barkod = true;
    if (!Tasarimi_Oku(ad, kutu))
        return false;
    const QString baslik = QStringLiteral("Dinamik Barkod");
    const auto baslangic = Tamsayi_Oku<qint16>(
        kutu.InputBox(QStringLiteral("Kaçıncı Etiketten Başlayarak Basım Yapmak İstiyorsunuz?"),
                      baslik, QStringLiteral("1"))
            .value_or(QString()));
    if (!baslangic)
        return false;
    Baslangic_Etiketi = *baslangic;
    if (Sabit_Etiket_Adedi == 0) {
        Etiket_Adedi = 1;
        const double adet = std::nearbyint(Adet_Sor(kutu));
        Etiket_Adedi = adet >= 0 && adet <= 32767 ? qint16(adet) : qint16(0);
        if (Etiket_Adedi == 0)
            return false;
    }
    return true;
}
