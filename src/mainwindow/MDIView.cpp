#include "MDIView.h"

#include "AlanGrd.h"
#include "AracSimgeleri.h"
#include "DurumCubugu.h"
#include "MenuAgaci.h"
#include "OzellikPaneli.h"
#include "UstPanel.h"
#include "core/MesajKutusu.h"
#include "core/pencere/PencereYeri.h"
#include "designer/EklemeKomutlari.h"
#include "designer/Pano.h"
#include "designer/TasarimModeli.h"
#include "designer/pencere/BolumGorunumu.h"
#include "designer/pencere/DizaynFrm.h"
#include "dialogs/pencere/BarKodOzFrm.h"
#include "dialogs/pencere/BaskiGecmisiFrm.h"
#include "dialogs/pencere/EtiketFormatFRM.h"
#include "dialogs/pencere/OutPutFormatFrm.h"
#include "dialogs/pencere/YaziciAyarlariFrm.h"
#include "output/pencere/Yazicilar.h"
#include "preview/pencere/OnizlemeFrm.h"
#include "printjob/BaskiIsi.h"
#include "printjob/OrnekVeri.h"
#include "printjob/pencere/RaporPenceresi.h"
#include "startup/Oturum.h"
#include "startup/TasarimKlasoru.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCompleter>
#include <QDockWidget>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QToolButton>
#include <cmath>
#include <utility>

MDIView::MDIView(MesajKutusu &kutu, const Oturum &oturum, const QString &ad, QWidget *ust)
    : QMainWindow(ust), kutu_(kutu), oturum_(oturum), alan_(new QMdiArea(this)),
      panel_(new UstPanel(oturum.ayirac, this)), alanlar_(new AlanGrd(this)),
      raflar_(std::make_unique<OrnekRaflari>(oturum.Tasarim_Klasoru)) {
    setObjectName(QStringLiteral("MDIView"));
    setWindowTitle(QStringLiteral("Barkod Tasarımı"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(alan_);
    addToolBar(Qt::TopToolBarArea, panel_);
    auto *rihtim = new QDockWidget(QStringLiteral("Alanlar"), this);
    rihtim->setObjectName(QStringLiteral("AlanPaneli"));
    rihtim->setFeatures(QDockWidget::NoDockWidgetFeatures);
    rihtim->setWidget(alanlar_);
    addDockWidget(Qt::LeftDockWidgetArea, rihtim);
    Menu_Agaci_Kur(menuBar(), [this](const QString &ad) { Menu_Click(ad); });
    connect(panel_, &UstPanel::Komut, this, &MDIView::Menu_Click);

    tasarim_ = new DizaynFrm(kutu_, oturum_, ad);
    tasarim_->Bolum()->Raf_Cizici_Ayarla([this](const NesneKaydi &n, const QRectF &alan) {
        return Ornek_Raf_Ogesi(n, alan, nullptr, oturum_.ayirac, *raflar_);
    });
    QMdiSubWindow *pencere = alan_->addSubWindow(tasarim_);
    pencere->setWindowIcon(Arac_Simgesi(QStringLiteral("Barkod")));
    // The design window fills the work area and follows it.
    pencere->showMaximized();
    connect(tasarim_, &DizaynFrm::Kapandi, this, [this] {
        tasarim_ = nullptr;
        if (!kapaniyor_)
            close();
    });
    TasarimModeli &m = tasarim_->Model();
    panel_->Modeli_Bagla(&m);
    ozellikler_ = new OzellikPaneli(this);
    auto *sag = new QDockWidget(QStringLiteral("Özellikler"), this);
    sag->setObjectName(QStringLiteral("OzellikRihtimi"));
    sag->setWidget(ozellikler_);
    addDockWidget(Qt::RightDockWidgetArea, sag);
    ozellikler_->Modeli_Bagla(&m);
    ozellikler_->Uyari = [this](const QString &metin) {
        kutu_.MsgBox(metin, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                     Program_Basligi);
    };
    ozellikler_->Renk_Sor = [this](const QColor &c) { return panel_->Renk_Sor(c); };
    ozellikler_->Bicim_Ac = [this] { Menu_Click(QStringLiteral("MNAlanFormat")); };
    ozellikler_->Barkod_Ac = [this] { Menu_Click(QStringLiteral("MNBarKodOz")); };
    ozellikler_->Resim_Sec = [this] { return resimSec(); };
    // A code's data offers the field list's columns as its "{Column}" parts.
    QStringList sutunlar;
    for (const QStringList &satir : tasarim_->Alanlar())
        if (!satir.value(0).isEmpty())
            sutunlar << u'{' + satir.value(0) + u'}';
    auto *tamamlayici = new QCompleter(sutunlar, ozellikler_);
    tamamlayici->setFilterMode(Qt::MatchContains);
    ozellikler_->Kutu(Ozellik::Veri)->setCompleter(tamamlayici);
    Menu(QStringLiteral("MNOzellikler"))->setChecked(true);
    connect(sag, &QDockWidget::visibilityChanged, Menu(QStringLiteral("MNOzellikler")),
            &QAction::setChecked);
    connect(Menu(QStringLiteral("MNOzellikler")), &QAction::toggled, sag, &QWidget::setVisible);
    auto *durum = new DurumCubugu(this);
    setStatusBar(durum);
    durum->Modeli_Bagla(&m);
    connect(tasarim_->Bolum(), &BolumGorunumu::Imlec_Konumu, durum, &DurumCubugu::Imlec);
    connect(tasarim_->Bolum(), &BolumGorunumu::Baglam_Menusu, this, &MDIView::baglamMenusu);
    alanlar_->Doldur(tasarim_->Alanlar());
    connect(&m.Yigin(), &QUndoStack::canUndoChanged, this, &MDIView::durumlariGuncelle);
    connect(&m.Yigin(), &QUndoStack::canRedoChanged, this, &MDIView::durumlariGuncelle);
    connect(&m.Yigin(), &QUndoStack::cleanChanged, this, &MDIView::durumlariGuncelle);
    connect(&m.Yigin(), &QUndoStack::indexChanged, this, &MDIView::durumlariGuncelle);
    Menu(QStringLiteral("MNOnizlemeKapat"))->setVisible(false);
    connect(panel_->Dugme(QStringLiteral("Onizleme")), &QToolButton::clicked, this,
            &MDIView::onizlemeDugmesi);
    connect(alan_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
        if (w && onizleme_ && w->widget() == onizleme_ && onizleme_hazir_)
            onizleme_->Etkinlestir();
    });
    Menu_Click(QStringLiteral("MNKare3")); // the grid is on at 3 mm when the window opens
    // Sample data: on when the start line selects an item.
    ornekler_ = Ornek_Stoklar(kutu_, oturum_);
    ornek_stok_ = new QSpinBox(panel_);
    ornek_stok_->setObjectName(QStringLiteral("OrnekStok"));
    ornek_stok_->setAccessibleName(QStringLiteral("Örnek Stok"));
    ornek_stok_->setToolTip(QStringLiteral("Örnek Stok"));
    ornek_stok_->setRange(1, std::max<int>(1, int(ornekler_.size())));
    auto *etiket = new QLabel(QStringLiteral("Örnek Stok:"), panel_);
    etiket->setBuddy(ornek_stok_);
    panel_->addWidget(etiket);
    panel_->addWidget(ornek_stok_);
    connect(ornek_stok_, &QSpinBox::valueChanged, this, &MDIView::ornekVeri);
    Menu(QStringLiteral("MNOrnekVeri"))->setEnabled(!ornekler_.isEmpty());
    Menu(QStringLiteral("MNOrnekVeri"))->setChecked(!ornekler_.isEmpty());
    ornekVeri();
    m.Gecmisi_Temizle();
    durumlariGuncelle();
    resize(1100, 760);
    Pencere_Yerini_Yukle(this, QStringLiteral("AnaPencere"));
}

MDIView::~MDIView() = default;

bool MDIView::Acildi() const { return tasarim_ && tasarim_->Acildi(); }

QAction *MDIView::Menu(const QString &ad) const { return findChild<QAction *>(ad); }

void MDIView::durumlariGuncelle() {
    if (!tasarim_)
        return;
    const TasarimModeli &m = tasarim_->Model();
    const bool lazer = m.Ayar.Tip == 1;
    Menu(QStringLiteral("MnBarkodYazicidir"))->setChecked(!lazer);
    Menu(QStringLiteral("MnLazerYazicidir"))->setChecked(lazer);
    Menu(QStringLiteral("MnEtiketAyarlari"))->setEnabled(lazer);
    // A new design is saved with "Farklı Kaydet" first.
    Menu(QStringLiteral("MNKaydet"))->setEnabled(!tasarim_->Tasarim_Adi().isEmpty());
    Menu(QStringLiteral("MNGeriAl"))->setEnabled(tasarim_->Model().Yigin().canUndo());
    Menu(QStringLiteral("MNYinele"))->setEnabled(tasarim_->Model().Yigin().canRedo());
}

namespace {

// The system clipboard: the elements as our own records and as plain text.
bool Panoya_Kopyala(const TasarimModeli &m) {
    const QByteArray kayit = Secim_Kaydi(m);
    if (kayit.isEmpty())
        return false;
    auto *veri = new QMimeData;
    veri->setData(Oge_Mime_Turu, kayit);
    veri->setText(Secim_Duz_Metni(m));
    QGuiApplication::clipboard()->setMimeData(veri);
    return true;
}

// Pastes and tells why a design could not take what was pasted.
void yapistir(TasarimModeli &m, MesajKutusu &kutu, const QByteArray &kayit,
              std::optional<QPointF> yer = {}) {
    if (const auto s = Yapistir(m, kayit, yer); !s)
        kutu.MsgBox(*s.Hatasi(), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                    Program_Basligi);
}

// The commands of the menus and the tool bar other than element creation.
struct MenuKomutu {
    const char16_t *ad;
    void (*calistir)(MDIView &w, MDIView::Komut_Baglami &b);
};

} // namespace

void MDIView::Menu_Click(const QString &girdi) {
    // The items "MnBarkod", "MnEtiket", "MnParametre" carry the commands "MN…".
    QString ad = girdi;
    if (ad.startsWith(QLatin1String("Mn")))
        ad.replace(0, 2, QStringLiteral("MN"));
    if (ad == u"MNCikis") {
        close();
        return;
    }
    if (ad == u"MNYaziciAyarlari") {
        (new YaziciAyarlariFrm(Yazici_Adlari(), this))->open();
        return;
    }
    if (ad == u"MNBaskiGecmisi") {
        auto *g = new BaskiGecmisiFrm(kutu_, oturum_, Gecmis(), this);
        g->setAttribute(Qt::WA_DeleteOnClose);
        g->open();
        return;
    }
    if (!tasarim_)
        return;
    TasarimModeli &m = tasarim_->Model();
    Komut_Baglami b{m, m.Aktif_Nesne()};
    using W = MDIView;
    using B = Komut_Baglami;
    static const MenuKomutu komutlar[] = {
        {u"MNKullaniciT", [](W &w, B &b) { w.kullaniciAlani(b.m); }},
        {u"MNKaydet", [](W &w, B &) { w.tasarim_->Kaydet(); }},
        {u"MNFKaydet", [](W &w, B &) { w.tasarim_->FarkliKaydet_Btn_Click(); }},
        {u"MNBarkodYazicidir", [](W &w, B &) { w.yaziciTuru(0); }},
        {u"MNLazerYazicidir", [](W &w, B &) { w.yaziciTuru(1); }},
        {u"MNOnizleme", [](W &w, B &) { w.raporGoster(false); }},
        {u"MNYazdir", [](W &w, B &) { w.raporGoster(true); }},
        {u"MNGeriAl", [](W &, B &b) { b.m.Geri_Al(); }},
        {u"MNYinele", [](W &, B &b) { b.m.Yinele(); }},
        {u"MNCikar", [](W &, B &b) { b.m.Secileni_Sil(); }},
        {u"MNOrnekVeri", [](W &w, B &) { w.ornekVeri(); }},
        {u"MNTumunuSec", [](W &, B &b) { b.m.Tumunu_Sec(); }},
        {u"MNSigdir", [](W &w, B &) { w.tasarim_->Sayfaya_Sigdir(); }},
        {u"MNYuzde100", [](W &, B &b) { b.m.Yakinlastir_Yuzde(b.m.Yuzde(), 100); }},
        {u"MNIzgarayaYapistir",
         [](W &w, B &b) { b.m.Izgaraya_Yapistir = w.Menu(QStringLiteral("MNIzgarayaYapistir"))->isChecked(); }},
        {u"MNKopyala", [](W &, B &b) { Panoya_Kopyala(b.m); }},
        {u"MNKes",
         [](W &, B &b) {
             if (Panoya_Kopyala(b.m))
                 b.m.Secimi_Sil();
         }},
        {u"MNYapistir",
         [](W &w, B &b) {
             if (const QMimeData *veri = QGuiApplication::clipboard()->mimeData())
                 yapistir(b.m, w.kutu_, veri->data(Oge_Mime_Turu),
                          std::exchange(b.m.Ekleme_Yeri, std::nullopt));
         }},
        {u"MNCogalt", [](W &w, B &b) { yapistir(b.m, w.kutu_, Secim_Kaydi(b.m)); }},
        {u"MNSolaHizala", [](W &, B &b) { b.m.Hizala(TasarimModeli::Hiza::Sol); }},
        {u"MNSagaHizala", [](W &, B &b) { b.m.Hizala(TasarimModeli::Hiza::Sag); }},
        {u"MNUsteHizala", [](W &, B &b) { b.m.Hizala(TasarimModeli::Hiza::Ust); }},
        {u"MNAltaHizala", [](W &, B &b) { b.m.Hizala(TasarimModeli::Hiza::Alt); }},
        {u"MNYatayOrtala", [](W &, B &b) { b.m.Hizala(TasarimModeli::Hiza::Yatay_Orta); }},
        {u"MNDikeyOrtala", [](W &, B &b) { b.m.Hizala(TasarimModeli::Hiza::Dikey_Orta); }},
        {u"MNYatayDagit", [](W &, B &b) { b.m.Dagit(true); }},
        {u"MNDikeyDagit", [](W &, B &b) { b.m.Dagit(false); }},
        {u"MNAyniGenislik", [](W &, B &b) { b.m.Ayni_Boyut(true); }},
        {u"MNOneGetir", [](W &, B &b) { b.m.One_Getir(); }},
        {u"MNArkayaGonder", [](W &, B &b) { b.m.Arkaya_Gonder(); }},
        {u"MNAyniYukseklik", [](W &, B &b) { b.m.Ayni_Boyut(false); }},
        {u"MNSayfaAyar", [](W &w, B &) { w.sayfaAyari(); }},
        {u"MNEtiketOnizleme", [](W &w, B &) { w.etiketOnizleme(false); }},
        {u"MNDogrudanYazdir", [](W &w, B &) { w.etiketOnizleme(true); }},
        {u"MNOnizlemeKapat",
         [](W &w, B &) {
             if (w.onizleme_)
                 w.onizleme_->parentWidget()->close();
         }},
        {u"MNEtiketAyarlari",
         [](W &w, B &b) {
             if (b.m.Ayar.Tip == 1)
                 (new EtiketFormatFRM(b.m, w.kutu_, &w))->open();
         }},
        {u"MNAlanFormat",
         [](W &w, B &b) {
             if (b.aktif && b.m.Nesne(*b.aktif).liste == Liste::Alan)
                 (new OutPutFormatFrm(b.m, *b.aktif, &w))->show();
         }},
        {u"MNBarKodOz",
         [](W &w, B &b) {
             if (b.aktif && b.m.Nesne(*b.aktif).Barkod_Mu())
                 (new BarKodOzFrm(b.m, *b.aktif, w.kutu_, &w))->show();
         }},
    };
    if (ad == u"MNResim") {
        if (const auto h = Sigmaz(m, false, true))
            kutu_.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                         Program_Basligi);
        else if (const auto yol = resimSec(); yol && Resim_Ekle(m, *yol))
            m.Nesne_Sec(m.Aktif_Nesne());
    } else if (Eklenecek_Liste(ad)) {
        // A new element is selected, so the next command acts on it.
        const bool barkod = *Eklenecek_Liste(ad) == Liste::ZKOD;
        if (const auto h = Sigmaz(m, barkod, !barkod))
            kutu_.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                         Program_Basligi);
        else if (Ekleme_Komutu(m, ad))
            m.Nesne_Sec(m.Aktif_Nesne());
    } else {
        if (ad == u"MNDuz" || ad.startsWith(QLatin1String("MNKare")))
            kareli(ad);
        for (const MenuKomutu &k : komutlar)
            if (ad == QStringView(k.ad))
                k.calistir(*this, b);
    }
    if (tasarim_)
        durumlariGuncelle();
}

void MDIView::baglamMenusu(QPoint ekran, QPointF mm) {
    QMenu menu(this);
    menu.setAccessibleName(QStringLiteral("Bağlam Menüsü"));
    QMenu *ekle = menu.addMenu(QStringLiteral("Ekle"));
    for (const char *ad :
         {"MnBarkod", "MNKod", "MNResim", "MnEtiket", "MNYatayCizgi", "MNDikeyCizgi",
          "MNKullaniciT", "MnParametre", "MNFirma_Adi", "MNFirma_Kodu", "MNTarih", "MNSaat"})
        ekle->addAction(Menu(QLatin1String(ad)));
    menu.addSeparator();
    for (const char *ad : {"MNKes", "MNKopyala", "MNYapistir", "MNCogalt"})
        menu.addAction(Menu(QLatin1String(ad)));
    menu.addSeparator();
    for (const char *ad : {"MNOneGetir", "MNArkayaGonder", "MNCikar"})
        menu.addAction(Menu(QLatin1String(ad)));
    // What the menu makes or pastes lands under the pointer.
    TasarimModeli &m = tasarim_->Model();
    m.Ekleme_Yeri = mm;
    menu.exec(ekran);
    m.Ekleme_Yeri.reset();
}

void MDIView::kullaniciAlani(TasarimModeli &m) {
    if (const auto cevap = kutu_.InputBox(QStringLiteral("Alan adını giriniz"), Program_Basligi)) {
        if (const auto h = Sigmaz(m, 0, 1))
            kutu_.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                         Program_Basligi);
        else if (Kullanici_Alani(m, *cevap))
            m.Nesne_Sec(m.Aktif_Nesne());
    }
}

void MDIView::kareli(const QString &ad) {
    static const char16_t *ogeler[] = {u"MNDuz", u"MNKare3", u"MNKare5", u"MNKare7", u"MNKare10"};
    for (const char16_t *o : ogeler)
        Menu(QString::fromUtf16(o))->setChecked(ad == QStringView(o));
    TasarimModeli &m = tasarim_->Model();
    m.Bolum_Temizle();
    if (ad != u"MNDuz")
        m.Kareli_Ciz(ad.mid(6).toInt());
}

void MDIView::yaziciTuru(quint8 tip) {
    TasarimModeli &m = tasarim_->Model();
    TasarimModeli::Ayarlar a = m.Ayar;
    a.Tip = tip;
    m.Ayar_Degistir(a, QStringLiteral("Yazıcı Türü"));
}

void MDIView::sayfaAyari() {
    TasarimModeli &m = tasarim_->Model();
    Rapor r;
    r.PageSettings = m.Ayar.PageSettings;
    r.Printer = m.Ayar.Printer;
    if (!Sayfa_Ayari_Goster(r, this))
        return; // a cancelled dialog changes nothing
    // Margins in whole twips of 56.7 to the millimetre.
    const auto twip = [](double t) {
        return double(std::lround(t * Twip_Basina_Mm * Dogrudan_Twip));
    };
    TasarimModeli::Ayarlar a = m.Ayar;
    a.PageSettings = {twip(r.PageSettings.LeftMargin), twip(r.PageSettings.RightMargin),
                      twip(r.PageSettings.TopMargin), twip(r.PageSettings.BottomMargin)};
    a.Printer.Orientation = r.Printer.Orientation;
    a.Printer.PaperSize = r.Printer.PaperSize;
    a.Printer.OzelKagit = r.Printer.OzelKagit;
    m.Ayar_Degistir(a, QStringLiteral("Sayfa Ayarları"));
}

void MDIView::raporGoster(bool yazdir) {
    BaskiIsi is;
    // Printing from the preview prints what it shows; otherwise the surface is gathered.
    const bool onizlemeden = yazdir && onizleme_ && alan_->activeSubWindow() &&
                             alan_->activeSubWindow()->widget() == onizleme_;
    if (onizlemeden) {
        is.Belge = onizleme_->Belge();
    } else if (auto belge = tasarim_->Topla()) {
        is.Belge = std::move(*belge);
    } else {
        return;
    }
    is.Tasarim_Adi = tasarim_->Tasarim_Adi();
    is.yazdir = yazdir;
    Rapor_Goster(kutu_, oturum_, is, this);
}

void MDIView::etiketOnizleme(bool dogrudan) {
    if (const auto belge = tasarim_->Topla())
        onizlemeAc(*belge, dogrudan);
}

void MDIView::Onizlemeye_Gec(bool geri) {
    if (tasarim_)
        tasarim_->parentWidget()->setVisible(geri);
    for (const char *ad : {"MNDosya", "MNAlanIslem", "MNDuzen", "MNYaziciIslem", "MNGorunum"})
        Menu(QString::fromLatin1(ad))->setEnabled(geri);
    panel_->setVisible(geri);
    // The hidden design must not change under the preview through its side panels.
    for (const char *ad : {"AlanPaneli", "OzellikRihtimi"})
        if (auto *rihtim = findChild<QDockWidget *>(QString::fromLatin1(ad)))
            rihtim->setEnabled(geri);
}

void MDIView::onizlemeAc(const TasarimBelgesi &belge, bool dogrudan) {
    if (onizleme_)
        onizleme_->Belge_Ayarla(belge);
    if (dogrudan && onizleme_)
        onizleme_->Dogrudan_Bas_Iste();
    if (!onizleme_) {
        onizleme_hazir_ = false;
        onizleme_ = new OnizlemeFrm(kutu_, oturum_, belge);
        onizleme_->Tasarim_Adi = tasarim_->Tasarim_Adi();
        if (dogrudan)
            onizleme_->Dogrudan_Bas_Iste();
        if (Dogrudan_Yazici)
            onizleme_->Yazici_Ac = Dogrudan_Yazici;
        connect(onizleme_, &OnizlemeFrm::Barkod_Olcusu, panel_->Label1(), &QLabel::setText);
        connect(onizleme_, &OnizlemeFrm::Kapandi, this, &MDIView::onizlemeKapandi);
        alan_->addSubWindow(onizleme_)->setWindowIcon(Arac_Simgesi(QStringLiteral("Onizleme")));
        if (dogrudan) {
            Menu(QStringLiteral("MNOnizlemeKapat"))->setVisible(false);
            Menu(QStringLiteral("MNOnizleme"))->setVisible(false);
            Onizlemeye_Gec(false);
        } else {
            panel_->Onizleme_Basligi(QStringLiteral("Önizlemeyi Kapat"));
            Menu(QStringLiteral("MNOnizlemeKapat"))->setVisible(true);
        }
        onizleme_->show();
    }
    alan_->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(onizleme_->parentWidget()));
    onizleme_->Etkinlestir();
    onizleme_hazir_ = true;
}

void MDIView::onizlemeKapandi() {
    Menu(QStringLiteral("MNOnizlemeKapat"))->setVisible(false);
    Menu(QStringLiteral("MNOnizleme"))->setVisible(true);
    panel_->Onizleme_Basligi(QStringLiteral("Önizleme"));
    Onizlemeye_Gec(true);
}

void MDIView::onizlemeDugmesi() {
    if (panel_->Dugme(QStringLiteral("Onizleme"))->text() == u"Önizleme")
        Menu_Click(QStringLiteral("MNOnizleme"));
    else if (onizleme_)
        onizleme_->parentWidget()->close();
}

void MDIView::closeEvent(QCloseEvent *e) {
    if (tasarim_) {
        kapaniyor_ = true;
        const bool kapandi = tasarim_->parentWidget()->close(); // asks about unsaved changes
        kapaniyor_ = false;
        if (!kapandi) {
            e->ignore();
            return;
        }
    }
    e->accept();
    Pencere_Yerini_Kaydet(this, QStringLiteral("AnaPencere"));
    emit Kapandi();
}

void MDIView::ornekVeri() {
    if (!tasarim_)
        return;
    const bool acik = Menu(QStringLiteral("MNOrnekVeri"))->isChecked() && !ornekler_.isEmpty();
    ornek_stok_->setEnabled(acik);
    if (!acik) {
        tasarim_->Bolum()->Ornek_Veri_Ayarla(std::nullopt);
        return;
    }
    OrnekStok &s = ornekler_[qBound(0, ornek_stok_->value() - 1, int(ornekler_.size()) - 1)];
    Ornek_Stogu_Tamamla(kutu_, oturum_, s);
    const Oturum &o = oturum_;
    tasarim_->Bolum()->Ornek_Veri_Ayarla(BolumGorunumu::OrnekVeri{
        [s, &o](const NesneKaydi &r) { return Ornek_Metni(r, s, o); }, s.barkod,
        [this, s](const NesneKaydi &n, const QRectF &alan) {
            return Ornek_Raf_Ogesi(n, alan, &s, oturum_.ayirac, *raflar_);
        }});
}

// A picture for the design: chosen by the user, copied into the design folder's
// Resimler/ when it lies elsewhere; its path relative to the folder.
std::optional<QString> MDIView::resimSec() {
    const QString dosya = Resim_Sor
                              ? Resim_Sor()
                              : QFileDialog::getOpenFileName(
                                    this, QStringLiteral("Resim Dosyası"), oturum_.Tasarim_Klasoru,
                                    QStringLiteral("Resimler (*.png *.jpg *.jpeg *.svg)"));
    if (dosya.isEmpty())
        return std::nullopt;
    const Sonuc<QString> yol = Resmi_Al(dosya, oturum_.Tasarim_Klasoru);
    if (!yol) {
        kutu_.MsgBox(*yol.Hatasi(), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                     Program_Basligi);
        return std::nullopt;
    }
    return *yol;
}
