#include "startup/Komutlar.h"

#include <QTest>

class TstKomutlar : public QObject {
    Q_OBJECT
private slots:
    void coz_data() {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<bool>("tamam");
        QTest::addColumn<int>("tur");
        QTest::addColumn<QString>("satir");
        using T = Komut::Tur;
        QTest::newRow("01 empty") << QStringList{} << true << int(T::Pencere) << "";
        QTest::newRow("02 line joined")
            << QStringList{"sqlite:data|Demo", "Ticaret|DEMO|STOKKART.Stok_ID", "<=", "30|1|sa|æ"}
            << true << int(T::Pencere)
            << "sqlite:data|Demo Ticaret|DEMO|STOKKART.Stok_ID <= 30|1|sa|æ";
        QTest::newRow("03 help") << QStringList{"--help"} << true << int(T::Yardim) << "";
        QTest::newRow("04 version") << QStringList{"--version"} << true << int(T::Surum) << "";
        QTest::newRow("05 unknown") << QStringList{"--bogus"} << false << 0 << "";
        QTest::newRow("06 check") << QStringList{"check", "a|b|c|d|1|sa|x"} << true
                                  << int(T::Denetle) << "a|b|c|d|1|sa|x";
        QTest::newRow("07 check without line") << QStringList{"check"} << false << 0 << "";
        QTest::newRow("08 designs then line")
            << QStringList{"--designs", "/tmp/d", "a|b"} << true << int(T::Pencere) << "a|b";
        QTest::newRow("09 designs without dir") << QStringList{"--designs"} << false << 0 << "";
        QTest::newRow("10 minus one line")
            << QStringList{"-1|a|b|c"} << true << int(T::Pencere) << "-1|a|b|c";
        QTest::newRow("11 print") << QStringList{"print", "Raf", "--copies", "2", "x|y"} << true
                                  << int(T::Yazdir) << "x|y";
        QTest::newRow("12 print bad out")
            << QStringList{"print", "Raf", "--out", "a.txt", "x"} << false << 0 << "";
        QTest::newRow("13 print bad start")
            << QStringList{"print", "Raf", "--start", "0", "x"} << false << 0 << "";
        QTest::newRow("14 print unknown option")
            << QStringList{"print", "Raf", "--kopya", "2", "x"} << false << 0 << "";
        QTest::newRow("15 inspect")
            << QStringList{"inspect", "a.ftr", "--json"} << true << int(T::Incele) << "";
        QTest::newRow("16 inspect no file") << QStringList{"inspect", "--json"} << false << 0 << "";
        QTest::newRow("17 print no design") << QStringList{"print"} << false << 0 << "";
        QTest::newRow("18 copies at the limit")
            << QStringList{"print", "Raf", "--copies", "32767", "x"} << true << int(T::Yazdir)
            << "x";
        QTest::newRow("19 copies over the limit")
            << QStringList{"print", "Raf", "--copies", "32768", "x"} << false << 0 << "";
        QTest::newRow("20 dpi too low")
            << QStringList{"print", "Raf", "--dpi", "71", "x"} << false << 0 << "";
        QTest::newRow("21 dpi too high")
            << QStringList{"print", "Raf", "--dpi", "1201", "x"} << false << 0 << "";
        QTest::newRow("22 line from input")
            << QStringList{"check", "-"} << true << int(T::Denetle) << "-";
        QTest::newRow("23 direct") << QStringList{"print", "Raf", "--direct", "--copies", "2", "x"}
                                   << true << int(T::Yazdir) << "x";
        QTest::newRow("24 direct has no start")
            << QStringList{"print", "Raf", "--direct", "--start", "3", "x"} << false << 0 << "";
        QTest::newRow("25 preview") << QStringList{"preview", "Raf", "--out", "o.png", "x"} << true
                                    << int(T::Onizle) << "x";
        QTest::newRow("26 preview needs a png")
            << QStringList{"preview", "Raf", "--out", "o.pdf", "x"} << false << 0 << "";
        QTest::newRow("27 preview without out")
            << QStringList{"preview", "Raf", "x"} << false << 0 << "";
        QTest::newRow("28 preview takes no copies")
            << QStringList{"preview", "Raf", "--copies", "2", "--out", "o.png", "x"} << false << 0
            << "";
    }
    void coz() {
        QFETCH(QStringList, argumanlar);
        QFETCH(bool, tamam);
        QFETCH(int, tur);
        QFETCH(QString, satir);
        const Komut_Sonucu s = Komut_Coz(argumanlar);
        QCOMPARE(s.tamam, tamam);
        if (!tamam) {
            QVERIFY(!s.hata.isEmpty());
            return;
        }
        QCOMPARE(int(s.komut.tur), tur);
        QCOMPARE(s.komut.satir, satir);
    }
};

QTEST_GUILESS_MAIN(TstKomutlar)
#include "tst_komutlar.moc"
