#include "RaporSayfasi.h"

#include <QPainter>

QPageSize Twip_Sayfa_Boyu(const QSizeF &twip, QPageSize::SizeMatchPolicy eslesme) {
    return QPageSize(QSizeF(twip.width(), twip.height()) / Inc_Basina_Twip, QPageSize::Inch,
                     QString(), eslesme);
}

QSizeF Sayfa_Twip_Boyu(const QPageSize &boyut) {
    const QSizeF d = boyut.definitionSize();
    switch (boyut.definitionUnits()) {
    case QPageSize::Millimeter:
        return d * Mm_Basina_Twip;
    case QPageSize::Inch:
        return d * Inc_Basina_Twip;
    case QPageSize::Point:
        return d * Nokta_Basina_Twip;
    default:
        return boyut.size(QPageSize::Millimeter) * Mm_Basina_Twip;
    }
}

void Twip_Olcegi(QPainter &p, qreal dpi) { p.scale(Twip_Piksel(1, dpi), Twip_Piksel(1, dpi)); }

void Oge_Ciz(QPainter &p, const CizimOgesi &o) {
    // Pages are twips: 20 to a point at any zoom of the painter.
    constexpr qreal twip_nokta = 20;
    if (o.barkod)
        o.barkod->Ciz(p, o.alan, o.barkod_gorunum, twip_nokta);
    else if (o.resim)
        o.resim->Ciz(p, o.alan, o.resim_aci);
    else
        Donuk_Yazi_Ciz(p, o.alan, o.metin, o.yazi, twip_nokta, o.sigdirma ? &*o.sigdirma : nullptr);
}

bool Yazi_Tasiyor(CizimOgesi &o) {
    if (o.barkod || o.resim)
        return false;
    if (!o.sigdirma)
        o.sigdirma = Yazi_Sigdir(o.metin, o.yazi, o.alan, 20);
    return o.sigdirma->tasti;
}

bool Yazi_Tasiyor(const CizimOgesi &o) {
    return !o.barkod && !o.resim &&
           (o.sigdirma ? *o.sigdirma : Yazi_Sigdir(o.metin, o.yazi, o.alan, 20)).tasti;
}

void TasmaListesi::Ekle(const QString &ad) {
    ++sayi_;
    if (adlar_.size() < 5 && !adlar_.contains(ad))
        adlar_.append(ad);
}

QString TasmaListesi::Mesaj() const {
    if (sayi_ == 0)
        return QString();
    QString m = QStringLiteral("%1 etikette %2: ").arg(sayi_).arg(konu_) +
                adlar_.join(QStringLiteral(", "));
    if (adlar_.size() < sayi_)
        m += QStringLiteral(", …");
    return m;
}

void Sayfa_Ciz(QPainter &p, const RaporSayfasi &sayfa) {
    for (const CizimOgesi &o : sayfa.ogeler)
        Oge_Ciz(p, o);
}
