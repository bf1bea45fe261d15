#include "DonukYazi.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

QFont YaziGorunumu::Font() const {
    QFont f(yazi_tipi);
    f.setPointSizeF(boyut > 0 ? boyut : 8);
    f.setBold(kalin);
    f.setItalic(italik);
    f.setUnderline(alti_cizili);
    f.setStrikeOut(ustu_cizili);
    return f;
}

qreal Birim_Nokta(const QPainter &p) {
    // Taken before any rotation (a turned transform has no m22).
    const QTransform t = p.transform();
    const qreal olcekY = std::hypot(t.m21(), t.m22());
    const qreal dpiY = p.device() ? p.device()->logicalDpiY() : 72;
    return olcekY > 0 ? dpiY / 72.0 / olcekY : 1;
}

void Donuk_Yazi_Ciz(QPainter &p, const QRectF &alan, const QString &metin, const YaziGorunumu &g,
                    qreal birim_nokta) {
    if (g.arka_opak)
        p.fillRect(alan, g.arka);
    if (metin.isEmpty())
        return;
    p.save();
    // Font size in the painter's units, so the same call works on screen, paper and PDF.
    QFont f = g.Font();
    const qreal birim = birim_nokta > 0 ? birim_nokta : Birim_Nokta(p);
    f.setPixelSize(qMax(1, int(std::lround(f.pointSizeF() * birim))));
    p.setFont(f);
    p.setPen(g.on);

    // Unturned text is drawn in place: no transform changes for the output to record.
    QRectF yerel = alan;
    if (g.aci != 0) {
        p.translate(alan.center());
        p.rotate(-g.aci);
        const qreal a = std::fmod(std::fabs(g.aci), 180.0);
        const bool dik = std::fabs(a - 90.0) < 45.0;
        const QSizeF boyut = dik ? QSizeF(alan.height(), alan.width()) : alan.size();
        yerel = QRectF(QPointF(-boyut.width() / 2, -boyut.height() / 2), boyut);
    }
    int bayrak = g.yatay_hiza == 1   ? Qt::AlignRight
                 : g.yatay_hiza == 2 ? Qt::AlignHCenter
                                     : Qt::AlignLeft;
    bayrak |= g.dikey_hiza == 1   ? Qt::AlignVCenter
              : g.dikey_hiza == 2 ? Qt::AlignBottom
                                  : Qt::AlignTop;
    if (g.cok_satirli)
        bayrak |= Qt::TextWordWrap;
    p.drawText(yerel, bayrak, metin);
    p.restore();
}
