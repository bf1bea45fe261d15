#pragma once

#include <QString>

struct Ayiraclar;
class MesajKutusu;
class QSettings;

// The per-user store of regional settings. On Windows it is the registry; on
// other systems an INI file per key under the user's configuration folder
// ($XDG_CONFIG_HOME/varnel/<last part of the key path>.ini).
enum class KokAnahtar { HKEY_CURRENT_USER };

inline const QString Bolge_Anahtari = QStringLiteral("Control Panel\\International");

QString Kayit_Deger_Oku(KokAnahtar kok, const QString &anahtarYolu, const QString &degerAdi);
QString Kayit_Deger_Sorgula(QSettings &anahtar, const QString &degerAdi);
void Kayit_Deger_Yaz(KokAnahtar kok, const QString &anahtarYolu, const QString &degerAdi,
                     const QString &metin);

// Checks the four regional values and offers to set them. Returns false when the
// user refuses, after which the program must end. Sets `ayirac` from the store
// in every case.
bool Bolge_Ayar_Kontrol(MesajKutusu &kutu, Ayiraclar &ayirac);
