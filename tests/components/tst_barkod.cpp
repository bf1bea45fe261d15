#include "common/Araclar.h"
#include "common/Tablo.h"
#include "components/Barkod.h"
#include "components/RaporSayfasi.h"
#include "components/SayfaHedefi.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
    o.barkod_gorunum.yazi = QFont(u"Liberation Sans"_s);
    o.barkod_gorunum.yazi.setPointSize(8);
    s.ogeler.append(o);
    return s;
}

// The engine's EAN styles take the number without its check digit.
std::shared_ptr<const Barkod> kodla(bool motor, int kod, const QString &veri) {
    const Barkod::Sembol s = motor ? Barkod::Motor_Stili(kod) : Barkod::Yuzey_Kodu(kod);
    return Barkod::Kodla(s, veri, motor && (kod == 17 || kod == 18));
}

} // namespace

class TstBarkod : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:
    void cozulur() {
        // Engine styles (true) or surface codes, the data, what zbarimg reads.
        const struct {
            bool motor;
            int kod;
            const char *veri, *beklenen;
        } tablo[] = {
            {true, 18, "869000000001", "EAN-13:8690000000012"}, // the check digit is added
            {true, 17, "8690001", "EAN-8:86900010"},
            {true, 19, "036000291452", "UPC-A:036000291452"},
            {true, 6, "IRM-0500", "CODE-39:IRM-0500"},
            {true, 12, "PRN-B2KG", "CODE-93:PRN-B2KG"},
            {true, 8, "UZM 2026-11", "CODE-128:UZM 2026-11"},
            {false, 0, "869000000002", "EAN-13:8690000000029"},
            {false, 0, "8690000000036", "EAN-13:8690000000036"},
            {false, 1, "86900126", "EAN-8:86900126"},
            {false, 4, "042100005264", "UPC-A:042100005264"},
            {false, 5, "01234565", "UPC-E:01234565"},
            {false, 6, "ANT-FST-250", "CODE-39:ANT-FST-250"},
            {false, 21, "Raf 93/a", "CODE-93:Raf 93/a"},
            {false, 8, "SMP/KPK 400ML", "CODE-128:SMP/KPK 400ML"},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::fromUtf8(s.veri));
            const auto b = kodla(s.motor, s.kod, QString::fromUtf8(s.veri));
            QVERIFY2(b->Gecerli(), qPrintable(b->Neden()));
            QVERIFY(b->Cubuk_Sayisi() > 10);
            for (int yon : {0, 900, 1800, 2700}) {
                const QString png = klasor_.filePath(u"b.png"_s);
                PngHedefi hedef(png, 300);
                QVERIFY(hedef.Sayfa(sayfa(b, yon)) && hedef.Bitir());
                const QStringList bulunan = Barkod_Coz(png);
                QVERIFY2(bulunan == QStringList{s.beklenen},
                         qPrintable(u"yön %1: %2"_s.arg(yon).arg(bulunan.join(u','))));
            }
        }
    }

    void gecersiz_veri() {
        // No bars anywhere, and the PDF shows the data and the reason.
        const struct {
            bool motor;
            int kod;
            const char *veri, *neden;
        } tablo[] = {
            {false, 0, "86900000ABC12", "yalnız rakam"},
            {false, 0, "12345", "12 ya da 13 rakam"},
            {false, 0, "8690000000013", "kontrol rakamı yanlış"},
            {true, 18, "8690000000012", "12 rakam gerekir"},
            {true, 17, "869", "7 rakam gerekir"},
            {false, 4, "036000291453", "kontrol rakamı yanlış"},
            {true, 8, "Kuru üzüm", "Code 128 A"},
            {true, 6, "abc", "Code 39"},
            {true, 12, "ŞEKER", "Code 93"},
            {true, 18, "", "verisi yok"},
            {false, 5, "21234565", "sayı sistemi"},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::fromUtf8(s.veri));
            const QString neden = QString::fromUtf8(s.neden), veri = QString::fromUtf8(s.veri);
            const auto b = kodla(s.motor, s.kod, veri);
            QVERIFY(!b->Gecerli());
            QVERIFY2(b->Neden().contains(neden), qPrintable(b->Neden()));
            QCOMPARE(b->Cubuk_Sayisi(), 0);
            const QString png = klasor_.filePath(u"g.png"_s);
            PngHedefi resim(png, 300);
            QVERIFY(resim.Sayfa(sayfa(b, 0)) && resim.Bitir());
            QVERIFY(Barkod_Coz(png).isEmpty());
            const QString pdf = klasor_.filePath(u"g.pdf"_s);
            PdfHedefi belge(pdf);
            QVERIFY(belge.Sayfa(sayfa(b, 0)) && belge.Bitir());
            const QString metin = Pdf_Metni(pdf).simplified();
            QVERIFY2(metin.contains(neden) && metin.contains(veri.simplified()), qPrintable(metin));
        }
    }

    void yok_hicbir_sey_cizmez() {
        for (const auto &b : {Barkod::Kodla(Barkod::Yuzey_Kodu(16), u"123"_s),
                              Barkod::Kodla(Barkod::Motor_Stili(0), u"123"_s)}) {
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
        QCOMPARE(Barkod::Kodla(Barkod::Sembol::EAN13, u"869000000001"_s, true)->Metin(),
                 u"8690000000012"_s);
        QCOMPARE(Barkod::Kodla(Barkod::Sembol::UPCE, u"123456"_s)->Metin(), u"01234565"_s);
        QCOMPARE(Barkod::Kodla(Barkod::Sembol::Code39, u"AB-1"_s)->Metin(), u"AB-1"_s);
    }
};

QTEST_MAIN(TstBarkod)
#include "tst_barkod.moc"
