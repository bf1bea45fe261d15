#pragma once

#include "core/Hata.h"

#include "TasarimKayitlari.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The design file: Windows-1254 text, CRLF lines, markers in a fixed order, numbers
// in the regional form start-up requires (decimal comma, grouping dot), whatever
// the machine that wrote it.

// Limits that keep a hostile file from taking the machine: its size, and the
// objects of each list.
inline constexpr qint64 En_Buyuk_Tasarim_Dosyasi = 10 * 1024 * 1024;
inline constexpr qint32 En_Cok_Nesne = 10000;

// Values outside these ranges are no label a printer can make: the reader refuses
// them in files, the dialogs in their boxes.
inline constexpr double En_Az_Konum = -1000, En_Cok_Konum = 2000; // mm, sizes up to the latter
inline constexpr double En_Az_Yazi = 1, En_Cok_Yazi = 500;        // pt
inline constexpr double En_Az_Etiket = 1, En_Cok_Etiket = 2000;   // mm
inline constexpr double En_Cok_Bosluk = 500;                      // mm, gaps and margins

// One rule for what a design may hold, so that the reader takes back whatever is
// written: the reader's limits, checked by paste, duplicate and add before they
// change a design, and by save before it replaces a file.
inline const QString Tasarim_Dolu_Mesaji = QStringLiteral("Tasarım en çok 10000 öğe tutabilir.");
// Why a design of `barkod` barcodes, `nesne` other elements and a file of `bayt`
// bytes could not be read back; nothing when it could.
Hata Tasarim_Siniri_Hatasi(qsizetype barkod, qsizetype nesne, qint64 bayt);

inline const QString Atlanan_Kayit_Mesaji =
    QStringLiteral("Tasarımdaki %1 kayıt tanınmadığı için yüklenmedi.");
inline const QString Gecersiz_Tasarim = QStringLiteral("geçerli bir tasarım dosyası değil.");

// The bytes of the design file for a document.
QByteArray Tasarim_Metni(const TasarimBelgesi &belge);

struct Okuma_Hatasi {
    int satir = 0; // 1-based line number; 0 when the file itself is the problem
    QString neden; // Turkish
};

// Reads design-file bytes over `belge`. Sections whose marker is missing keep the
// values `belge` had; bytes with no marker at all are no design (line 0). On a hard
// error `belge` is left exactly as it was.
std::optional<Okuma_Hatasi> Tasarim_Coz(const QByteArray &bayt, TasarimBelgesi &belge);

// Full path of a design: folder + name + ".ftr".
QString Tasarim_Yolu(const QString &klasor, const QString &ad);

inline constexpr qsizetype En_Uzun_Tasarim_Adi = 240; // bytes of UTF-8
// Why a design name cannot be used as a file name, or nothing when it can.
Hata Tasarim_Adi_Hatasi(const QString &ad);

// Reads the file into `belge`. Returns the message for the user on failure.
Hata Tasarim_Dosyasi_Oku(const QString &yol, TasarimBelgesi &belge);

// Writes the file atomically (temporary file renamed over the design). Returns the
// message for the user on failure; the old file is then untouched.
Hata Tasarim_Dosyasi_Yaz(const QString &klasor, const QString &ad, const TasarimBelgesi &belge);

// A single as a record line writes it: grouped, at most two decimals, cut
// (35.678 gives "35,67").
QString Kayit_Sayisi(float x);

// Object records of a kind no list takes (not a text, field, line): they are
// left out of every surface and output, and the user is told how many.
int Taninmayan_Kayitlar(const TasarimBelgesi &belge);
// Those records, one line each: their place in the list, their kind and text.
QStringList Taninmayan_Kayit_Listesi(const TasarimBelgesi &belge);

// What a design file holds, to see whether someone else saved it since it was
// opened; empty when it cannot be read.
QByteArray Dosya_Ozeti(const QString &yol);

inline const QString Disarida_Degisti_Mesaji =
    QStringLiteral("Tasarım dosyası başka bir yerde değiştirilmiş. Üzerine yazılsın mı?");
