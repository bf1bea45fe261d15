#pragma once

#include <QString>

class KayitKumesi;
class MesajKutusu;

// Open a record set on the program's connection with its standard failure
// messages. Neither retries; on failure the set is left closed.
void Sorgu_Ac(MesajKutusu &kutu, KayitKumesi &rs, const QString &sql);
void Sorgu_Oku(MesajKutusu &kutu, KayitKumesi &rs, const QString &sql);

// True when the error means the connection itself failed (refused, lost, timed
// out), which is reported like the driver's unspecified error.
class QSqlError;
bool Baglanti_Hatasi_Mi(const QSqlError &hata);
