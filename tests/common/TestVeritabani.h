#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QUuid>

// Real test databases: an SQLite file, or a fresh database on the PostgreSQL
// server that ./test starts (VARNEL_PG_* in the environment).
struct TestVeritabani {
    QString sunucu;     // the start line's server field
    QString veritabani; // its database field
    QString kullanici;
    QString sifre;
    QString hata;

    QString Satir(const QString &kosul, int adet = 1,
                  const QString &firma = QStringLiteral("Test Ticaret")) const {
        return sunucu + u'|' + firma + u'|' + veritabani + u'|' + kosul + u'|' +
               QString::number(adet) + u'|' + kullanici + u'|' +
               (sifre.isEmpty() ? QStringLiteral("æ") : sifre);
    }
};

// An SQLite database file `ad`.db in `klasor` (made when first opened).
inline TestVeritabani Sqlite_Vt(const QString &klasor, const QString &ad) {
    return {QStringLiteral("sqlite:") + klasor, ad, QStringLiteral("sa"), QString(), QString()};
}

inline QString Kaynak_Yolu(const QString &goreli) {
    return QStringLiteral(VARNEL_KAYNAK) + u'/' + goreli;
}

// Runs a script of statements separated by ";" at line ends; "--" lines are comments.
inline bool Betik_Calistir(QSqlDatabase &db, const QString &yol, QString &hata) {
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) {
        hata = QStringLiteral("açılamadı: ") + yol;
        return false;
    }
    QStringList satirlar;
    for (const QString &s : QString::fromUtf8(f.readAll()).split(u'\n'))
        if (!s.trimmed().startsWith(QLatin1String("--")) && s.trimmed() != u"GO")
            satirlar.append(s);
    static const QRegularExpression son(QStringLiteral(";\\s*\\n"));
    QSqlQuery q(db);
    for (const QString &komut : (satirlar.join(u'\n') + u'\n').split(son)) {
        if (komut.trimmed().isEmpty())
            continue;
        if (!q.exec(komut)) {
            hata = q.lastError().text() + QStringLiteral(" in: ") + komut.left(200);
            return false;
        }
    }
    return true;
}

inline bool Demo_Yukle(QSqlDatabase &db, const QString &sema, QString &hata) {
    return Betik_Calistir(db, Kaynak_Yolu(QStringLiteral("data/sql/") + sema), hata) &&
           Betik_Calistir(db, Kaynak_Yolu(QStringLiteral("data/demo/demo_veri.sql")), hata);
}

// The test's own connection to a test database, beside the program's; closed and
// removed when it goes. `secenek`: the driver's connect options.
class TestBaglantisi {
public:
    explicit TestBaglantisi(const TestVeritabani &t, const QString &secenek = {}) {
        static int sayac = 0;
        ad_ = QStringLiteral("test-%1").arg(++sayac);
        const bool sqlite = t.sunucu.startsWith(QLatin1String("sqlite:"));
        QSqlDatabase db = QSqlDatabase::addDatabase(
            sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), ad_);
        if (sqlite) {
            db.setDatabaseName(t.sunucu.mid(7) + u'/' + t.veritabani + QStringLiteral(".db"));
        } else {
            db.setHostName(qEnvironmentVariable("VARNEL_PG_HOST"));
            db.setPort(qEnvironmentVariableIntValue("VARNEL_PG_PORT"));
            db.setUserName(t.kullanici);
            db.setPassword(t.sifre);
            db.setDatabaseName(t.veritabani);
        }
        db.setConnectOptions(secenek);
        if (!db.open())
            hata = db.lastError().text();
    }
    ~TestBaglantisi() {
        Db().close();
        QSqlDatabase::removeDatabase(ad_);
    }
    TestBaglantisi(const TestBaglantisi &) = delete;
    TestBaglantisi &operator=(const TestBaglantisi &) = delete;

    QSqlDatabase Db() const { return QSqlDatabase::database(ad_, false); }
    bool Calistir(const QString &sql) {
        QSqlQuery q(Db());
        const bool tamam = q.exec(sql);
        if (!tamam)
            hata = q.lastError().text();
        return tamam;
    }
    // The first column of the first row, or `yoksa` when the statement fails.
    QVariant Deger(const QString &sql, const QVariant &yoksa = {}) {
        QSqlQuery q(Db());
        if (q.exec(sql) && q.next())
            return q.value(0);
        hata = q.lastError().text();
        return yoksa;
    }

    QString hata;

private:
    QString ad_;
};

// The demo stock database as an SQLite file in `klasor`.
inline TestVeritabani Sqlite_Demo(const QString &klasor,
                                  const QString &ad = QStringLiteral("stok")) {
    TestVeritabani t = Sqlite_Vt(klasor, ad);
    TestBaglantisi b(t);
    QSqlDatabase db = b.Db();
    if (!b.hata.isEmpty() || !Demo_Yukle(db, QStringLiteral("sema_sqlite.sql"), t.hata))
        t.hata += b.hata;
    return t;
}

inline bool Pg_Var() { return !qEnvironmentVariableIsEmpty("VARNEL_PG_PORT"); }

// A new database holding the demo stock data on the test PostgreSQL server.
inline TestVeritabani Pg_Demo() {
    TestVeritabani t{
        QStringLiteral("postgresql://%1:%2")
            .arg(qEnvironmentVariable("VARNEL_PG_HOST"), qEnvironmentVariable("VARNEL_PG_PORT")),
        QStringLiteral("postgres"),
        qEnvironmentVariable("VARNEL_PG_USER"),
        qEnvironmentVariable("VARNEL_PG_PASSWORD"),
        {}};
    const QString ad =
        QStringLiteral("stok_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    {
        TestBaglantisi yonetim(t);
        if (!yonetim.Calistir(QStringLiteral("CREATE DATABASE ") + ad))
            t.hata = yonetim.hata;
    }
    t.veritabani = ad;
    if (t.hata.isEmpty()) {
        TestBaglantisi b(t);
        QSqlDatabase db = b.Db();
        if (!b.hata.isEmpty() || !Demo_Yukle(db, QStringLiteral("sema_postgresql.sql"), t.hata))
            t.hata += b.hata;
    }
    return t;
}

// Tests that run once per engine: a global data column "motor" ("sqlite",
// "postgresql") and the demo stock data on each.
struct IkiMotor {
    TestVeritabani sqlite, pg;

    static void Satirlar() {
        QTest::addColumn<QString>("motor");
        QTest::newRow("sqlite") << QStringLiteral("sqlite");
        QTest::newRow("postgresql") << QStringLiteral("postgresql");
    }
    // Empty when both are ready (PostgreSQL only when ./test started a server).
    QString Hazirla(const QString &klasor) {
        sqlite = Sqlite_Demo(klasor);
        if (!sqlite.hata.isEmpty())
            return sqlite.hata;
        if (Pg_Var())
            pg = Pg_Demo();
        return pg.hata;
    }
};

// In a test function: skips the PostgreSQL row without a server, else names the
// row's database `t`.
#define IKI_MOTOR_SEC(iki, t)                                                                      \
    QFETCH_GLOBAL(QString, motor);                                                                 \
    if (motor == u"postgresql" && !Pg_Var())                                                       \
        QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");                                   \
    const TestVeritabani &t = motor == u"sqlite" ? (iki).sqlite : (iki).pg
