#include "BaskiIsi.h"

#include "components/Birimler.h"
#include "components/MesajKutusu.h"

double Adet_Sor(MesajKutusu &kutu, qint16 onerilen) {
    const auto cevap =
        kutu.InputBox(QStringLiteral("Stok Başına Kaç Adet Barkod Basmak İstiyorsunuz"),
                      QStringLiteral("Dinamik Barkod"), QString::number(onerilen));
    return Bastaki_Sayi(cevap.value_or(QString()));
}
