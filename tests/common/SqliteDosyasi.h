#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// Makes a real SQLite database file for a test, running the given statements.
inline bool Sqlite_Dosyasi_Yap(const QString &yol, const QStringList &komutlar = {}) {
    bool tamam = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-kurulum"));
        db.setDatabaseName(yol);
        tamam = db.open();
        QSqlQuery q(db);
        tamam = tamam && q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Bos (x INTEGER)"));
        for (const QString &k : komutlar)
            tamam = tamam && q.exec(k);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-kurulum"));
    return tamam;
}
