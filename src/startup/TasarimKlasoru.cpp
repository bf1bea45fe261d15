#include "TasarimKlasoru.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

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

KlasorYerleri Program_Klasor_Yerleri(const QString &verilen) {
    const QString program = QCoreApplication::applicationDirPath();
    return {verilen, program,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/varnel"),
            QDir::cleanPath(program + QStringLiteral("/../share/varnel/Barkod"))};
}
