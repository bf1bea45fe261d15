#include "common/Araclar.h"
#include "common/Tablo.h"
#include "layout/DenemeRaporu.h"
#include "layout/Rapor.h"
#include "layout/RaporMotoru.h"
#include "output/SayfaHedefi.h"
#include "startup/Baslangic.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

constexpr double mm = 1440.0 / 25.4;

} // namespace

class TstRapor : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    QString baglanti_;

private slots:
    void initTestCase() {
        baglanti_ = Satir_Tablosu(klasor_.path(), 200);
        QVERIFY(!baglanti_.isEmpty());
    }

    void yerlesim() {
        // Rows, columns, band height (mm); pages and bands on the last page.
        const struct {
            int satir, sutun;
            double bantMm;
            int sayfa, sonSayfaBandi;
        } tablo[] = {
            {50, 3, 37, 3, 2},                                        // a 3 x 8 sheet
            {24, 3, 37, 1, 24}, {5, 1, 297, 5, 1},                    // one label a page
            {1, 3, 37, 1, 1},   {0, 3, 37, 0, 0},  {3, 1, 400, 3, 1}, // taller than the page
        };
        for (const auto &[satir, sutun, bantMm, sayfa, sonSayfaBandi] : tablo) {
            const Satir_Izi iz(QString::number(satir));
            DenemeRaporu r;
            Deneme_Yerlesimi(r, baglanti_, satir, sutun, bantMm * mm);
            RaporMotoru m(r);
            QVERIFY(!m.Baslat());
            RaporSayfasi s;
            QList<RaporSayfasi> sayfalar;
            while (m.Sonraki_Sayfa(s))
                sayfalar << s;
            QCOMPARE(sayfalar.size(), sayfa);
            QCOMPARE(m.Bant_Sayisi(), satir);
            if (sayfa > 0) {
                QCOMPARE(m.Son_Bantlar().size(), sonSayfaBandi);
                // Bands run across first: band k is in column k % n, row k / n.
                const QRectF ilk = m.Son_Bantlar().first();
                QCOMPARE(ilk.topLeft(), QPointF(0, 0));
                if (sonSayfaBandi > 1 && sutun > 1) {
                    QVERIFY(qAbs(m.Son_Bantlar()[1].left() - r.PrintWidth / sutun) < 0.01);
                    QCOMPARE(m.Son_Bantlar()[1].top(), 0.0);
                }
                // The last label on the last page carries the last row.
                QString son;
                for (const CizimOgesi &o : sayfalar.last().ogeler)
                    if (!o.barkod)
                        son = o.metin;
                QCOMPARE(son, u"ETIKET%1"_s.arg(satir));
            }
            m.Bitir();
            // init, start, format and before for each row, end, terminate.
            QStringList olaylar = {"init", "start"};
            for (int i = 0; i < satir; ++i)
                olaylar << u"format"_s << u"before"_s;
            QCOMPARE(r.olaylar, olaylar << u"end"_s << u"terminate"_s);
        }
    }

    void veri_hatasi() {
        DenemeRaporu r;
        r.Data1 = {baglanti_, u"SELECT * FROM YOK_TABLO"_s};
        RaporMotoru m(r);
        const Hata hata = m.Baslat();
        QVERIFY(hata && hata->contains(u"okunamadı"_s));
        m.Bitir();
        QCOMPARE(r.olaylar.last(), u"terminate"_s); // the end events still run
        DenemeRaporu r2;
        r2.Data1 = {u"User ID=sa;Password=gizli;Initial Catalog=yok;Data Source=sqlite:/yok"_s,
                    u"SELECT 1"_s};
        RaporMotoru m2(r2);
        const Hata hata2 = m2.Baslat();
        QVERIFY(hata2 && !hata2->contains(u"gizli"_s));
    }

    void png_sayfalari_beyaz_ve_numarali() {
        ::umask(022);
        DenemeRaporu r;
        r.PageSettings = {0, 0, 0, 0};
        r.Printer.PaperSize = 70; // A6
        r.PrintWidth = r.Printer.PaperWidth();
        r.Detail.Height = 148 * mm;
        r.Data1 = {baglanti_, u"SELECT NO FROM SATIR WHERE NO<=3 ORDER BY NO"_s};
        RaporMotoru m(r);
        QVERIFY(!m.Baslat());
        const QString png = klasor_.filePath(u"sayfa.png"_s);
        PngHedefi hedef(png, 100);
        QCOMPARE(*Rapor_Uret(m, hedef), 3);
        QCOMPARE(hedef.Dosyalar().size(), 3);
        QVERIFY(hedef.Dosyalar()[2].endsWith(u"sayfa-0003.png"_s));
        const QImage resim(hedef.Dosyalar()[0]);
        QCOMPARE(resim.size(), QSize(413, 583)); // 105 x 148 mm at 100 dpi
        QVERIFY(!resim.hasAlphaChannel());
        QCOMPARE(resim.pixel(400, 570), qRgb(255, 255, 255));
        // Pages get a new file's permissions, not the temporary file's 0600.
        QCOMPARE(QFileInfo(hedef.Dosyalar()[0]).permissions() & 0x0777,
                 QFileDevice::Permissions(0x0644));

        // A page over 20000 pixels a side is refused before any memory is taken.
        RaporSayfasi dev;
        dev.no = 1;
        dev.boyut = QSizeF(1440 * 40, 1440 * 2); // 40 × 2 in at 600 dpi: 24000 px
        PngHedefi buyuk(klasor_.filePath(u"dev.png"_s), 600);
        const Hata h = buyuk.Sayfa(dev);
        QVERIFY2(h && h->startsWith(u"PNG sayfası çok büyük: 24000 × 1200 piksel"_s),
                 qPrintable(*h));
    }

    void iptal() {
        DenemeRaporu r;
        r.PageSettings = {0, 0, 0, 0};
        r.Detail.Height = 297 * mm;
        r.Data1 = {baglanti_, u"SELECT NO FROM SATIR ORDER BY NO"_s};
        RaporMotoru m(r);
        QVERIFY(!m.Baslat());
        PngHedefi hedef(klasor_.filePath(u"iptal.png"_s), 20);
        const auto sonuc = Rapor_Uret(m, hedef, [](int sayfa, qint64) { return sayfa < 4; });
        QVERIFY(!sonuc && !sonuc.Hatasi());
        // A cancelled run leaves no page behind, not even a temporary one.
        QCOMPARE(QDir(klasor_.path())
                     .entryList({u"*iptal*"_s, u".varnel-*"_s}, QDir::Files | QDir::Hidden),
                 QStringList());
        m.Bitir();
        QCOMPARE(r.olaylar.last(), u"terminate"_s);
    }
};

QTEST_MAIN(TstRapor)
#include "tst_rapor.moc"
