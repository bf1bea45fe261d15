#pragma once

#include "core/Birimler.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// How a text control looks: the members the designs and the report engine set.
struct YaziGorunumu {
    QString yazi_tipi = QStringLiteral("Arial");
    qreal boyut = 8; // points
    bool kalin = false, italik = false, alti_cizili = false, ustu_cizili = false;
    QColor on = Qt::black;
    QColor arka = Qt::white;
    bool arka_opak = false;
    int yatay_hiza = 0; // 0 left, 1 right, 2 centre
    int dikey_hiza = 0; // 0 top, 1 middle, 2 bottom
    qreal aci = 0;      // degrees, counter-clockwise

    QFont Font() const;
};

// The smallest size a text is shrunk to; below it, it is clipped and counted.
inline constexpr qreal En_Kucuk_Yazi = 4;

// How a text meets its box: on one line, at its own size when it fits the box's
// width (its height when turned), else at the largest size down to 4 pt at which it
// does; below that at 4 pt, clipped (`tasti`). Measured without hinting, so every
// surface and output comes to the same size.
struct YaziSigdirma {
    qreal boyut = 8; // points
    bool tasti = false;
};
YaziSigdirma Yazi_Sigdir(const QString &metin, const YaziGorunumu &g, const QRectF &alan,
                         qreal birim_nokta);


// Draws `metin` rotated inside `alan` (any unit of the painter): the background
// fills the rectangle, the text is laid out on one line along the rotated axis at
// the size Yazi_Sigdir gives. `birim_nokta`
// is how many painter units make a point (20 for twips); 0 takes the device's
// resolution, which holds only while the painter is not zoomed.
// `hazir`: the fitting worked out already for this box (a page laid out once).
void Donuk_Yazi_Ciz(QPainter &p, const QRectF &alan, const QString &metin, const YaziGorunumu &g,
                    qreal birim_nokta = 0, const YaziSigdirma *hazir = nullptr);
