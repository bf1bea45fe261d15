#include "TasarimKlasoru.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "document/EtiketIcerigi.h"

QString Tasarim_Klasorunu_Bul(const KlasorYerleri &y) {
    if (!y.verilen.isEmpty())
        return QDir(y.verilen).absolutePath();
    const QString yaninda = y.program + QStringLiteral("/Barkod");
    if (QFileInfo(yaninda).isDir())
        return yaninda;
    const QString klasor = y.kullanici + QStringLiteral("/Barkod");
    if (!QFileInfo::exists(klasor) && QDir().mkpath(klasor)) {
        // First start: the samples to begin with; the user's own designs go beside.
        const QDir ornek(y.ornekler);
        for (const QString &ad :
             ornek.entryList({QStringLiteral("*.ftr"), QStringLiteral("*.mtr")}, QDir::Files))
            QFile::copy(ornek.filePath(ad), klasor + u'/' + ad);
        // And the pictures the samples show.
        const QDir resimler(ornek.filePath(QStringLiteral("Resimler")));
        if (resimler.exists() && QDir().mkpath(klasor + QStringLiteral("/Resimler")))
            for (const QString &ad : resimler.entryList(QDir::Files))
                QFile::copy(resimler.filePath(ad), klasor + QStringLiteral("/Resimler/") + ad);
    }
    return klasor;
}

Sonuc<QString> Resmi_Al(const QString &kaynak, const QString &klasor) {
    const QDir tasarimlar(klasor);
    const QFileInfo f(kaynak);
    if (!f.isFile())
        return Hata(QStringLiteral("Resim dosyası okunamadı: ") + QDir::toNativeSeparators(kaynak));
    const QString goreli = tasarimlar.relativeFilePath(f.absoluteFilePath());
    if (!goreli.startsWith(QLatin1String("../")) && !QDir::isAbsolutePath(goreli))
        return goreli; // in the folder already
    const QDir resimler(tasarimlar.filePath(Resim_Klasoru));
    if (!resimler.exists() && !QDir().mkpath(resimler.path()))
        return Hata(QStringLiteral("Resimler klasörü oluşturulamadı: ") +
                    QDir::toNativeSeparators(resimler.path()));
    QString ad = f.fileName();
    for (int n = 2; QFileInfo::exists(resimler.filePath(ad)); ++n) {
        QFile var(resimler.filePath(ad)), yeni(kaynak);
        if (var.open(QIODevice::ReadOnly) && yeni.open(QIODevice::ReadOnly) &&
            var.readAll() == yeni.readAll())
            return Resim_Klasoru + u'/' + ad; // the same picture: no second copy
        ad = f.completeBaseName() + u'-' + QString::number(n) + u'.' + f.suffix();
    }
    if (!QFile::copy(kaynak, resimler.filePath(ad)))
        return Hata(QStringLiteral("Resim tasarım klasörüne kopyalanamadı: ") +
                    QDir::toNativeSeparators(resimler.filePath(ad)));
    return Resim_Klasoru + u'/' + ad;
}

KlasorYerleri Program_Klasor_Yerleri(const QString &verilen) {
    const QString program = QCoreApplication::applicationDirPath();
    return {verilen, program,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/varnel"),
            QDir::cleanPath(program + QStringLiteral("/../share/varnel/Barkod"))};
}
