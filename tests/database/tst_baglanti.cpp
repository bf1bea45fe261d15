#include "common/Araclar.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "database/KayitKumesi.h"
#include "database/SqlTarama.h"
#include "database/SqliteKalibi.h"
#include "database/VeriBaglantisi.h"
#include "startup/Baslangic.h"

#include <QDir>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using Motor = VeriBaglantisi::Motor;
using namespace Qt::StringLiterals;

namespace {

QString metin(const QString &kullanici, const QString &sifre, const QString &vt,
              const QString &sunucu) {
    return Komut_Satiri_Baglanti_Metni(kullanici, sifre, vt, sunucu);
}

// An SQLite file `ad` in a folder of its own, made with `kurulum`; `hata` says why not.
TestVeritabani sqliteDosyasi(const QTemporaryDir &klasor, const QString &ad,
                             std::initializer_list<QString> kurulum) {
    TestVeritabani t = Sqlite_Vt(klasor.filePath(ad), ad);
    if (!QDir(klasor.path()).mkpath(ad)) {
        t.hata = u"klasör açılamadı"_s;
        return t;
    }
    TestBaglantisi kur(t);
    for (const QString &sql : kurulum)
        if (kur.hata.isEmpty() && !kur.Calistir(sql))
            break;
    t.hata = kur.hata;
    return t;
}

// The program's connection to `t`.
bool ac(VeriBaglantisi &b, const TestVeritabani &t) {
    return b.Open(metin(t.kullanici, t.sifre, t.veritabani, t.sunucu));
}

// A loopback server that accepts connections and never answers: a server that hangs.
class SessizSunucu : public QTcpServer {
public:
    SessizSunucu() { listen(QHostAddress::LocalHost); }
};

} // namespace

class TstBaglanti : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:

    void coz() {
        // The server field, the engine, host, port and SQLite file it names.
        const struct {
            const char *sunucu;
            Motor motor;
            const char *ana;
            int port;
            const char *dosya;
        } tablo[] = {
            {"sqlite:/veri", Motor::SQLite, "", -1, "/veri/STOK.db"},
            {"sqlite:data/demo", Motor::SQLite, "", -1, "data/demo/STOK.db"},
            {"sqlite:", Motor::SQLite, "", -1, "./STOK.db"},
            {"SQLite:/v", Motor::SQLite, "", -1, "/v/STOK.db"},
            {"postgresql://db.local", Motor::PostgreSQL, "db.local", -1, ""},
            {"postgresql://127.0.0.1:5433", Motor::PostgreSQL, "127.0.0.1", 5433, ""},
            {"postgresql://[::1]:6000", Motor::PostgreSQL, "::1", 6000, ""},
            {"postgresql://h:1/", Motor::PostgreSQL, "h", 1, ""},
            {"SUNUCU", Motor::SQLServer, "SUNUCU", -1, ""},
            {"SUNUCU\\SQLEXPRESS", Motor::SQLServer, "SUNUCU\\SQLEXPRESS", -1, ""},
            {"sunucu,1433", Motor::SQLServer, "sunucu", 1433, ""},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(s.sunucu);
            const auto p = VeriBaglantisi::Coz(metin(u"sa"_s, u"x"_s, u"STOK"_s, s.sunucu));
            QCOMPARE(p.motor, s.motor);
            QCOMPARE(p.sunucu, QString(s.sunucu));
            QCOMPARE(p.veritabani, u"STOK"_s);
            QCOMPARE(p.kullanici, u"sa"_s);
            QCOMPARE(p.sifre, u"x"_s);
            QCOMPARE(p.ana_bilgisayar, QString(s.ana));
            QCOMPARE(p.port, s.port);
            QCOMPARE(p.sqlite_dosyasi, QString(s.dosya));
        }
        // Values that look like the text's own syntax come back whole, never change
        // another key, and the password is masked.
        for (const QString &sifre : {u"gizli"_s, u"a;b"_s, u"a=b;c"_s, u"x;Initial"_s, QString(),
                                     u"şifreĞ"_s, u"Gizli1;Workstation ID=x"_s, u"a;User ID=x"_s,
                                     u"\"q\";Data Source=y"_s, u"'x"_s, u" b "_s}) {
            const QString m = metin(u"sa"_s, sifre, u"STOK"_s, u"SRV"_s);
            const Satir_Izi iz(m);
            QCOMPARE(VeriBaglantisi::Coz(m).sifre, sifre);
            QCOMPARE(VeriBaglantisi::Coz(m).kullanici, u"sa"_s);
            QCOMPARE(VeriBaglantisi::Coz(m).sunucu, u"SRV"_s);
            QCOMPARE(VeriBaglantisi::Coz(m).veritabani, u"STOK"_s);
            QCOMPARE(VeriBaglantisi::Sifre_Maskele(m),
                     metin(u"sa"_s, u"***"_s, u"STOK"_s, u"SRV"_s));
        }
    }

    void tek_komut() {
        // Each engine's quoting: 1 = one statement, 0 = a ";" ends it. Columns:
        // SQLite, PostgreSQL, SQL Server.
        const struct {
            const char *sql;
            int sqlite, pg, mssql;
        } tablo[] = {
            {"x=1", 1, 1, 1},
            {"x=1; DROP TABLE t", 0, 0, 0},
            {"a<>'a;b' AND \"x;\"=1", 1, 1, 1},
            {"a<>'it''s;'", 1, 1, 1},
            {"x=1 /* a;b */", 1, 1, 1},
            {"x=1 -- it's\n; DROP TABLE t", 0, 0, 0},
            // A "--" comment ends at a bare CR on PostgreSQL; read so everywhere.
            {"x=1 -- '\r; DROP TABLE t", 0, 0, 0},
            {"Stok_ID<=3 AND $$'$$ <> ''; CREATE TABLE pwn (x int); --'", 1, 0, 1},
            {"a=$tag$;$tag$", 0, 1, 0},
            {"a$$b = 1 AND c = '$$;'", 1, 1, 1},
            {"a = $1; DROP TABLE t", 0, 0, 0},
            {"x=1 AND E'\\'' <> ''; UPDATE stokfiyat SET x=0; --'", 1, 0, 1},
            {"x=1 AND e'\\'' <> ''; UPDATE t SET x=0", 1, 0, 1},
            {"ae'\\' ; DROP TABLE t'", 0, 0, 0}, // "ae" is a name, not E''
            {"x=1 /* /* */ ; */", 0, 1, 1},
            {"x=1 /* /* */ ; */ ; DROP TABLE t", 0, 0, 0},
            {"x=1 AND `a'` = 1; DROP TABLE t", 0, 1, 1},
            {"x=1 AND [a'] = 1; DROP TABLE t", 0, 1, 0},
            {"ARRAY[1][1;DROP TABLE t;--]=1", 1, 0, 1},
        };
        for (const auto &s : tablo) {
            const QString sql = QString::fromUtf8(s.sql);
            const Satir_Izi iz(sql);
            QCOMPARE(int(Tek_Komut_Mu(sql, Motor::SQLite)), s.sqlite);
            QCOMPARE(int(Tek_Komut_Mu(sql, Motor::PostgreSQL)), s.pg);
            QCOMPARE(int(Tek_Komut_Mu(sql, Motor::SQLServer)), s.mssql);
        }
    }

    void lehce() {
        const QString sql = u",ISNULL(STOKFIYAT.Ana_Birim_Fiyat ,0) as Fiyat4 ,isnull (x,1)"_s;
        VeriBaglantisi b;
        b.Open(metin(u"sa"_s, QString(), u"yok"_s, u"sqlite:/yok"_s));
        QCOMPARE(b.Lehce(sql), u",IFNULL(STOKFIYAT.Ana_Birim_Fiyat ,0) as Fiyat4 ,IFNULL(x,1)"_s);
        VeriBaglantisi pg;
        pg.Open(metin(u"sa"_s, QString(), u"yok"_s, u"postgresql://127.0.0.1:1"_s));
        QCOMPARE(pg.Lehce(sql), sql);
    }

    void sqlite_kalibi() {
        // Only quoted values standing alone in an INSERT's list become parameters;
        // anything that is not plainly a value stays in the statement.
        const struct {
            const char *sql, *kalip; // kalip null: not taken apart
            QStringList degerler;
        } tablo[] = {
            {"INSERT INTO B (ID) VALUES ('12')", "INSERT INTO B (ID) VALUES (?)", {u"12"_s}},
            {"insert into B values ( 'a''b' , 7,'Ğ')",
             "insert into B values ( ? , 7,?)",
             {u"a'b"_s, u"Ğ"_s}},
            {"INSERT INTO B VALUES (X'41', 'a' || 'b', lower('C'))",
             "INSERT INTO B VALUES (X'41', 'a' || 'b', lower(?))",
             {u"C"_s}},
            {"INSERT INTO \"VALUES\" ('x') SELECT 1", nullptr, {}}, // a name, no list
            {"INSERT INTO B ('ID') VALUES (/* ' */ 'x')",
             "INSERT INTO B ('ID') VALUES (/* ' */ ?)",
             {u"x"_s}},
            {"INSERT INTO B VALUES ('a", nullptr, {}}, // never closed
            {"UPDATE B SET ID = '1'", nullptr, {}},
            {"INSERT INTO B SELECT 'a'", nullptr, {}},
        };
        for (const auto &r : tablo) {
            const Satir_Izi iz(QString::fromUtf8(r.sql));
            const std::optional<SqliteKalibi> k = Sqlite_Kalibi(QString::fromUtf8(r.sql));
            QCOMPARE(k.has_value(), r.kalip != nullptr);
            if (k) {
                QCOMPARE(k->metin, QString::fromUtf8(r.kalip));
                QCOMPARE(k->degerler, r.degerler);
            }
        }
    }

    void sutun_adlari_kume_degisince() {
        // Column places remembered by the strings asked with belong to one set: the
        // next set of the same record set has its own.
        const TestVeritabani t = sqliteDosyasi(klasor_, u"sutun"_s, {});
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        VeriBaglantisi b;
        QVERIFY(ac(b, t));
        const QString y = u"Y"_s;
        KayitKumesi rs;
        QVERIFY(rs.Open(b, u"SELECT 1 AS X, 2 AS Y"_s));
        QCOMPARE(rs.FieldIndex(y), 1);
        QCOMPARE(rs.Value(y).toInt(), 2);
        QVERIFY(rs.Open(b, u"SELECT 3 AS Y, 4 AS X"_s));
        QCOMPARE(rs.FieldIndex(y), 0);
        QCOMPARE(rs.Value(y).toInt(), 3);
        QCOMPARE(rs.FieldIndex(u"y"_s), 0);
    }

    void sqlite_eylemleri_surucu_gibi() {
        // Statements without rows skip Qt's driver on SQLite, and an INSERT of the form
        // of the one before reuses its compiled statement: what they change and how
        // they fail must be what the driver says for the same statement.
        const TestVeritabani t =
            sqliteDosyasi(klasor_, u"eylem"_s,
                          {u"CREATE TABLE T (ID INTEGER NOT NULL CHECK (ID < 100))"_s,
                           u"CREATE TABLE M (A TEXT, B INTEGER)"_s});
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        VeriBaglantisi b;
        QVERIFY(ac(b, t));
        const auto icerik = [&b] {
            QSqlQuery q(b.Veritabani());
            q.exec(u"SELECT (SELECT group_concat(quote(ID)) FROM T) || '|' || "
                   "(SELECT group_concat(quote(A) || quote(B)) FROM M)"_s);
            return q.next() ? q.value(0).toString() : QString();
        };
        const char *tablo[] = {
            "INSERT INTO T (ID) VALUES ('7')",
            "UPDATE T SET ID = ID + 1",
            "INSERT INTO T (ID) VALUES ('700')", // same form: the check fails on the step
            "INSERT INTO T (ID) VALUES (NULL)",
            "INSERT INTO T (ID) VALUES ('1'); DELETE FROM T", // two statements
            "INSERT INTO Yok (ID) VALUES (1)",                // does not compile
            "INSERT INTO M VALUES ('a''b', '5')",
            "insert into M values ('Ğ ;', ' 07')",      // same form, other case
            "INSERT INTO M VALUES (X'41', 'b' || 'c')", // a blob, an expression
            "INSERT INTO M VALUES ('?', :ad)",          // a parameter of its own
            "INSERT INTO M VALUES ('x', /* ' */ 'y')",
            "INSERT INTO T (ID) VALUES ('8'), ('9'), ('x')", // the last row fails
            "DELETE FROM T",
        };
        for (const char *sql : tablo) {
            const Satir_Izi iz(QString::fromUtf8(sql));
            // The driver first, undone, then ours on the same rows.
            b.Veritabani().exec(u"SAVEPOINT s"_s);
            QSqlQuery q(b.Veritabani());
            const bool surucu = q.exec(QString::fromUtf8(sql));
            const int surucuSatiri = q.numRowsAffected();
            const QString surucuIcerigi = icerik();
            b.Veritabani().exec(u"ROLLBACK TO s"_s);
            b.Veritabani().exec(u"RELEASE s"_s);
            KayitKumesi rs;
            QCOMPARE(rs.Open(b, QString::fromUtf8(sql), KayitKumesi::Kilit::Iyimser), surucu);
            const QSqlError bizim = rs.LastError();
            if (surucu)
                QCOMPARE(rs.RowsAffected(), qint64(surucuSatiri));
            QCOMPARE(icerik(), surucuIcerigi);
            QCOMPARE(bizim.type(), q.lastError().type());
            QCOMPARE(bizim.nativeErrorCode(), q.lastError().nativeErrorCode());
            QCOMPARE(bizim.databaseText(), q.lastError().databaseText());
            QCOMPARE(bizim.driverText(), q.lastError().driverText());
        }
        // A compiled statement kept for the next INSERT does not keep the file open.
        b.Close();
        QVERIFY(!b.Acik());
        QVERIFY(QFile::remove(klasor_.filePath(u"eylem/eylem.db"_s)));
    }

    void sqlite_satirlari_surucu_gibi() {
        // SELECTs on SQLite read their rows without Qt's driver: names, types, values,
        // the end and a failing first step must be what the driver gives.
        const TestVeritabani t = sqliteDosyasi(
            klasor_, u"secim"_s,
            {u"CREATE TABLE T (I INTEGER, R REAL, M TEXT, B BLOB, \"Ç \"\"x\"\"\")"_s,
             u"INSERT INTO T VALUES (7, 2.5, 'Işık', X'00FF', NULL), (NULL, 3, '', X'', 'ğ'), "
             "(-9007199254740993, 1e300, NULL, NULL, 4.0)"_s});
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        VeriBaglantisi b;
        QVERIFY(ac(b, t));
        const char *tablo[] = {
            "SELECT * FROM T",
            "SELECT T.I, I + 1 AS x, 'a\"b', M || '!' FROM T WHERE I IS NOT NULL",
            "SELECT * FROM T WHERE 0",              // no rows, names still
            "SELECT abs(-9223372036854775807 - 1)", // fails on the first step
            "SELECT * FROM Yok",                    // does not compile
        };
        for (const char *sql : tablo) {
            const Satir_Izi iz(QString::fromUtf8(sql));
            QSqlQuery q(b.Veritabani());
            q.setForwardOnly(true);
            q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
            const bool surucu = q.exec(QString::fromUtf8(sql));
            KayitKumesi rs;
            QCOMPARE(rs.Open(b, QString::fromUtf8(sql)), surucu);
            QCOMPARE(rs.LastError().nativeErrorCode(), q.lastError().nativeErrorCode());
            QCOMPARE(rs.LastError().databaseText(), q.lastError().databaseText());
            QCOMPARE(rs.LastError().driverText(), q.lastError().driverText());
            QCOMPARE(rs.LastError().type(), q.lastError().type());
            if (!surucu)
                continue;
            QCOMPARE(rs.Kayit().count(), q.record().count());
            for (int i = 0; i < rs.Kayit().count(); ++i)
                QCOMPARE(rs.Kayit().fieldName(i), q.record().fieldName(i));
            while (q.next()) {
                QVERIFY(!rs.EOF_());
                for (int i = 0; i < q.record().count(); ++i) {
                    const QVariant bizim = rs.Value(i), onun = q.value(i);
                    QCOMPARE(bizim.metaType(), onun.metaType());
                    QCOMPARE(bizim.isNull(), onun.isNull());
                    QCOMPARE(bizim, onun);
                    QCOMPARE(rs.Value(i), onun); // asked twice, made once
                }
                rs.MoveNext();
            }
            QVERIFY(rs.EOF_());
        }
        // A set still open does not keep the file open once the connection closes.
        KayitKumesi acik;
        QVERIFY(acik.Open(b, u"SELECT * FROM T"_s) && !acik.EOF_());
        b.Close();
        QVERIFY(!b.Acik());
        acik.MoveNext();
        QVERIFY(acik.EOF_());
        QVERIFY(QFile::remove(klasor_.filePath(u"secim/secim.db"_s)));
    }

    void sqlite_veritabani_olmayan_dosya() {
        QVERIFY(Dosya_Yaz(klasor_.filePath(u"bozuk.db"_s), QByteArray(4096, 'x')));
        VeriBaglantisi b;
        QVERIFY(!b.Open(metin(u"sa"_s, QString(), u"bozuk"_s, u"sqlite:"_s + klasor_.path())));
    }

    void sessiz_sunucu_zaman_asimi() {
        // PostgreSQL and SQL Server give up on a server that never answers.
        for (const char *sunucu : {"postgresql://127.0.0.1:%1", "127.0.0.1,%1"}) {
            SessizSunucu dinleyen;
            QVERIFY(dinleyen.isListening());
            VeriBaglantisi b;
            b.Zaman_Asimi = 1;
            QVERIFY(!b.Open(
                metin(u"sa"_s, u"gizli"_s, u"STOK"_s, QString(sunucu).arg(dinleyen.serverPort()))));
            QVERIFY(!b.Acik());
        }
    }

    void sql_server_sifresi_baglantiyi_tasimaz() {
        // A "}" in a value would let the rest be read as connection keys (another
        // port): refused before anything is reached. Other characters go to the server
        // named in the start line.
        SessizSunucu asil, baska;
        const QString port = QString::number(baska.serverPort());
        const struct {
            QString sifre;
            bool gider;
        } tablo[] = {{u"x};SERVER=127.0.0.1;PORT=%1;"_s.arg(port), false},
                     {u"}}};PORT=%1"_s.arg(port), false},
                     {u"a;b{c=PORT=%1"_s.arg(port), true}};
        for (const auto &t : tablo) {
            const Satir_Izi iz(t.sifre);
            VeriBaglantisi b;
            b.Zaman_Asimi = 1;
            QVERIFY(!b.Open(
                metin(u"sa"_s, t.sifre, u"STOK"_s, u"127.0.0.1,%1"_s.arg(asil.serverPort()))));
            QCOMPARE(b.Hata().contains(u"kullanılamaz"_s), !t.gider);
            QCOMPARE(asil.waitForNewConnection(t.gider ? 2000 : 100), t.gider);
            QVERIFY(!baska.waitForNewConnection(100));
            while (asil.hasPendingConnections())
                delete asil.nextPendingConnection();
        }
    }
};

QTEST_GUILESS_MAIN(TstBaglanti)
#include "tst_baglanti.moc"
