#include "RaporGoruntuleyici.h"

#include "Yazicilar.h"
#include "layout/Rapor.h"
#include "layout/RaporMotoru.h"
#include "output/SayfaHedefi.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

// Paints one page on white paper with a thin shadow, at the viewer's scale.
class SayfaAlani : public QWidget {
public:
    explicit SayfaAlani(QWidget *ust) : QWidget(ust) {}
    // A copy: the viewer's list of pages grows (and moves) while this one shows.
    std::optional<RaporSayfasi> sayfa;
    int no = -2;         // which page it is (-1 none)
    double olcek = 0.05; // pixels per twip

    QSize sizeHint() const override {
        if (!sayfa)
            return {200, 200};
        return {int(sayfa->boyut.width() * olcek) + 2 * kenar,
                int(sayfa->boyut.height() * olcek) + 2 * kenar};
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        if (!sayfa)
            return;
        const QRectF kagit(kenar, kenar, sayfa->boyut.width() * olcek,
                           sayfa->boyut.height() * olcek);
        p.fillRect(kagit.translated(3, 3), QColor(0x40, 0x40, 0x40));
        p.fillRect(kagit, Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(kagit.topLeft());
        p.scale(olcek, olcek);
        p.setClipRect(QRectF(QPointF(0, 0), sayfa->boyut));
        Sayfa_Ciz(p, *sayfa);
    }

private:
    static constexpr int kenar = 12;
};

namespace {

QToolButton *dugme(QWidget *ust, const QString &ad, const QString &metin, const QString &ipucu) {
    auto *d = new QToolButton(ust);
    d->setObjectName(ad);
    d->setText(metin);
    d->setToolTip(ipucu);
    d->setAutoRaise(true);
    return d;
}

} // namespace

RaporGoruntuleyici::RaporGoruntuleyici(Rapor &rapor, RaporMotoru &motor, QWidget *ust)
    : QWidget(ust), rapor_(rapor), motor_(motor), alan_(new SayfaAlani(this)),
      kaydirma_(new QScrollArea(this)), sayfaEtiketi_(new QLabel(this)),
      yakinlik_(new QComboBox(this)), ilerleme_(new QProgressBar(this)),
      iptal_(new QPushButton(QStringLiteral("İptal"), this)), zamanlayici_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Baskı Önizleme"));
    kaydirma_->setWidget(alan_);
    kaydirma_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    kaydirma_->setBackgroundRole(QPalette::Dark);
    auto *duzen = new QVBoxLayout(this);
    duzen->addLayout(aracCubugu());
    duzen->addWidget(kaydirma_, 1);
    resize(900, 700);

    // Layout runs in short steps on the event loop: no threads, the window stays live.
    connect(zamanlayici_, &QTimer::timeout, this, &RaporGoruntuleyici::dizimAdimi);
    zamanlayici_->start(0);
    guncelle();
}

QHBoxLayout *RaporGoruntuleyici::aracCubugu() {
    auto *arac = new QHBoxLayout;
    auto *ilk =
        dugme(this, QStringLiteral("ilk"), QStringLiteral("|◀"), QStringLiteral("İlk sayfa"));
    auto *onceki =
        dugme(this, QStringLiteral("onceki"), QStringLiteral("◀"), QStringLiteral("Önceki sayfa"));
    auto *sonraki = dugme(this, QStringLiteral("sonraki"), QStringLiteral("▶"),
                          QStringLiteral("Sonraki sayfa"));
    auto *son =
        dugme(this, QStringLiteral("son"), QStringLiteral("▶|"), QStringLiteral("Son sayfa"));
    auto *yazdir =
        dugme(this, QStringLiteral("yazdir"), QStringLiteral("Yazdır"), QStringLiteral("Yazdır"));
    auto *pdf = dugme(this, QStringLiteral("pdf"), QStringLiteral("PDF Olarak Kaydet"),
                      QStringLiteral("PDF dosyası olarak kaydet"));
    connect(ilk, &QToolButton::clicked, this, [this] { Sayfaya_Git(0); });
    connect(onceki, &QToolButton::clicked, this, [this] { Sayfaya_Git(gecerli_ - 1); });
    connect(sonraki, &QToolButton::clicked, this, [this] { Sayfaya_Git(gecerli_ + 1); });
    connect(son, &QToolButton::clicked, this, [this] { Sayfaya_Git(Sayfa_Sayisi() - 1); });
    connect(yazdir, &QToolButton::clicked, this, &RaporGoruntuleyici::yazdir);
    connect(pdf, &QToolButton::clicked, this, &RaporGoruntuleyici::pdfSor);

    yakinlik_->setEditable(true);
    yakinlik_->addItems({QStringLiteral("Genişliğe Sığdır"), QStringLiteral("Sayfaya Sığdır"),
                         QStringLiteral("%50"), QStringLiteral("%75"), QStringLiteral("%100"),
                         QStringLiteral("%150"), QStringLiteral("%200")});
    yakinlik_->setInsertPolicy(QComboBox::NoInsert);
    yakinlik_->setMinimumContentsLength(14);
    connect(yakinlik_, &QComboBox::textActivated, this, &RaporGoruntuleyici::yakinlikMetni);
    // A typed percentage matches no item, so the combo box does not activate it.
    connect(yakinlik_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { yakinlikMetni(yakinlik_->lineEdit()->text()); });

    arac->addWidget(yazdir);
    arac->addWidget(pdf);
    arac->addSpacing(12);
    arac->addWidget(ilk);
    arac->addWidget(onceki);
    arac->addWidget(sayfaEtiketi_);
    arac->addWidget(sonraki);
    arac->addWidget(son);
    arac->addSpacing(12);
    arac->addWidget(new QLabel(QStringLiteral("Yakınlık:"), this));
    arac->addWidget(yakinlik_);
    arac->addStretch();
    arac->addWidget(ilerleme_);
    arac->addWidget(iptal_);
    ilerleme_->setRange(0, 0); // the total is unknown until the rows run out
    ilerleme_->setFormat(QStringLiteral("%v etiket"));
    ilerleme_->setMaximumWidth(220);
    connect(iptal_, &QPushButton::clicked, this, &RaporGoruntuleyici::dizimiBitir);

    return arac;
}

RaporGoruntuleyici::~RaporGoruntuleyici() { motor_.Bitir(); }

QToolButton *RaporGoruntuleyici::Dugme(const QString &ad) const {
    return findChild<QToolButton *>(ad);
}

void RaporGoruntuleyici::dizimAdimi() {
    QElapsedTimer t;
    t.start();
    RaporSayfasi s;
    while (t.elapsed() < 40) {
        if (!motor_.Sonraki_Sayfa(s)) {
            dizimiBitir();
            return;
        }
        sayfalar_.append(std::move(s));
        if (sayfalar_.size() == 1) {
            Sayfaya_Git(0);
            break; // the first page goes on screen before the rest is laid out
        }
    }
    ilerleme_->setMaximum(0);
    ilerleme_->setValue(int(motor_.Bant_Sayisi()));
    guncelle();
}

void RaporGoruntuleyici::dizimiBitir() {
    if (bitti_)
        return;
    bitti_ = true;
    zamanlayici_->stop();
    motor_.Bitir();
    ilerleme_->hide();
    iptal_->hide();
    guncelle();
    emit Dizim_Tamamlandi();
}

double RaporGoruntuleyici::Olcek() const {
    const double pikselPerTwip = Twip_Piksel(1, logicalDpiX());
    if (sayfalar_.isEmpty())
        return pikselPerTwip * yuzde_ / 100.0;
    const QSizeF boyut = sayfalar_[gecerli_].boyut;
    const QSize gorunen = kaydirma_->viewport()->size() - QSize(24 + 6, 24 + 6);
    switch (yakinlikTuru_) {
    case Yakinlik::Genislik:
        return qMax(0.001, gorunen.width() / boyut.width());
    case Yakinlik::Sayfa:
        return qMax(0.001,
                    qMin(gorunen.width() / boyut.width(), gorunen.height() / boyut.height()));
    case Yakinlik::Yuzde:
        break;
    }
    return pikselPerTwip * yuzde_ / 100.0;
}

void RaporGoruntuleyici::Yakinlik_Ayarla(Yakinlik tur, double yuzde) {
    yakinlikTuru_ = tur;
    yuzde_ = qBound(5.0, yuzde, 800.0);
    guncelle();
}

void RaporGoruntuleyici::yakinlikMetni(const QString &metin) {
    if (metin == u"Genişliğe Sığdır")
        return Yakinlik_Ayarla(Yakinlik::Genislik);
    if (metin == u"Sayfaya Sığdır")
        return Yakinlik_Ayarla(Yakinlik::Sayfa);
    QString sayi = metin;
    sayi.remove(u'%').replace(u',', u'.');
    bool ok = false;
    const double yuzde = sayi.trimmed().toDouble(&ok);
    if (ok && yuzde > 0)
        Yakinlik_Ayarla(Yakinlik::Yuzde, yuzde);
    else
        guncelle(); // not a percentage: show the zoom in force again
}

void RaporGoruntuleyici::Sayfaya_Git(int i) {
    if (sayfalar_.isEmpty())
        return;
    gecerli_ = qBound(0, i, int(sayfalar_.size()) - 1);
    kaydirma_->verticalScrollBar()->setValue(0);
    guncelle();
}

void RaporGoruntuleyici::guncelle() {
    const int n = int(sayfalar_.size());
    sayfaEtiketi_->setText(n == 0 ? QStringLiteral("Sayfa 0 / 0")
                                  : QStringLiteral("Sayfa %1 / %2%3")
                                        .arg(gecerli_ + 1)
                                        .arg(n)
                                        .arg(bitti_ ? QString() : QStringLiteral("+")));
    Dugme(QStringLiteral("ilk"))->setEnabled(gecerli_ > 0);
    Dugme(QStringLiteral("onceki"))->setEnabled(gecerli_ > 0);
    Dugme(QStringLiteral("sonraki"))->setEnabled(gecerli_ + 1 < n);
    Dugme(QStringLiteral("son"))->setEnabled(gecerli_ + 1 < n);
    Dugme(QStringLiteral("yazdir"))->setEnabled(bitti_ && n > 0);
    Dugme(QStringLiteral("pdf"))->setEnabled(bitti_ && n > 0);
    if (!yakinlik_->lineEdit()->hasFocus()) {
        const QString metin = yakinlikTuru_ == Yakinlik::Genislik
                                  ? QStringLiteral("Genişliğe Sığdır")
                              : yakinlikTuru_ == Yakinlik::Sayfa
                                  ? QStringLiteral("Sayfaya Sığdır")
                                  : QStringLiteral("%") + QString::number(yuzde_, 'g', 4);
        yakinlik_->setEditText(metin);
    }
    // Repaint the page only when another page or scale shows: layout steps that
    // only add pages behind it leave the picture as it is.
    const int gosterilecek = n ? gecerli_ : -1;
    const double olcek = Olcek();
    if (gosterilecek == alan_->no && olcek == alan_->olcek)
        return;
    alan_->no = gosterilecek;
    if (n)
        alan_->sayfa = sayfalar_[gecerli_];
    else
        alan_->sayfa.reset();
    alan_->olcek = olcek;
    alan_->resize(alan_->sizeHint());
    alan_->update();
}

void RaporGoruntuleyici::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    guncelle();
}

void RaporGoruntuleyici::keyPressEvent(QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_PageDown:
        Sayfaya_Git(gecerli_ + 1);
        break;
    case Qt::Key_PageUp:
        Sayfaya_Git(gecerli_ - 1);
        break;
    case Qt::Key_Home:
        Sayfaya_Git(0);
        break;
    case Qt::Key_End:
        Sayfaya_Git(Sayfa_Sayisi() - 1);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

std::optional<QString> RaporGoruntuleyici::sayfalariGonder(SayfaHedefi &hedef) const {
    int i = 0;
    const auto sonraki = [this, &i](RaporSayfasi &s) {
        if (i >= sayfalar_.size())
            return false;
        s = sayfalar_[i++];
        return true;
    };
    if (const auto n = Sayfalari_Gonder(sonraki, hedef); !n)
        return *n.Hatasi();
    return std::nullopt;
}

std::optional<QString> RaporGoruntuleyici::Pdf_Kaydet(const QString &yol) {
    PdfHedefi hedef(yol);
    auto h = sayfalariGonder(hedef);
    if (!h)
        emit Basildi(QFileInfo(yol).absoluteFilePath());
    return h;
}

void RaporGoruntuleyici::pdfSor() {
    const QString yol = QFileDialog::getSaveFileName(this, QStringLiteral("PDF Olarak Kaydet"),
                                                     QStringLiteral("etiketler.pdf"),
                                                     QStringLiteral("PDF dosyaları (*.pdf)"));
    if (yol.isEmpty())
        return;
    if (const auto h = Pdf_Kaydet(yol))
        QMessageBox::critical(this, windowTitle(), *h);
}

void RaporGoruntuleyici::yazdir() {
    QPrinter yazici(QPrinter::HighResolution);
    Yaziciyi_Hazirla(yazici, rapor_);
    QPrintDialog d(&yazici, this);
    d.setWindowTitle(QStringLiteral("Yazdır"));
    if (d.exec() != QDialog::Accepted)
        return;
    auto hedef = Yazici_Hedefi(yazici, Lazer);
    if (!hedef)
        QMessageBox::critical(this, windowTitle(), *hedef.Hatasi());
    else if (const auto h = sayfalariGonder(**hedef))
        QMessageBox::critical(this, windowTitle(), *h);
    else {
        emit Basildi(yazici.printerName());
        if (!(*hedef)->Uyarilar().isEmpty()) // refused printer settings, narrow modules
            QMessageBox::warning(this, windowTitle(), (*hedef)->Uyarilar().join(u'\n'));
    }
}
