#include "common/Araclar.h"
#include "common/Program.h"
#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "core/Birimler.h"
#include "designer/TasarimModeli.h"
#include "designer/pencere/BolumGorunumu.h"
#include "designer/pencere/DizaynFrm.h"
#include "document/TasarimDosyasi.h"
#include "printjob/DogrudanCizim.h"
#include "startup/Oturum.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A session without a database, on the design folder `klasor`.
Oturum oturum(const QString &klasor) {
    Oturum o;
    o.Tasarim_Klasoru = klasor;
    return o;
}

// A window on a new laser-printer design with a 40 x 60 mm label.
DizaynFrm *yeniTasarim(const Oturum &o, SahteMesaj &kutu) {
    auto *w = new DizaynFrm(kutu, o, QString());
    TasarimModeli &m = w->Model();
    TasarimModeli::Ayarlar a = m.Ayar;
    a.Tip = 1, a.Etiket_Boy = 40, a.Etiket_Genislik = 60;
    m.Ayar_Degistir(a, u"Etiket Ayarları"_s);
    m.Gecmisi_Temizle();
    return w;
}

// The window on a new design, on screen.
std::unique_ptr<DizaynFrm> yeniPencere(const Oturum &o, SahteMesaj &kutu) {
    std::unique_ptr<DizaynFrm> w(yeniTasarim(o, kutu));
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("pencere ekrana gelmedi");
    return w;
}

// Left-button drag in a few steps, as a hand does it.
void surukle(QWidget *w, QPoint basla, QPoint bitis) {
    QTest::mousePress(w, Qt::LeftButton, {}, basla);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(w, basla + (bitis - basla) * i / 4);
    QTest::mouseRelease(w, Qt::LeftButton, {}, bitis);
}

QPoint piksel(BolumGorunumu *b, QPointF mm) { return (mm * b->Piksel_Mm()).toPoint(); }

} // namespace

class DizaynFrmTesti : public QObject {
    Q_OBJECT
private slots:
    void elleTasarim();
    void kayit();
    void nesnelerErisilebilir();
    void kaydedilmemisKapatma();
    void yiginHerYerdeAyni();
    void imleclerVeBolumKenari();
};

void DizaynFrmTesti::elleTasarim() {
    QTemporaryDir klasor;
    const Oturum ot = oturum(klasor.path());
    SahteMesaj kutu;
    const auto pencere = yeniPencere(ot, kutu);
    DizaynFrm &w = *pencere;
    TasarimModeli &m = w.Model();
    BolumGorunumu *b = w.Bolum();

    QVERIFY(m.Nesne_Ekle("Etiket")); // the main window's "Sabit Yazı"
    const int o = *m.Aktif_Nesne();
    const QRectF ilk = m.Nesne(o).Alan();

    // Drag 10 mm to the right (the drop rounds the grab to whole millimetres).
    surukle(b, piksel(b, ilk.center()), piksel(b, ilk.center() + QPointF(10, 0)));
    QVERIFY(std::abs(m.Nesne(o).Alan().left() - ilk.left() - 10) < 1);
    QVERIFY(std::abs(m.Nesne(o).Alan().top() - ilk.top()) < 1);

    // Resize by handle 4 at 200 %: the bottom-right corner follows the pointer.
    QVERIFY(w.Yakinlastir_Yuzde(100, 200));
    const QRectF once = m.Nesne(o).Alan();
    const QRectF t4 = m.Tutamaclar()[4];
    surukle(b, piksel(b, t4.topLeft() + QPointF(0.1, 0.1)),
            piksel(b, t4.topLeft() + QPointF(8.1, 3.1)));
    QVERIFY(std::abs(m.Nesne(o).Alan().width() - once.width() - 8) < 0.3);
    QVERIFY(std::abs(m.Nesne(o).Alan().height() - once.height() - 3) < 0.3);
    QCOMPARE(m.Nesne(o).Alan().topLeft(), once.topLeft());
    QVERIFY(m.Tutamaclar_Gorunur());
    QVERIFY(!w.Yakinlastir_Yuzde(200, 0));
    QVERIFY(w.Yakinlastir_Yuzde(200, 100));

    // Double-click, type, Enter.
    const QPoint orta = piksel(b, m.Nesne(o).Alan().center());
    QTest::mouseDClick(b, Qt::LeftButton, {}, orta);
    QLineEdit *editor = b->EditText();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), u"Etiket1"_s);
    editor->selectAll();
    QTest::keyClicks(editor, "Fiyat TL");
    QTest::keyClick(editor, Qt::Key_Delete); // edits the text, deletes no object
    QTest::keyClick(editor, Qt::Key_Escape); // does not cancel
    QVERIFY(editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QCOMPARE(m.Nesne(o).Nesne().Caption, u"Fiyat TL"_s);

    // A line, deleted with Delete, back with Ctrl+Z, gone again with Ctrl+Y.
    QVERIFY(m.Nesne_Ekle("YatayCizgi"));
    const int c = *m.Aktif_Nesne();
    QTest::mouseClick(b, Qt::LeftButton, {}, piksel(b, m.Nesne(c).Alan().center()));
    QTest::keyClick(b, Qt::Key_Delete);
    QVERIFY(!m.Nesne(c).Visible);
    QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(m.Nesne(c).Visible);
    QCOMPARE(m.Aktif_Nesne(), c);
    QTest::keyClick(b, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(!m.Nesne(c).Visible);
}

// A new design saved by name: what the file holds is what the window shows, cut to
// two decimals of a millimetre.
void DizaynFrmTesti::kayit() {
    QTemporaryDir klasor;
    const Oturum ot = oturum(klasor.path());
    SahteMesaj kutu;
    const auto pencere = yeniPencere(ot, kutu);
    DizaynFrm &w = *pencere;
    TasarimModeli &m = w.Model();
    QCOMPARE(w.windowTitle(), u"Yeni Tasarım[*]"_s);
    QVERIFY(m.Nesne_Ekle("Etiket", [](YuzeyNesnesi &n) {
        n.Alan_Ayarla(QRectF(3.339, 4.441, 20.126, 5.5));
        n.Nesne().Caption = u"Fiyat TL"_s;
    }));
    QVERIFY(w.isWindowModified());
    kutu.girdi_cevaplari.enqueue(u"Elle"_s);
    QVERIFY(w.Kaydet());
    QVERIFY(!w.isWindowModified());
    QCOMPARE(w.windowTitle(), u"Elle[*]"_s);
    TasarimBelgesi j;
    QVERIFY(!Tasarim_Dosyasi_Oku(klasor.filePath("Elle.ftr"), j));
    QCOMPARE(j.Tip, quint8(1));
    QCOMPARE(j.Nesne_Sayisi(), 1);
    const NesneKaydi &n = j.Nesneler[1];
    QCOMPARE(n.Caption + n.Tur, u"Fiyat TLE"_s);
    QCOMPARE((QList<float>{n.Left, n.Top, n.Width, n.Height}),
             (QList<float>{3.33f, 4.44f, 20.12f, 5.5f})); // cut, not rounded
    QCOMPARE(j.Detaylar[1].Height, float(Mm_Twip(40.0)));

    // Someone else saved the file since: asked first; "Hayır" keeps both.
    const QString yol = klasor.filePath("Elle.ftr");
    QByteArray baska = Dosya_Oku(yol);
    baska.replace("Fiyat TL", "Başkası");
    QVERIFY(Dosya_Yaz(yol, baska));
    QVERIFY(m.Nesne_Ekle("Etiket", [](YuzeyNesnesi &) {}));
    kutu.kutular.clear();
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
    QVERIFY(!w.Kaydet());
    QCOMPARE(kutu.metinler(), QStringList{Disarida_Degisti_Mesaji});
    QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::EvetHayir);
    QCOMPARE(Dosya_Oku(yol), baska);
    QVERIFY(w.isWindowModified());
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Evet);
    QVERIFY(w.Kaydet());
    QVERIFY(Dosya_Oku(yol) != baska);
    kutu.kutular.clear();
    QVERIFY(w.Kaydet()); // saved here last: no question
    QVERIFY(kutu.kutular.isEmpty());
}

void DizaynFrmTesti::nesnelerErisilebilir() {
    const Oturum ot = oturum(QStringLiteral(VARNEL_KAYNAK "/data/designs"));
    SahteMesaj kutu;
    DizaynFrm w(kutu, ot, u"A4 Etiket 3x8"_s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(kutu.kutular.isEmpty());
    QCOMPARE(w.windowTitle(), u"A4 Etiket 3x8[*]"_s);
    BolumGorunumu *b = w.Bolum();
    QAccessibleInterface *bolum = QAccessible::queryAccessibleInterface(b);
    QVERIFY(bolum);
    QCOMPARE(bolum->text(QAccessible::Name), u"Bolum(0)"_s);
    const auto cocuklar = [&] {
        QMap<QString, QAccessibleInterface *> c;
        for (int i = 0; i < bolum->childCount(); ++i)
            if (QAccessibleInterface *k = bolum->child(i); k->text(QAccessible::Description) != "")
                c.insert(k->text(QAccessible::Description), k);
        return c;
    };
    auto c = cocuklar();
    QCOMPARE(c.size(), 14); // 2 barcodes and 12 objects
    QCOMPARE(c["ZKOD(1)"]->text(QAccessible::Name), u"Barkod 123456789012"_s);
    QCOMPARE(c["Yatay_Cizgi(1)"]->text(QAccessible::Name), u"Yatay Çizgi"_s);
    TasarimModeli &m = w.Model();
    const int z = *m.Bul(Liste::ZKOD, 2);
    const QRect yer = b->Piksel(m.Nesne(z).Alan()).toAlignedRect();
    QCOMPARE(c["ZKOD(2)"]->rect(), QRect(b->mapToGlobal(yer.topLeft()), yer.size()));
    QCOMPARE(bolum->indexOfChild(c["ZKOD(2)"]), 1);
    QCOMPARE(bolum->childAt(c["ZKOD(2)"]->rect().center().x(), c["ZKOD(2)"]->rect().center().y()),
             c["ZKOD(2)"]);
    m.Nesne_Sil(z);
    c = cocuklar();
    QCOMPARE(c.size(), 13);
    QVERIFY(!c.contains("ZKOD(2)"));
}

void DizaynFrmTesti::kaydedilmemisKapatma() {
    QTemporaryDir klasor;
    const Oturum ot = oturum(klasor.path());
    SahteMesaj kutu;
    auto *w = yeniTasarim(ot, kutu);
    QSignalSpy kapandi(w, &DizaynFrm::Kapandi);
    w->show();
    w->Model().Nesne_Ekle("Alan");
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Iptal);
    QVERIFY(!w->close());
    QCOMPARE(kutu.metinler(),
             QStringList{"Tasarımda kaydedilmemiş değişiklikler var. Kaydedilsin mi?"});
    QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::EvetHayirIptal);
    // Yes with a cancelled name keeps the window too: nothing is lost.
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Evet);
    QVERIFY(!w->close());
    QVERIFY(QDir(klasor.path()).isEmpty());
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
    QPointer<DizaynFrm> izle(w);
    QVERIFY(w->close());
    QCOMPARE(kapandi.size(), 1);
    QTRY_VERIFY(!izle);
}

void DizaynFrmTesti::imleclerVeBolumKenari() {
    QTemporaryDir klasor;
    const Oturum ot = oturum(klasor.path());
    SahteMesaj kutu;
    const auto pencere = yeniPencere(ot, kutu);
    TasarimModeli &m = pencere->Model();
    BolumGorunumu *b = pencere->Bolum();
    m.Nesne_Ekle("Alan", [](YuzeyNesnesi &n) { n.Alan_Ayarla(QRectF(28, 18, 10, 5)); });
    m.Nesne_Sec(0);

    // Pointer shapes: a handle's sizing arrow, the vertical arrow near the bottom edge.
    QTest::mouseMove(b, piksel(b, m.Tutamaclar()[2].center()));
    QCOMPARE(b->cursor().shape(), Qt::SizeBDiagCursor);
    QTest::mouseMove(b, piksel(b, {10, 39}));
    QCOMPARE(b->cursor().shape(), Qt::SizeVerCursor);
    surukle(b, piksel(b, {10, 39}), piksel(b, {10, 44}));
    QVERIFY(std::abs(m.Bolum_Yuksekligi() - 45) < 0.3);
    QVERIFY(std::abs(b->height() - m.Bolum_Yuksekligi() * b->Piksel_Mm()) < 1); // grew with it
    QTest::mouseMove(b, piksel(b, {10, 20}));
    QCOMPARE(b->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(m.Rehberler().alan, u"B0"_s);

    // A window larger than its page: its own area reaches the window's far corner,
    // where the window's guides cross at the pointer and the section's hide.
    QWidget *alan = pencere->findChild<QWidget *>(u"DizaynAlani"_s);
    pencere->resize(alan->size() + QSize(200, 150));
    QTRY_VERIFY(alan->width() >= pencere->width() - 30);
    const QPoint kose(alan->width() - 20, alan->height() - 20);
    QTest::mouseMove(alan, kose);
    QCOMPARE(m.Rehberler().alan, u"F0"_s);
    QVERIFY(std::abs(m.Rehberler().x * b->Piksel_Mm() - kose.x()) < 1);
    const QImage resim = alan->grab().toImage();
    QCOMPARE(resim.pixelColor(kose.x() - 50, kose.y()), Secim_Rengi);
    QVERIFY(b->grab().toImage().pixelColor(piksel(b, {10, 20}).x(), 5) != Secim_Rengi);
}

void DizaynFrmTesti::yiginHerYerdeAyni() {
    // An opaque text over a barcode: its yellow ground covers the bars in the design
    // window, in the preview picture and on the PDF page alike, all at 96 dpi.
    QTemporaryDir k;
    const TestVeritabani t = Sqlite_Demo(k.path());
    QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
    TasarimBelgesi b;
    b.Detaylar[1] = {true, float(Mm_Twip(40.0)), float(Mm_Twip(60.0))};
    b.Kagit_Boyutu = 256;
    b.Sol_Bosluk = b.Sag_Bosluk = b.Ust_Bosluk = b.Alt_Bosluk = 0;
    NesneKaydi yazi;
    yazi.Tur = u"E"_s, yazi.Caption = u"Fiyat"_s, yazi.FontName = u"Arial"_s;
    yazi.Left = 15, yazi.Top = 10, yazi.Width = 10, yazi.Height = 6, yazi.FontSize = 8;
    yazi.ForeColor = 0, yazi.BackColor = 0x00FFFF; // yellow
    b.Nesneler.append(yazi);
    BarkodKaydi barkod;
    barkod.Left = 5, barkod.Top = 5, barkod.Width = 40, barkod.Height = 25;
    barkod.FontName = u"Tahoma"_s, barkod.FontSize = 8, barkod.ForeColor = 0;
    barkod.BackColor = 0xFFFFFF;
    b.Barkodlar.append(barkod);
    QVERIFY(!Tasarim_Dosyasi_Yaz(k.path(), u"Yigin"_s, b));

    const auto sari = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 90; };
    const QPointF yer(16, 15.5); // mm, inside the text's box, off its glyphs
    const Oturum ot = oturum(k.path());
    SahteMesaj kutu;
    DizaynFrm w(kutu, ot, u"Yigin"_s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage yuzey = w.Bolum()->grab().toImage();
    QVERIFY(sari(yuzey.pixel(piksel(w.Bolum(), yer))));

    const auto calistir = [&k, &t](const QStringList &a) {
        QProcess p;
        Program_Baslat(p, QStringList{u"--designs"_s, k.path()} + a +
                              QStringList{t.Satir(u"STOKKART.Stok_ID=1"_s)});
        return Program_Bekle(p);
    };
    const QString png = k.filePath(u"onizleme.png"_s), pdf = k.filePath(u"rapor.pdf"_s);
    Program_Sonucu s = calistir({u"preview"_s, u"Yigin"_s, u"--dpi"_s, u"96"_s, u"--out"_s, png});
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    const double px = 96 / 25.4;
    // The preview places texts by its own offset.
    QVERIFY(sari(QImage(png).pixel(((yer + QPointF(Nesne_Kaydirma, 0)) * px).toPoint())));
    s = calistir({u"print"_s, u"Yigin"_s, u"--out"_s, pdf});
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    Arac_Calistir(u"pdftoppm"_s,
                  {u"-r"_s, u"96"_s, u"-png"_s, u"-singlefile"_s, pdf, k.filePath(u"sayfa"_s)});
    QVERIFY(sari(QImage(k.filePath(u"sayfa.png"_s)).pixel((yer * px).toPoint())));
}

QTEST_MAIN(DizaynFrmTesti)
#include "tst_dizaynfrm.moc"
