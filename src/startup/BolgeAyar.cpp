#include "BolgeAyar.h"

#include "Oturum.h"
#include "core/MesajKutusu.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QtEndian>
#include <memory>

namespace {

// Opens the key; the group is the last part of the key path.
std::unique_ptr<QSettings> anahtarAc(KokAnahtar, const QString &anahtarYolu) {
    const QString son = anahtarYolu.section(u'\\', -1);
#ifdef Q_OS_WIN
    auto s = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + anahtarYolu,
                                         QSettings::NativeFormat);
#else
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/varnel");
    auto s = std::make_unique<QSettings>(klasor + u'/' + son + QStringLiteral(".ini"),
                                         QSettings::IniFormat);
    s->beginGroup(son);
#endif
    return s;
}

} // namespace

QString Kayit_Deger_Sorgula(QSettings &anahtar, const QString &degerAdi) {
    const QVariant v = anahtar.value(degerAdi);
    switch (v.typeId()) {
    case QMetaType::QString: {
        const QString s = v.toString();
        const qsizetype nul = s.indexOf(QChar(0));
        return nul < 0 ? s : s.left(nul);
    }
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        if (b.size() < 2)
            return QString();
        return QString::number(qFromLittleEndian<qint16>(b.constData()));
    }
    default:
        return QString();
    }
}

QString Kayit_Deger_Oku(KokAnahtar kok, const QString &anahtarYolu, const QString &degerAdi) {
    auto anahtar = anahtarAc(kok, anahtarYolu);
    return Kayit_Deger_Sorgula(*anahtar, degerAdi);
}

void Kayit_Deger_Yaz(KokAnahtar kok, const QString &anahtarYolu, const QString &degerAdi,
                     const QString &metin) {
#ifndef Q_OS_WIN
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/varnel"));
#endif
    auto anahtar = anahtarAc(kok, anahtarYolu);
    anahtar->setValue(degerAdi, metin);
    anahtar->sync(); // a failed write stays silent
}

bool Bolge_Ayar_Kontrol(MesajKutusu &kutu, Ayiraclar &ayirac) {
    const auto oku = [](const char *ad) {
        return Kayit_Deger_Oku(KokAnahtar::HKEY_CURRENT_USER, Bolge_Anahtari,
                               QString::fromLatin1(ad));
    };
    const auto yaz = [](const char *ad, const QString &metin) {
        Kayit_Deger_Yaz(KokAnahtar::HKEY_CURRENT_USER, Bolge_Anahtari, QString::fromLatin1(ad),
                        metin);
    };

    QString isaret;
    if (oku("sDecimal") != u",")
        isaret = QStringLiteral("ONDALIK");
    if (oku("sThousand") != u".")
        isaret = QStringLiteral("BASAMAK");
    if (oku("sDate") != u".")
        isaret = QStringLiteral("TARIH");
    if (oku("sShortDate") != u"dd.MM.yyyy")
        isaret = QStringLiteral("TARIH");
    ayirac = {oku("sDecimal"), oku("sThousand")};
    if (isaret.isEmpty())
        return true;

    const QString soru = QStringLiteral("Programın Çalışabilmesi için Sistemin Ayarlanması "
                                        "Gerekiyor.\rEğer Onaylarsanız Bu ayarlar "
                                        "Yapılacaktır.\rOnaylıyormusunuz ?");
    if (kutu.MsgBox(soru, MesajKutusu::Dugmeler::EvetHayir, MesajKutusu::Simge::Soru,
                    Program_Basligi) == MesajKutusu::Cevap::Hayir)
        return false;

    yaz("sDecimal", QStringLiteral(","));
    yaz("sThousand", QStringLiteral("."));
    yaz("sShortDate", QStringLiteral("dd.MM.yyyy"));
    yaz("sDate", QStringLiteral("."));
    ayirac = {oku("sDecimal"), oku("sThousand")};
    return true;
}
