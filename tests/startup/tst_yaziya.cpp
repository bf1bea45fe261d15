#include "common/BolgeAyari.h"
#include "startup/Degiskenler.h"
#include "startup/Yaziya.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TstYaziya : public QObject {
    Q_OBJECT
private slots:
    void init() { Turkce_Ayiraclar(); }

    void tamsayi_data() {
        QTest::addColumn<qint64>("deger");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("01") << qint64(0) << "Sıfır";
        QTest::newRow("02") << qint64(1) << "Bir";
        QTest::newRow("03") << qint64(10) << "On";
        QTest::newRow("04") << qint64(11) << "OnBir";
        QTest::newRow("05") << qint64(100) << "Yüz";
        QTest::newRow("06") << qint64(101) << "YüzBir";
        QTest::newRow("07") << qint64(200) << "İkiYüz";
        QTest::newRow("08") << qint64(1000) << "Bin";
        QTest::newRow("09") << qint64(1001) << "BinBir";
        QTest::newRow("10") << qint64(2000) << "İkiBin";
        QTest::newRow("11") << qint64(100000) << "YüzBin";
        QTest::newRow("12") << qint64(101000) << "YüzBirBin";
        QTest::newRow("13") << qint64(1000000) << "BirMilyon";
        QTest::newRow("14") << qint64(1000000000) << "BirMilyar";
        QTest::newRow("15") << qint64(1000000000000) << "BirTrilyon";
        QTest::newRow("16") << qint64(1234567) << "BirMilyonİkiYüzOtuzDörtBinBeşYüzAltmışYedi";
        QTest::newRow("17") << qint64(-25) << "EksiYirmiBeş";
        QTest::newRow("18") << qint64(999999999999999)
                            << "DokuzYüzDoksanDokuzTrilyonDokuzYüzDoksanDokuzMilyarDokuzYüz"
                               "DoksanDokuzMilyonDokuzYüzDoksanDokuzBinDokuzYüzDoksanDokuz";
        QTest::newRow("19") << qint64(1000000000000000) << "Hata";
        QTest::newRow("20") << qint64(1001000) << "BirMilyonBin";
        QTest::newRow("21") << qint64(2001) << "İkiBinBir";
        QTest::newRow("22") << qint64(1000001) << "BirMilyonBir";
        QTest::newRow("23") << qint64(-1000) << "EksiBin";
        QTest::newRow("24") << std::numeric_limits<qint64>::min() << "Hata";
        QTest::newRow("25") << qint64(90) << "Doksan";
        QTest::newRow("26") << qint64(1100) << "BinYüz";
    }
    void tamsayi() {
        QFETCH(qint64, deger);
        QFETCH(QString, beklenen);
        QCOMPARE(Yaziya_Cevir(deger), beklenen);
    }

    void metin_ve_kesir() {
        QCOMPARE(Yaziya_Cevir(u"05"_s), u"Beş"_s);
        QCOMPARE(Yaziya_Cevir(u"12,5"_s), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u"1.000"_s), u"Bin"_s);
        QCOMPARE(Yaziya_Cevir(u"-0"_s), u"Sıfır"_s);
        QCOMPARE(Yaziya_Cevir(u"999999999999999"_s), Yaziya_Cevir(qint64(999999999999999)));
        QCOMPARE(Yaziya_Cevir(u"1000000000000000"_s), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u"0001000000000000000"_s), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u"on iki"_s), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u""_s), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(12.5), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(1e15), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(-1e15), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(42.0), u"Kırkİki"_s);
        QCOMPARE(Yaziya_Cevir(std::nan("")), u"Hata"_s);
    }
};

QTEST_GUILESS_MAIN(TstYaziya)
#include "tst_yaziya.moc"
