#include "YaziTipleri.h"

#include <QDir>
#include <QFontDatabase>

void Yazi_Tiplerini_Yukle() {
    const QDir wine(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString &ad : wine.entryList({QStringLiteral("tahoma*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(wine.filePath(ad));
}
