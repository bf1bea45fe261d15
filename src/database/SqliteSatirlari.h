#pragma once

#include "SqliteKalibi.h"
#include "core/SqliteIslevleri.h"

#include <QList>
#include <QSqlError>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <memory>
#include <set>

class SqliteSatirlari;

// The statements open on one SQLite connection outside Qt's driver: the form kept for
// the next INSERT and the row sets being read. All are finalized before the connection
// closes (SQLite keeps a connection with a compiled statement open).
struct SqliteKomutlari {
    SqliteKomutBellegi bellek;
    std::set<SqliteSatirlari *> satirlar;

    SqliteKomutlari() = default;
    SqliteKomutlari(const SqliteKomutlari &) = delete;
    SqliteKomutlari &operator=(const SqliteKomutlari &) = delete;
    ~SqliteKomutlari() { Bosalt(); }
    void Bosalt();
};

// How Qt's SQLite driver words a failed step (a generic error is named once reset).
QSqlError Sqlite_Adim_Hatasi(const SqliteIslevleri &f, sqlite3 *vt, sqlite3_stmt *komut, int sonuc);

// The rows of one SELECT read straight from SQLite, each value made only when asked
// and then as Qt's driver makes it (whole numbers as qint64, reals as double, text as
// QString, NULL as a null QString, blobs as QByteArray). Qt's driver makes every column
// of every row, and a label reads a few of them.
class SqliteSatirlari {
public:
    // Compiles `sql`; null when Qt's driver should run it instead (it does not
    // compile, holds a second statement or parameters, or gives no rows).
    static std::unique_ptr<SqliteSatirlari> Hazirla(const SqliteIslevleri &f, sqlite3 *vt,
                                                    SqliteKomutlari &komutlar, const QString &sql);
    ~SqliteSatirlari();
    SqliteSatirlari(const SqliteSatirlari &) = delete;
    SqliteSatirlari &operator=(const SqliteSatirlari &) = delete;

    // To the next row; false at the end or on a failure (then `hata` says which).
    bool Ilerle(QSqlError &hata);
    // The columns' names as the driver gives them.
    const QSqlRecord &Kayit() const { return kayit_; }
    QVariant Deger(int i) const;
    // Finalized before its connection closes; a closed set has no more rows.
    void Bitir();

private:
    SqliteSatirlari(const SqliteIslevleri &f, sqlite3 *vt, SqliteKomutlari &k, sqlite3_stmt *komut);

    const SqliteIslevleri &f_;
    sqlite3 *vt_;
    SqliteKomutlari *komutlar_; // null once finalized
    sqlite3_stmt *komut_;
    QSqlRecord kayit_;
    mutable QList<QVariant> degerler_; // of the current row, made as they are asked
    mutable QList<bool> yapildi_;
};
