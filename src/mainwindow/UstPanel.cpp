#include "UstPanel.h"

#include "AracSimgeleri.h"

#include "core/Birimler.h"
#include "core/Renk.h"
#include "core/SayiMetni.h"
#include "designer/EklemeKomutlari.h"
#include "designer/TasarimModeli.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <cmath>

namespace {

QLabel *ornek(QWidget *ust, const QString &ad, const QString &erisim) {
    auto *l = new QLabel(ust);
    l->setObjectName(ad);
    l->setAccessibleName(erisim);
    l->setFixedSize(16, 16);
    return l;
}

void boya(QLabel *l, qint32 deger) {
    l->setStyleSheet(
        QStringLiteral("background: %1; border: 1px solid #555;").arg(Renk_Cevir(deger).name()));
}

// A box with the label that names it (the label is its accessible name too).
QLineEdit *kutu(QToolBar *t, const QString &ad, const QString &etiket, int en) {
    auto *l = new QLabel(etiket + u':', t);
    auto *k = new QLineEdit(t);
    k->setObjectName(ad);
    k->setAccessibleName(etiket);
    k->setFixedWidth(en);
    l->setBuddy(k);
    t->addWidget(l);
    t->addWidget(k);
    return k;
}

} // namespace

UstPanel::UstPanel(const Ayiraclar &ayirac, QWidget *ust) : QToolBar(ust), ayirac_(ayirac) {
    setObjectName(QStringLiteral("UstPanel"));
    setWindowTitle(QStringLiteral("Araç Çubuğu"));
    setMovable(false);
    Renk_Sor = [this](const QColor &c) -> std::optional<QColor> {
        const QColor s = QColorDialog::getColor(c, this);
        return s.isValid() ? std::optional(s) : std::nullopt;
    };
    komutlariKur();
    yaziDugmeleriniKur();
    kutulariKur();
}

void UstPanel::komutlariKur() {
    const auto komut = [this](const QString &ad) { return [this, ad] { emit Komut(ad); }; };
    connect(dugme("YazdirBtn", "Yazdır", "Yazdir"), &QToolButton::clicked, this, komut("MNYazdir"));
    // The preview toggle's second state belongs to the preview window: the main
    // window handles its clicks.
    dugme("Onizleme", "Önizleme", "Onizleme");
    connect(dugme("SayfaAyar_Image", "Sayfa Ayarları", "SayfaAyar"), &QToolButton::clicked, this,
            komut("MNSayfaAyar"));
    connect(dugme("FormatButon", "Alan Format", "Format"), &QToolButton::clicked, this,
            komut("MNAlanFormat"));
    addSeparator();
}

// Font, styles, colours and alignment of the selected object.
void UstPanel::yaziDugmeleriniKur() {
    // Family and size in boxes of our own: a font dialog would turn a family the
    // machine lacks ("Arial" drawn as Liberation Sans) into the one it drew with.
    yazi_tipi_ = new QComboBox(this);
    yazi_tipi_->setObjectName(QStringLiteral("Font_Combo"));
    yazi_tipi_->setAccessibleName(QStringLiteral("Yazı Tipi Adı"));
    yazi_tipi_->setToolTip(QStringLiteral("Yazı Tipi Adı"));
    yazi_tipi_->setMinimumContentsLength(14);
    QStringList aileler = QFontDatabase::families();
    for (const QString &a : {QStringLiteral("Arial"), QStringLiteral("Tahoma")})
        if (!aileler.contains(a))
            aileler.append(a);
    aileler.sort(Qt::CaseInsensitive);
    yazi_tipi_->addItems(aileler);
    addWidget(yazi_tipi_);
    connect(yazi_tipi_, &QComboBox::activated, this,
            [this](int i) { yaziTipi(yazi_tipi_->itemText(i), std::nullopt); });
    yazi_boyu_ = new QComboBox(this);
    yazi_boyu_->setObjectName(QStringLiteral("Font_Size"));
    yazi_boyu_->setAccessibleName(QStringLiteral("Yazı Tipi Boyutu"));
    yazi_boyu_->setToolTip(QStringLiteral("Yazı Tipi Boyutu"));
    yazi_boyu_->setEditable(true);
    for (int b : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72})
        yazi_boyu_->addItem(QString::number(b));
    yazi_boyu_->setMinimumContentsLength(4);
    addWidget(yazi_boyu_);
    connect(yazi_boyu_, &QComboBox::activated, this,
            [this](int i) { yaziBoyu(yazi_boyu_->itemText(i)); });
    connect(yazi_boyu_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { yaziBoyu(yazi_boyu_->currentText()); });
    const char16_t *stiller[][3] = {
        {u"Bold", u"Kalın", u"K"}, {u"Italic", u"Eğik", u"E"}, {u"ULine", u"Altı Çizgili", u"A"}};
    for (int i = 0; i < 3; ++i) {
        QToolButton *d =
            dugme(QString::fromUtf16(stiller[i][0]), QString::fromUtf16(stiller[i][1]));
        d->setText(QString::fromUtf16(stiller[i][2]));
        QFont f = d->font();
        f.setBold(i == 0), f.setItalic(i == 1), f.setUnderline(i == 2);
        d->setFont(f);
        d->setCheckable(true);
        // toggled, not clicked: an accessibility Toggle changes the element too.
        connect(d, &QToolButton::toggled, this, [this, i](bool acik) {
            if (!yansitiyor_)
                stil(i, acik);
        });
    }
    addSeparator();
    connect(dugme("BackColor", "Zemin Rengi", "Zemin"), &QToolButton::clicked, this,
            &UstPanel::FontRenk_Getir);
    arka_ornek_ = ornek(this, QStringLiteral("BackColor_Picture"), QStringLiteral("Zemin Rengi"));
    addWidget(arka_ornek_);
    connect(dugme("Fore_Color_Image", "Yazı Rengi", "Yazi"), &QToolButton::clicked, this,
            &UstPanel::ForeRenk_Getir);
    yazi_ornek_ = ornek(this, QStringLiteral("ForeColor_Picture"), QStringLiteral("Yazı Rengi"));
    addWidget(yazi_ornek_);
    addSeparator();
    const char16_t *hizalar[][2] = {
        {u"Sola Yasla", u"Sola"}, {u"Saga Yasla", u"Saga"}, {u"Ortala", u"Orta"}};
    for (int i = 0; i < 3; ++i)
        connect(dugme(QStringLiteral("Image1(%1)").arg(i), QString::fromUtf16(hizalar[i][0]),
                      QString::fromUtf16(hizalar[i][1])),
                &QToolButton::clicked, this, [this, i] { hizala(i); });
    addSeparator();
}

void UstPanel::kutulariKur() {
    donme_ = kutu(this, QStringLiteral("RotateTxt"), QStringLiteral("Döndürme"), 48);
    connect(donme_, &QLineEdit::returnPressed, this, &UstPanel::dondur);
    yakinlik_ = kutu(this, QStringLiteral("Yakinlastir"), QStringLiteral("Yakınlaştırma"), 48);
    yakinlik_->setText(QStringLiteral("100"));
    yakinlik_->installEventFilter(this);
    connect(yakinlik_, &QLineEdit::returnPressed, this, &UstPanel::yakinlastir);
    addSeparator();
    konum_ = new QLabel(this);
    konum_->setObjectName(QStringLiteral("Label1"));
    konum_->setAccessibleName(QStringLiteral("Konum"));
    konum_->setMinimumWidth(120);
    addWidget(konum_);
}

QToolButton *UstPanel::dugme(const QString &ad, const QString &ipucu, const QString &simge) {
    auto *d = new QToolButton(this);
    d->setObjectName(ad);
    d->setToolTip(ipucu);
    d->setAccessibleName(ipucu);
    d->setText(ipucu);
    const QIcon resim = Arac_Simgesi(simge);
    d->setIcon(resim);
    d->setToolButtonStyle(resim.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    addWidget(d);
    return d;
}

QToolButton *UstPanel::Dugme(const QString &ad) const { return findChild<QToolButton *>(ad); }

void UstPanel::Onizleme_Basligi(const QString &baslik) {
    QToolButton *d = Dugme(QStringLiteral("Onizleme"));
    d->setText(baslik);
    d->setToolTip(baslik);
    d->setAccessibleName(baslik);
}

void UstPanel::Modeli_Bagla(TasarimModeli *model) {
    m_ = model;
    if (!m_)
        return;
    connect(m_, &TasarimModeli::Secildi, this,
            [this](int sira) { yansit(Arac_Durumu(m_->Nesne(sira), ayirac_)); });
    // The selected object changed by a step or its undo: the tool bar follows.
    connect(m_, &TasarimModeli::Nesne_Degisti, this, [this](int sira) {
        if (m_->Aktif_Nesne() == sira)
            yansit(Arac_Durumu(m_->Nesne(sira), ayirac_));
    });
    // A design opens with an element selected: show it from the start.
    if (const auto a = m_->Aktif_Nesne(); a && *a < m_->Toplam())
        yansit(Arac_Durumu(m_->Nesne(*a), ayirac_));
    // A zoom from elsewhere (fit to page, Ctrl+wheel) shows at once, also with the
    // keyboard in the box, unless something is being typed there.
    connect(m_, &TasarimModeli::Gorunum_Degisti, this, [this] {
        if (yakinlik_->hasFocus() && yakinlik_->isModified())
            return;
        yakinlik_->setText(Tek_Metni(float(m_->Yuzde()), ayirac_));
        onceki_yuzde_ = m_->Yuzde();
    });
}

void UstPanel::yansit(const AracDurumu &d) {
    // Showing the element's state is no change to it.
    yansitiyor_ = true;
    boya(arka_ornek_, d.BackColor);
    boya(yazi_ornek_, d.ForeColor);
    Dugme(QStringLiteral("Bold"))->setChecked(d.kalin);
    Dugme(QStringLiteral("Italic"))->setChecked(d.italik);
    Dugme(QStringLiteral("ULine"))->setChecked(d.alti_cizili);
    // A family the design uses is listed even when the machine lacks it.
    if (yazi_tipi_->findText(d.yazi_tipi) < 0 && !d.yazi_tipi.isEmpty())
        yazi_tipi_->addItem(d.yazi_tipi);
    yazi_tipi_->setCurrentIndex(yazi_tipi_->findText(d.yazi_tipi));
    yazi_boyu_->setEditText(Tek_Metni(d.yazi_boyu, ayirac_));
    yansitiyor_ = false;
    if (d.aci)
        donme_->setText(QString::number(*d.aci));
    konum_->setText(d.konum);
}

void UstPanel::stil(int hangi, bool acik) {
    if (!m_ || !m_->Aktif_Nesne())
        return; // only the button's look changes
    static const char16_t *adlar[] = {u"Kalın", u"Eğik", u"Altı Çizgili"};
    m_->Degistir(
        *m_->Aktif_Nesne(),
        [hangi, acik](YuzeyNesnesi &n) {
            std::visit(
                [&](auto &k) {
                    (hangi == 0 ? k.FontBold : hangi == 1 ? k.FontItalic : k.FontUnderline) = acik;
                },
                n.kayit);
        },
        QString::fromUtf16(adlar[hangi]));
}

void UstPanel::FontRenk_Getir() { renk(true); }
void UstPanel::ForeRenk_Getir() { renk(false); }

void UstPanel::renk(bool arka) {
    if (!m_ || !m_->Aktif_Nesne())
        return;
    const int sira = *m_->Aktif_Nesne();
    const qint32 once = std::visit(
        [arka](const auto &k) { return arka ? k.BackColor : k.ForeColor; }, m_->Nesne(sira).kayit);
    const auto secilen = Renk_Sor(Renk_Cevir(once));
    if (!secilen)
        return;
    const qint32 deger = Renk_Degeri(*secilen);
    m_->Degistir(
        sira,
        [arka, deger](YuzeyNesnesi &n) {
            std::visit([&](auto &k) { (arka ? k.BackColor : k.ForeColor) = deger; }, n.kayit);
        },
        arka ? QStringLiteral("Zemin Rengi") : QStringLiteral("Yazı Rengi"));
    boya(arka ? arka_ornek_ : yazi_ornek_, deger);
}

void UstPanel::yaziTipi(const std::optional<QString> &aile, std::optional<float> boyut) {
    if (!m_ || !m_->Aktif_Nesne())
        return;
    // Only what the user changed: a size never touches the family, nor the reverse.
    m_->Degistir(
        *m_->Aktif_Nesne(),
        [&](YuzeyNesnesi &n) {
            std::visit(
                [&](auto &k) {
                    if (aile)
                        k.FontName = *aile;
                    if (boyut)
                        k.FontSize = *boyut;
                },
                n.kayit);
        },
        aile ? QStringLiteral("Yazı Tipi") : QStringLiteral("Yazı Tipi Boyutu"));
}

void UstPanel::yaziBoyu(const QString &metin) {
    if (!m_ || !m_->Aktif_Nesne())
        return;
    double d = 0;
    if (Sayi_Oku(metin, d, ayirac_) && d >= 1 && d <= 500)
        yaziTipi(std::nullopt, float(d));
    else // the size in force again
        yansit(Arac_Durumu(m_->Nesne(*m_->Aktif_Nesne()), ayirac_));
}

void UstPanel::hizala(int i) {
    if (!m_ || !m_->Aktif_Nesne() || m_->Nesne(*m_->Aktif_Nesne()).Barkod_Mu())
        return;
    m_->Degistir(
        *m_->Aktif_Nesne(), [i](YuzeyNesnesi &n) { n.Nesne().Alignment = qint16(i); },
        QStringLiteral("Hizala"));
}

void UstPanel::dondur() {
    if (!m_ || !m_->Aktif_Nesne())
        return;
    const int sira = *m_->Aktif_Nesne();
    double d = 0;
    // Whole degrees only; anything else shows the object's angle again.
    if (Sayi_Oku(donme_->text(), d, ayirac_) && d == std::trunc(d) && std::abs(d) <= 3276)
        m_->Nesne_Donder(sira, qint16(d));
    else if (const auto aci = Arac_Durumu(m_->Nesne(sira), ayirac_).aci)
        donme_->setText(QString::number(*aci));
}

void UstPanel::yakinlastir() {
    if (!m_)
        return;
    double yeni = 0;
    if (Sayi_Oku(yakinlik_->text(), yeni, ayirac_) && m_->Yakinlastir_Yuzde(onceki_yuzde_, yeni))
        onceki_yuzde_ = yeni;
    else
        yakinlik_->setText(Tek_Metni(float(m_->Yuzde()), ayirac_)); // the percent in force
}

bool UstPanel::eventFilter(QObject *o, QEvent *e) {
    if (o == yakinlik_ && e->type() == QEvent::FocusIn) {
        double d = 0;
        if (Sayi_Oku(yakinlik_->text(), d, ayirac_))
            onceki_yuzde_ = d;
    }
    return QToolBar::eventFilter(o, e);
}
