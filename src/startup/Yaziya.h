#pragma once

#include "core/Ayiraclar.h"

#include <QString>

// A whole number in Turkish words written together ("BinBir"); "Hata" for
// fractions and magnitudes of 10^15 and above.
QString Yaziya_Cevir(qint64 deger);
QString Yaziya_Cevir(double deger);
QString Yaziya_Cevir(const QString &deger, const Ayiraclar &a);
