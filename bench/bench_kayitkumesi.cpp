// Iterates 100,000 stock rows through the record set on SQLite and PostgreSQL.
// Run by hand: build/bench/bench_kayitkumesi (PostgreSQL from VARNEL_PG_* if set).
#include "database/KayitKumesi.h"
#include "database/VeriBaglantisi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int satirSayisi = 100000;

bool doldur(VeriBaglantisi &b) {
    QSqlDatabase db = b.Veritabani();
    QSqlQuery q(db);
    q.exec(QStringLiteral("DROP TABLE IF EXISTS STOKKART"));
    if (!q.exec(
            QStringLiteral("CREATE TABLE STOKKART (Stok_ID INTEGER PRIMARY KEY, Stok_Adi "
                           "VARCHAR(100), Ana_Birim_Barkod VARCHAR(40), Fiyat DOUBLE PRECISION)")))
        return false;
    db.transaction();
    q.prepare(QStringLiteral("INSERT INTO STOKKART VALUES (?, ?, ?, ?)"));
    for (int i = 1; i <= satirSayisi; ++i) {
        q.addBindValue(i);
        q.addBindValue(QStringLiteral("Ürün Şekerli Çay %1").arg(i));
        q.addBindValue(QStringLiteral("869%1").arg(i, 10, 10, QLatin1Char('0')));
        q.addBindValue(i * 1.25);
        if (!q.exec())
            return false;
    }
    return db.commit();
}

void olc(const char *ad, const QString &metin) {
    VeriBaglantisi b;
    if (!b.Open(metin)) {
        std::printf("%s: bağlanılamadı (%s)\n", ad, qPrintable(b.Hata()));
        return;
    }
    if (!doldur(b)) {
        std::printf("%s: tablo doldurulamadı\n", ad);
        return;
    }
    for (int tur = 0; tur < 3; ++tur) {
        QElapsedTimer t;
        t.start();
        KayitKumesi rs;
        rs.Open(b, QStringLiteral("SELECT * FROM STOKKART ORDER BY Stok_ID"));
        qint64 uzunluk = 0;
        int n = 0;
        for (; !rs.EOF_(); rs.MoveNext(), ++n)
            uzunluk += rs.Text(QStringLiteral("Stok_Adi")).size() +
                       rs.Text(QStringLiteral("ana_birim_barkod")).size() +
                       rs.Text(QStringLiteral("Fiyat")).size();
        std::printf("%s: %d satır, %lld ms (okunan %lld karakter)\n", ad, n,
                    static_cast<long long>(t.elapsed()), static_cast<long long>(uzunluk));
    }
    QSqlQuery(b.Veritabani()).exec(QStringLiteral("DROP TABLE STOKKART"));
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir klasor;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("yap"));
        db.setDatabaseName(klasor.filePath(QStringLiteral("bench.db")));
        db.open();
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE x (y)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("yap"));
    olc("SQLite", QStringLiteral("User ID=sa;Password=;Initial Catalog=bench;Data Source=sqlite:") +
                      klasor.path());
    if (!qEnvironmentVariableIsEmpty("VARNEL_PG_PORT"))
        olc("PostgreSQL",
            QStringLiteral(
                "User ID=%1;Password=%2;Initial Catalog=postgres;Data Source=postgresql://%3:%4")
                .arg(qEnvironmentVariable("VARNEL_PG_USER"),
                     qEnvironmentVariable("VARNEL_PG_PASSWORD"),
                     qEnvironmentVariable("VARNEL_PG_HOST"),
                     qEnvironmentVariable("VARNEL_PG_PORT")));
    return 0;
}
