#pragma once

#include <QList>
#include <QPair>
#include <QString>

struct Ayiraclar;
#include <optional>

// A price the database holds as infinity or NaN: no label may show other digits.
inline const QString Sayi_Olmayan_Fiyat_Mesaji =
    QStringLiteral("%1 stok kartının %2 değeri bir sayı değil; basım durduruldu.");

// The price of level `seviye` (0: the first price there is) from an item's prices
// (level text, price) in level order, ×1,000,000 for `milyon`. Nothing when there
// is no such price or it is 0.
std::optional<double> Fiyat_Degeri(int seviye, bool milyon,
                                   const QList<QPair<QString, double>> &fiyatlar);

// An amount as its text with the regional decimal comma, in Turkish words with
// "YTL" and "Yeni Kuruş", or with `tl_kurus` "TL" and "Kuruş".
QString Tutar_Yazisi(const QString &tutar, const Ayiraclar &a, bool tl_kurus = false);
