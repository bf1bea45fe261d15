#pragma once

#include "VeriBaglantisi.h"

#include <QString>

// False when `sql` holds a ";" that the engine would read as the end of one
// statement: outside its quoted texts, quoted names and comments, as that engine
// quotes them (PostgreSQL: E'' with backslashes, $$ and $tag$, nested /* */;
// SQLite: backticks and brackets; SQL Server: brackets, nested /* */). The item
// condition goes into every statement of a run.
bool Tek_Komut_Mu(const QString &sql, VeriBaglantisi::Motor motor);

// `s` is the keyword `k` (given in upper case) in any case. Qt's case-blind comparison
// costs more than an insert of the work table, which runs this for every label.
inline bool Anahtar_Kelime(QStringView s, QLatin1StringView k) {
    if (s.size() != k.size())
        return false;
    for (qsizetype i = 0; i < s.size(); ++i)
        if ((s[i].unicode() & ~0x20) != k[i].unicode())
            return false;
    return true;
}
