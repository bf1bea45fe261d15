#include "PencereYeri.h"

#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

QSettings ayarlar() {
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/varnel/Pencereler.ini"),
                     QSettings::IniFormat);
}

} // namespace

void Pencere_Yerini_Yukle(QWidget *pencere, const QString &ad) {
    // A place saved on a screen no longer there is put back on one by Qt itself.
    const QByteArray yer = ayarlar().value(ad + QStringLiteral("/Yer")).toByteArray();
    if (!yer.isEmpty())
        pencere->restoreGeometry(yer);
}

void Pencere_Yerini_Kaydet(const QWidget *pencere, const QString &ad) {
    ayarlar().setValue(ad + QStringLiteral("/Yer"), pencere->saveGeometry());
}
