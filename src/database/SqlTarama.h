#pragma once

#include "VeriBaglantisi.h"

#include <QString>

// False when `sql` holds a ";" that the engine would read as the end of one
// statement: outside its quoted texts, quoted names and comments, as that engine
// quotes them (PostgreSQL: E'' with backslashes, $$ and $tag$, nested /* */;
// SQLite: backticks and brackets; SQL Server: brackets, nested /* */). The item
// condition goes into every statement of a run.
bool Tek_Komut_Mu(const QString &sql, VeriBaglantisi::Motor motor);
