#include "DizaynFrm.h"

#include "BolumErisimi.h"
#include "BolumGorunumu.h"
#include "core/MesajKutusu.h"
#include "designer/TasarimModeli.h"
#include "designer/TasarimYukle.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"
#include "startup/Oturum.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The window's area outside the section: shows its own pair of guides ("F0").
class PencereAlani : public QWidget {
public:
    PencereAlani(TasarimModeli &m, QWidget *ust) : QWidget(ust), m_(m) {
        setObjectName(QStringLiteral("DizaynAlani"));
        setMouseTracking(true);
        connect(&m_, &TasarimModeli::Rehber_Degisti, this, [this](TasarimModeli::Rehber eski) {
            update(Rehber_Kutusu(eski, u"F0", bolum->Piksel_Mm(), size()));
            update(Rehber_Kutusu(m_.Rehberler(), u"F0", bolum->Piksel_Mm(), size()));
        });
    }
    BolumGorunumu *bolum = nullptr;

    QPointF mm(QPointF piksel) const { return piksel / bolum->Piksel_Mm(); }

protected:
    void paintEvent(QPaintEvent *e) override {
        QPainter p(this);
        p.fillRect(e->rect(), palette().color(QPalette::Dark));
        // The label's edge: a thin border and a soft shadow outside it.
        const QRect r = bolum->geometry();
        for (int i = 4; i >= 1; --i)
            p.fillRect(r.translated(i, i), QColor(0, 0, 0, 24));
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0));
        p.drawRect(r.adjusted(-1, -1, 0, 0));
        Rehber_Ciz(p, m_.Rehberler(), u"F0", bolum->Piksel_Mm(), size());
    }
    void mouseMoveEvent(QMouseEvent *e) override {
        const QPointF n = mm(e->position());
        m_.Rehber_Goster(n.x(), n.y(), QStringLiteral("F0"));
    }

private:
    TasarimModeli &m_;
};

} // namespace

DizaynFrm::DizaynFrm(MesajKutusu &kutu, const Oturum &oturum, const QString &ad, QWidget *ust)
    : QWidget(ust), kutu_(kutu), oturum_(oturum), ad_(ad.trimmed()),
      model_(new TasarimModeli(this)), kaydirma_(new QScrollArea(this)) {
    static const bool kuruldu = (Bolum_Erisimi_Kur(), true);
    Q_UNUSED(kuruldu);
    setObjectName(QStringLiteral("DizaynFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(kaydirma_);
    auto *alan = new PencereAlani(*model_, kaydirma_);
    alan_ = alan;
    bolum_ = new BolumGorunumu(*model_, alan_);
    alan->bolum = bolum_;
    bolum_->move(0, 0);
    connect(bolum_, &BolumGorunumu::Disarida, model_,
            [this](QPointF mm) { model_->Rehber_Goster(mm.x(), mm.y(), QStringLiteral("F0")); });
    kaydirma_->setWidget(alan_);
    kaydirma_->setWidgetResizable(false);
    bolum_->installEventFilter(this);
    alan_->installEventFilter(this);
    kaydirma_->viewport()->installEventFilter(this);

    model_->Ayirac = oturum_.ayirac;
    TasarimBelgesi belge;
    if (!ad_.isEmpty())
        acildi_ = Tasarim_Dosyasini_Ac(oturum_.Tasarim_Klasoru, ad_, belge, kutu_);
    if (acildi_ && !ad_.isEmpty())
        diskOzeti_ = Dosya_Ozeti(dosyaYolu());
    const int atlanan = Tasarim_Ac(*model_, belge, ad_.isEmpty() || !acildi_);
    alanlar_ = Baslik_Oku(oturum_.Tasarim_Klasoru + QStringLiteral("/Baslik.mtr"));
    connect(model_, &TasarimModeli::Bolum_Degisti, this, &DizaynFrm::pencereyiBoyutla);
    connect(model_, &TasarimModeli::Gorunum_Degisti, this, &DizaynFrm::pencereyiBoyutla);
    connect(&model_->Yigin(), &QUndoStack::cleanChanged, this, &DizaynFrm::basligiYaz);
    pencereyiBoyutla();
    basligiYaz();
    if (atlanan > 0)
        kutu_.Ayrintili(Atlanan_Kayit_Mesaji.arg(atlanan), Taninmayan_Kayit_Listesi(belge),
                        Program_Basligi);
}

DizaynFrm::~DizaynFrm() = default;

void DizaynFrm::basligiYaz() {
    const QString ad = ad_.isEmpty() ? QStringLiteral("Yeni Tasarım") : ad_;
    setWindowTitle(ad + QStringLiteral("[*]"));
    setWindowModified(model_->Degisti());
}

void DizaynFrm::alaniDoldur() {
    // The window's own area reaches wherever the window shows (a maximized window is
    // larger than its page): the pointer anywhere outside the section has its guides.
    alan_->resize(sayfa_.expandedTo(kaydirma_->viewport()->size()));
}

void DizaynFrm::pencereyiBoyutla() {
    // The window is the printable page at the zoom; the section lies in its corner.
    const double piksel_twip = Twip_Piksel(1, bolum_->logicalDpiX()); // the page size is zoomed
    const QSize sayfa = (model_->Pencere_Boyutu() * piksel_twip).toSize();
    sayfa_ = sayfa.expandedTo(bolum_->size());
    alaniDoldur();
    const int cerceve = 2 * kaydirma_->frameWidth();
    // No bigger than the room it has (the main window's work area, or the
    // screen): beyond that the page scrolls.
    QWidget *cerceveli = this;
    QSize oda = screen()->availableGeometry().size();
    QSize pay(cerceve, cerceve);
    if (auto *alt = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (alt->isMaximized())
            return; // it fills the work area and follows it
        cerceveli = alt;
        pay += alt->size() - size();
        if (alt->mdiArea() && !alt->mdiArea()->viewport()->size().isEmpty())
            oda = alt->mdiArea()->viewport()->size();
    }
    // The page and the section, whichever is larger, all shown when there is room:
    // no scroll bar then covers a small label.
    const QSize istenen = (sayfa_ + pay).boundedTo(oda);
    if (cerceveli->size() != istenen)
        cerceveli->resize(istenen);
}

QString DizaynFrm::dosyaYolu() const { return Tasarim_Yolu(oturum_.Tasarim_Klasoru, ad_); }

bool DizaynFrm::Kaydet() {
    if (ad_.isEmpty())
        return FarkliKaydet_Btn_Click();
    // Another window or program saved the file since: ask before its work is lost.
    const QByteArray simdiki = Dosya_Ozeti(dosyaYolu());
    if (!diskOzeti_.isEmpty() && simdiki != diskOzeti_ &&
        kutu_.MsgBox(Disarida_Degisti_Mesaji, MesajKutusu::Dugmeler::EvetHayir,
                     MesajKutusu::Simge::Unlem, Program_Basligi) != MesajKutusu::Cevap::Evet)
        return false;
    model_->Duzenlemeyi_Bitir();
    if (!Tasarim_Yaz(model_->Belge(), oturum_.Tasarim_Klasoru, ad_, kutu_))
        return false;
    diskOzeti_ = Dosya_Ozeti(dosyaYolu());
    model_->Kaydedildi();
    return true;
}

std::optional<TasarimBelgesi> DizaynFrm::Topla() {
    model_->Duzenlemeyi_Bitir();
    TasarimBelgesi belge = model_->Belge();
    if (!Tasarim_Dolu(belge, kutu_))
        return std::nullopt;
    return belge;
}

bool DizaynFrm::FarkliKaydet_Btn_Click() {
    model_->Duzenlemeyi_Bitir();
    const auto ad = ::FarkliKaydet_Btn_Click(model_->Belge(), oturum_.Tasarim_Klasoru, kutu_);
    if (!ad)
        return false;
    ad_ = *ad;
    diskOzeti_ = Dosya_Ozeti(dosyaYolu());
    model_->Kaydedildi();
    basligiYaz();
    return true;
}

bool DizaynFrm::Yakinlastir_Yuzde(double eski, double yeni) {
    return model_->Yakinlastir_Yuzde(eski, yeni);
}

void DizaynFrm::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    pencereyiBoyutla(); // the room it has is known now
    if (!std::exchange(sigdirildi_, true))
        QTimer::singleShot(0, this, &DizaynFrm::Sayfaya_Sigdir);
}

void DizaynFrm::Sayfaya_Sigdir() {
    // A little room around the label for its shadow and the handles.
    const QSizeF oda = QSizeF(kaydirma_->viewport()->size()) - QSizeF(16, 16);
    const double yuzde = model_->Sigdiran_Yuzde(oda, bolum_->logicalDpiX() / Inc_Basina_Mm);
    model_->Yakinlastir_Yuzde(model_->Yuzde(), yuzde);
}

bool DizaynFrm::eventFilter(QObject *o, QEvent *e) {
    if (o == kaydirma_->viewport() && e->type() == QEvent::Resize)
        alaniDoldur();
    // Ctrl+wheel zooms, the point under the pointer staying where it is.
    if (e->type() != QEvent::Wheel || !(o == bolum_ || o == alan_))
        return QWidget::eventFilter(o, e);
    auto *t = static_cast<QWheelEvent *>(e);
    if (!(t->modifiers() & Qt::ControlModifier) || t->angleDelta().y() == 0)
        return QWidget::eventFilter(o, e);
    const QPoint imlec = alan_->mapFrom(static_cast<QWidget *>(o), t->position().toPoint());
    const QPointF mm = QPointF(imlec) / bolum_->Piksel_Mm();
    const QPoint ekranda = kaydirma_->viewport()->mapFrom(alan_, imlec);
    const double carpan = t->angleDelta().y() > 0 ? 1.25 : 0.8;
    const double yeni = std::clamp(std::round(model_->Yuzde() * carpan), 10.0, 800.0);
    if (model_->Yakinlastir_Yuzde(model_->Yuzde(), yeni)) {
        const QPointF yer = mm * bolum_->Piksel_Mm();
        kaydirma_->horizontalScrollBar()->setValue(int(yer.x()) - ekranda.x());
        kaydirma_->verticalScrollBar()->setValue(int(yer.y()) - ekranda.y());
    }
    return true;
}

void DizaynFrm::closeEvent(QCloseEvent *e) {
    model_->Duzenlemeyi_Bitir();
    if (model_->Degisti()) {
        const auto cevap = kutu_.MsgBox(
            QStringLiteral("Tasarımda kaydedilmemiş değişiklikler var. Kaydedilsin mi?"),
            MesajKutusu::Dugmeler::EvetHayirIptal, MesajKutusu::Simge::Soru, Program_Basligi);
        if (cevap == MesajKutusu::Cevap::Iptal ||
            (cevap == MesajKutusu::Cevap::Evet && !Kaydet())) {
            e->ignore();
            return;
        }
    }
    e->accept();
    emit Kapandi();
}
