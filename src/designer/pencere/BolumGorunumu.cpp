#include "BolumGorunumu.h"

#include "BolumErisimi.h"
#include "designer/AlanSurukleme.h"
#include "designer/TasarimModeli.h"
#include "layout/NesneCizimi.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor Kareli_Rengi(0xE0, 0xE0, 0xE0);

Qt::CursorShape tutamacImleci(int k) {
    static constexpr Qt::CursorShape sekiller[8] = {
        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    return sekiller[k];
}

} // namespace

BolumGorunumu::BolumGorunumu(TasarimModeli &model, QWidget *ust)
    : QWidget(ust), m_(model), editor_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Bolum"));
    setAccessibleName(QStringLiteral("Bolum(0)"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    editor_->setObjectName(QStringLiteral("EditText"));
    editor_->setAccessibleName(QStringLiteral("EditText"));
    editor_->setFrame(false);
    editor_->hide();
    ornek_barkod_ = Barkod::Kodla(Barkod::Sembol::EAN13, Ornek_Barkod_Verisi, true);

    connect(editor_, &QLineEdit::textEdited, this,
            [this](const QString &t) { m_.Duzenleyici_Metni_Ayarla(t); });
    connect(editor_, &QLineEdit::returnPressed, this, [this] { m_.Duzenlemeyi_Bitir(); });
    connect(&m_, &TasarimModeli::Nesne_Eklendi, this,
            [this](int) { cizimler_.resize(size_t(m_.Toplam())); });
    connect(&m_, &TasarimModeli::Nesne_Degisti, this, &BolumGorunumu::nesneDegisti);
    connect(&m_, &TasarimModeli::Gorunurluk_Degisti, this,
            [this](int sira) { Bolum_Erisimi_Gorunurluk(this, sira); });
    connect(&m_, &TasarimModeli::Secim_Degisti, this, &BolumGorunumu::secimDegisti);
    connect(&m_, &TasarimModeli::Rehber_Degisti, this, [this](TasarimModeli::Rehber eski) {
        update(Rehber_Kutusu(eski, u"B0", Piksel_Mm(), size()));
        update(Rehber_Kutusu(m_.Rehberler(), u"B0", Piksel_Mm(), size()));
    });
    connect(&m_, &TasarimModeli::Bolum_Degisti, this, &BolumGorunumu::boyutla);
    connect(&m_, &TasarimModeli::Gorunum_Degisti, this, [this] {
        boyutla();
        update();
    });
    cizimler_.resize(size_t(m_.Toplam()));
    boyutla();
}

BolumGorunumu::~BolumGorunumu() = default;

double BolumGorunumu::Piksel_Mm() const { return logicalDpiX() / Inc_Basina_Mm * m_.Yuzde() / 100; }

QRectF BolumGorunumu::Piksel(const QRectF &mm) const {
    const double o = Piksel_Mm();
    return {mm.left() * o, mm.top() * o, mm.width() * o, mm.height() * o};
}

QPointF BolumGorunumu::Mm(QPointF piksel) const { return piksel / Piksel_Mm(); }

const QList<CizimOgesi> &BolumGorunumu::Cizim(int sira) {
    if (size_t(sira) >= cizimler_.size())
        cizimler_.resize(size_t(m_.Toplam()));
    auto &c = cizimler_[size_t(sira)];
    if (!c) {
        const YuzeyNesnesi &n = m_.Nesne(sira);
        if (n.Barkod_Mu()) {
            const auto &b = ornek_ && ornek_->barkod ? ornek_->barkod : ornek_barkod_;
            c = Barkod_Cizimi(n.Barkod(), b, b->Metin());
        } else if (n.Raf_Mi()) {
            const RafCizici &raf = ornek_ && ornek_->raf ? ornek_->raf : raf_;
            const auto o = raf ? raf(n.Nesne(), Nesne_Alani(n.Nesne())) : std::nullopt;
            c = o ? QList<CizimOgesi>{*o}
                  : QList<CizimOgesi>{Nesne_Cizimi(n.Nesne(), n.Erisim_Adi())};
        } else {
            const QString metin = n.Cizgi_Mi() ? QString()
                                  : ornek_     ? ornek_->metin(n.Nesne())
                                               : n.Nesne().Caption;
            c = QList<CizimOgesi>{Nesne_Cizimi(n.Nesne(), metin)};
        }
        for (CizimOgesi &o : *c)
            Yazi_Tasiyor(o); // the fitting, worked out once for every repaint
    }
    return *c;
}

void BolumGorunumu::Raf_Cizici_Ayarla(RafCizici cizici) {
    raf_ = std::move(cizici);
    for (auto &c : cizimler_)
        c.reset();
    update();
}

void BolumGorunumu::Ornek_Veri_Ayarla(std::optional<OrnekVeri> veri) {
    ornek_ = std::move(veri);
    for (auto &c : cizimler_)
        c.reset();
    update();
}

bool BolumGorunumu::Tasiyor(int sira) {
    const QList<CizimOgesi> &c = Cizim(sira);
    return std::any_of(c.cbegin(), c.cend(), [](const CizimOgesi &o) { return Yazi_Tasiyor(o); });
}

void BolumGorunumu::boyutla() {
    const QSize s =
        Piksel(QRectF(0, 0, m_.Bolum_Genisligi(), m_.Bolum_Yuksekligi())).toAlignedRect().size();
    setFixedSize(s.expandedTo(QSize(1, 1)));
    setVisible(m_.Bolum().Visible);
    editoruYerlestir();
    update();
}

void BolumGorunumu::nesneDegisti(int sira, QRectF eski) {
    if (size_t(sira) < cizimler_.size())
        cizimler_[size_t(sira)].reset();
    const int pay = 2;
    update(Piksel(eski).toAlignedRect().adjusted(-pay, -pay, pay, pay));
    update(Piksel(m_.Nesne(sira).Alan()).toAlignedRect().adjusted(-pay, -pay, pay, pay));
    Bolum_Erisimi_Yer(this, sira);
}

QRect BolumGorunumu::tutamacKutusu() const {
    if (!m_.Tutamaclar_Gorunur() || !m_.Aktif_Nesne())
        return {};
    if (m_.Secim().size() > 1)
        return Piksel(m_.Secim_Alani()).toAlignedRect().adjusted(-3, -3, 3, 3);
    const auto t = m_.Tutamaclar();
    return Piksel(t[0].united(t[4])).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void BolumGorunumu::secimDegisti() {
    update(son_tutamaclar_);
    son_tutamaclar_ = tutamacKutusu();
    update(son_tutamaclar_);
    editoruYerlestir();
    Bolum_Erisimi_Secim(this);
}

void BolumGorunumu::editoruYerlestir() {
    if (!m_.Duzenleniyor() || !m_.Aktif_Nesne()) {
        if (editor_->isVisible()) {
            editor_->hide();
            setFocus();
        }
        return;
    }
    const NesneKaydi &n = m_.Nesne(*m_.Aktif_Nesne()).Nesne();
    QFont f(n.FontName);
    f.setPointSizeF(std::max(1.0, double(n.FontSize) * m_.Yuzde() / 100));
    f.setBold(n.FontBold), f.setItalic(n.FontItalic);
    f.setUnderline(n.FontUnderline), f.setStrikeOut(n.FontStrikethru);
    editor_->setFont(f);
    editor_->setGeometry(Piksel(QRectF(n.Left, n.Top, n.Width, n.Height)).toAlignedRect());
    if (!editor_->isVisible()) {
        editor_->setText(m_.Duzenleyici_Metni());
        editor_->show();
        editor_->raise();
        editor_->setFocus();
    }
}

QRect Rehber_Kutusu(const TasarimModeli::Rehber &r, QStringView alan, double piksel_mm,
                    QSize boyut) {
    if (r.alan != alan)
        return {};
    const QPointF p = QPointF(r.x, r.y) * piksel_mm;
    return QRect(0, int(p.y()) - 1, boyut.width(), 3)
        .united(QRect(int(p.x()) - 1, 0, 3, boyut.height()));
}

void Rehber_Ciz(QPainter &p, const TasarimModeli::Rehber &r, QStringView alan, double piksel_mm,
                QSize boyut) {
    if (r.alan != alan)
        return;
    const QPointF n = QPointF(r.x, r.y) * piksel_mm;
    p.setPen(QPen(Secim_Rengi, 0));
    p.drawLine(QPointF(0, n.y()), QPointF(boyut.width(), n.y()));
    p.drawLine(QPointF(n.x(), 0), QPointF(n.x(), boyut.height()));
}

void BolumGorunumu::nesneCiz(QPainter &p, int sira) {
    for (const CizimOgesi &o : Cizim(sira))
        Oge_Ciz(p, o);
}

void BolumGorunumu::paintEvent(QPaintEvent *e) {
    QPainter p(this);
    const QRect boya = e->rect();
    p.fillRect(boya, Qt::white);
    const double o = Piksel_Mm();
    if (m_.Kareli_Acik()) {
        p.setPen(QPen(Kareli_Rengi, 0, Qt::DotLine));
        // Only the lines of the exposed part: a large label has thousands.
        const QRectF piksel = QRectF(boya).adjusted(-1, -1, 1, 1);
        const auto [yatay, dikey] =
            m_.Kareli_Cizgileri(QRectF(piksel.topLeft() / o, piksel.size() / o));
        for (double y : yatay)
            p.drawLine(QPointF(0, y * o), QPointF(width(), y * o));
        for (double x : dikey)
            p.drawLine(QPointF(x * o, 0), QPointF(x * o, height()));
    }
    // Objects in the printed stacking order, each only where the exposed area needs it.
    p.save();
    Twip_Olcegi(p, logicalDpiX() * m_.Yuzde() / 100);
    QList<int> tasanlar;
    for (const int i : m_.Cizim_Sirasi()) {
        const YuzeyNesnesi &n = m_.Nesne(i);
        if (n.Visible && Piksel(n.Alan()).toAlignedRect().adjusted(-1, -1, 1, 1).intersects(boya)) {
            nesneCiz(p, i);
            if (Tasiyor(i))
                tasanlar.append(i);
        }
    }
    p.restore();
    // A text that does not fit its box, even shrunk, is outlined in red.
    p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 0));
    for (const int i : tasanlar)
        p.drawRect(Piksel(m_.Nesne(i).Alan()).adjusted(0, 0, -1, -1));
    if (durum_ == Durum::Tasiyor && !taslak_.isNull()) {
        p.setPen(QPen(Qt::black, 0, Qt::DashLine));
        p.drawRect(Piksel(taslak_));
    }
    const QList<int> secim = m_.Secim();
    if (secim.size() > 1) {
        // Several selected: each outlined, one frame around them all.
        p.setPen(QPen(Secim_Rengi, 0, Qt::DotLine));
        for (const int i : secim)
            p.drawRect(Piksel(m_.Nesne(i).Alan()));
        p.setPen(QPen(Secim_Rengi, 0));
        p.drawRect(Piksel(m_.Secim_Alani()).adjusted(-2, -2, 2, 2));
    } else if (m_.Tutamaclar_Gorunur() && m_.Aktif_Nesne() && m_.Nesne(*m_.Aktif_Nesne()).Visible) {
        for (const QRectF &t : m_.Tutamaclar())
            p.fillRect(Piksel(t), Secim_Rengi);
    }
    if (durum_ == Durum::Seciyor) {
        p.setPen(QPen(Secim_Rengi, 0, Qt::DashLine));
        p.drawRect(Piksel(bant_));
    }
    Rehber_Ciz(p, m_.Rehberler(), u"B0", o, size());
}

void BolumGorunumu::rehberIzle(QPointF mm) {
    if (rect().contains(Piksel(QRectF(mm, QSizeF())).topLeft().toPoint())) {
        const QPointF n = m_.Isaret_Noktasi(mm);
        m_.Rehber_Goster(n.x(), n.y(), QStringLiteral("B0"));
    } else {
        emit Disarida(mm);
    }
}

void BolumGorunumu::imlecAyarla(QPointF mm) {
    if (const auto k = m_.Tutamac_Bul(mm))
        setCursor(tutamacImleci(*k));
    else if (!m_.Nesne_Bul(mm) && m_.Bolum_Kenarinda(mm.y()))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

bool BolumGorunumu::event(QEvent *e) {
    // Over a fixed text the tool tip is its tag (a parameter's name, for instance).
    if (e->type() == QEvent::ToolTip) {
        auto *ipucu = static_cast<QHelpEvent *>(e);
        const auto o = m_.Nesne_Bul(Mm(ipucu->pos()));
        if (o && !m_.Nesne(*o).Barkod_Mu() && Tasiyor(*o))
            QToolTip::showText(ipucu->globalPos(), Tasma_Ipucu, this);
        else if (o && m_.Nesne(*o).liste == Liste::Etiket && !m_.Nesne(*o).Nesne().Tag.isEmpty())
            QToolTip::showText(ipucu->globalPos(), m_.Nesne(*o).Nesne().Tag, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void BolumGorunumu::mousePressEvent(QMouseEvent *e) {
    if (e->button() != Qt::LeftButton)
        return;
    setFocus();
    const QPointF mm = Mm(e->position());
    const bool ekle = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    const auto o = m_.Nesne_Bul(mm);
    if (o && ekle) {
        m_.Secime_Ekle_Cikar(*o);
    } else if (o && m_.Secim().size() > 1 && m_.Secili(*o)) {
        // A press on one of several selected moves them all.
        durum_ = Durum::Tasiyor;
        tasinan_ = *o;
        basma_mm_ = mm;
        taslak_ = QRectF();
    } else if (const auto k = m_.Tutamac_Bul(mm)) {
        durum_ = Durum::Boyutlandiriyor;
        tutamac_ = *k;
        m_.Boyutlandirma_Baslat(*k);
    } else if (const auto o = m_.Nesne_Bul(mm)) {
        const QRectF a = m_.Nesne(*o).Alan();
        m_.Tutma_X = (mm.x() - a.left()) / Twip_Basina_Mm;
        m_.Tutma_Y = (mm.y() - a.top()) / Twip_Basina_Mm;
        m_.Nesne_Sec(*o);
        durum_ = Durum::Tasiyor;
        tasinan_ = *o;
        basma_mm_ = mm;
        taslak_ = QRectF();
    } else if (m_.Bolum_Kenarinda(mm.y())) {
        durum_ = Durum::Bolum_Cekiyor;
        m_.Bolum_Cekme_Baslat(mm.y());
    } else if (!o) {
        durum_ = Durum::Seciyor;
        basma_mm_ = mm;
        bant_ = QRectF(mm, mm);
    }
}

void BolumGorunumu::mouseMoveEvent(QMouseEvent *e) {
    const QPointF mm = Mm(e->position());
    emit Imlec_Konumu(mm);
    rehberIzle(mm);
    switch (durum_) {
    case Durum::Bos:
        imlecAyarla(mm);
        break;
    case Durum::Seciyor: {
        const QRect eski = Piksel(bant_).toAlignedRect().adjusted(-1, -1, 1, 1);
        bant_ = QRectF(basma_mm_, mm).normalized();
        update(eski);
        update(Piksel(bant_).toAlignedRect().adjusted(-1, -1, 1, 1));
        break;
    }
    case Durum::Tasiyor: {
        const QRect eski = Piksel(taslak_).toAlignedRect().adjusted(-1, -1, 1, 1);
        const QRectF asil = m_.Secim().size() > 1 ? m_.Secim_Alani() : m_.Nesne(tasinan_).Alan();
        taslak_ = asil.translated(mm - basma_mm_);
        update(eski);
        update(Piksel(taslak_).toAlignedRect().adjusted(-1, -1, 1, 1));
        break;
    }
    case Durum::Boyutlandiriyor: {
        const QPointF n = m_.Isaret_Noktasi(mm);
        m_.Boyutlandir(tutamac_, m_.Izgaraya(n.x()), m_.Izgaraya(n.y()));
        m_.Secimi_Gizle();
        break;
    }
    case Durum::Bolum_Cekiyor:
        m_.Bolum_Cek(mm.y());
        break;
    }
}

void BolumGorunumu::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPointF mm = Mm(e->position());
    const Durum durum = std::exchange(durum_, Durum::Bos);
    switch (durum) {
    case Durum::Tasiyor: {
        update(Piksel(taslak_).toAlignedRect().adjusted(-1, -1, 1, 1));
        const bool tasindi = !taslak_.isNull();
        taslak_ = QRectF();
        if (!tasindi)
            break;
        if (m_.Secim().size() > 1) {
            // The block's corner lands on the grid when snapping is on.
            const QPointF kose = m_.Secim_Alani().topLeft(), fark = mm - basma_mm_;
            m_.Kaydir(m_.Izgaraya(kose.x() + fark.x()) - kose.x(),
                      m_.Izgaraya(kose.y() + fark.y()) - kose.y());
        } else if (const auto d = m_.Nesne_Bul(mm)) {
            const QPointF ic = (mm - m_.Nesne(*d).Alan().topLeft()) / Twip_Basina_Mm;
            m_.Nesneye_Birak(tasinan_, *d, ic.x(), ic.y());
        } else if (rect().contains(e->position().toPoint())) {
            m_.Bolume_Birak(tasinan_, mm.x(), mm.y());
        }
        break;
    }
    case Durum::Boyutlandiriyor:
        m_.Boyutlandirma_Bitir();
        break;
    case Durum::Bolum_Cekiyor:
        m_.Bolum_Cekme_Bitir();
        break;
    case Durum::Seciyor:
        update(Piksel(bant_).toAlignedRect().adjusted(-1, -1, 1, 1));
        // A click on free space is no band: the selection stays.
        if (bant_.width() > 0.5 || bant_.height() > 0.5)
            m_.Alanla_Sec(bant_, e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
        bant_ = QRectF();
        break;
    case Durum::Bos:
        break;
    }
    imlecAyarla(mm);
}

void BolumGorunumu::mouseDoubleClickEvent(QMouseEvent *e) {
    const auto o = m_.Nesne_Bul(Mm(e->position()));
    if (o && m_.Nesne(*o).liste == Liste::Etiket) {
        m_.Nesne_Sec(*o);
        m_.Duzenlemeyi_Baslat();
    }
}

void BolumGorunumu::contextMenuEvent(QContextMenuEvent *e) {
    const QPointF mm = Mm(e->pos());
    if (const auto o = m_.Nesne_Bul(mm); o && !m_.Secili(*o))
        m_.Nesne_Sec(*o);
    emit Baglam_Menusu(e->globalPos(), mm);
}

void BolumGorunumu::keyPressEvent(QKeyEvent *e) {
    const auto mod = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const double adim = mod == Qt::ShiftModifier ? 0.1 : 1;
    if (e->key() == Qt::Key_Delete && mod == Qt::NoModifier && !m_.Duzenleniyor())
        m_.Secileni_Sil();
    else if (e->key() == Qt::Key_Escape && mod == Qt::NoModifier && !m_.Duzenleniyor())
        m_.Secimi_Birak();
    else if (e->key() == Qt::Key_A && mod == Qt::ControlModifier && !m_.Duzenleniyor())
        m_.Tumunu_Sec();
    else if (e->key() == Qt::Key_Z && mod == Qt::ControlModifier)
        m_.Geri_Al();
    else if ((e->key() == Qt::Key_Y && mod == Qt::ControlModifier) ||
             (e->key() == Qt::Key_Z && mod == (Qt::ControlModifier | Qt::ShiftModifier)))
        m_.Yinele();
    else if (e->key() == Qt::Key_Left && (mod == Qt::NoModifier || mod == Qt::ShiftModifier))
        m_.Kaydir(-adim, 0);
    else if (e->key() == Qt::Key_Right && (mod == Qt::NoModifier || mod == Qt::ShiftModifier))
        m_.Kaydir(adim, 0);
    else if (e->key() == Qt::Key_Up && (mod == Qt::NoModifier || mod == Qt::ShiftModifier))
        m_.Kaydir(0, -adim);
    else if (e->key() == Qt::Key_Down && (mod == Qt::NoModifier || mod == Qt::ShiftModifier))
        m_.Kaydir(0, adim);
    else
        return QWidget::keyPressEvent(e);
    e->accept();
}

void BolumGorunumu::dragEnterEvent(QDragEnterEvent *e) {
    if (e->mimeData()->hasFormat(Alan_Mime_Turu))
        e->acceptProposedAction();
}

void BolumGorunumu::dragMoveEvent(QDragMoveEvent *e) {
    rehberIzle(Mm(e->position()));
    e->acceptProposedAction();
}

void BolumGorunumu::dropEvent(QDropEvent *e) {
    const auto alan = Alan_Verisi_Oku(*e->mimeData());
    if (!alan)
        return;
    const QPointF mm = Mm(e->position());
    // The grab point is in the unzoomed picture's pixels; the section may be zoomed,
    // and the field lands where the dragged picture's corner was.
    const double olcek = 100.0 / m_.Yuzde();
    m_.Tutma_X = alan->tutma_x * olcek;
    m_.Tutma_Y = alan->tutma_y * olcek;
    m_.Alan_Birak(alan->ad, mm.x(), mm.y());
    e->acceptProposedAction();
}
