#pragma once

#include <QString>

class KayitKumesi;
class MesajKutusu;
class VeriBaglantisi;

// The message of a failed statement; the driver's text, its number, the statement
// and the connection text go under "Ayrıntılar".
inline const QString Sorgu_Hatasi_Mesaji =
    QStringLiteral("Veritabanı komutu çalıştırılamadı; stok şartını ve tasarımdaki alanları "
                   "kontrol ediniz.");

// A server silent past the statement time-out (or an SQLite lock held as long).
inline const QString Yanit_Yok_Mesaji =
    QStringLiteral("Veritabanı yanıt vermiyor; basım durduruldu.");

// Open a record set on the connection `b` with its standard failure messages.
// Neither retries; on failure the set is left closed and they return false.
// After the server went away they fail at once without a message.
bool Sorgu_Ac(MesajKutusu &kutu, VeriBaglantisi &b, KayitKumesi &rs, const QString &sql);
bool Sorgu_Oku(MesajKutusu &kutu, VeriBaglantisi &b, KayitKumesi &rs, const QString &sql);

// The item query: a text beginning with SELECT is the whole query, any other is
// the condition of the report's items, in their order.
QString Stok_Sorgusu(const QString &stok_sarti);
// Whether the start line's condition is a whole SELECT of its own.
bool Tam_Sorgu_Mu(const QString &stok_sarti);
// The item condition as a statement embeds it: on lines of its own in parentheses, so
// a "--" comment in it ends at its own line and an OR in it stays inside.
QString Sart_Metni(const QString &stok_sarti);

// True when the error means the connection itself failed (refused, lost, timed
// out), which is reported like the driver's unspecified error.
class QSqlError;
bool Baglanti_Hatasi_Mi(const QSqlError &hata);
