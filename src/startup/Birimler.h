#pragma once

#include <QString>

// Conversions between twips (1/1440 inch) and millimetres. The two factors are
// deliberately not inverses of each other; callers rely on both.
qint32 Twip_Mm(double twip);
qint32 Twip_Mm(const QString &twip);
qint32 Mm_Twip(double mm);
qint32 Mm_Twip(const QString &mm);

// Round to the nearest integer, halves to the even neighbour.
qint32 Yuvarla_Cift(double x);

// Reads numeric text the way the user writes it: regional separators, grouping allowed.
bool Sayi_Oku(const QString &metin, double &sonuc);
