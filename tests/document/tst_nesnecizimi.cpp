#include "document/NesneCizimi.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The one drawing of design elements: records to controls and drawing items, in
// twips from the label's corner.
class TstNesneCizimi : public QObject {
    Q_OBJECT
private slots:
    void barkod_seridi() {
        // The turn, then the caption (angle, left, top, width, height, align, valign) and
        // the bars (left, top, width, height, direction) for L 567, T 283, W 2268, H 1134
        // twips (10, 5, 40, 20 mm). Any other turn is drawn like 0.
        const struct {
            int yon;
            QList<double> yazi, cubuk;
        } tablo[] = {
            {0, {0, 567, 944 + 283, 2268, 190, 2, 0}, {567, 283, 2268, 944, 0}},
            {900, {2700, 567, 283, 190, 1134, 0, 1}, {757, 283, 2078, 1134, 2}},
            {1800, {1800, 567, 283, 2268, 190, 2, 2}, {567, 473, 2268, 944, 0}},
            {2700, {900, 2645, 283, 190, 1134, 1, 1}, {567, 283, 2078, 1134, 2}},
            {450, {0, 567, 944 + 283, 2268, 190, 2, 0}, {567, 283, 2268, 944, 0}},
        };
        for (const auto &[yon, yazi, cubuk] : tablo) {
            BarkodKaydi k;
            k.Left = 10, k.Top = 5, k.Width = 40, k.Height = 20, k.FontName = u"Arial"_s;
            k.FontSize = 7, k.Orientation = qint16(yon);
            const BarkodKontrolleri c = Barkod_Kontrolleri(k);
            const RaporEtiketi &e = c.yazi;
            const RaporBarkodu &b = c.cubuklar;
            QCOMPARE((QList<double>{double(e.Angle), e.Left, e.Top, e.Width, e.Height,
                                    double(e.Alignment), double(e.VerticalAlignment)}),
                     yazi);
            QCOMPARE((QList<double>{b.Left, b.Top, b.Width, b.Height, double(b.Direction)}), cubuk);
            QCOMPARE(b.Style(), 18);

            // The drawing items sit where the controls are, the bars carry the symbol.
            const auto sembol = Barkod::Kodla(Barkod::Sembol::EAN13, u"869000000001"_s, true);
            const QList<CizimOgesi> o = Barkod_Cizimi(k, sembol, u"8690000000012"_s);
            QCOMPARE(o.size(), 2);
            QCOMPARE(o[0].alan, QRectF(b.Left, b.Top, b.Width, b.Height));
            QCOMPARE(o[0].barkod, sembol);
            QCOMPARE(o[0].barkod_gorunum.yon, b.Direction == 2 ? 900 : 0);
            QCOMPARE(o[1].alan, QRectF(e.Left, e.Top, e.Width, e.Height));
            QCOMPARE(o[1].metin, u"8690000000012"_s);
            QCOMPARE(o[1].yazi.aci, e.Angle / 10.0);
        }
    }

    void nesne() {
        NesneKaydi n;
        n.Left = 2.5f, n.Top = 1, n.Width = 30, n.Height = 0.2f;
        n.Tur = u"Y"_s, n.FontName = u"Tahoma"_s, n.FontSize = 9, n.FontBold = true;
        n.Alignment = 2, n.Escapement = 90, n.BackColor = 0x0000FF; // red in 0x00BBGGRR
        const CizimOgesi o = Nesne_Cizimi(n, u"Değer"_s);
        // Millimetres to whole twips (Mm_Twip), the turn in degrees, a filled background.
        QCOMPARE(o.alan, QRectF(142, 57, 1701, 11));
        QCOMPARE(o.metin, u"Değer"_s);
        QCOMPARE(o.yazi.aci, 90.0);
        QCOMPARE(o.yazi.yazi_tipi, u"Tahoma"_s);
        QVERIFY(o.yazi.kalin);
        QCOMPARE(o.yazi.yatay_hiza, 2);
        QVERIFY(o.yazi.arka_opak);
        QCOMPARE(o.yazi.arka, QColor(Qt::red));
        QVERIFY(!o.barkod);
    }
};

QTEST_GUILESS_MAIN(TstNesneCizimi)
#include "tst_nesnecizimi.moc"
