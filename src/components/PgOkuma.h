#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>

// Rows of one statement, fetched whole.
struct OkunanSatirlar {
    QSqlRecord kayit;
    QList<QList<QVariant>> satirlar;
};

// Runs one SELECT on a PostgreSQL connection where it cannot write: in a read-only
// transaction (a savepoint when a transaction is open, rolled back after), through
// the extended protocol, which refuses a second statement. Qt's driver cannot do
// this: it sends plain text, and its prepared statements are "PREPARE … AS" text,
// which runs whatever follows a ";". False on failure, with the driver's error.
bool Pg_Salt_Oku(const QSqlDatabase &db, const QString &sql, OkunanSatirlar &sonuc,
                 QSqlError &hata);
