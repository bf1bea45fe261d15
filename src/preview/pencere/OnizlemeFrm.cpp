#include "OnizlemeFrm.h"

#include "core/MesajKutusu.h"
#include "core/SayiMetni.h"
#include "database/VeriBaglantisi.h"
#include "output/SayfaHedefi.h"
#include "output/pencere/Yazicilar.h"
#include "printjob/BaskiIsi.h"
#include "printjob/DogrudanBaski.h"
#include "printjob/DogrudanCizim.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/GenelForm.h"
#include "startup/Oturum.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The label surface "Bolum": the page items painted at the screen's resolution.
class EtiketYuzeyi : public QWidget {
public:
    EtiketYuzeyi(const std::optional<RaporSayfasi> &s, QWidget *ust) : QWidget(ust), s_(s) {
        setObjectName(QStringLiteral("Bolum"));
        setAccessibleName(QStringLiteral("Etiket Önizleme"));
    }
    double olcek() const { return Twip_Piksel(1, logicalDpiX()); } // pixels per twip

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (!s_)
            return;
        p.setRenderHint(QPainter::Antialiasing);
        Twip_Olcegi(p, logicalDpiX());
        p.setClipRect(QRectF(QPointF(), s_->boyut));
        Sayfa_Ciz(p, *s_);
    }

private:
    const std::optional<RaporSayfasi> &s_;
};

} // namespace

OnizlemeFrm::OnizlemeFrm(MesajKutusu &kutu, const Oturum &oturum, const TasarimBelgesi &belge,
                         QWidget *ust)
    : QWidget(ust), kutu_(kutu), oturum_(oturum), belge_(belge) {
    setObjectName(QStringLiteral("OnizlemeFrm"));
    setWindowTitle(QStringLiteral("Etiket Önizleme"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    auto *kaydirma = new QScrollArea(this);
    bolum_ = new EtiketYuzeyi(sayfa_, kaydirma);
    bolum_->installEventFilter(this);
    kaydirma->setWidget(bolum_);
    duzen->addWidget(kaydirma);
    Yazici_Ac = [](bool lazer) { return Yazici_Hedefi_Ac(QString(), lazer); };
    Barkod_Onizleme();
}

OnizlemeFrm::~OnizlemeFrm() = default;

void OnizlemeFrm::Barkod_Onizleme() {
    sayfa_ = Onizleme_Sayfasi(kutu_, oturum_, belge_);
    const double o = static_cast<EtiketYuzeyi *>(bolum_)->olcek();
    const QSizeF boyut = sayfa_ ? sayfa_->boyut * o : QSizeF(200, 100);
    bolum_->resize(boyut.toSize().expandedTo(QSize(1, 1)));
    resize(bolum_->size() + QSize(24, 24));
    bolum_->update();
}

void OnizlemeFrm::Etkinlestir() {
    Barkod_Onizleme();
    if (dogrudan_)
        Dinamik_Bas();
}

void OnizlemeFrm::Dinamik_Bas() {
    // One run per request: switching windows never prints again.
    dogrudan_ = false;
    // The parameters first, then the labels per item (a fraction is not rounded
    // up: 2.5 gives 2).
    BaskiIsi is;
    is.Belge = belge_;
    is.Parametre_Degerleri = Parametre_Degerleri(kutu_, belge_);
    const double adet = std::floor(Adet_Sor(kutu_, oturum_.Varsayilan_Adet()));
    if (!(adet >= 1))
        return;
    is.Etiket_Adedi = qint16(std::min(adet, 32767.0));
    auto acilan = Yazici_Ac(belge_.Tip == 1);
    if (!acilan) {
        kutu_.MsgBox(*acilan.Hatasi(), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                     Program_Basligi);
        return;
    }
    const std::unique_ptr<SayfaHedefi> hedef = std::move(*acilan);
    if (oturum_.Baglanti)
        oturum_.Baglanti->Bildirildi = false;
    const DogrudanSonucu s = ::Dinamik_Bas(kutu_, oturum_, is, *hedef);
    // The paper messages, and a failed statement, were told already.
    const bool bildirildi = oturum_.Baglanti && oturum_.Baglanti->Bildirildi;
    if (!s.hata.isEmpty() && !s.kagit && !bildirildi)
        kutu_.MsgBox(s.hata, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                     Program_Basligi);
    const Hata bitmedi = s.hata.isEmpty() ? hedef->Bitir() : Hata();
    if (bitmedi)
        kutu_.MsgBox(*bitmedi, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                     Program_Basligi);
    if (s.hata.isEmpty() && !bitmedi) {
        basilan_ = s.sayfa;
        is.Tasarim_Adi = Tasarim_Adi;
        if (const auto uyari =
                Basimi_Kaydet(oturum_, is, QStringLiteral("yazıcı"), true, s.basilanlar))
            kutu_.MsgBox(*uyari, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                         Program_Basligi);
        if (const QStringList m = s.Eksikler() + hedef->Uyarilar(); !m.isEmpty())
            kutu_.MsgBox(m.join(u'\n'), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                         Program_Basligi);
    } else {
        hedef->Vazgec();
    }
}

bool OnizlemeFrm::eventFilter(QObject *o, QEvent *e) {
    if (o == bolum_ && e->type() == QEvent::MouseButtonPress && sayfa_) {
        const double olcek = static_cast<EtiketYuzeyi *>(bolum_)->olcek();
        const QPointF twip = static_cast<QMouseEvent *>(e)->position() / olcek;
        for (const CizimOgesi &b : sayfa_->ogeler)
            if (b.barkod && b.alan.contains(twip)) {
                emit Barkod_Olcusu(Tek_Metni(float(b.alan.width()), oturum_.ayirac) +
                                   QStringLiteral("  / ") +
                                   Tek_Metni(float(b.alan.height()), oturum_.ayirac));
                break;
            }
    }
    return QWidget::eventFilter(o, e);
}

void OnizlemeFrm::closeEvent(QCloseEvent *e) {
    QWidget::closeEvent(e);
    emit Kapandi();
}
