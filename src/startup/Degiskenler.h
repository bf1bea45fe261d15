#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

class VeriBaglantisi;

// Program-wide start-up values. They are set once at start-up and read by every
// other subsystem, so they live in one place rather than being threaded through.
namespace Degiskenler {

inline QStringList Parametreler; // command-line fields; index 0 is field 1
inline QString Sunucu_Adi;
inline QString Firma_Unvani;
inline QString Veritabani_Adi;
inline QString Stok_Sarti;
inline qint16 Etiket_Adedi = 0;
inline qint16 Sabit_Etiket_Adedi = 0;
inline QVariant Sql_Kullanici;
inline QString Sql_Sifre;
inline qint32 Secili_Stok_ID = 0;
inline VeriBaglantisi *Baglanti = nullptr; // the one connection; owned by the start-up run

// Separators in force after the regional check.
inline QString Ondalik_Ayirac = QStringLiteral(",");
inline QString Basamak_Ayirac = QStringLiteral(".");

// The program's title in boxes.
inline const QString Program_Basligi = QStringLiteral("Varnel 1.0");

} // namespace Degiskenler
