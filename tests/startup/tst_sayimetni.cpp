#include "common/BolgeAyari.h"
#include "common/Tablo.h"
#include "core/Birimler.h"
#include "core/SayiMetni.h"
#include "database/KayitKumesi.h"
#include "startup/Bicim.h"
#include "startup/Yaziya.h"

#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const Ayiraclar ayr; // the form start-up requires

// A value, the decimals asked (-1: the default, which becomes 2) and the text expected.
struct Satir {
    const char *deger;
    int ondalik;
    const char *beklenen;
};

template <typename F> void sina(std::initializer_list<Satir> tablo, F islev) {
    for (const Satir &s : tablo) {
        const Satir_Izi iz(QString::fromUtf8(s.deger));
        qint16 d = qint16(s.ondalik);
        QCOMPARE(islev(QString::fromUtf8(s.deger), d), QString::fromUtf8(s.beklenen));
        QCOMPARE(int(d), s.ondalik < 0 ? 2 : s.ondalik);
    }
}

} // namespace

// Numbers as text: reading, rounding, units, patterns and amounts in words.
class TstSayiMetni : public QObject {
    Q_OBJECT
private slots:
    void bicimle() {
        sina(
            {
                {"1234567,891", 2, "1.234.567,89"}, // grouped and cut
                {"-0,25", 2, "-0,25"},
                {"12,3456", -1, "12,34"},
                {"0,999", 2, "0,99"}, // no rounding
                {"1.234,5", 2, "1.234,5"},
                {"0", 2, "0"},
                {"", 2, ""},
                {"TL 12a3,4,5", 2, "123,45"}, // junk dropped
                {"12-3", 2, "123"},           // inner minus dropped
                {",5", 2, ",5"},
                {"12,99", 0, "12,"},
                {"1234,56789", 4, "1.234,5678"},
                {"007,10", 2, "7,10"},
                {"12345678901234567890", 2, "12.345.678.901.234.567.890"},
            },
            [](const QString &v, qint16 &d) { return Sayi_Bicimle(v, d, ayr); });
    }

    void yuvarla() {
        sina(
            {
                {"1,995", 2, "1,99"}, // an exact tie stays
                {"1,996", 2, "2,00"},       {"99,999", 2, "100,00"},
                {"0,004", 2, "0,00"},       {"abc", 2, "0,00"},
                {"12", 2, "12,00"},         {",5", 2, "0,50"},
                {"1,125", 2, "1,12"},       {"1,1251", 2, "1,13"},
                {"1,125001", 2, "1,12"}, // the sixth place is ignored
                {"1,12501", 2, "1,13"},  // the fifth counts
                {"-9,996", 2, "-10,00"},    {"-9,995", 2, "-9,99"},
                {"3,14159", -1, "3,14"},    {"1.234,567", 2, "1234,57"},
                {"  7,1  ", 2, "7,10"},     {".5", 2, "0,50"},
                {"12,7", 0, "13,"},         {"9,5", 0, "9,"},
                {"1,00050001", 3, "1,001"}, {"2,2501", 1, "2,3"},
                {"0,99996", 4, "1,0000"},   {"", 2, "0,00"},
                {"-,5", 2, "-0,50"},        {"999,996", 2, "1000,00"},
            },
            [](const QString &v, qint16 &d) { return Sayi_Yuvarla(v, d, ayr); });
    }

    void yukari_yuvarla() {
        // The text, the place to carry into, the decimals kept.
        const struct {
            const char *s;
            int p, ondalik;
            const char *beklenen;
        } tablo[] = {
            {"1,234", 2, 2, "1,24"},    {"9,999", 2, 2, "10,00"}, {"12,7", 3, 0, "13,"},
            {"-99,99", 4, 1, "-100,0"}, {"1,995", 2, 2, "2,00"},  {"-9,995", 3, 2, "-10,00"},
            {"0,004", 2, 2, "0,01"},
        };
        for (const auto &s : tablo)
            QCOMPARE(Yukari_Yuvarla(s.s, s.p, qint16(s.ondalik), ayr), QString(s.beklenen));
    }

    void other_separators() {
        // The functions follow the separators they are given.
        const Ayiraclar en{u"."_s, u","_s};
        qint16 d = 2;
        QCOMPARE(Sayi_Bicimle(u"1234567.891"_s, d, en), u"1,234,567.89"_s);
        QCOMPARE(Sayi_Yuvarla(u"1,995"_s, d, en), u"1995.00"_s);
        QCOMPARE(Sayi_Yuvarla(u"1.996"_s, d, en), u"2.00"_s);
    }

    void birimler() {
        const struct {
            double deger;
            int twipMm, mmTwip;
        } tablo[] = {{567, 10, 32143},    {10, 0, 567},      {1, 0, 57},  {0, 0, 0},
                     {-567, -10, -32143}, {1440, 25, 81633}, {0.5, 0, 28}};
        for (const auto &s : tablo) {
            QCOMPARE(Twip_Mm(s.deger), s.twipMm);
            QCOMPARE(Mm_Twip(s.deger), s.mmTwip);
        }
        for (const auto &[d, beklenen] :
             {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5000001, 2}})
            QCOMPARE(Yuvarla_Cift(d), beklenen);
    }

    void sayi_mi() {
        for (const char *s : {"12", "12,5", "1.234,5", "-3", "  4 ", "1,5e3", "12,"})
            QVERIFY2(Sayi_Mi(s, ayr), s);
        for (const char *s : {".5", "1,2,3", "12a", "", "-", ","})
            QVERIFY2(!Sayi_Mi(s, ayr), s);
        // Read: digits alone take a short road that must agree with the long one.
        const struct {
            const char *metin;
            std::optional<double> deger;
        } okunan[] = {
            {"007", 7},
            {"0", 0},
            {"123456789012345", 123456789012345.0},
            {"1234567890123456", 1234567890123456.0},
            {" 42", 42},
            {"-3", -3},
            {"1.234,5", 1234.5},
            {"12a", std::nullopt},
            {"", std::nullopt},
            {"١٢", std::nullopt}, // Arabic-Indic digits are no number here
        };
        for (const auto &o : okunan) {
            double d = -1;
            QCOMPARE(Sayi_Oku(QString::fromUtf8(o.metin), d, ayr), o.deger.has_value());
            if (o.deger)
                QCOMPARE(d, *o.deger);
        }
    }

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
            {12.0, "#,##0.00 \"TL\"", "12,00 TL"}, // quoted text without its quotes
            {1234.5, "#,##0.00 ₺", "1.234,50 ₺"},
            {0.0, "##,#", ""},
            {7.0, "000", "007"},
            {123456789012.0, "#,##0", "123.456.789.012"},
            {0.5, "#,##0", "1"},
            // From 10^15 on every digit of the double, never an exponent.
            {9e15, "#,##0.00", "9.000.000.000.000.000,00"},
            {123456789012345678.0, "#,##0", "123.456.789.012.345.680"},
            {1e21, "#,##0", "1.000.000.000.000.000.000.000"},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::number(s.deger) + u' ' + s.desen);
            QCOMPARE(Sayi_Deseni(s.deger, s.desen, ayr), QString::fromUtf8(s.beklenen));
        }
    }

    void deger_metni() {
        // Database values as the program writes them before rounding and grouping:
        // plain digits however large or small, the shortest exact form.
        const struct {
            double deger;
            QString beklenen;
        } tablo[] = {
            {1234.5, u"1234,5"_s},
            {9e15, u"9000000000000000"_s},
            {-2.5e16, u"-25000000000000000"_s},
            {123456789012345678.0, u"123456789012345680"_s},
            {1e300, u"1"_s + QString(300, u'0')},
            {9e21, u"9"_s + QString(21, u'0')},
            {1e-7, u"0,0000001"_s},
            {0.1, u"0,1"_s},
            {qInf(), QString()},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::number(s.deger));
            QCOMPARE(Deger_Metni(QVariant(s.deger), u","_s), s.beklenen);
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
        QCOMPARE(Desen_Uygula(u"1234"_s, u"#,##0.00"_s, ayr), u"1.234,00"_s);
        QCOMPARE(Desen_Uygula(u"1.234,5"_s, u"#,##0.00"_s, ayr), u"1.234,50"_s);
        QCOMPARE(Desen_Uygula(u"05.03.2026"_s, u"mm.yy"_s, ayr), u"03.26"_s);
        QCOMPARE(Desen_Uygula(u"Elma"_s, u"#,##0.00"_s, ayr), u"Elma"_s);
        QCOMPARE(Desen_Uygula(u"Elma"_s, QString(), ayr), u"Elma"_s);
    }

    void tamsayi() {
        const std::pair<qint64, const char *> tablo[] = {
            {0, "Sıfır"},
            {1, "Bir"},
            {10, "On"},
            {11, "OnBir"},
            {100, "Yüz"},
            {101, "YüzBir"},
            {200, "İkiYüz"},
            {1000, "Bin"},
            {1001, "BinBir"},
            {2000, "İkiBin"},
            {100000, "YüzBin"},
            {101000, "YüzBirBin"},
            {1000000, "BirMilyon"},
            {1000000000, "BirMilyar"},
            {1000000000000, "BirTrilyon"},
            {1234567, "BirMilyonİkiYüzOtuzDörtBinBeşYüzAltmışYedi"},
            {-25, "EksiYirmiBeş"},
            {999999999999999, "DokuzYüzDoksanDokuzTrilyonDokuzYüzDoksanDokuzMilyarDokuzYüz"
                              "DoksanDokuzMilyonDokuzYüzDoksanDokuzBinDokuzYüzDoksanDokuz"},
            {1000000000000000, "Hata"},
            {1001000, "BirMilyonBin"},
            {2001, "İkiBinBir"},
            {1000001, "BirMilyonBir"},
            {-1000, "EksiBin"},
            {std::numeric_limits<qint64>::min(), "Hata"},
            {90, "Doksan"},
            {1100, "BinYüz"}};
        for (const auto &[deger, beklenen] : tablo)
            QCOMPARE(Yaziya_Cevir(qint64(deger)), QString::fromUtf8(beklenen));
    }

    void metin_ve_kesir() {
        QCOMPARE(Yaziya_Cevir(u"05"_s, ayr), u"Beş"_s);
        QCOMPARE(Yaziya_Cevir(u"12,5"_s, ayr), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u"1.000"_s, ayr), u"Bin"_s);
        QCOMPARE(Yaziya_Cevir(u"-0"_s, ayr), u"Sıfır"_s);
        QCOMPARE(Yaziya_Cevir(u"999999999999999"_s, ayr), Yaziya_Cevir(qint64(999999999999999)));
        QCOMPARE(Yaziya_Cevir(u"1000000000000000"_s, ayr), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u"0001000000000000000"_s, ayr), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u"on iki"_s, ayr), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(u""_s, ayr), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(12.5), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(1e15), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(-1e15), u"Hata"_s);
        QCOMPARE(Yaziya_Cevir(42.0), u"Kırkİki"_s);
        QCOMPARE(Yaziya_Cevir(std::nan("")), u"Hata"_s);
    }
};

QTEST_GUILESS_MAIN(TstSayiMetni)
#include "tst_sayimetni.moc"
