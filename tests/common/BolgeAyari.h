#pragma once

#include "startup/BolgeAyar.h"

#include <QString>

// Turkish regional settings in a private settings folder, as start-up wants them.
// Without `klasor`, in the settings folder already in force.
inline void Bolge_Ayarla(const QString &klasor,
                         const QString &kisaTarih = QStringLiteral("dd.MM.yyyy")) {
    if (!klasor.isEmpty())
        qputenv("XDG_CONFIG_HOME", klasor.toUtf8());
    const QString degerler[][2] = {{QStringLiteral("sDecimal"), QStringLiteral(",")},
                                   {QStringLiteral("sThousand"), QStringLiteral(".")},
                                   {QStringLiteral("sDate"), QStringLiteral(".")},
                                   {QStringLiteral("sShortDate"), kisaTarih}};
    for (const auto &d : degerler)
        Kayit_Deger_Yaz(KokAnahtar::HKEY_CURRENT_USER, Bolge_Anahtari, d[0], d[1]);
}
