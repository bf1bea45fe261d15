#include "common/Araclar.h"
#include "components/Barkod.h"
#include "components/RaporSayfasi.h"
#include "components/SayfaHedefi.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double mm = 1440.0 / 25.4;

// One barcode on a small page, as every output draws it.
RaporSayfasi sayfa(const std::shared_ptr<const Barkod> &b, int yon) {
    RaporSayfasi s;
    s.no = 1;
    s.boyut = QSizeF(90 * mm, 90 * mm);
    CizimOgesi o;
    const bool dik = yon == 900 || yon == 2700;
    o.alan = dik ? QRectF(30 * mm, 10 * mm, 28 * mm, 70 * mm)
                 : QRectF(10 * mm, 30 * mm, 70 * mm, 28 * mm);
    o.barkod = b;
    o.barkod_gorunum.yon = yon;
    o.barkod_gorunum.yazi = QFont(QStringLiteral("Liberation Sans"));
    o.barkod_gorunum.yazi.setPointSize(8);
    s.ogeler.append(o);
    return s;
}

} // namespace

class TstBarkod : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:
    void cozulur_data() {
        QTest::addColumn<int>("yol"); // 0: engine style, 1: surface code
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("veri");
        QTest::addColumn<QString>("beklenen"); // zbarimg's "TYPE:data"
        QTest::newRow("01 engine EAN-13 adds check") << 0 << 18 << "869000000001"
                                                     << "EAN-13:8690000000012";
        QTest::newRow("02 engine EAN-8 adds check") << 0 << 17 << "8690001"
                                                    << "EAN-8:86900010";
        QTest::newRow("03 engine UPC-A") << 0 << 19 << "036000291452"
                                         << "UPC-A:036000291452";
        QTest::newRow("04 engine Code 39") << 0 << 6 << "IRM-0500"
                                           << "CODE-39:IRM-0500";
        QTest::newRow("05 engine Code 93") << 0 << 12 << "PRN-B2KG"
                                           << "CODE-93:PRN-B2KG";
        QTest::newRow("06 engine Code 128") << 0 << 8 << "UZM 2026-11"
                                            << "CODE-128:UZM 2026-11";
        QTest::newRow("07 surface EAN-13 12 digits") << 1 << 0 << "869000000002"
                                                     << "EAN-13:8690000000029";
        QTest::newRow("08 surface EAN-13 checked") << 1 << 0 << "8690000000036"
                                                   << "EAN-13:8690000000036";
        QTest::newRow("09 surface EAN-8") << 1 << 1 << "86900126"
                                          << "EAN-8:86900126";
        QTest::newRow("10 surface UPC-A") << 1 << 4 << "042100005264"
                                          << "UPC-A:042100005264";
        QTest::newRow("11 surface UPC-E") << 1 << 5 << "01234565"
                                          << "UPC-E:01234565";
        QTest::newRow("12 surface Code 39") << 1 << 6 << "ANT-FST-250"
                                            << "CODE-39:ANT-FST-250";
        QTest::newRow("13 surface Code 93") << 1 << 21 << "Raf 93/a"
                                            << "CODE-93:Raf 93/a";
        QTest::newRow("14 surface Code 128") << 1 << 8 << "SMP/KPK 400ML"
                                             << "CODE-128:SMP/KPK 400ML";
    }
    void cozulur() {
        QFETCH(int, yol);
        QFETCH(int, kod);
        QFETCH(QString, veri);
        QFETCH(QString, beklenen);
        const Barkod::Sembol s = yol == 0 ? Barkod::Motor_Stili(kod) : Barkod::Yuzey_Kodu(kod);
        const bool kontrolsuz = yol == 0 && (kod == 17 || kod == 18);
        const auto b = Barkod::Kodla(s, veri, kontrolsuz);
        QVERIFY2(b->Gecerli(), qPrintable(b->Neden()));
        QVERIFY(b->Cubuk_Sayisi() > 10);
        for (int yon : {0, 900, 1800, 2700}) {
            const QString png = klasor_.filePath(
                QStringLiteral("b-%1-%2.png").arg(QTest::currentDataTag()).arg(yon));
            PngHedefi hedef(png, 300);
            QVERIFY(hedef.Sayfa(sayfa(b, yon)));
            QVERIFY(hedef.Bitir());
            const QStringList bulunan = Barkod_Coz(png);
            QVERIFY2(bulunan == QStringList{beklenen},
                     qPrintable(QStringLiteral("yön %1: %2").arg(yon).arg(bulunan.join(u','))));
        }
    }

    void gecersiz_veri_data() {
        QTest::addColumn<int>("yol");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("veri");
        QTest::addColumn<QString>("neden");
        QTest::newRow("01 EAN-13 letters") << 1 << 0 << "86900000ABC12"
                                           << "yalnız rakam";
        QTest::newRow("02 EAN-13 five digits") << 1 << 0 << "12345"
                                               << "12 ya da 13 rakam";
        QTest::newRow("03 EAN-13 wrong check") << 1 << 0 << "8690000000013"
                                               << "kontrol rakamı yanlış";
        QTest::newRow("04 engine EAN-13 full number") << 0 << 18 << "8690000000012"
                                                      << "12 rakam gerekir";
        QTest::newRow("05 engine EAN-8 too short") << 0 << 17 << "869"
                                                   << "7 rakam gerekir";
        QTest::newRow("06 UPC-A wrong check") << 1 << 4 << "036000291453"
                                              << "kontrol rakamı yanlış";
        QTest::newRow("07 Code 128 A lower case") << 0 << 8 << "Kuru üzüm"
                                                  << "Code 128 A";
        QTest::newRow("08 Code 39 lower case") << 0 << 6 << "abc"
                                               << "Code 39";
        QTest::newRow("09 Code 93 Turkish letter") << 0 << 12 << "ŞEKER"
                                                   << "Code 93";
        QTest::newRow("10 empty") << 0 << 18 << ""
                                  << "verisi yok";
        QTest::newRow("11 UPC-E bad system") << 1 << 5 << "21234565"
                                             << "sayı sistemi";
    }
    void gecersiz_veri() {
        QFETCH(int, yol);
        QFETCH(int, kod);
        QFETCH(QString, veri);
        QFETCH(QString, neden);
        const Barkod::Sembol s = yol == 0 ? Barkod::Motor_Stili(kod) : Barkod::Yuzey_Kodu(kod);
        const auto b = Barkod::Kodla(s, veri, yol == 0 && (kod == 17 || kod == 18));
        QVERIFY(!b->Gecerli());
        QVERIFY2(b->Neden().contains(neden), qPrintable(b->Neden()));
        QCOMPARE(b->Cubuk_Sayisi(), 0);
        // No bars anywhere, and the PDF shows the data and the reason.
        const QString png = klasor_.filePath(QStringLiteral("g.png"));
        PngHedefi resim(png, 300);
        QVERIFY(resim.Sayfa(sayfa(b, 0)) && resim.Bitir());
        QVERIFY(Barkod_Coz(png).isEmpty());
        const QString pdf = klasor_.filePath(QStringLiteral("g.pdf"));
        PdfHedefi belge(pdf);
        QVERIFY(belge.Sayfa(sayfa(b, 0)) && belge.Bitir());
        const QString metin = Pdf_Metni(pdf).simplified();
        QVERIFY2(metin.contains(neden), qPrintable(metin));
        if (!veri.isEmpty())
            QVERIFY2(metin.contains(veri.simplified()), qPrintable(metin));
    }

    void yok_hicbir_sey_cizmez() {
        for (const auto &b : {Barkod::Kodla(Barkod::Yuzey_Kodu(16), QStringLiteral("123")),
                              Barkod::Kodla(Barkod::Motor_Stili(0), QStringLiteral("123"))}) {
            QCOMPARE(b->Sembolu(), Barkod::Sembol::Yok);
            QImage resim(200, 100, QImage::Format_RGB32);
            resim.fill(Qt::white);
            QPainter p(&resim);
            b->Ciz(p, QRectF(10, 10, 180, 80), Barkod::Gorunum());
            p.end();
            QCOMPARE(resim.pixel(100, 50), qRgb(255, 255, 255));
        }
    }

    void insan_okur_metni() {
        QCOMPARE(
            Barkod::Kodla(Barkod::Sembol::EAN13, QStringLiteral("869000000001"), true)->Metin(),
            QStringLiteral("8690000000012"));
        QCOMPARE(Barkod::Kodla(Barkod::Sembol::UPCE, QStringLiteral("123456"))->Metin(),
                 QStringLiteral("01234565"));
        QCOMPARE(Barkod::Kodla(Barkod::Sembol::Code39, QStringLiteral("AB-1"))->Metin(),
                 QStringLiteral("AB-1"));
    }
};

QTEST_MAIN(TstBarkod)
#include "tst_barkod.moc"
