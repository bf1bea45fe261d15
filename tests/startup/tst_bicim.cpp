#include "startup/Bicim.h"
#include "startup/Degiskenler.h"

#include <QTest>

class TstBicim : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
    }

    void sayi_data() {
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("desen");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("01 money") << 1234.5 << "#,##0.00"
                                  << "1.234,50";
        QTest::newRow("02 millions") << 2500000.0 << "#,##0.00"
                                     << "2.500.000,00";
        QTest::newRow("03 no decimals") << 1234.0 << "#,##0"
                                        << "1.234";
        QTest::newRow("04 rounds half up") << 2.675 << "#,##0.00"
                                           << "2,68";
        QTest::newRow("05 rounds away from zero") << -2.675 << "#,##0.00"
                                                  << "-2,68";
        QTest::newRow("06 zero") << 0.0 << "#,##0.00"
                                 << "0,00";
        QTest::newRow("07 small") << 0.004 << "#,##0.00"
                                  << "0,00";
        QTest::newRow("08 negative to zero") << -0.004 << "#,##0.00"
                                             << "0,00";
        QTest::newRow("09 four decimals") << 1234.56789 << "#,##0.0000"
                                          << "1.234,5679";
        QTest::newRow("10 one decimal carry") << 999.96 << "#,##0.0"
                                              << "1.000,0";
        QTest::newRow("11 no grouping") << 1234.5 << "0.00"
                                        << "1234,50";
        QTest::newRow("12 optional decimals") << 1.5 << "#,##0.##"
                                              << "1,5";
        QTest::newRow("13 optional decimals whole") << 2.0 << "#,##0.##"
                                                    << "2";
        QTest::newRow("14 suffix") << 12.0 << "#,##0.00 TL"
                                   << "12,00 TL";
        QTest::newRow("15 prefix") << 12.0 << "TL #,##0"
                                   << "TL 12";
        QTest::newRow("16 only hashes") << 0.0 << "##,#"
                                        << "";
        QTest::newRow("17 min digits") << 7.0 << "000"
                                       << "007";
        QTest::newRow("18 big") << 123456789012.0 << "#,##0"
                                << "123.456.789.012";
        QTest::newRow("19 tiny fraction") << 0.5 << "#,##0"
                                          << "1";
    }
    void sayi() {
        QFETCH(double, deger);
        QFETCH(QString, desen);
        QFETCH(QString, beklenen);
        QCOMPARE(Sayi_Deseni(deger, desen), beklenen);
    }

    void tarih_data() {
        QTest::addColumn<QString>("desen");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("dd.mm.yyyy") << "dd.mm.yyyy"
                                    << "05.03.2026";
        QTest::newRow("dd.mm.yy") << "dd.mm.yy"
                                  << "05.03.26";
        QTest::newRow("mm.dd.yyyy") << "mm.dd.yyyy"
                                    << "03.05.2026";
        QTest::newRow("mm.dd.yy") << "mm.dd.yy"
                                  << "03.05.26";
        QTest::newRow("mm.yyyy") << "mm.yyyy"
                                 << "03.2026";
        QTest::newRow("mm.yy") << "mm.yy"
                               << "03.26";
        QTest::newRow("time") << "hh:nn:ss"
                              << "09:07:04";
        QTest::newRow("single digits") << "d.m.yyyy"
                                       << "5.3.2026";
        QTest::newRow("empty") << ""
                               << "";
    }
    void tarih() {
        QFETCH(QString, desen);
        QFETCH(QString, beklenen);
        const QDateTime an(QDate(2026, 3, 5), QTime(9, 7, 4));
        QCOMPARE(Tarih_Deseni(an, desen), beklenen);
    }

    void desen_uygula() {
        QCOMPARE(Desen_Uygula(QStringLiteral("1234"), QStringLiteral("#,##0.00")),
                 QStringLiteral("1.234,00"));
        QCOMPARE(Desen_Uygula(QStringLiteral("1.234,5"), QStringLiteral("#,##0.00")),
                 QStringLiteral("1.234,50"));
        QCOMPARE(Desen_Uygula(QStringLiteral("05.03.2026"), QStringLiteral("mm.yy")),
                 QStringLiteral("03.26"));
        QCOMPARE(Desen_Uygula(QStringLiteral("Elma"), QStringLiteral("#,##0.00")),
                 QStringLiteral("Elma"));
        QCOMPARE(Desen_Uygula(QStringLiteral("Elma"), QString()), QStringLiteral("Elma"));
    }
};

QTEST_GUILESS_MAIN(TstBicim)
#include "tst_bicim.moc"
