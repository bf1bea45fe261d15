#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// A price the database holds as infinity or NaN: no label may show other digits.
inline const QString Sayi_Olmayan_Fiyat_Mesaji =
    QStringLiteral("%1 stok kartının %2 değeri bir sayı değil; basım durduruldu.");

// The price a field named `alan` shows, from an item's prices (level text, price)
// in level order: "FiyatN" takes level N, any other name the first price there is;
// a "TL_" name is multiplied by 1,000,000. Nothing when there is no such price or
// it is 0.
std::optional<double> Fiyat_Degeri(const QString &alan,
                                   const QList<QPair<QString, double>> &fiyatlar);

// An amount as its text with the regional decimal comma, in Turkish words with
// "YTL" and "Yeni Kuruş".
QString Tutar_Yazisi(const QString &tutar);
