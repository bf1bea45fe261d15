#include "common/BolgeAyari.h"
#include "common/Tablo.h"
#include "startup/Bicim.h"
#include "startup/Degiskenler.h"

using namespace Qt::StringLiterals;

class TstBicim : public QObject {
    Q_OBJECT
private slots:
    void init() { Turkce_Ayiraclar(); }

    void sayi() {
        const struct {
            double deger;
            const char *desen, *beklenen;
        } tablo[] = {
            {1234.5, "#,##0.00", "1.234,50"},
            {2500000.0, "#,##0.00", "2.500.000,00"},
            {1234.0, "#,##0", "1.234"},
            {2.675, "#,##0.00", "2,68"},   // half up
            {-2.675, "#,##0.00", "-2,68"}, // away from zero
            {0.0, "#,##0.00", "0,00"},
            {0.004, "#,##0.00", "0,00"},
            {-0.004, "#,##0.00", "0,00"}, // no minus zero
            {1234.56789, "#,##0.0000", "1.234,5679"},
            {999.96, "#,##0.0", "1.000,0"},
            {1234.5, "0.00", "1234,50"},
            {1.5, "#,##0.##", "1,5"},
            {2.0, "#,##0.##", "2"},
            {12.0, "#,##0.00 TL", "12,00 TL"},
            {12.0, "TL #,##0", "TL 12"},
            {0.0, "##,#", ""},
            {7.0, "000", "007"},
            {123456789012.0, "#,##0", "123.456.789.012"},
            {0.5, "#,##0", "1"},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::number(s.deger) + u' ' + s.desen);
            QCOMPARE(Sayi_Deseni(s.deger, s.desen), QString::fromUtf8(s.beklenen));
        }
    }

    void tarih() {
        const QDateTime an(QDate(2026, 3, 5), QTime(9, 7, 4));
        const char *tablo[][2] = {
            {"dd.mm.yyyy", "05.03.2026"}, {"dd.mm.yy", "05.03.26"}, {"mm.dd.yyyy", "03.05.2026"},
            {"mm.dd.yy", "03.05.26"},     {"mm.yyyy", "03.2026"},   {"mm.yy", "03.26"},
            {"hh:nn:ss", "09:07:04"},     {"d.m.yyyy", "5.3.2026"}, {"", ""},
        };
        for (const auto &s : tablo)
            QCOMPARE(Tarih_Deseni(an, s[0]), QString::fromUtf8(s[1]));
    }

    void desen_uygula() {
        QCOMPARE(Desen_Uygula(u"1234"_s, u"#,##0.00"_s), u"1.234,00"_s);
        QCOMPARE(Desen_Uygula(u"1.234,5"_s, u"#,##0.00"_s), u"1.234,50"_s);
        QCOMPARE(Desen_Uygula(u"05.03.2026"_s, u"mm.yy"_s), u"03.26"_s);
        QCOMPARE(Desen_Uygula(u"Elma"_s, u"#,##0.00"_s), u"Elma"_s);
        QCOMPARE(Desen_Uygula(u"Elma"_s, QString()), u"Elma"_s);
    }
};

QTEST_GUILESS_MAIN(TstBicim)
#include "tst_bicim.moc"
