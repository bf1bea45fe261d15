#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <mutex>

class QPainter;

// One encoded barcode: bars as rectangles, encoded once per data and kept, then
// painted into any rectangle by the one draw path shared by screen, printer, PDF
// and PNG. Data the symbology cannot take gives no bars and a reason. The bars are
// worked out when first asked for, on whichever thread asks: a big run lays labels
// out on one thread and paints them on others.
class Barkod {
public:
    enum class Sembol {
        Yok,
        EAN13,
        EAN8,
        UPCA,
        UPCE,
        Code39,
        Code93,
        Code128A,
        // The symbologies a code element names itself.
        Code128,
        GS1_128,
        QR,
        DataMatrix,
        GS1_DataMatrix,
        PDF417,
    };

    // `kontrolsuz`: EAN data comes without its check digit, which is added (the
    // engine's EAN styles). Otherwise a full-length EAN/UPC number is checked.
    static std::shared_ptr<const Barkod> Kodla(Sembol sembol, const QString &veri,
                                               bool kontrolsuz = false);

    Sembol Sembolu() const { return sembol_; }
    const QString &Veri() const { return veri_; }
    bool Gecerli() const { return Neden().isEmpty(); }
    const QString &Neden() const { return (zintle(), neden_); }
    // The human-readable text: the full number with its check digit; GS1 data with its
    // application identifiers in brackets; none for two-dimensional symbols.
    const QString &Metin() const { return metin_; }
    // What zint was given: GS1 data in its own bracket form, a 13-digit GTIN made 14.
    const QString &Kodlanan() const { return kodlanan_; }
    // Rows as well as columns: drawn keeping its proportions, centred in its box.
    bool Iki_Boyutlu() const;
    // The symbol's size in its own units (modules), quiet zones included.
    QSizeF Boyut() const { return (zintle(), boyut_); }
    qsizetype Cubuk_Sayisi() const { return (zintle(), cubuklar_.size()); }
    // The symbol's width in modules (its narrowest bar), quiet zones included: what a
    // printer drawing the symbol itself needs to pick its module width.
    double Modul_Sayisi() const;
    // Where the first bar starts, as a share of the symbol's width (its quiet zone).
    double Ilk_Cubuk() const;

    struct Gorunum {
        int yon = 0; // tenths of a degree, counter-clockwise
        QColor on = Qt::black;
        QColor arka = Qt::white;
        bool arka_opak = true;
        bool metin_goster = true;
        QFont yazi;
    };
    // Where the bars and the human-readable strip under them lie in a box of the
    // symbol's own (unturned) frame, in units of which `birim_nokta` make a point: the
    // strip as high as the font (×1,15 for its line), at most 40 % of the box. Every
    // road and output lays a symbol out by this.
    struct Yerlesim {
        bool metin = false; // the strip is shown
        QRectF cubuklar, yazi;
        qreal yazi_boyu = 0; // the text's size, in the box's units
    };
    Yerlesim Yerlestir(const QRectF &alan, const Gorunum &g, qreal birim_nokta) const;

    // Fills `hedef` (any unit of the painter): bars stretched to it, the text in a
    // strip under the bars.
    // `birim_nokta`: painter units per point, as for Donuk_Yazi_Ciz.
    void Ciz(QPainter &p, const QRectF &hedef, const Gorunum &g, qreal birim_nokta = 0) const;

private:
    void zintle() const; // the bars, once
    void zintleIc() const;

    Sembol sembol_ = Sembol::Yok;
    int zint_ = 0; // zint's symbology; 0: nothing to encode
    QString veri_;
    QString metin_;
    QString kodlanan_;
    mutable std::once_flag zintlendi_;
    mutable QString neden_;
    mutable QList<QRectF> cubuklar_; // in the symbol's own units
    mutable QSizeF boyut_;
};
