#include "Fiyat.h"

#include "startup/Yaziya.h"

#include <QStringList>

std::optional<double> Fiyat_Degeri(int seviye, bool milyon,
                                   const QList<QPair<QString, double>> &fiyatlar) {
    const double carpan = milyon ? 1000000 : 1;
    for (const auto &[sira, deger] : fiyatlar)
        if (seviye == 0 || sira.trimmed().toDouble() == seviye)
            return deger == 0 ? std::nullopt : std::optional(deger * carpan);
    return std::nullopt;
}

QString Tutar_Yazisi(const QString &s, const Ayiraclar &a) {
    const qsizetype k = s.indexOf(u',');
    if (k < 0)
        return Yaziya_Cevir(s, a) + QStringLiteral("YTL");
    QString w = s.left(k), f = s.mid(k + 1);
    if (f.size() == 1)
        f += u'0';
    if (w.isEmpty())
        w = QStringLiteral("0");
    return Yaziya_Cevir(w, a) + QStringLiteral(" YTL ") + Yaziya_Cevir(f, a) +
           QStringLiteral(" Yeni Kuruş");
}
