#include "startup/Birimler.h"
#include "startup/Degiskenler.h"
#include "startup/SayiMetni.h"

#include <QTest>

class TstSayiMetni : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
    }

    void bicimle_data() {
        QTest::addColumn<QString>("deger");
        QTest::addColumn<int>("ondalik");
        QTest::addColumn<QString>("beklenen");
        QTest::addColumn<int>("sonrakiOndalik");
        QTest::newRow("01 grouping and cut") << "1234567,891" << 2 << "1.234.567,89" << 2;
        QTest::newRow("02 half stays") << "0,5" << 2 << "0,5" << 2;
        QTest::newRow("03 minus zero whole") << "-0,25" << 2 << "-0,25" << 2;
        QTest::newRow("04 default decimals") << "12,3456" << -1 << "12,34" << 2;
        QTest::newRow("05 no rounding") << "0,999" << 2 << "0,99" << 2;
        QTest::newRow("06 grouped input") << "1.234,5" << 2 << "1.234,5" << 2;
        QTest::newRow("07 whole only") << "1234" << 2 << "1.234" << 2;
        QTest::newRow("08 zero") << "0" << 2 << "0" << 2;
        QTest::newRow("09 empty") << "" << 2 << "" << 2;
        QTest::newRow("10 junk dropped") << "TL 12a3,4,5" << 2 << "123,45" << 2;
        QTest::newRow("11 negative grouped") << "-1234567" << 2 << "-1.234.567" << 2;
        QTest::newRow("12 inner minus dropped") << "12-3" << 2 << "123" << 2;
        QTest::newRow("13 leading separator") << ",5" << 2 << ",5" << 2;
        QTest::newRow("14 zero decimals") << "12,99" << 0 << "12," << 0;
        QTest::newRow("15 four decimals") << "1234,56789" << 4 << "1.234,5678" << 4;
        QTest::newRow("16 leading zeros") << "007,10" << 2 << "7,10" << 2;
        QTest::newRow("17 exactly three digits") << "999" << 2 << "999" << 2;
        QTest::newRow("18 beyond double precision")
            << "12345678901234567890" << 2 << "12.345.678.901.234.567.890" << 2;
    }
    void bicimle() {
        QFETCH(QString, deger);
        QFETCH(int, ondalik);
        QFETCH(QString, beklenen);
        QFETCH(int, sonrakiOndalik);
        qint16 d = static_cast<qint16>(ondalik);
        QCOMPARE(Sayi_Bicimle(deger, d), beklenen);
        QCOMPARE(int(d), sonrakiOndalik);
    }

    void yuvarla_data() {
        QTest::addColumn<QString>("deger");
        QTest::addColumn<int>("ondalik");
        QTest::addColumn<QString>("beklenen");
        QTest::addColumn<int>("sonrakiOndalik");
        QTest::newRow("01 exact tie stays") << "1,995" << 2 << "1,99" << 2;
        QTest::newRow("01b carry") << "1,996" << 2 << "2,00" << 2;
        QTest::newRow("02 carry through all") << "99,999" << 2 << "100,00" << 2;
        QTest::newRow("03 small") << "0,004" << 2 << "0,00" << 2;
        QTest::newRow("04 not a number") << "abc" << 2 << "0,00" << 2;
        QTest::newRow("05 pad") << "12" << 2 << "12,00" << 2;
        QTest::newRow("06 zero decimals") << "12" << 0 << "12," << 0;
        QTest::newRow("07 leading separator") << ",5" << 2 << "0,50" << 2;
        QTest::newRow("08 tie stays down") << "1,125" << 2 << "1,12" << 2;
        QTest::newRow("09 tie with zeros") << "1,12500" << 2 << "1,12" << 2;
        QTest::newRow("10 tie with digit") << "1,1251" << 2 << "1,13" << 2;
        QTest::newRow("11 tie, sixth place ignored") << "1,125001" << 2 << "1,12" << 2;
        QTest::newRow("12 tie, fifth place counts") << "1,12501" << 2 << "1,13" << 2;
        QTest::newRow("13 above half") << "1,126" << 2 << "1,13" << 2;
        QTest::newRow("14 below half") << "1,124" << 2 << "1,12" << 2;
        QTest::newRow("15 negative carry after sign") << "-9,996" << 2 << "-10,00" << 2;
        QTest::newRow("15b negative exact tie") << "-9,995" << 2 << "-9,99" << 2;
        QTest::newRow("16 negative plain") << "-1,236" << 2 << "-1,24" << 2;
        QTest::newRow("17 default decimals") << "3,14159" << -1 << "3,14" << 2;
        QTest::newRow("18 grouped number") << "1.234,567" << 2 << "1234,57" << 2;
        QTest::newRow("19 blanks trimmed") << "  7,1  " << 2 << "7,10" << 2;
        QTest::newRow("20 leading grouping sep") << ".5" << 2 << "0,50" << 2;
        QTest::newRow("21 zero decimals rounds") << "12,7" << 0 << "13," << 0;
        QTest::newRow("22 zero decimals carry") << "9,5" << 0 << "9," << 0;
        QTest::newRow("23 zero decimals tie digit") << "9,51" << 0 << "10," << 0;
        QTest::newRow("24 three decimals tie") << "1,0005" << 3 << "1,000" << 3;
        QTest::newRow("25 three decimals tie digit") << "1,00050001" << 3 << "1,001" << 3;
        QTest::newRow("26 one decimal tie zeros") << "2,25000" << 1 << "2,2" << 1;
        QTest::newRow("27 one decimal tie digit") << "2,2501" << 1 << "2,3" << 1;
        QTest::newRow("28 four decimals") << "0,99995" << 4 << "0,9999" << 4;
        QTest::newRow("29 four decimals carry") << "0,99996" << 4 << "1,0000" << 4;
        QTest::newRow("30 empty") << "" << 2 << "0,00" << 2;
        QTest::newRow("31 negative leading sep") << "-,5" << 2 << "-0,50" << 2;
        QTest::newRow("32 nine carry into new digit") << "999,996" << 2 << "1000,00" << 2;
    }
    void yuvarla() {
        QFETCH(QString, deger);
        QFETCH(int, ondalik);
        QFETCH(QString, beklenen);
        QFETCH(int, sonrakiOndalik);
        qint16 d = static_cast<qint16>(ondalik);
        QCOMPARE(Sayi_Yuvarla(deger, d), beklenen);
        QCOMPARE(int(d), sonrakiOndalik);
    }

    void yukari_yuvarla_data() {
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("ondalik");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("01 simple") << "1,234" << 2 << 2 << "1,24";
        QTest::newRow("02 nines") << "9,999" << 2 << 2 << "10,00";
        QTest::newRow("03 zero decimals") << "12,7" << 3 << 0 << "13,";
        QTest::newRow("04 negative") << "-99,99" << 4 << 1 << "-100,0";
        QTest::newRow("05 tie text carried") << "1,995" << 2 << 2 << "2,00";
        QTest::newRow("06 negative all nines") << "-9,995" << 3 << 2 << "-10,00";
        QTest::newRow("07 drops the rest") << "0,004" << 2 << 2 << "0,01";
    }
    void yukari_yuvarla() {
        QFETCH(QString, s);
        QFETCH(int, p);
        QFETCH(int, ondalik);
        QFETCH(QString, beklenen);
        QCOMPARE(Yukari_Yuvarla(s, p, static_cast<qint16>(ondalik)), beklenen);
    }

    void other_separators() {
        // The functions follow whatever separators are in force.
        Degiskenler::Ondalik_Ayirac = QStringLiteral(".");
        Degiskenler::Basamak_Ayirac = QStringLiteral(",");
        qint16 d = 2;
        QCOMPARE(Sayi_Bicimle(QStringLiteral("1234567.891"), d), QStringLiteral("1,234,567.89"));
        QCOMPARE(Sayi_Yuvarla(QStringLiteral("1,995"), d), QStringLiteral("1995.00"));
        QCOMPARE(Sayi_Yuvarla(QStringLiteral("1.996"), d), QStringLiteral("2.00"));
    }

    void birimler_data() {
        QTest::addColumn<double>("deger");
        QTest::addColumn<int>("twipMm");
        QTest::addColumn<int>("mmTwip");
        QTest::newRow("01 567") << 567.0 << 10 << 32143;
        QTest::newRow("02 10") << 10.0 << 0 << 567;
        QTest::newRow("03 1") << 1.0 << 0 << 57;
        QTest::newRow("04 zero") << 0.0 << 0 << 0;
        QTest::newRow("05 negative") << -567.0 << -10 << -32143;
        QTest::newRow("06 1440") << 1440.0 << 25 << 81633;
        QTest::newRow("07 half mm") << 0.5 << 0 << 28;
    }
    void birimler() {
        QFETCH(double, deger);
        QFETCH(int, twipMm);
        QFETCH(int, mmTwip);
        QCOMPARE(Twip_Mm(deger), twipMm);
        QCOMPARE(Mm_Twip(deger), mmTwip);
    }

    void birimler_metin() {
        QCOMPARE(Twip_Mm(QStringLiteral("567")), 10);
        QCOMPARE(Mm_Twip(QStringLiteral("12,5")), 709);
        QCOMPARE(Mm_Twip(QStringLiteral("1.000")), 56689);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Mm_Twip(QStringLiteral("on iki")));
    }

    void yarim_cifte() {
        QCOMPARE(Yuvarla_Cift(2.5), 2);
        QCOMPARE(Yuvarla_Cift(3.5), 4);
        QCOMPARE(Yuvarla_Cift(-2.5), -2);
        QCOMPARE(Yuvarla_Cift(0.5), 0);
        QCOMPARE(Yuvarla_Cift(1.5000001), 2);
    }

    void sayi_mi_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("sayi");
        QTest::newRow("plain") << "12" << true;
        QTest::newRow("decimal") << "12,5" << true;
        QTest::newRow("grouped") << "1.234,5" << true;
        QTest::newRow("signed") << "-3" << true;
        QTest::newRow("blanks") << "  4 " << true;
        QTest::newRow("exponent") << "1,5e3" << true;
        QTest::newRow("leading grouping") << ".5" << false;
        QTest::newRow("two decimal seps") << "1,2,3" << false;
        QTest::newRow("letters") << "12a" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("sign only") << "-" << false;
        QTest::newRow("separator only") << "," << false;
        QTest::newRow("trailing separator") << "12," << true;
    }
    void sayi_mi() {
        QFETCH(QString, metin);
        QFETCH(bool, sayi);
        QCOMPARE(Sayi_Mi(metin), sayi);
    }
};

QTEST_GUILESS_MAIN(TstSayiMetni)
#include "tst_sayimetni.moc"
