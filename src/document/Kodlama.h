#pragma once

#include <QByteArray>
#include <QString>

// Windows-1254 (Turkish ANSI) through the C library's iconv. Characters the code
// page lacks are written as "?".
QByteArray Cp1254_Kodla(const QString &metin);
QString Cp1254_Coz(const QByteArray &bayt);
