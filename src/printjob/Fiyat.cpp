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

QString Tutar_Yazisi(const QString &s, const Ayiraclar &a, bool tl_kurus) {
    const QString lira = tl_kurus ? QStringLiteral("TL") : QStringLiteral("YTL");
    const QString kurus = tl_kurus ? QStringLiteral("Kuruş") : QStringLiteral("Yeni Kuruş");
    const qsizetype k = s.indexOf(u',');
    if (k < 0)
        return Yaziya_Cevir(s, a) + lira;
    QString w = s.left(k), f = s.mid(k + 1);
    if (f.size() == 1)
        f += u'0';
    if (w.isEmpty())
        w = QStringLiteral("0");
    return Yaziya_Cevir(w, a) + u' ' + lira + u' ' + Yaziya_Cevir(f, a) + u' ' + kurus;
}
