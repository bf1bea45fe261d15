#include "BaskiIsi.h"

#include "startup/Oturum.h"

QString Is_Sarti(const BaskiIsi &is, const Oturum &oturum) {
    return is.Stok_Sarti.isEmpty() ? oturum.Stok_Sarti : is.Stok_Sarti;
}

#include "core/Birimler.h"
#include "core/MesajKutusu.h"

double Adet_Sor(MesajKutusu &kutu, qint16 onerilen) {
    const auto cevap =
        kutu.InputBox(QStringLiteral("Stok Başına Kaç Adet Barkod Basmak İstiyorsunuz"),
                      QStringLiteral("Dinamik Barkod"), QString::number(onerilen));
    return Bastaki_Sayi(cevap.value_or(QString()));
}
