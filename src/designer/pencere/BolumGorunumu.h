#pragma once

#include "designer/TasarimModeli.h"
#include "drawing/RaporSayfasi.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QPainter;
struct YuzeyNesnesi;

// The colour value 0xB3532F of the handles and guides.
inline const QColor Secim_Rengi(0x2F, 0x53, 0xB3);

// The two guide lines of one area ("B0" the section, "F0" the window around it)
// on a widget of `boyut` pixels, `piksel_mm` pixels to the millimetre: the strip
// they cover (empty when the guides are in the other area), and their drawing.
QRect Rehber_Kutusu(const TasarimModeli::Rehber &r, QStringView alan, double piksel_mm,
                    QSize boyut);
void Rehber_Ciz(QPainter &p, const TasarimModeli::Rehber &r, QStringView alan, double piksel_mm,
                QSize boyut);

// The section Bolum(0) on screen: paints the label through the one label drawing
// (design record → drawing items → the shared painters) and turns mouse and keys
// into model calls. The mouse works as a small state machine: idle, moving an
// object or the selection, resizing by a handle, dragging the bottom edge, drawing a
// rubber band on free space; in-place editing is the
// model's state with the line edit EditText over the text.
inline const QString Tasma_Ipucu =
    QStringLiteral("Yazı alanına sığmıyor: en küçük boyutta bile kesilerek basılacak.");

class BolumGorunumu : public QWidget {
    Q_OBJECT
public:
    enum class Durum { Bos, Tasiyor, Boyutlandiriyor, Bolum_Cekiyor, Seciyor };

    explicit BolumGorunumu(TasarimModeli &model, QWidget *ust = nullptr);
    ~BolumGorunumu() override;

    TasarimModeli &Model() const { return m_; }
    Durum Durumu() const { return durum_; }
    QLineEdit *EditText() const { return editor_; }
    // Screen pixels per millimetre at the current zoom.
    double Piksel_Mm() const;
    QRectF Piksel(const QRectF &mm) const;
    QPointF Mm(QPointF piksel) const;
    // The drawing items of an object (twips), kept until it changes.
    const QList<CizimOgesi> &Cizim(int sira);

    // Sample data: what texts and fields show instead of their captions (an item's
    // values as they print) and the barcode drawn; without it, the captions.
    // How a picture or a code element is drawn in its box (twips): by the shelf
    // builder, with the item's values or, without sample data, its template as it
    // stands; nothing when it shows nothing (its caption shows instead).
    using RafCizici = std::function<std::optional<CizimOgesi>(const NesneKaydi &, const QRectF &)>;
    struct OrnekVeri {
        std::function<QString(const NesneKaydi &)> metin;
        std::shared_ptr<const Barkod> barkod;
        RafCizici raf;
    };
    void Raf_Cizici_Ayarla(RafCizici cizici);
    void Ornek_Veri_Ayarla(std::optional<OrnekVeri> veri);
    bool Ornek_Veri_Acik() const { return ornek_.has_value(); }
    // Whether an object's text does not fit its box even at the smallest size.
    bool Tasiyor(int sira);

signals:
    // The pointer left the section during a drag or a move (window coordinates mm).
    void Disarida(QPointF pencere_mm);
    // Where the pointer is over the section (mm).
    void Imlec_Konumu(QPointF mm);
    // A right-click: the context menu at `ekran` (global pixels) for the point `mm`;
    // the element under it is selected first.
    void Baglam_Menusu(QPoint ekran, QPointF mm);

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    void boyutla();
    void nesneDegisti(int sira, QRectF eski);
    void secimDegisti();
    void editoruYerlestir();
    void rehberIzle(QPointF mm);
    void imlecAyarla(QPointF mm);
    QRect tutamacKutusu() const;
    void nesneCiz(QPainter &p, int sira);

    TasarimModeli &m_;
    QLineEdit *editor_;
    Durum durum_ = Durum::Bos;
    int tutamac_ = -1;
    int tasinan_ = -1;
    QPointF basma_mm_; // where a move began
    QRectF taslak_;    // the outline that follows the pointer while moving, mm
    QRectF bant_;      // the rubber band, mm
    QRect son_tutamaclar_;
    std::shared_ptr<const Barkod> ornek_barkod_; // every surface barcode shows the sample
    std::vector<std::optional<QList<CizimOgesi>>> cizimler_;
    std::optional<OrnekVeri> ornek_;
    RafCizici raf_;
};
