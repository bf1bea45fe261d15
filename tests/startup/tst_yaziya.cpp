#include "startup/Degiskenler.h"
#include "startup/Yaziya.h"

#include <QTest>
#include <cmath>
#include <limits>

class TstYaziya : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
    }

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
        QCOMPARE(Yaziya_Cevir(QStringLiteral("05")), QStringLiteral("Beş"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("12,5")), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("1.000")), QStringLiteral("Bin"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("-0")), QStringLiteral("Sıfır"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("999999999999999")),
                 Yaziya_Cevir(qint64(999999999999999)));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("1000000000000000")), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("0001000000000000000")), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("on iki")), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(QStringLiteral("")), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(12.5), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(1e15), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(-1e15), QStringLiteral("Hata"));
        QCOMPARE(Yaziya_Cevir(42.0), QStringLiteral("Kırkİki"));
        QCOMPARE(Yaziya_Cevir(std::nan("")), QStringLiteral("Hata"));
    }
};

QTEST_GUILESS_MAIN(TstYaziya)
#include "tst_yaziya.moc"
