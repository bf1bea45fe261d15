#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <functional>

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

// What cancels a statement running on a PostgreSQL connection, from another thread:
// stage 0 sends the server a cancel request, stage 1 shuts the connection's socket.
// Empty when the connection has no libpq handle.
std::function<void(int)> Pg_Iptalci(const QSqlDatabase &db);
