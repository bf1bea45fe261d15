#include "Fiyat.h"

#include "startup/Yaziya.h"

#include <QStringList>

std::optional<double> Fiyat_Degeri(const QString &alan,
                                   const QList<QPair<QString, double>> &fiyatlar) {
    QString ad = alan;
    double carpan = 1;
    if (ad.startsWith(QLatin1String("TL_"))) {
        ad = ad.mid(3);
        carpan = 1000000;
    }
    static const QStringList seviyeler = [] {
        QStringList s;
        for (int i = 1; i <= 10; ++i)
            s << QStringLiteral("Fiyat%1").arg(i);
        return s;
    }();
    const int seviye = int(seviyeler.indexOf(ad)) + 1;
    for (const auto &[sira, deger] : fiyatlar)
        if (seviye == 0 || sira.trimmed().toDouble() == seviye)
            return deger == 0 ? std::nullopt : std::optional(deger * carpan);
    return std::nullopt;
}

QString Tutar_Yazisi(const QString &s) {
    const qsizetype k = s.indexOf(u',');
    if (k < 0)
        return Yaziya_Cevir(s) + QStringLiteral("YTL");
    QString w = s.left(k), f = s.mid(k + 1);
    if (f.size() == 1)
        f += u'0';
    if (w.isEmpty())
        w = QStringLiteral("0");
    return Yaziya_Cevir(w) + QStringLiteral(" YTL ") + Yaziya_Cevir(f) +
           QStringLiteral(" Yeni Kuruş");
}
