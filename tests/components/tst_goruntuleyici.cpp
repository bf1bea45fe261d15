#include "DenemeRaporu.h"
#include "components/RaporMotoru.h"
#include "components/pencere/RaporGoruntuleyici.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
constexpr double mm = 1440.0 / 25.4;
}

class TstGoruntuleyici : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    QString baglanti_;

    void hazirla(DenemeRaporu &r, int satir, int sutun, double bantMm) {
        Deneme_Yerlesimi(r, baglanti_, satir, sutun, bantMm * mm);
    }

private slots:
    void initTestCase() {
        baglanti_ = Satir_Tablosu(klasor_.path(), 400);
        QVERIFY(!baglanti_.isEmpty());
    }

    void sayfalar_ve_gezinme() {
        DenemeRaporu r;
        hazirla(r, 60, 3, 37);
        RaporMotoru m(r);
        QVERIFY(m.Baslat());
        RaporGoruntuleyici g(r, m);
        QSignalSpy bitti(&g, &RaporGoruntuleyici::Dizim_Tamamlandi);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QVERIFY(QTest::qWaitFor([&] { return g.Dizim_Bitti(); }, 10000));
        QCOMPARE(bitti.count(), 1);
        QCOMPARE(g.Sayfa_Sayisi(), 3);
        QCOMPARE(g.Gecerli_Sayfa(), 0);
        QVERIFY(!g.Dugme(u"onceki"_s)->isEnabled());
        QTest::mouseClick(g.Dugme(u"sonraki"_s), Qt::LeftButton);
        QCOMPARE(g.Gecerli_Sayfa(), 1);
        QTest::mouseClick(g.Dugme(u"son"_s), Qt::LeftButton);
        QCOMPARE(g.Gecerli_Sayfa(), 2);
        QVERIFY(!g.Dugme(u"sonraki"_s)->isEnabled());
        QTest::keyClick(&g, Qt::Key_Home);
        QCOMPARE(g.Gecerli_Sayfa(), 0);
        QTest::keyClick(&g, Qt::Key_PageDown);
        QCOMPARE(g.Gecerli_Sayfa(), 1);
        QTest::mouseClick(g.Dugme(u"ilk"_s), Qt::LeftButton);
        QCOMPARE(g.Gecerli_Sayfa(), 0);
        QCOMPARE(r.olaylar.last(), u"terminate"_s);
        QVERIFY(!g.Iptal_Dugmesi()->isVisible());

        // Typed zoom: "%150" and "200" are percentages of real size; "abc" changes nothing.
        const double gercek = g.logicalDpiX() / 1440.0;
        QLineEdit *yazi = g.Yakinlik_Kutusu()->lineEdit();
        for (const auto &[metin, carpan] : {std::pair{"%150", 1.5}, {"200", 2.0}, {"abc", 2.0}}) {
            yazi->selectAll();
            QTest::keyClicks(yazi, metin);
            QTest::keyClick(yazi, Qt::Key_Return);
            QVERIFY2(qAbs(g.Olcek() - gercek * carpan) < 1e-9, metin);
        }
        g.Yakinlik_Ayarla(RaporGoruntuleyici::Yakinlik::Sayfa);
        const double sayfa = g.Olcek();
        g.Yakinlik_Ayarla(RaporGoruntuleyici::Yakinlik::Genislik);
        QVERIFY(g.Olcek() >= sayfa);
    }

    void ilk_sayfa_hemen_ve_iptal() {
        DenemeRaporu r;
        hazirla(r, 400, 1, 297); // one label a page: a long run
        RaporMotoru m(r);
        QVERIFY(m.Baslat());
        RaporGoruntuleyici g(r, m);
        g.show();
        QVERIFY(QTest::qWaitFor([&] { return g.Sayfa_Sayisi() > 0; }, 5000));
        QVERIFY(g.Iptal_Dugmesi()->isVisible() || g.Dizim_Bitti());
        if (!g.Dizim_Bitti())
            QTest::mouseClick(g.Iptal_Dugmesi(), Qt::LeftButton);
        QVERIFY(g.Dizim_Bitti());
        const int sayfa = g.Sayfa_Sayisi();
        QTest::qWait(50);
        QCOMPARE(g.Sayfa_Sayisi(), sayfa); // nothing more after cancel
        QCOMPARE(r.olaylar.last(), u"terminate"_s);
    }
};

QTEST_MAIN(TstGoruntuleyici)
#include "tst_goruntuleyici.moc"
