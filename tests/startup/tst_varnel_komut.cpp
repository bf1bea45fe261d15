#include "common/Program.h"
#include "common/TestVeritabani.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

// The program itself, started as a stock application would start it.
class TstVarnelKomut : public QObject {
    Q_OBJECT
    QTemporaryDir ayarlar_;
    QTemporaryDir veri_;
    TestVeritabani demo_;

    struct Sonuc : Program_Sonucu {
        qint64 sure;
    };
    // `girdi`: standard input; `kb`: files may grow to this many KiB (a full disk).
    Sonuc calistir(const QStringList &argumanlar, const QByteArray &girdi = {}, int kb = 0) {
        QProcess p;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar_.path());
        ortam.remove(QStringLiteral("DISPLAY"));
        ortam.remove(QStringLiteral("WAYLAND_DISPLAY"));
        ortam.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(ortam);
        QElapsedTimer t;
        t.start();
        Program_Baslat(p, argumanlar, kb);
        p.write(girdi);
        p.closeWriteChannel();
        return {Program_Bekle(p, 20000), t.elapsed()};
    }

private slots:
    void initTestCase() {
        demo_ = Sqlite_Demo(veri_.path(), QStringLiteral("DEMO"));
        QVERIFY2(demo_.hata.isEmpty(), qPrintable(demo_.hata));
    }

    void genel_secenekler() {
        Sonuc s = calistir({QStringLiteral("--version")});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.startsWith(QStringLiteral("Varnel 1.")));
        s = calistir({QStringLiteral("--help")});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(QStringLiteral("varnel check SATIR")));
        s = calistir({QStringLiteral("--renk")});
        QCOMPARE(s.kod, 2);
        QVERIFY(s.hata.contains(QStringLiteral("Bilinmeyen seçenek: --renk")));
        s = calistir({});
        QCOMPARE(s.kod, 1);
        QVERIFY(s.hata.contains(QStringLiteral("varnel print")));
        QCOMPARE(s.hata.count(u'\n'), 1);
    }

    void check_demo() {
        // First run: the regional question is answered Yes in batch and written.
        Sonuc s = calistir(
            {QStringLiteral("check"), demo_.Satir(QStringLiteral("STOKKART.Stok_ID<=30"))});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(QStringLiteral("SQLite")));
        QVERIFY(s.cikis.contains(QStringLiteral("DEMO.db")));
        QVERIFY(s.hata.contains(QStringLiteral("Onaylıyormusunuz ?")));
        QVERIFY(QFileInfo::exists(ayarlar_.filePath(QStringLiteral("varnel/International.ini"))));
        // Second run: settings are in force, nothing asked.
        s = calistir(
            {QStringLiteral("check"), demo_.Satir(QStringLiteral("STOKKART.Stok_ID<=30"))});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.hata.isEmpty());
    }

    void check_basarisiz_data() {
        QTest::addColumn<QString>("satir");
        QTest::addColumn<QString>("mesaj");
        // Each refusal is tested with start-up; here what the process adds.
        QTest::newRow("second statement")
            << QStringLiteral("sqlite:%1|F|DEMO|Stok_ID<=3; DELETE FROM STOKFIYAT|1|sa|æ")
                   .arg(veri_.path())
            << "Stok şartı tek bir koşul olmalıdır.";
        QTest::newRow("refused sql server") << "127.0.0.1,1|F|STOK|x=1|1|sa|gizli123"
                                            << "Datbase'e Bağlanılamadı.";
    }
    void check_basarisiz() {
        QFETCH(QString, satir);
        QFETCH(QString, mesaj);
        const Sonuc s = calistir({QStringLiteral("check"), satir});
        QCOMPARE(s.kod, 1);
        QVERIFY(s.hata.split(u'\n').contains(mesaj));
        QVERIFY(s.sure < 6000);
        QVERIFY(!s.hata.contains(QStringLiteral("gizli123")));
    }

    void satir_standart_girdiden() {
        // "-" keeps the password out of the process list.
        const Sonuc s = calistir({QStringLiteral("check"), QStringLiteral("-")},
                                 demo_.Satir(QStringLiteral("STOKKART.Stok_ID<=30")).toUtf8() +
                                     "\r\nikinci satır\n");
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(QStringLiteral("DEMO.db")));
    }

    void inspect() {
        const QString ornek = Kaynak_Yolu(QStringLiteral("tests/document/ornekler/lazer_tam.ftr"));
        Sonuc s = calistir({QStringLiteral("inspect"), ornek});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(QStringLiteral("lazer yazıcı")));
        QVERIFY(s.cikis.contains(QStringLiteral("Kampanya İndirimi")));

        s = calistir({QStringLiteral("inspect"), ornek, QStringLiteral("--json")});
        QCOMPARE(s.kod, 0);
        const QJsonObject j = QJsonDocument::fromJson(s.cikis.toUtf8()).object();
        for (const char *ad :
             {"Tip", "Etiket_Boy", "Etiket_Genislik", "Etiket_Yatay", "Etiket_Dikey", "Barkodlar",
              "Nesneler", "Detaylar", "Sol_Bosluk", "Sag_Bosluk", "Ust_Bosluk", "Alt_Bosluk",
              "Yazici_Durum", "Kagit_Boyutu"})
            QVERIFY2(j.contains(QLatin1String(ad)), ad);
        QCOMPARE(j[QStringLiteral("Tip")].toInt(), 1);
        QCOMPARE(j[QStringLiteral("Etiket_Yatay")].toDouble(), 2.5);
        QCOMPARE(j[QStringLiteral("Yazici_Durum")].toInt(), 1);
        QCOMPARE(j[QStringLiteral("Detaylar")][QStringLiteral("Visible")].toBool(), true);
        const QJsonArray nesneler = j[QStringLiteral("Nesneler")].toArray();
        QCOMPARE(nesneler.size(), 9);
        QCOMPARE(nesneler[5][QStringLiteral("Caption")].toString(),
                 QStringLiteral("Kampanya İndirimi"));
        QCOMPARE(nesneler[5][QStringLiteral("FontStrikethru")].toBool(), true);
        QCOMPARE(nesneler[0][QStringLiteral("ForeColor")].toInteger(), -2147483630);
        QCOMPARE(j[QStringLiteral("Barkodlar")][1][QStringLiteral("Orientation")].toInt(), 900);

        const QString cikti = veri_.filePath(QStringLiteral("kopya.ftr"));
        s = calistir({QStringLiteral("inspect"), ornek, QStringLiteral("--write"), cikti});
        QCOMPARE(s.kod, 0);
        QFile a(ornek), b(cikti);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
    }

    void inspect_okunamayanlar_data() {
        // Reasons the reader gives line by line are tested with the reader; here the file.
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("missing") << "yok.ftr"
                                 << "bulunamadı";
        QTest::newRow("bad line") << "bozuk.ftr"
                                  << "bozuk.ftr, satır 5";
        QTest::newRow("pipe") << "boru.ftr"
                              << "düzenli bir dosya değil";
        QTest::newRow("device") << "sifir.ftr"
                                << "düzenli bir dosya değil";
        QTest::newRow("over 10 MB") << "buyuk.ftr"
                                    << "çok büyük (en çok 10 MB)";
    }
    void inspect_okunamayanlar() {
        QFETCH(QString, ad);
        QFETCH(QString, mesaj);
        const QString yol = veri_.filePath(ad);
        QFile f(yol);
        if (ad == u"boru.ftr")
            QCOMPARE(::mkfifo(QFile::encodeName(yol), 0600), 0);
        else if (ad == u"sifir.ftr")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), yol));
        else if (ad == u"buyuk.ftr")
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(11 * 1024 * 1024));
        else if (ad == u"bozuk.ftr")
            QVERIFY(f.open(QIODevice::WriteOnly) &&
                    f.write("Tip_\r\n 0 \r\nBarkod_\r\n1\r\n0;x;\r\n"));
        f.close();
        const Sonuc s = calistir({QStringLiteral("inspect"), yol});
        QCOMPARE(s.kod, 1);
        QVERIFY2(s.hata.contains(mesaj), qPrintable(s.hata));
        QVERIFY(s.cikis.isEmpty());
    }

    void inspect_yazilamayanlar() {
        // A full disk (files may grow to 1 KiB; the design has 1.4): the old one stays.
        const QString ornek = Kaynak_Yolu(QStringLiteral("data/designs/A4 Etiket 3x8.ftr"));
        const QString eski = veri_.filePath(QStringLiteral("eski.ftr"));
        QFile f(eski);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ESKI");
        f.close();
        Sonuc s =
            calistir({QStringLiteral("inspect"), ornek, QStringLiteral("--write"), eski}, {}, 1);
        QCOMPARE(s.kod, 1);
        QVERIFY2(s.hata.contains(QStringLiteral("Tasarım kaydedilemedi")), qPrintable(s.hata));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("ESKI"));
        f.close();
        // A name leading to a device is refused; the device stays.
        const QString aygit = veri_.filePath(QStringLiteral("aygit.ftr"));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), aygit));
        s = calistir({QStringLiteral("inspect"), ornek, QStringLiteral("--write"), aygit});
        QCOMPARE(s.kod, 1);
        QVERIFY2(s.hata.contains(QStringLiteral("düzenli bir dosya değil")), qPrintable(s.hata));
        QVERIFY(QFileInfo(QStringLiteral("/dev/null")).exists());
        QVERIFY(QFileInfo(aygit).isSymLink());
        // Without ".ftr" the design is written as NAME.ftr, and the path says so.
        s = calistir({QStringLiteral("inspect"), ornek, QStringLiteral("--write"),
                      veri_.filePath(QStringLiteral("adsiz"))});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.hata.contains(QStringLiteral("Yazıldı: ") +
                                veri_.filePath(QStringLiteral("adsiz.ftr"))));
        QVERIFY(QFileInfo::exists(veri_.filePath(QStringLiteral("adsiz.ftr"))));
    }

    void check_postgresql() {
        if (!Pg_Var())
            QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");
        TestVeritabani pg = Pg_Demo();
        QVERIFY2(pg.hata.isEmpty(), qPrintable(pg.hata));
        Sonuc s =
            calistir({QStringLiteral("check"), pg.Satir(QStringLiteral("STOKKART.Stok_ID<=30"))});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(QStringLiteral("PostgreSQL")));
        QVERIFY(!s.cikis.contains(pg.sifre));
        pg.sifre = QStringLiteral("yanlis_sifre_42");
        s = calistir({QStringLiteral("check"), pg.Satir(QStringLiteral("STOKKART.Stok_ID<=30"))});
        QCOMPARE(s.kod, 1);
        QVERIFY(s.hata.contains(QStringLiteral("Datbase'e Bağlanılamadı.")));
        QVERIFY(!s.hata.contains(pg.sifre));
        QVERIFY(s.sure < 6000);
    }
};

QTEST_GUILESS_MAIN(TstVarnelKomut)
#include "tst_varnel_komut.moc"
