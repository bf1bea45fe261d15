#include "AracSimgeleri.h"

#include <QPainter>
#include <QPixmap>

namespace {

void cizgiler(QPainter &p, const int (&bas)[4], const int (&son)[4]) {
    for (int i = 0; i < 4; ++i)
        p.drawLine(bas[i], 3 + i * 3, son[i], 3 + i * 3);
}

} // namespace

QIcon Arac_Simgesi(const QString &ad) {
    QPixmap r(16, 16);
    r.fill(Qt::transparent);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor koyu(0x30, 0x30, 0x30);
    p.setPen(QPen(koyu, 1));
    if (ad == u"Yazdir") {
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(0x90, 0x90, 0x90));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    } else if (ad == u"Onizleme") {
        p.setPen(QPen(koyu, 1.6));
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.drawLine(QPointF(9, 9), QPointF(14, 14));
    } else if (ad == u"SayfaAyar") {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(QColor(0x2F, 0x53, 0xB3), 1, Qt::DotLine));
        p.drawRect(QRectF(4.5, 3.5, 7, 9));
    } else if (ad == u"Format") {
        QFont f = p.font();
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("0,0"));
    } else if (ad == u"Font" || ad == u"Yazi") {
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, -1, 16, 14), Qt::AlignCenter, QStringLiteral("A"));
        if (ad == u"Yazi")
            p.fillRect(QRectF(2, 13, 12, 2.5), QColor(0xC0, 0x20, 0x20));
    } else if (ad == u"Zemin") {
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
    } else if (ad == u"Sola") {
        cizgiler(p, {2, 2, 2, 2}, {14, 9, 12, 7});
    } else if (ad == u"Saga") {
        cizgiler(p, {2, 7, 4, 9}, {14, 14, 14, 14});
    } else if (ad == u"Orta") {
        cizgiler(p, {2, 5, 3, 6}, {14, 11, 13, 10});
    } else if (ad == u"Barkod") {
        const int genislik[] = {1, 2, 1, 1, 3, 1, 2, 1};
        int x = 2;
        for (int g : genislik) {
            p.fillRect(QRect(x, 2, g, 12), koyu);
            x += g + 1;
        }
    } else {
        return {};
    }
    p.end();
    return QIcon(r);
}
