#include "layout/DenemeRaporu.h"
#include "layout/RaporMotoru.h"
#include "output/pencere/RaporGoruntuleyici.h"
#include "output/pencere/Yazicilar.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
constexpr double mm = 1440.0 / 25.4;
}

// The report windows: the viewer, the printer road and the page setup dialog.
class TstRaporPencereleri : public QObject {
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
        QVERIFY(!m.Baslat());
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
        QVERIFY(!m.Baslat());
        RaporGoruntuleyici g(r, m);
        g.show();
        QVERIFY(QTest::qWaitFor([&] { return g.Sayfa_Sayisi() > 0; }, 5000));
        QVERIFY(g.Iptal_Dugmesi()->isVisible() || g.Dizim_Bitti());
        if (!g.Dizim_Bitti())
            QTest::mouseClick(g.Iptal_Dugmesi(), Qt::LeftButton);
        QVERIFY(g.Dizim_Bitti());
        const int sayfa = g.Sayfa_Sayisi();
        for (int i = 0; i < 20; ++i) // every pending step of the layout gets its turn
            QCoreApplication::processEvents();
        QCOMPARE(g.Sayfa_Sayisi(), sayfa); // nothing more after cancel
        QCOMPARE(r.olaylar.last(), u"terminate"_s);
    }

    void sayfa_yapisi_geri_yazar() {
        // A5 landscape, Letter, A3 and A4 portrait; margins of 10 mm, 6,35 mm and 1 in.
        for (const auto &[kagit, yon] : {std::pair{11, 2}, {1, 1}, {8, 1}, {9, 1}}) {
            DenemeRaporu r;
            r.PageSettings = {567, 360, 1440, 0};
            r.Printer.PaperSize = kagit;
            r.Printer.Orientation = yon;
            // Accept the dialog as soon as it is up: what it read must come back unchanged.
            QTimer::singleShot(0, [] {
                if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    d->accept();
            });
            QVERIFY(Sayfa_Ayari_Goster(r));
            QCOMPARE(r.Printer.PaperSize, kagit);
            QCOMPARE(r.Printer.Orientation, yon);
            QCOMPARE(r.PageSettings.LeftMargin, 567.0);
            QCOMPARE(r.PageSettings.RightMargin, 360.0);
            QCOMPARE(r.PageSettings.TopMargin, 1440.0);
            QCOMPARE(r.PageSettings.BottomMargin, 0.0);
        }
    }
};

QTEST_MAIN(TstRaporPencereleri)
#include "tst_rapor_pencereleri.moc"
