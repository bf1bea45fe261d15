#include "common/AlanBirakma.h"
#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "components/pencere/RaporGoruntuleyici.h"
#include "designer/TasarimModeli.h"
#include "dialogs/pencere/FormTasarimGiris.h"
#include "dialogs/pencere/OutPutFormatFrm.h"
#include "document/TasarimDegiskenleri.h"
#include "mainwindow/PencereAkisi.h"
#include "startup/Baslangic.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A newcomer's road through the windows: a new design in the main window, saved,
// then printed from the chooser to a PDF.
class YolTesti : public QObject {
    Q_OBJECT
private slots:
    void yeniTasarimdanPdfe();
};

void YolTesti::yeniTasarimdanPdfe() {
    QTemporaryDir klasor;
    Bolge_Ayarla(klasor.filePath("ayar"));
    QVERIFY(QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/Baslik.mtr"),
                        klasor.filePath("Baslik.mtr")));
    Degiskenler::Tasarim_Klasoru = klasor.path();
    const TestVeritabani t = Sqlite_Demo(klasor.path());
    QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
    SahteMesaj kutu;
    QVERIFY(Main(kutu, t.Satir("STOKKART.Stok_ID<=2", 0)).devam);

    PencereAkisi akis(kutu);
    QSignalSpy bitti(&akis, &PencereAkisi::Bitti);
    akis.Baslat();
    FormTasarimGiris *secici = akis.Secici();
    QVERIFY(QTest::qWaitForWindowExposed(secici));
    QCOMPARE(secici->FrmList()->count(), 0);
    QTest::mouseClick(secici->Button(1), Qt::LeftButton); // "Yeni"
    MDIView *w = akis.Ana_Pencere();
    QVERIFY(w && w->isVisible() && !secici->isVisible());
    TasarimModeli &m = w->Tasarim()->Model();

    w->Menu("MnBarkod")->trigger();
    QVERIFY(Alan_Birak(*w, 1, {5, 20})); // Stok_Adi
    QVERIFY(Alan_Birak(*w, 8, {5, 30})); // Fiyat1, selected after the drop
    QCOMPARE(m.Nesne(*m.Aktif_Nesne()).Nesne().Caption, u"Fiyat1"_s);
    w->Menu("MNAlanFormat")->trigger();
    auto *format = w->findChild<OutPutFormatFrm *>();
    QVERIFY(format);
    format->List1()->setCurrentRow(1);
    format->List2()->setCurrentRow(2);
    QTest::mouseClick(format->findChild<QPushButton *>("FormatTamam"), Qt::LeftButton);
    QCOMPARE(m.Nesne(*m.Aktif_Nesne()).Nesne().Tag, u"F_#,##0.00"_s);
    w->Menu("MNTarih")->trigger();
    kutu.girdi_cevaplari << u"İlk Etiket"_s;
    w->Menu("MNFKaydet")->trigger();
    QVERIFY(QFile::exists(klasor.filePath("İlk Etiket.ftr")));

    w->Menu("MNCikis")->trigger();
    QTRY_VERIFY(!akis.Ana_Pencere());
    QVERIFY(secici->isVisible());
    const auto bulunan = secici->FrmList()->findItems("İlk Etiket", Qt::MatchExactly);
    QCOMPARE(bulunan.size(), 1);
    secici->FrmList()->setCurrentItem(bulunan[0]);
    kutu.girdi_cevaplari << u"1"_s << u"1"_s;
    QTest::mouseClick(secici->Button(4), Qt::LeftButton); // "Seç"
    auto *r = secici->findChild<RaporGoruntuleyici *>();
    QVERIFY(r);
    QTRY_VERIFY(r->Dizim_Bitti());
    QCOMPARE(r->Sayfa_Sayisi(), 2); // a barcode printer: one label a page
    const QString pdf = klasor.filePath("etiketler.pdf");
    QVERIFY(!r->Pdf_Kaydet(pdf));
    // The fields keep their template width: a long name wraps.
    const QString metin = Pdf_Metni(pdf).simplified();
    for (const char *beklenen : {"Şeker 1 kg", "42,50", "8690000000012", "Süzme Yoğurt", "89,75"})
        QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), beklenen);
    QVERIFY(metin.contains(QDate::currentDate().toString("dd.MM.yyyy")));
    r->close();

    QTest::mouseClick(secici->Button(5), Qt::LeftButton); // "Vazgeç"
    QCOMPARE(bitti.size(), 1);
    Baglanti_Kapat();
}

QTEST_MAIN(YolTesti)
#include "tst_yol.moc"
