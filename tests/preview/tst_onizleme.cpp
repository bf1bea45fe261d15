#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "components/SayfaHedefi.h"
#include "designer/pencere/DizaynFrm.h"
#include "document/TasarimDegiskenleri.h"
#include "mainwindow/MDIView.h"
#include "mainwindow/UstPanel.h"
#include "preview/pencere/OnizlemeFrm.h"
#include "startup/Baslangic.h"
#include "startup/Degiskenler.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class OnizlemeTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath("ayar"));
        QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/designs/A4 Etiket 3x8.ftr"),
                    klasor_.filePath("A4 Etiket 3x8.ftr"));
        vt_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
    }
    void init() {
        Degiskenler::Tasarim_Klasoru = klasor_.path();
        Degiskenler::Tasarim_Adi = u"A4 Etiket 3x8"_s;
        Degiskenler::Yeni_Tasarim = false;
        QVERIFY(Main(kutu_, vt_.Satir("STOKKART.Stok_ID<=2", 1)).devam);
    }
    void cleanup() { Baglanti_Kapat(); }
    void bakmakIcin();
    void dogrudanYazdirBirKez();

private:
    bool menulerAcik(MDIView &w) {
        bool acik = true;
        for (const char *ad : {"MNDosya", "MNAlanIslem", "MNYaziciIslem", "MNGorunum"})
            acik = acik && w.findChild<QMenu *>(ad)->menuAction()->isEnabled();
        return acik;
    }
    QTemporaryDir klasor_;
    TestVeritabani vt_;
    SahteMesaj kutu_;
};

void OnizlemeTesti::bakmakIcin() {
    MDIView w(kutu_);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Menu("MNEtiketOnizleme")->trigger();
    OnizlemeFrm *o = w.Onizleme();
    QVERIFY(o && o->isVisible());
    QToolButton *dugme = w.Arac_Cubugu()->Dugme("Onizleme");
    QCOMPARE(dugme->text(), u"Önizlemeyi Kapat"_s);
    QVERIFY(w.Menu("MNOnizlemeKapat")->isVisible());
    QVERIFY(menulerAcik(w) && w.Arac_Cubugu()->isVisible());
    QStringList metinler;
    for (const CizimOgesi &g : o->Sayfa()->ogeler)
        metinler << g.metin;
    QVERIFY(metinler.contains("Şeker 1 kg"));
    QVERIFY(metinler.contains("42,50"));
    QVERIFY(!Degiskenler::Dinamik_Barkod);

    // A click on a barcode shows its size in twips.
    const CizimOgesi &barkod = o->Sayfa()->ogeler[0];
    QVERIFY(barkod.barkod);
    const double olcek = o->Bolum()->logicalDpiX() / 1440.0;
    QTest::mouseClick(o->Bolum(), Qt::LeftButton, {}, (barkod.alan.center() * olcek).toPoint());
    QCOMPARE(w.Arac_Cubugu()->Label1()->text(), u"1814,4  / 1020,6"_s);

    QTest::mouseClick(dugme, Qt::LeftButton);
    QTRY_VERIFY(!w.Onizleme());
    QCOMPARE(dugme->text(), u"Önizleme"_s);
    QVERIFY(!w.Menu("MNOnizlemeKapat")->isVisible());
}

void OnizlemeTesti::dogrudanYazdirBirKez() {
    MDIView w(kutu_);
    const QString pdf = klasor_.filePath("dogrudan.pdf");
    w.Dogrudan_Yazici = [&pdf](QString &) { return std::make_unique<PdfHedefi>(pdf); };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    kutu_.girdiler.clear();
    kutu_.girdi_cevaplari << u"2"_s << u"Yaz"_s;
    w.Menu("MNDogrudanYazdir")->trigger();
    QVERIFY(w.Onizleme());
    QCOMPARE(kutu_.girdiler.size(), 2); // labels per item, then the one parameter
    QCOMPARE(kutu_.girdiler[0].istem, u"Stok Başına Kaç Adet Barkod Basmak İstiyorsunuz"_s);
    QCOMPARE(w.Onizleme()->Basilan_Sayfa(), 4);
    QCOMPARE(Pdf_Metni(pdf).count("Şeker 1 kg"), 2);
    QVERIFY(!Degiskenler::Dinamik_Barkod);
    // The preview state: no menus, no tool bar, no design window.
    QVERIFY(!menulerAcik(w) && !w.Arac_Cubugu()->isVisible());
    QVERIFY(!w.Tasarim()->parentWidget()->isVisible());
    QVERIFY(!w.Menu("MNOnizleme")->isVisible());
    // Activated again, it only draws.
    w.Onizleme()->Etkinlestir();
    QCOMPARE(kutu_.girdiler.size(), 2);

    w.Onizleme()->parentWidget()->close();
    QTRY_VERIFY(!w.Onizleme());
    QVERIFY(menulerAcik(w) && w.Arac_Cubugu()->isVisible());
    QVERIFY(w.Tasarim()->parentWidget()->isVisible());
    QVERIFY(w.Menu("MNOnizleme")->isVisible());
}

QTEST_MAIN(OnizlemeTesti)
#include "tst_onizleme.moc"
