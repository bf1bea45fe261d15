#include "RaporSayfasi.h"

#include <QPainter>

QPageSize Twip_Sayfa_Boyu(const QSizeF &twip, QPageSize::SizeMatchPolicy eslesme) {
    return QPageSize(QSizeF(twip.width() / 1440.0, twip.height() / 1440.0), QPageSize::Inch,
                     QString(), eslesme);
}

void Twip_Olcegi(QPainter &p, qreal dpi) { p.scale(dpi / 1440.0, dpi / 1440.0); }

void Sayfa_Ciz(QPainter &p, const RaporSayfasi &sayfa) {
    for (const CizimOgesi &o : sayfa.ogeler) {
        if (o.barkod)
            o.barkod->Ciz(p, o.alan, o.barkod_gorunum);
        else
            Donuk_Yazi_Ciz(p, o.alan, o.metin, o.yazi);
    }
}
