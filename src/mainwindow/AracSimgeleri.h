#pragma once

#include <QIcon>
#include <QString>

// The tool bar's small pictures, drawn rather than shipped as files: "Yazdir",
// "Onizleme", "SayfaAyar", "Format", "Font", "Zemin", "Yazi", "Sola", "Saga",
// "Orta", "Barkod". An unknown name gives an empty icon.
QIcon Arac_Simgesi(const QString &ad);
