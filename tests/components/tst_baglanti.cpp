#include "common/TestVeritabani.h"
#include "components/KayitKumesi.h"
#include "components/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/Degiskenler.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using Motor = VeriBaglantisi::Motor;

namespace {

QString metin(const QString &kullanici, const QString &sifre, const QString &vt,
              const QString &sunucu) {
    return Komut_Satiri_Baglanti_Metni(kullanici, sifre, vt, sunucu);
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
    void initTestCase() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
    }

    void coz_data() {
        QTest::addColumn<QString>("sunucu");
        QTest::addColumn<int>("motor");
        QTest::addColumn<QString>("ana");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("dosya");
        QTest::newRow("01 sqlite")
            << "sqlite:/veri" << int(Motor::SQLite) << "" << -1 << "/veri/STOK.db";
        QTest::newRow("02 sqlite relative")
            << "sqlite:data/demo" << int(Motor::SQLite) << "" << -1 << "data/demo/STOK.db";
        QTest::newRow("03 sqlite empty dir")
            << "sqlite:" << int(Motor::SQLite) << "" << -1 << "./STOK.db";
        QTest::newRow("04 pg host")
            << "postgresql://db.local" << int(Motor::PostgreSQL) << "db.local" << -1 << "";
        QTest::newRow("05 pg port")
            << "postgresql://127.0.0.1:5433" << int(Motor::PostgreSQL) << "127.0.0.1" << 5433 << "";
        QTest::newRow("06 pg ipv6")
            << "postgresql://[::1]:6000" << int(Motor::PostgreSQL) << "::1" << 6000 << "";
        QTest::newRow("07 pg slash")
            << "postgresql://h:1/" << int(Motor::PostgreSQL) << "h" << 1 << "";
        QTest::newRow("08 mssql") << "SUNUCU" << int(Motor::SQLServer) << "SUNUCU" << -1 << "";
        QTest::newRow("09 mssql instance")
            << "SUNUCU\\SQLEXPRESS" << int(Motor::SQLServer) << "SUNUCU\\SQLEXPRESS" << -1 << "";
        QTest::newRow("10 mssql port")
            << "sunucu,1433" << int(Motor::SQLServer) << "sunucu" << 1433 << "";
        QTest::newRow("11 case") << "SQLite:/v" << int(Motor::SQLite) << "" << -1 << "/v/STOK.db";
    }
    void coz() {
        QFETCH(QString, sunucu);
        QFETCH(int, motor);
        QFETCH(QString, ana);
        QFETCH(int, port);
        QFETCH(QString, dosya);
        const auto p = VeriBaglantisi::Coz(
            metin(QStringLiteral("sa"), QStringLiteral("x"), QStringLiteral("STOK"), sunucu));
        QCOMPARE(int(p.motor), motor);
        QCOMPARE(p.sunucu, sunucu);
        QCOMPARE(p.veritabani, QStringLiteral("STOK"));
        QCOMPARE(p.kullanici, QStringLiteral("sa"));
        QCOMPARE(p.sifre, QStringLiteral("x"));
        QCOMPARE(p.ana_bilgisayar, ana);
        QCOMPARE(p.port, port);
        QCOMPARE(p.sqlite_dosyasi, dosya);
    }

    void sifre_maskesi_data() {
        QTest::addColumn<QString>("sifre");
        QTest::newRow("plain") << "gizli";
        QTest::newRow("semicolon") << "a;b";
        QTest::newRow("equals") << "a=b;c";
        QTest::newRow("key-like") << "x;Initial";
        QTest::newRow("empty") << "";
        QTest::newRow("turkish") << "şifreĞ";
    }
    void sifre_maskesi() {
        QFETCH(QString, sifre);
        const QString m =
            metin(QStringLiteral("sa"), sifre, QStringLiteral("STOK"), QStringLiteral("SRV"));
        QCOMPARE(VeriBaglantisi::Coz(m).sifre, sifre);
        QCOMPARE(VeriBaglantisi::Coz(m).veritabani, QStringLiteral("STOK"));
        const QString maskeli = VeriBaglantisi::Sifre_Maskele(m);
        QCOMPARE(maskeli, metin(QStringLiteral("sa"), QStringLiteral("***"), QStringLiteral("STOK"),
                                QStringLiteral("SRV")));
    }

    void lehce() {
        const QString sql =
            QStringLiteral(",ISNULL(STOKFIYAT.Ana_Birim_Fiyat ,0) as Fiyat4 ,isnull (x,1)");
        VeriBaglantisi b;
        b.Open(metin(QStringLiteral("sa"), QString(), QStringLiteral("yok"),
                     QStringLiteral("sqlite:/yok")));
        QCOMPARE(b.Lehce(sql),
                 QStringLiteral(",IFNULL(STOKFIYAT.Ana_Birim_Fiyat ,0) as Fiyat4 ,IFNULL(x,1)"));
        VeriBaglantisi pg;
        pg.Open(metin(QStringLiteral("sa"), QString(), QStringLiteral("yok"),
                      QStringLiteral("postgresql://127.0.0.1:1")));
        QCOMPARE(pg.Lehce(sql), sql);
    }

    void sqlite_veritabani_olmayan_dosya() {
        QFile f(klasor_.filePath(QStringLiteral("bozuk.db")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        VeriBaglantisi b;
        QVERIFY(!b.Open(metin(QStringLiteral("sa"), QString(), QStringLiteral("bozuk"),
                              QStringLiteral("sqlite:") + klasor_.path())));
    }

    void sessiz_sunucu_zaman_asimi_data() {
        QTest::addColumn<QString>("onEk");
        QTest::addColumn<QString>("ayirac");
        QTest::newRow("postgresql") << "postgresql://127.0.0.1"
                                    << ":";
        QTest::newRow("sql server") << "127.0.0.1"
                                    << ",";
    }
    void sessiz_sunucu_zaman_asimi() {
        QFETCH(QString, onEk);
        QFETCH(QString, ayirac);
        SessizSunucu sunucu;
        QVERIFY(sunucu.isListening());
        VeriBaglantisi b;
        QElapsedTimer t;
        t.start();
        QVERIFY(!b.Open(metin(QStringLiteral("sa"), QStringLiteral("gizli"), QStringLiteral("STOK"),
                              onEk + ayirac + QString::number(sunucu.serverPort()))));
        const qint64 gecen = t.elapsed();
        QVERIFY2(gecen >= 1500 && gecen < 6000, qPrintable(QString::number(gecen)));
    }
};

QTEST_GUILESS_MAIN(TstBaglanti)
#include "tst_baglanti.moc"
