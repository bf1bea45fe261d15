#include "UstPanel.h"

#include "AracSimgeleri.h"

#include "components/Renk.h"
#include "designer/EklemeKomutlari.h"
#include "designer/TasarimModeli.h"
#include "startup/Birimler.h"
#include "startup/SayiMetni.h"

#include <QColorDialog>
#include <QEvent>
#include <QFontDialog>
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

UstPanel::UstPanel(QWidget *ust) : QToolBar(ust) {
    setObjectName(QStringLiteral("UstPanel"));
    setWindowTitle(QStringLiteral("Araç Çubuğu"));
    setMovable(false);
    Renk_Sor = [this](const QColor &c) -> std::optional<QColor> {
        const QColor s = QColorDialog::getColor(c, this);
        return s.isValid() ? std::optional(s) : std::nullopt;
    };
    Yazi_Tipi_Sor = [this](const QFont &f) -> std::optional<QFont> {
        bool tamam = false;
        const QFont s = QFontDialog::getFont(&tamam, f, this, QStringLiteral("Yazı Tipi"));
        return tamam ? std::optional(s) : std::nullopt;
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
    connect(dugme("FontBtn", "Yazı Tipi", "Font"), &QToolButton::clicked, this,
            &UstPanel::yaziTipi);
    yazi_tipi_ = kutu(this, QStringLiteral("Font_Combo"), QStringLiteral("Yazı Tipi Adı"), 120);
    yazi_tipi_->setReadOnly(true);
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
        connect(d, &QToolButton::clicked, this, [this, i](bool acik) { stil(i, acik); });
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
            [this](int sira) { yansit(Arac_Durumu(m_->Nesne(sira))); });
    // The selected object changed by a step or its undo: the tool bar follows.
    connect(m_, &TasarimModeli::Nesne_Degisti, this, [this](int sira) {
        if (m_->Aktif_Nesne() == sira)
            yansit(Arac_Durumu(m_->Nesne(sira)));
    });
    connect(m_, &TasarimModeli::Gorunum_Degisti, this, [this] {
        if (!yakinlik_->hasFocus())
            yakinlik_->setText(Tek_Metni(float(m_->Yuzde())));
    });
}

void UstPanel::yansit(const AracDurumu &d) {
    boya(arka_ornek_, d.BackColor);
    boya(yazi_ornek_, d.ForeColor);
    Dugme(QStringLiteral("Bold"))->setChecked(d.kalin);
    Dugme(QStringLiteral("Italic"))->setChecked(d.italik);
    Dugme(QStringLiteral("ULine"))->setChecked(d.alti_cizili);
    yazi_tipi_->setText(d.yazi_tipi);
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

void UstPanel::yaziTipi() {
    if (!m_ || !m_->Aktif_Nesne())
        return;
    const int sira = *m_->Aktif_Nesne();
    const bool barkod = m_->Nesne(sira).Barkod_Mu();
    QFont f;
    std::visit(
        [&](const auto &k) {
            f.setFamily(k.FontName);
            f.setPointSizeF(k.FontSize > 0 ? double(k.FontSize) : 8.25);
            f.setBold(k.FontBold), f.setItalic(k.FontItalic), f.setUnderline(k.FontUnderline);
            f.setStrikeOut(!barkod && k.FontStrikethru);
        },
        m_->Nesne(sira).kayit);
    const auto s = Yazi_Tipi_Sor(f);
    if (!s)
        return;
    m_->Degistir(
        sira,
        [&](YuzeyNesnesi &n) {
            std::visit(
                [&](auto &k) {
                    k.FontName = s->family();
                    k.FontBold = s->bold(), k.FontItalic = s->italic();
                    k.FontSize = float(s->pointSizeF());
                    if (!barkod)
                        k.FontStrikethru = s->strikeOut();
                    k.FontUnderline = s->underline();
                },
                n.kayit);
        },
        QStringLiteral("Yazı Tipi"));
    yazi_tipi_->setText(s->family());
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
    if (Sayi_Oku(donme_->text(), d) && d == std::trunc(d) && std::abs(d) <= 3276)
        m_->Nesne_Donder(sira, qint16(d));
    else if (const auto aci = Arac_Durumu(m_->Nesne(sira)).aci)
        donme_->setText(QString::number(*aci));
}

void UstPanel::yakinlastir() {
    if (!m_)
        return;
    double yeni = 0;
    if (Sayi_Oku(yakinlik_->text(), yeni) && m_->Yakinlastir_Yuzde(onceki_yuzde_, yeni))
        onceki_yuzde_ = yeni;
    else
        yakinlik_->setText(Tek_Metni(float(m_->Yuzde()))); // the percent in force
}

bool UstPanel::eventFilter(QObject *o, QEvent *e) {
    if (o == yakinlik_ && e->type() == QEvent::FocusIn) {
        double d = 0;
        if (Sayi_Oku(yakinlik_->text(), d))
            onceki_yuzde_ = d;
    }
    return QToolBar::eventFilter(o, e);
}
