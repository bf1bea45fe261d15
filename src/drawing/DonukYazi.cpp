#include "DonukYazi.h"

#include <QFontMetricsF>
#include <QHash>
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

namespace {

bool dik(qreal aci) {
    const qreal a = std::fmod(std::fabs(aci), 180.0);
    return std::fabs(a - 90.0) < 45.0;
}

// Width of the text at 1000 units a point-size, without hinting: widths then
// scale exactly with the size on every device. A run measures each text twice
// (laying out, then painting) and its fonts thousands of times: the metrics of a
// font and the last widths are kept. Cache only, per thread: what it holds is
// always what measuring again would give.
qreal olcuGenisligi(const QString &metin, const YaziGorunumu &g, qreal sinir) {
    struct Olcu {
        QFontMetricsF metrik;
        QHash<char16_t, qreal> harfler; // advance of each character met so far
    };
    thread_local QHash<QString, Olcu> olculer;
    // Texts of one font follow each other: the last font is looked up first.
    thread_local QString son_aile;
    thread_local int son_stil = -1;
    thread_local Olcu *son = nullptr;
    const int stil = int(g.kalin) * 2 + int(g.italik);
    if (!son || son_stil != stil || son_aile != g.yazi_tipi) {
        const QString yazi = g.yazi_tipi + u'|' + QChar(u'0' + stil);
        auto it = olculer.find(yazi);
        if (it == olculer.end()) {
            QFont f = g.Font();
            f.setHintingPreference(QFont::PreferNoHinting);
            f.setPixelSize(1000);
            if (olculer.size() > 64)
                olculer.clear();
            it = olculer.insert(yazi, {QFontMetricsF(f), {}});
        }
        son = &*it, son_aile = g.yazi_tipi, son_stil = stil;
    }
    // The characters' own advances added up: no shaping, and what fits by that
    // measure fits as drawn (kerning only brings letters closer). A text that may
    // not fit is measured whole, as it will be drawn.
    qreal toplam = 0;
    for (const QChar c : metin) {
        auto h = son->harfler.constFind(c.unicode());
        if (h == son->harfler.cend())
            h = son->harfler.insert(c.unicode(), son->metrik.horizontalAdvance(c));
        toplam += *h;
    }
    // Qt measures a line in 26.6 fixed point: past about 33 million units (a few
    // tens of thousands of letters here) the whole-text measure wraps round to a
    // small or negative width. Such a text is wider than any label by far, and the
    // added advances say so.
    constexpr qreal olculebilir = 1.0e7;
    return toplam <= sinir || toplam > olculebilir ? toplam : son->metrik.horizontalAdvance(metin);
}

} // namespace

YaziSigdirma Yazi_Sigdir(const QString &metin, const YaziGorunumu &g, const QRectF &alan,
                         qreal birim_nokta) {
    YaziSigdirma s;
    s.boyut = g.boyut > 0 ? g.boyut : 8;
    if (metin.isEmpty() || birim_nokta <= 0)
        return s;
    const qreal kutu = (dik(g.aci) ? alan.height() : alan.width()) / birim_nokta; // points
    // Points of width per point of size; exact when the text may not fit.
    const qreal olcu = olcuGenisligi(metin, g, kutu / s.boyut * 1000.0) / 1000.0;
    if (olcu <= 0 || olcu * s.boyut <= kutu)
        return s;
    // The largest half point that fits: sizes in steps, so a run of many labels
    // loads a few sizes of a font, not one for every text.
    const qreal sigan = std::floor(kutu / olcu * 2.0) / 2.0;
    if (sigan >= En_Kucuk_Yazi) {
        s.boyut = sigan;
    } else {
        s.boyut = En_Kucuk_Yazi;
        s.tasti = true;
    }
    return s;
}


void Donuk_Yazi_Ciz(QPainter &p, const QRectF &alan, const QString &metin, const YaziGorunumu &g,
                    qreal birim_nokta, const YaziSigdirma *hazir) {
    if (g.arka_opak)
        p.fillRect(alan, g.arka);
    if (metin.isEmpty())
        return;
    p.save();
    // Font size in the painter's units, so the same call works on screen, paper and PDF.
    const qreal birim = birim_nokta > 0 ? birim_nokta : Birim_Nokta(p);
    const YaziSigdirma sigdirma = hazir ? *hazir : Yazi_Sigdir(metin, g, alan, birim);
    QFont f = g.Font();
    f.setHintingPreference(QFont::PreferNoHinting); // drawn as measured, on every device
    f.setPixelSize(qMax(1, int(std::lround(sigdirma.boyut * birim))));
    p.setFont(f);
    p.setPen(g.on);

    // Unturned text is drawn in place: no transform changes for the output to record.
    QRectF yerel = alan;
    if (g.aci != 0) {
        p.translate(alan.center());
        p.rotate(-g.aci);
        const QSizeF boyut = dik(g.aci) ? QSizeF(alan.height(), alan.width()) : alan.size();
        yerel = QRectF(QPointF(-boyut.width() / 2, -boyut.height() / 2), boyut);
    }
    if (sigdirma.tasti)
        p.setClipRect(yerel, Qt::IntersectClip);
    int bayrak = g.yatay_hiza == 1   ? Qt::AlignRight
                 : g.yatay_hiza == 2 ? Qt::AlignHCenter
                                     : Qt::AlignLeft;
    bayrak |= g.dikey_hiza == 1   ? Qt::AlignVCenter
              : g.dikey_hiza == 2 ? Qt::AlignBottom
                                  : Qt::AlignTop;
    // One line, never wrapped: a second line would fall outside the box and be lost.
    p.drawText(yerel, bayrak | Qt::TextSingleLine, metin);
    p.restore();
}
