#include "common/AlanBirakma.h"
#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "core/Birimler.h"
#include "designer/AlanSurukleme.h"
#include "designer/EklemeKomutlari.h"
#include "designer/OlcuMetni.h"
#include "designer/Ozellikler.h"
#include "designer/TasarimModeli.h"
#include "dialogs/pencere/BarKodOzFrm.h"
#include "dialogs/pencere/FormTasarimGiris.h"
#include "dialogs/pencere/OutPutFormatFrm.h"
#include "mainwindow/MDIView.h"
#include "mainwindow/OzellikPaneli.h"
#include "mainwindow/PencereAkisi.h"
#include "mainwindow/UstPanel.h"
#include "output/SayfaHedefi.h"
#include "output/pencere/RaporGoruntuleyici.h"
#include "preview/pencere/OnizlemeFrm.h"
#include "startup/Baslangic.h"
#include "startup/Oturum.h"

#include "core/SayiMetni.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const NesneKaydi &son(MDIView &w) {
    TasarimModeli &m = w.Tasarim()->Model();
    return m.Nesne(*m.Aktif_Nesne()).Nesne();
}

bool ekranda(QWidget &w) {
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// Shown, then at 100 % (a design opens zoomed to fit its window).
bool ekranda(MDIView &w) {
    if (!ekranda(static_cast<QWidget &>(w)))
        return false;
    QCoreApplication::processEvents(); // the first fit
    w.Menu("MNYuzde100")->trigger();
    return w.Tasarim()->Model().Yuzde() == 100;
}

bool menulerAcik(MDIView &w) {
    bool acik = true;
    for (const char *ad : {"MNDosya", "MNAlanIslem", "MNDuzen", "MNYaziciIslem", "MNGorunum"})
        acik = acik && w.findChild<QMenu *>(ad)->menuAction()->isEnabled();
    return acik;
}

} // namespace

// The main window: menus, tool bar, field list, the report and label previews and
// direct printing.
class MDIViewTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath("ayar"));
        QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/Baslik.mtr"),
                    klasor_.filePath("Baslik.mtr"));
        for (const char *ad : {"A4 Etiket 3x8.ftr", "Raf Etiketi.ftr", "Raf Etiketi Yönetmelik.ftr",
                               "Resimler/yerli_uretim_yer_tutucu.svg"}) {
            QDir().mkpath(QFileInfo(klasor_.filePath(ad)).path());
            QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/designs/") + QString::fromUtf8(ad),
                        klasor_.filePath(QString::fromUtf8(ad)));
        }
        vt_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
    }
    void init() {
        o_ = Oturum();
        o_.Tasarim_Klasoru = klasor_.path();
        ad_.clear();
    }
    void menuKomutlari();
    void menuAyarlari();
    void aracCubugu();
    void alanSurukleme();
    void onizlemeRaporu();
    void bakmakIcin();
    void ornekVeri();
    void dogrudanYazdirBirKez();
    void yeniTasarimdanPdfe();
    void cokluSecimVeHizalama();
    void pencereYeri();
    void rafOgeleri();

private:
    // The demo design on the first two demo items, opened as the chooser opens it.
    void demoTasarim(SahteMesaj &kutu, int adet) {
        Baslangic_Sonucu s = Main(kutu, vt_.Satir("STOKKART.Stok_ID<=2", adet), klasor_.path());
        QVERIFY(s.devam);
        o_ = std::move(s.oturum);
        ad_ = u"A4 Etiket 3x8"_s;
    }
    QTemporaryDir klasor_;
    Oturum o_;
    QString ad_; // empty: a new design
    TestVeritabani vt_;
};

void MDIViewTesti::menuKomutlari() {
    SahteMesaj kutu;
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(w));
    TasarimModeli &m = w.Tasarim()->Model();

    // Menu items by hand and commands by name: list, caption and tag of what they make.
    struct {
        const char *ad, *tanim, *baslik, *etiket;
    } const tablo[] = {
        {"MnEtiket", "Etiket(1)", "Etiket1", ""},
        {"MNYatayCizgi", "Yatay_Cizgi(1)", "", ""},
        {"MNDikeyCizgi", "Dikey_Cizgi(1)", "", ""},
        {"MnBarkod", "ZKOD(1)", nullptr, nullptr},
        {"MnParametre", "Etiket(2)", "Parametre", "PR_Parametre"},
        {"MNFirma_Adi", "Alan(1)", "Firma_Ad", "O_Firma_Ad"},
        {"MNFirma_Kodu", "Alan(2)", "Firma_Kod", "O_Firma_Kod"},
        {"MNTarih", "Alan(3)", "Tarih", "O_Tarihdd.mm.yyyy"},
        {"MNSaat", "Alan(4)", "Saat", "O_Saat"},
    };
    for (size_t i = 0; i < std::size(tablo); ++i) {
        if (i % 2)
            w.Menu_Click(tablo[i].ad);
        else
            w.Menu(tablo[i].ad)->trigger();
        const YuzeyNesnesi &n = m.Nesne(*m.Aktif_Nesne());
        QCOMPARE(n.Tanim(), QString(tablo[i].tanim));
        // Selected, at a free place: over no element made before it.
        QCOMPARE(m.Secim(), QList<int>{*m.Aktif_Nesne()});
        for (int j = 0; j < *m.Aktif_Nesne(); ++j)
            QVERIFY2(!m.Nesne(j).Alan().intersects(n.Alan().adjusted(0.01, 0.01, -0.01, -0.01)),
                     tablo[i].ad); // touching is free
        if (tablo[i].baslik) {
            QCOMPARE(n.Nesne().Caption, QString(tablo[i].baslik).isEmpty() && n.Cizgi_Mi()
                                            ? QString()
                                            : QString(tablo[i].baslik));
            QCOMPARE(n.Nesne().Tag, QString(tablo[i].etiket));
        }
    }
    QCOMPARE(m.Toplam(), 9);
    // The settings dialogs open only on their kind of object.
    m.Nesne_Sec(*m.Bul(Liste::ZKOD, 1));
    w.Menu_Click("MNAlanFormat");
    QVERIFY(!w.findChild<OutPutFormatFrm *>());
    w.Menu_Click("MNBarKodOz");
    QVERIFY(w.findChild<BarKodOzFrm *>());
    m.Nesne_Sec(*m.Bul(Liste::Alan, 4));
    w.Menu_Click("MNAlanFormat");
    QVERIFY(w.findChild<OutPutFormatFrm *>());
    QVERIFY(w.Menu("MNGeriAl")->isEnabled());
    w.Menu("MNGeriAl")->trigger();
    QCOMPARE(m.Belge().Nesne_Sayisi(), 7);
    QVERIFY(w.Menu("MNYinele")->isEnabled());
    w.Menu("MNYinele")->trigger();

    kutu.girdi_cevaplari << u"Ana_Birim_Barkod"_s << std::nullopt << u" "_s;
    for (int i = 0; i < 3; ++i)
        w.Menu("MNKullaniciT")->trigger();
    QCOMPARE(kutu.girdiler[0].istem, u"Alan adını giriniz"_s);
    QCOMPARE(m.Toplam(), 10);
    QCOMPARE(son(w).Caption, u"Ana_Birim_Barkod"_s);
    m.Nesne_Sec(m.Aktif_Nesne());
    w.Menu("MNCikar")->trigger();
    QVERIFY(!m.Nesne(9).Visible);
}

// A new design's settings: grid, printer kind, first save.
void MDIViewTesti::menuAyarlari() {
    SahteMesaj kutu;
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(w));
    TasarimModeli &m = w.Tasarim()->Model();
    QVERIFY(m.Kareli_Acik() && m.Kareli_Adim() == 3 && w.Menu("MNKare3")->isChecked());
    QVERIFY(!w.Menu("MNKaydet")->isEnabled()); // a new design is named first
    QVERIFY(!w.Menu("MNGeriAl")->isEnabled() && !w.Menu("MNYinele")->isEnabled());

    // The grid items: one checked at a time, "Düz" turns the grid off.
    for (const char *ad : {"MNKare5", "MNDuz", "MNKare7"}) {
        w.Menu(ad)->trigger();
        QCOMPARE(m.Kareli_Acik(), QString(ad) != "MNDuz");
    }
    QVERIFY(w.Menu("MNKare7")->isChecked() && !w.Menu("MNKare3")->isChecked());
    QCOMPARE(m.Kareli_Adim(), 7);

    // The printer kind switches "Etiket Ayarları" and is one undo step.
    QVERIFY(!w.Menu("MnEtiketAyarlari")->isEnabled());
    w.Menu("MnLazerYazicidir")->trigger();
    QVERIFY(w.Menu("MnEtiketAyarlari")->isEnabled() && w.Menu("MnLazerYazicidir")->isChecked());
    QVERIFY(!w.Menu("MnBarkodYazicidir")->isChecked());
    w.Menu("MNGeriAl")->trigger();
    QVERIFY(!w.Menu("MnEtiketAyarlari")->isEnabled() && w.Menu("MnBarkodYazicidir")->isChecked());
    w.Menu("MnLazerYazicidir")->trigger();

    w.Menu("MnBarkod")->trigger();
    kutu.girdi_cevaplari << u"Menü"_s;
    w.Menu("MNFKaydet")->trigger();
    QVERIFY(w.Menu("MNKaydet")->isEnabled()); // named now
}

void MDIViewTesti::aracCubugu() {
    SahteMesaj kutu;
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(w));
    TasarimModeli &m = w.Tasarim()->Model();
    UstPanel *p = w.Arac_Cubugu();
    for (const char *ad :
         {"YazdirBtn", "Onizleme", "SayfaAyar_Image", "FormatButon", "Bold", "Italic", "ULine",
          "BackColor", "Fore_Color_Image", "Image1(0)", "Image1(1)", "Image1(2)"})
        QVERIFY2(p->Dugme(ad) && !p->Dugme(ad)->accessibleName().isEmpty(), ad);
    QCOMPARE(p->RotateTxt()->accessibleName(), u"Döndürme"_s);
    QCOMPARE(p->Yakinlastir()->accessibleName(), u"Yakınlaştırma"_s);

    w.Menu_Click("MNEtiket");
    const int o = *m.Aktif_Nesne();
    m.Nesne_Sec(o);
    QCOMPARE(p->Label1()->text(), u"5,322917  /  1,322917"_s);
    QCOMPARE(p->Font_Combo()->currentText(), u"Arial"_s);
    QCOMPARE(p->Font_Combo()->accessibleName(), u"Yazı Tipi Adı"_s);
    QCOMPARE(p->Font_Size()->accessibleName(), u"Yazı Tipi Boyutu"_s);
    QToolButton *kalin = p->Dugme("Bold");
    QTest::mouseClick(kalin, Qt::LeftButton);
    QVERIFY(m.Nesne(o).Nesne().FontBold && kalin->isChecked());
    kalin->toggle(); // what an accessibility Toggle does
    QVERIFY(!m.Nesne(o).Nesne().FontBold && !kalin->isChecked());
    QTest::mouseClick(p->Dugme("Image1(2)"), Qt::LeftButton);
    QCOMPARE(m.Nesne(o).Nesne().Alignment, qint16(2));

    // Colours and fonts through scripted dialogs; a cancel changes nothing.
    std::optional<QColor> renk;
    p->Renk_Sor = [&](const QColor &) { return renk; };
    QTest::mouseClick(p->Dugme("BackColor"), Qt::LeftButton);
    QCOMPARE(m.Nesne(o).Nesne().BackColor, Varsayilan_Arka_Renk);
    renk = QColor(255, 0, 0);
    QTest::mouseClick(p->Dugme("Fore_Color_Image"), Qt::LeftButton);
    QCOMPARE(m.Nesne(o).Nesne().ForeColor, 0x0000FF);
    // Family and size from the tool bar's boxes: each changes only itself.
    const int tahoma = p->Font_Combo()->findText(u"Tahoma"_s);
    QVERIFY(tahoma >= 0);
    p->Font_Combo()->setCurrentIndex(tahoma);
    emit p->Font_Combo()->activated(tahoma);
    QCOMPARE(m.Nesne(o).Nesne().FontName, u"Tahoma"_s);
    p->Font_Size()->setEditText(u"12,5"_s);
    QTest::keyClick(p->Font_Size()->lineEdit(), Qt::Key_Return);
    QCOMPARE(m.Nesne(o).Nesne().FontSize, 12.5f);
    QCOMPARE(m.Nesne(o).Nesne().FontName, u"Tahoma"_s); // kept after the size
    p->Font_Size()->setEditText(u"0"_s);
    QTest::keyClick(p->Font_Size()->lineEdit(), Qt::Key_Return);
    QCOMPARE(m.Nesne(o).Nesne().FontSize, 12.5f);
    QCOMPARE(p->Font_Size()->currentText(), u"12,5"_s);

    // Rotation box: whole degrees with Enter; anything else shows the angle again.
    const QSizeF boyut = m.Nesne(o).Alan().size();
    p->RotateTxt()->setText("90");
    QTest::keyClick(p->RotateTxt(), Qt::Key_Return);
    QCOMPARE(m.Nesne(o).Nesne().Escapement, qint16(90));
    QCOMPARE(m.Nesne(o).Alan().size(), boyut.transposed());
    p->RotateTxt()->setText("45,5");
    QTest::keyClick(p->RotateTxt(), Qt::Key_Return);
    QCOMPARE(p->RotateTxt()->text(), u"90"_s);
    // Zoom box: a refused percent shows the one in force again.
    p->Yakinlastir()->setFocus();
    p->Yakinlastir()->setText("0");
    QTest::keyClick(p->Yakinlastir(), Qt::Key_Return);
    QCOMPARE(m.Yuzde(), 100.0);
    QCOMPARE(p->Yakinlastir()->text(), u"100"_s);
    // A fit to the page with the keyboard in the box: the box shows it, Enter keeps it.
    w.Menu("MNSigdir")->trigger();
    const double sigan = m.Yuzde();
    QVERIFY(sigan != 100.0);
    QCOMPARE(p->Yakinlastir()->text(), Tek_Metni(float(sigan), o_.ayirac));
    QTest::keyClick(p->Yakinlastir(), Qt::Key_Return);
    QCOMPARE(m.Yuzde(), sigan);
}

void MDIViewTesti::alanSurukleme() {
    SahteMesaj kutu;
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(w));
    AlanGrd *g = w.Alan_Listesi();
    QCOMPARE(g->rowCount(), 16);
    QCOMPARE(g->item(1, 0)->text(), u"Stok_Adi"_s);
    const auto veri = Alan_Birak(w, 1, {40, 30});
    QVERIFY(veri);
    const auto alan = Alan_Verisi_Oku(*veri);
    QCOMPARE(alan->ad, u"Stok_Adi"_s);
    QCOMPARE(alan->tutma_x, 10 * 1440.0 / g->logicalDpiX());
    BolumGorunumu *b = w.Tasarim()->Bolum();
    const QPoint nokta = (QPointF(40, 30) * b->Piksel_Mm()).toPoint();
    TasarimModeli &m = w.Tasarim()->Model();
    QCOMPARE(m.Toplam(), 1);
    QCOMPARE(m.Nesne(0).Nesne().Caption, u"Stok_Adi"_s);
    const QPointF beklenen = b->Mm(nokta) - QPointF(Twip_Mm(alan->tutma_x), Twip_Mm(alan->tutma_y));
    QVERIFY((m.Nesne(0).Alan().topLeft() - beklenen).manhattanLength() < 1e-4);
    QCOMPARE(m.Nesne(0).Tanim(), u"Alan(1)"_s);
    QVERIFY(m.Tutamaclar_Gorunur()); // the dropped field is selected

    // Zoomed to 200 %: the grab point is half as many millimetres.
    QVERIFY(m.Yakinlastir_Yuzde(100, 200));
    QVERIFY(Alan_Birak(w, 1, {20, 15}));
    const QPointF zoomlu = b->Mm((QPointF(20, 15) * b->Piksel_Mm()).toPoint()) -
                           QPointF(Twip_Mm(alan->tutma_x / 2), Twip_Mm(alan->tutma_y / 2));
    QVERIFY((m.Nesne(1).Alan().topLeft() - zoomlu).manhattanLength() < 1e-4);
}

void MDIViewTesti::onizlemeRaporu() {
    SahteMesaj kutu;
    demoTasarim(kutu, 3);
    MDIView w(kutu, o_, ad_);
    w.show();
    QVERIFY(w.Acildi());
    kutu.girdi_cevaplari << u"İndirim"_s;
    QTest::mouseClick(w.Arac_Cubugu()->Dugme("Onizleme"), Qt::LeftButton);
    auto *r = w.findChild<RaporGoruntuleyici *>();
    QVERIFY(r);
    QTRY_VERIFY(r->Dizim_Bitti());
    QStringList metinler;
    for (const CizimOgesi &o : r->Sayfa(0).ogeler)
        metinler << o.metin;
    QCOMPARE(metinler.count("Şeker 1 kg"), 1); // one label per item
    QCOMPARE(metinler.count("Süzme Yoğurt 1 kg"), 1);
    QVERIFY(metinler.contains("İndirim"));
    r->close();
}

void MDIViewTesti::ornekVeri() {
    // The start line selects two items: the surface shows the first one's values,
    // steps to the second, and shows captions when "Örnek Veri" is off.
    SahteMesaj kutu;
    demoTasarim(kutu, 1);
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(w));
    BolumGorunumu *b = w.Tasarim()->Bolum();
    const TasarimModeli &m = w.Tasarim()->Model();
    const auto bul = [&m](const QString &baslik) {
        for (int i = 0; i < m.Toplam(); ++i)
            if (!m.Nesne(i).Barkod_Mu() && m.Nesne(i).Nesne().Caption == baslik)
                return i;
        return -1;
    };
    const int ad = bul(u"Stok_Adi"_s);
    QVERIFY(ad >= 0);
    QVERIFY(w.Menu("MNOrnekVeri")->isChecked());
    QCOMPARE(w.Ornek_Stok()->accessibleName(), u"Örnek Stok"_s);
    QCOMPARE(b->Cizim(ad).first().metin, u"Şeker 1 kg"_s);
    // Formatted by the report's rules: the money field as the report prints it.
    QCOMPARE(b->Cizim(bul(u"Fiyat1"_s)).first().metin, u"42,50"_s);
    QCOMPARE(b->Cizim(bul(u"TL_Fiyat1"_s)).first().metin, u"42500000"_s);
    w.Ornek_Stok()->setValue(2);
    QCOMPARE(b->Cizim(ad).first().metin, u"Süzme Yoğurt 1 kg"_s);
    QCOMPARE(w.Ornek_Stok()->maximum(), 2);
    w.Menu("MNOrnekVeri")->trigger();
    QVERIFY(!b->Ornek_Veri_Acik());
    QCOMPARE(b->Cizim(ad).first().metin, u"Stok_Adi"_s);
    w.Menu("MNOrnekVeri")->trigger();
    // A small label opens whole: no scroll bar over it.
    {
        MDIView kucuk(kutu, o_, u"Raf Etiketi"_s);
        QVERIFY(ekranda(kucuk) && kucuk.Acildi());
        const auto *alan = kucuk.Tasarim()->findChild<QScrollArea *>();
        QVERIFY(alan);
        QVERIFY(!alan->horizontalScrollBar()->isVisible());
        QVERIFY(!alan->verticalScrollBar()->isVisible());
    }
    // A name squeezed into 2 mm does not fit even at 4 pt: outlined, with its tip.
    QVERIFY(!b->Tasiyor(ad));
    w.Tasarim()->Model().Degistir(
        ad, [](YuzeyNesnesi &n) { n.Nesne().Width = 2; }, u"dar"_s);
    QVERIFY(b->Tasiyor(ad));
    const QImage resim = b->grab().toImage();
    const QRect kutu_ = b->Piksel(m.Nesne(ad).Alan()).toAlignedRect();
    QCOMPARE(QColor(resim.pixel(kutu_.left(), kutu_.center().y())), QColor(0xD0, 0x10, 0x10));
}

void MDIViewTesti::bakmakIcin() {
    SahteMesaj kutu;
    demoTasarim(kutu, 1);
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(w));
    // The tool bar shows the element selected as the design opens.
    const TasarimModeli &m = w.Tasarim()->Model();
    QCOMPARE(w.Arac_Cubugu()->Font_Combo()->currentText(),
             Arac_Durumu(m.Nesne(*m.Aktif_Nesne()), o_.ayirac).yazi_tipi);
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

void MDIViewTesti::dogrudanYazdirBirKez() {
    SahteMesaj kutu;
    demoTasarim(kutu, 1);
    MDIView w(kutu, o_, ad_);
    const QString pdf = klasor_.filePath("dogrudan.pdf");
    w.Dogrudan_Yazici = [&pdf](bool) -> Acilan_Hedef {
        return std::unique_ptr<SayfaHedefi>(std::make_unique<PdfHedefi>(pdf));
    };
    QVERIFY(ekranda(w));
    kutu.girdi_cevaplari << u"Yaz"_s << u"2"_s;
    w.Menu("MNDogrudanYazdir")->trigger();
    QVERIFY(w.Onizleme());
    QCOMPARE(kutu.girdiler.size(), 2); // the one parameter, then labels per item
    QCOMPARE(kutu.girdiler[1].istem, u"Stok Başına Kaç Adet Barkod Basmak İstiyorsunuz"_s);
    QCOMPARE(w.Onizleme()->Basilan_Sayfa(), 4);
    QCOMPARE(Pdf_Metni(pdf).count("Şeker 1 kg"), 2);
    // The preview state: no menus, no tool bar, no design window, its side panels still.
    const auto paneller = [&w] {
        return w.findChild<QDockWidget *>("AlanPaneli")->isEnabled() +
               w.findChild<QDockWidget *>("OzellikRihtimi")->isEnabled();
    };
    QVERIFY(!menulerAcik(w) && !w.Arac_Cubugu()->isVisible());
    QVERIFY(!w.Tasarim()->parentWidget()->isVisible());
    QCOMPARE(paneller(), 0);
    QVERIFY(!w.Menu("MNOnizleme")->isVisible());
    // Activated again, it only draws.
    w.Onizleme()->Etkinlestir();
    QCOMPARE(kutu.girdiler.size(), 2);

    w.Onizleme()->parentWidget()->close();
    QTRY_VERIFY(!w.Onizleme());
    QVERIFY(menulerAcik(w) && w.Arac_Cubugu()->isVisible());
    QVERIFY(w.Tasarim()->parentWidget()->isVisible());
    QVERIFY(w.Menu("MNOnizleme")->isVisible());
    QCOMPARE(paneller(), 2);
}

// A newcomer's road through the windows: a new design in the main window, saved,
// then printed from the chooser to a PDF.
void MDIViewTesti::yeniTasarimdanPdfe() {
    SahteMesaj kutu;
    Baslangic_Sonucu b = Main(kutu, vt_.Satir("STOKKART.Stok_ID<=2", 0), klasor_.path());
    QVERIFY(b.devam);

    PencereAkisi akis(kutu, b.oturum);
    QSignalSpy bitti(&akis, &PencereAkisi::Bitti);
    akis.Baslat();
    FormTasarimGiris *secici = akis.Secici();
    QVERIFY(QTest::qWaitForWindowExposed(secici));
    QTest::mouseClick(secici->Button(1), Qt::LeftButton); // "Yeni"
    MDIView *w = akis.Ana_Pencere();
    QVERIFY(w && w->isVisible() && !secici->isVisible());
    TasarimModeli &m = w->Tasarim()->Model();

    w->Menu("MnBarkod")->trigger();
    QVERIFY(Alan_Birak(*w, 1, {5, 20})); // Stok_Adi
    QVERIFY(Alan_Birak(*w, 8, {5, 30})); // Fiyat1, selected after the drop
    QCOMPARE(m.Nesne(*m.Aktif_Nesne()).Nesne().Caption, u"Fiyat1"_s);
    kutu.girdi_cevaplari << u"İlk Etiket"_s;
    w->Menu("MNFKaydet")->trigger();
    QVERIFY(QFile::exists(klasor_.filePath("İlk Etiket.ftr")));

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
    QStringList metinler;
    for (const CizimOgesi &o : r->Sayfa(0).ogeler)
        metinler << o.metin;
    QVERIFY(metinler.contains(u"Şeker 1 kg"_s) && metinler.contains(u"42,5"_s));
    r->close();

    QTest::mouseClick(secici->Button(5), Qt::LeftButton); // "Vazgeç"
    QCOMPARE(bitti.size(), 1);
}

// Two texts Shift+clicked, aligned left from the menu, saved: the file has them at
// one left edge; the status bar tells the selection.
void MDIViewTesti::cokluSecimVeHizalama() {
    QVERIFY(QFile::copy(klasor_.filePath("Raf Etiketi.ftr"), klasor_.filePath("Hiza.ftr")));
    SahteMesaj kutu;
    ad_ = u"Hiza"_s;
    MDIView w(kutu, o_, ad_);
    QVERIFY(ekranda(static_cast<QWidget &>(w)));
    TasarimModeli &m = w.Tasarim()->Model();
    // The 60 x 40 mm label opens as large as its window shows it whole.
    QTRY_VERIFY(m.Yuzde() > 100);
    const QSize oda = w.Tasarim()->findChild<QScrollArea *>()->viewport()->size();
    const QSize etiket = w.Tasarim()->Bolum()->size();
    QVERIFY(etiket.width() <= oda.width() && etiket.height() <= oda.height());
    QVERIFY(etiket.width() * 1.2 > oda.width() || etiket.height() * 1.2 > oda.height());
    w.Menu("MNYuzde100")->trigger();
    BolumGorunumu *b = w.Tasarim()->Bolum();
    QList<int> yazilar;
    for (int i = 0; i < m.Toplam() && yazilar.size() < 2; ++i)
        if (m.Nesne(i).Visible && !m.Nesne(i).Barkod_Mu() && !m.Nesne(i).Cizgi_Mi() &&
            (yazilar.isEmpty() || m.Nesne(i).Alan().left() != m.Nesne(yazilar[0]).Alan().left()))
            yazilar.append(i);
    QCOMPARE(yazilar.size(), 2);
    const auto nokta = [&](int i) { return b->Piksel(m.Nesne(i).Alan()).center().toPoint(); };
    QTest::mouseClick(b, Qt::LeftButton, {}, nokta(yazilar[0]));
    QTest::mouseClick(b, Qt::LeftButton, Qt::ShiftModifier, nokta(yazilar[1]));
    QCOMPARE(m.Secim(), yazilar);
    const auto *durum = w.findChild<QLabel *>("SeciliSayisi");
    QCOMPARE(durum->text(), u"2 öğe seçili"_s);
    QCOMPARE(w.findChild<QLabel *>("SecimOlcusu")->text(), Alan_Metni(m.Secim_Alani(), m.Ayirac));
    w.Menu("MNSolaHizala")->trigger();
    QCOMPARE(m.Nesne(yazilar[1]).Nesne().Left, m.Nesne(yazilar[0]).Nesne().Left);
    // Copied and pasted with the keys: two new elements, 2 mm down and right, selected.
    const int toplam = m.Toplam();
    QTest::keyClick(b, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m.Toplam(), toplam + 2);
    QCOMPARE(m.Secim(), (QList<int>{toplam, toplam + 1}));
    // (The wide block is held back a hundredth of a millimetre by the label's edge.)
    const QPointF kayma = m.Nesne(toplam).Alan().topLeft() - m.Nesne(yazilar[0]).Alan().topLeft();
    QVERIFY2(std::abs(kayma.x() - 2) < 0.02 && kayma.y() == 2, qPrintable(Nokta_Metni(kayma, {})));
    QTest::keyClick(b, Qt::Key_Escape);
    QVERIFY(m.Secim().isEmpty());
    QCOMPARE(durum->text(), QString());

    // A position typed in the properties panel, then one no element can take.
    QTest::mouseClick(b, Qt::LeftButton, {}, nokta(yazilar[1]));
    QLineEdit *x = w.Ozellikler()->Kutu(Ozellik::X);
    QVERIFY(x->isEnabled());
    for (const char *deger : {"12,5", "abc"}) {
        x->setFocus();
        x->selectAll();
        QTest::keyClicks(x, deger);
        QTest::keyClick(x, Qt::Key_Return);
    }
    QCOMPARE(m.Nesne(yazilar[1]).Alan().left(), 12.5);
    QCOMPARE(x->text(), u"12,50"_s);
    QCOMPARE(kutu.metinler().last(), u"Lütfen geçerli bir değer giriniz."_s);
}

// The main window opens again where, and as large as, it was closed.
void MDIViewTesti::pencereYeri() {
    SahteMesaj kutu;
    auto *w = new MDIView(kutu, o_, ad_);
    QVERIFY(ekranda(*w));
    w->resize(900, 640);
    QTRY_COMPARE(w->size(), QSize(900, 640));
    QVERIFY(w->close());
    QPointer<MDIView> yeni = new MDIView(kutu, o_, ad_);
    QCOMPARE(yeni->size(), QSize(900, 640));
    yeni->close();
}

// The regulation sample with sample data: its QR code reads the item's code and its
// mark is drawn; a code's kind changes from the properties panel; "Resim" copies the
// chosen file into the design folder.
void MDIViewTesti::rafOgeleri() {
    SahteMesaj kutu;
    Baslangic_Sonucu s = Main(kutu, vt_.Satir("STOKKART.Stok_ID<=2", 1), klasor_.path());
    QVERIFY(s.devam);
    o_ = std::move(s.oturum);
    MDIView w(kutu, o_, u"Raf Etiketi Yönetmelik"_s);
    QVERIFY(ekranda(w));
    TasarimModeli &m = w.Tasarim()->Model();
    BolumGorunumu *b = w.Tasarim()->Bolum();
    int kod = -1, resim = -1;
    for (int i = 0; i < m.Toplam(); ++i)
        (m.Nesne(i).liste == Liste::Kod ? kod : m.Nesne(i).liste == Liste::Resim ? resim : i) = i;
    QVERIFY(kod >= 0 && resim >= 0);
    QVERIFY(b->Cizim(resim).first().resim);
    const QString goruntu = klasor_.filePath(u"tasarim.png"_s);
    QVERIFY(b->grab().save(goruntu));
    QVERIFY2(Barkod_Coz(goruntu).contains(u"QR-Code:STK-0001"_s),
             qPrintable(Barkod_Coz(goruntu).join(u' ')));

    m.Nesne_Sec(kod);
    QComboBox *tur = w.Ozellikler()->Secenek(Ozellik::Kod_Turu);
    QVERIFY(tur->isEnabled());
    QCOMPARE(tur->currentData().toString(), u"QR"_s);
    QCOMPARE(tur->accessibleName(), u"Kod Türü"_s);
    tur->activated(tur->findData(u"DATAMATRIX"_s));
    QCOMPARE(m.Nesne(kod).Nesne().Tag, u"DATAMATRIX"_s);
    QVERIFY(b->Cizim(kod).first().barkod->Iki_Boyutlu());

    QTemporaryDir disarida;
    QImage logo(30, 30, QImage::Format_RGB32);
    logo.fill(Qt::black);
    QVERIFY(logo.save(disarida.filePath(u"logo.png"_s)));
    w.Resim_Sor = [&] { return disarida.filePath(u"logo.png"_s); };
    w.Menu(u"MNResim"_s)->trigger();
    QCOMPARE(son(w).Caption, u"Resimler/logo.png"_s);
    QCOMPARE(son(w).Tur, u"R"_s);
    QVERIFY(QFile::exists(klasor_.filePath(u"Resimler/logo.png"_s)));
    QCOMPARE(w.Ozellikler()->Kutu(Ozellik::Resim_Dosyasi)->text(), u"Resimler/logo.png"_s);
}

QTEST_MAIN(MDIViewTesti)
#include "tst_mdiview.moc"
