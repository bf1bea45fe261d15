#include "EtiketResmi.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

// A measuring line with arrow heads at both ends and its name beside it.
void olcu(QPainter &p, QPointF a, QPointF b, const QString &ad, QPointF yazi) {
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::max(1.0, std::hypot((b - a).x(), (b - a).y()));
    const QPointF n(-d.y(), d.x());
    for (auto [uc, yon] : {std::pair{a, d}, std::pair{b, -d}}) {
        QPainterPath ok;
        ok.moveTo(uc);
        ok.lineTo(uc + yon * 6 + n * 3);
        ok.lineTo(uc + yon * 6 - n * 3);
        ok.closeSubpath();
        p.fillPath(ok, p.pen().color());
    }
    p.drawText(yazi, ad);
}

} // namespace

EtiketResmi::EtiketResmi(QWidget *ust) : QWidget(ust) {
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Etiket ölçüleri"));
    setAccessibleDescription(
        QStringLiteral("Etiket boyu, etiket genişliği, yatay aralık ve dikey aralık"));
    setMinimumSize(sizeHint());
}

void EtiketResmi::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    // The sheet's corner and four labels: 70 x 45 px each, gaps of 14 px.
    const double x0 = 52, y0 = 40, w = 70, h = 45, gx = 14, gy = 14;
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    p.drawLine(QPointF(x0 - 12, y0 - 12), QPointF(width(), y0 - 12));
    p.drawLine(QPointF(x0 - 12, y0 - 12), QPointF(x0 - 12, height()));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            p.fillRect(QRectF(x0 + c * (w + gx), y0 + r * (h + gy), w, h),
                       QColor(0xF4, 0xE8, 0xB0));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            p.drawRect(QRectF(x0 + c * (w + gx), y0 + r * (h + gy), w, h));
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(QPen(QColor(0x2F, 0x53, 0xB3), 1));
    olcu(p, {x0 - 5, y0}, {x0 - 5, y0 + h}, QStringLiteral("Boy"), {2, y0 + h / 2 + 4});
    olcu(p, {x0, y0 - 5}, {x0 + w, y0 - 5}, QStringLiteral("Genişlik"), {x0 + 10, y0 - 9});
    // Each name by its own arrow, clear of the other: "Yatay" under the gap between
    // the columns, "Dikey" beside the gap between the rows.
    const QFontMetricsF fm(f);
    const QString yatay = QStringLiteral("Yatay");
    olcu(p, {x0 + w, y0 + h / 2}, {x0 + w + gx, y0 + h / 2}, yatay,
         {x0 + w + gx / 2 - fm.horizontalAdvance(yatay) / 2, y0 + h / 2 + fm.ascent() + 6});
    olcu(p, {x0 + w / 2, y0 + h}, {x0 + w / 2, y0 + h + gy}, QStringLiteral("Dikey"),
         {x0 + w / 2 + 6, y0 + h + gy / 2 + fm.ascent() / 2});
}
