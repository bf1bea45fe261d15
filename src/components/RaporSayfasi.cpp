#include "RaporSayfasi.h"

#include <QPainter>

void Twip_Olcegi(QPainter &p, qreal dpi) { p.scale(dpi / 1440.0, dpi / 1440.0); }

void Sayfa_Ciz(QPainter &p, const RaporSayfasi &sayfa) {
    for (const CizimOgesi &o : sayfa.ogeler) {
        if (o.barkod)
            o.barkod->Ciz(p, o.alan, o.barkod_gorunum);
        else
            Donuk_Yazi_Ciz(p, o.alan, o.metin, o.yazi);
    }
}
