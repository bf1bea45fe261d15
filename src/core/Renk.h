#pragma once

#include <QColor>

// 32-bit colour values as the designs store them: 0x00BBGGRR, or a system colour
// (high bit set, low byte = system colour index) for negative values.
QColor Renk_Cevir(qint32 deger);
qint32 Renk_Degeri(const QColor &renk);
