#include "components/DonukYazi.h"
#include "components/RaporSayfasi.h"
#include "components/Renk.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Box around the pixels that are not paper white.
QRect murekkep(const QImage &r) {
    QRect kutu;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (qGray(r.pixel(x, y)) < 128)
                kutu |= QRect(x, y, 1, 1);
    return kutu;
}

QImage ciz(const QRectF &alan, const YaziGorunumu &g, const QString &metin = u"ŞEKERLEME"_s) {
    QImage r(400, 400, QImage::Format_RGB32);
    r.fill(Qt::white);
    QPainter p(&r);
    Donuk_Yazi_Ciz(p, alan, metin, g);
    return r;
}

} // namespace

class TstDonukYazi : public QObject {
    Q_OBJECT
private slots:
    void renkler() {
        // 0x00BBGGRR values and system colours (the high bit set).
        const std::pair<qint64, QColor> tablo[] = {
            {0x0000FF, QColor(255, 0, 0)},           {0xFF0000, QColor(0, 0, 255)},
            {0x336699, QColor(0x99, 0x66, 0x33)},    {-2147483630, QColor(0, 0, 0)}, // button text
            {-2147483643, QColor(255, 255, 255)},                                    // window
            {-2147483633, QColor(0xD4, 0xD0, 0xC8)},                                 // button face
            {-2147483393, QColor(0, 0, 0)}, // unknown system index
        };
        for (const auto &[deger, renk] : tablo) {
            QCOMPARE(Renk_Cevir(qint32(deger)), renk);
            if (deger >= 0)
                QCOMPARE(qint64(Renk_Degeri(renk)), deger);
        }
    }

    void donuk_yazi() {
        for (double aci : {0.0, 90.0, 180.0, 270.0}) {
            const bool dikey = aci == 90 || aci == 270;
            YaziGorunumu g;
            g.yazi_tipi = u"Liberation Sans"_s, g.boyut = 20, g.aci = aci;
            g.yatay_hiza = 2, g.dikey_hiza = 1;
            const QRectF alan = dikey ? QRectF(150, 20, 100, 360) : QRectF(20, 150, 360, 100);
            const QRect m = murekkep(ciz(alan, g));
            QVERIFY(!m.isEmpty());
            QVERIFY2(dikey ? m.height() > 2 * m.width() : m.width() > 2 * m.height(),
                     qPrintable(u"%1°: %2x%3"_s.arg(aci).arg(m.width()).arg(m.height())));
            QVERIFY(alan.contains(m));
            // Centred both ways inside its rectangle.
            QVERIFY(qAbs(m.center().x() - alan.center().x()) < 8);
            QVERIFY(qAbs(m.center().y() - alan.center().y()) < 8);
        }
    }

    void hizalama() {
        // Left/top, right/bottom, centre/middle.
        for (const auto &[yatay, dikey] : {std::pair{0, 0}, {1, 2}, {2, 1}}) {
            YaziGorunumu g;
            g.yazi_tipi = u"Liberation Sans"_s, g.boyut = 12, g.yatay_hiza = yatay;
            g.dikey_hiza = dikey;
            const QRectF alan(50, 50, 300, 300);
            const QRect m = murekkep(ciz(alan, g, u"Fiyat"_s));
            const double x = yatay == 0   ? m.left() - alan.left()
                             : yatay == 1 ? alan.right() - m.right()
                                          : qAbs(m.center().x() - alan.center().x());
            const double y = dikey == 0   ? m.top() - alan.top()
                             : dikey == 2 ? alan.bottom() - m.bottom()
                                          : qAbs(m.center().y() - alan.center().y());
            QVERIFY2(x < 8 && y < 12,
                     qPrintable(u"%1, %2: %3, %4"_s.arg(yatay).arg(dikey).arg(x).arg(y)));
        }
    }

    // A page item's text grows with the painter's zoom, as its box does.
    void yakinlastirilan_yazi() {
        CizimOgesi o;
        o.alan = QRectF(0, 0, 4000, 1000); // twips
        o.metin = u"Fiyat"_s;
        o.yazi.yazi_tipi = u"Liberation Sans"_s;
        o.yazi.boyut = 12;
        QList<int> yukseklik;
        for (double yuzde : {100.0, 200.0}) {
            QImage r(800, 400, QImage::Format_RGB32);
            r.fill(Qt::white);
            QPainter p(&r);
            Twip_Olcegi(p, r.logicalDpiY() * yuzde / 100);
            Oge_Ciz(p, o);
            p.end();
            yukseklik.append(murekkep(r).height());
        }
        QVERIFY2(qAbs(yukseklik[1] - 2 * yukseklik[0]) <= 2,
                 qPrintable(u"%1 / %2"_s.arg(yukseklik[0]).arg(yukseklik[1])));
    }
};

QTEST_MAIN(TstDonukYazi)
#include "tst_donukyazi.moc"
