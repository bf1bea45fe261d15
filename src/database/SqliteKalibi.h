#pragma once

#include "core/SqliteIslevleri.h"

#include <QString>
#include <QStringList>
#include <optional>

// An INSERT … VALUES statement with its quoted values lifted out: the same statement
// with a parameter in each value's place, and the values in order. SQLite compiles
// every statement text anew, and the work table takes one INSERT per label that
// differs from the one before only in its value; SQL Server parameterizes such
// statements itself. Null for any other statement, or one that already has
// parameters or names a value where a parameter cannot stand.
struct SqliteKalibi {
    QString metin;
    QStringList degerler;
};
std::optional<SqliteKalibi> Sqlite_Kalibi(const QString &sql);

// The last statement form compiled on one SQLite connection, kept for the next
// statement of the same form. Emptied before its connection closes (SQLite keeps a
// connection with a compiled statement open).
class SqliteKomutBellegi {
public:
    SqliteKomutBellegi() = default;
    SqliteKomutBellegi(const SqliteKomutBellegi &) = delete;
    SqliteKomutBellegi &operator=(const SqliteKomutBellegi &) = delete;
    ~SqliteKomutBellegi() { Bosalt(); }

    // The statement of `kalip` with its values bound (`kalip` must outlive the step),
    // ready to step; null when it is not one statement giving no rows with a parameter
    // for each value.
    sqlite3_stmt *Hazirla(const SqliteIslevleri &f, sqlite3 *vt, const SqliteKalibi &kalip);
    // After a step: ready for the next values.
    void Sifirla();
    void Bosalt();

private:
    const SqliteIslevleri *f_ = nullptr;
    sqlite3 *vt_ = nullptr;
    sqlite3_stmt *komut_ = nullptr;
    QString metin_;
};
