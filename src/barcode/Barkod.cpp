#include "Barkod.h"

#include "BarkodTipleri.h"
#include "Gs1.h"

#include "core/Birimler.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVarLengthArray>
#include <cmath>
#include <functional>
#include <zint.h>

namespace {

// UPC-E body (6 digits after number system 0) expanded to UPC-A for its check digit.
QString upceGenislet(const QString &alti) {
    const QChar s = alti[5];
    QString a = QStringLiteral("0");
    if (s <= u'2')
        a += alti.left(2) + s + QStringLiteral("0000") + alti.mid(2, 3);
    else if (s == u'3')
        a += alti.left(3) + QStringLiteral("00000") + alti.mid(3, 2);
    else if (s == u'4')
        a += alti.left(4) + QStringLiteral("00000") + alti[4];
    else
        a += alti.left(5) + QStringLiteral("0000") + s;
    return a;
}

struct Kural {
    int zint = 0;
    QString veri; // what zint is given
    QString metin;
    QString neden;
};

// EAN-13, EAN-8 and UPC-A: the body alone (check digit added) or, unless the
// engine's style sends bodies only, the full number with a right check digit.
void eanDogrula(Kural &k, const QString &veri, bool kontrolsuz, const Semboloji &t) {
    const int govde = t.govde;
    const QLatin1String ad(t.ad);
    if (!Hepsi_Rakam(veri)) {
        k.neden = QStringLiteral("%1 yalnız rakam alır").arg(ad);
        return;
    }
    if (veri.size() == govde) {
        k.zint = t.zint;
        k.metin = veri + QString::number(Kontrol_Rakami(veri));
    } else if (veri.size() == govde + 1 && !kontrolsuz) {
        if (Kontrol_Rakami(veri.left(govde)) != veri.back().digitValue())
            k.neden = QStringLiteral("%1 kontrol rakamı yanlış").arg(ad);
        else
            k.zint = t.zint_kontrollu;
    } else {
        k.neden = kontrolsuz ? QStringLiteral("%1 için %2 rakam gerekir").arg(ad).arg(govde)
                             : QStringLiteral("%1 için %2 ya da %3 rakam gerekir")
                                   .arg(ad)
                                   .arg(govde)
                                   .arg(govde + 1);
    }
}

void upceDogrula(Kural &k, const QString &veri) {
    if (!Hepsi_Rakam(veri) || veri.size() < 6 || veri.size() > 8) {
        k.neden = QStringLiteral("UPC-E için 6, 7 ya da 8 rakam gerekir");
    } else if (veri.size() == 8) {
        if (veri[0] != u'0' && veri[0] != u'1')
            k.neden = QStringLiteral("UPC-E sayı sistemi 0 ya da 1 olmalı");
        else if (Kontrol_Rakami(upceGenislet(veri.mid(1, 6))) != veri.back().digitValue())
            k.neden = QStringLiteral("UPC-E kontrol rakamı yanlış");
        k.zint = Semboloji_Bilgisi(Barkod::Sembol::UPCE).zint_kontrollu;
    } else {
        if (veri.size() == 7 && veri[0] != u'0' && veri[0] != u'1')
            k.neden = QStringLiteral("UPC-E sayı sistemi 0 ya da 1 olmalı");
        k.zint = Semboloji_Bilgisi(Barkod::Sembol::UPCE).zint;
        const QString govde = veri.size() == 6 ? QStringLiteral("0") + veri : veri;
        k.metin = govde + QString::number(Kontrol_Rakami(upceGenislet(govde.mid(1))));
    }
    // The last digit says how the UPC-A number was shortened; a shortening that would
    // have been written another way is no UPC-E number.
    const QString alti = veri.size() == 6 ? veri : veri.mid(1, 6);
    if (k.neden.isEmpty() && alti.size() == 6 &&
        ((alti[5] == u'3' && alti[2] <= u'2') || (alti[5] == u'4' && alti[3] == u'0') ||
         (alti[5] >= u'5' && alti[4] == u'0')))
        k.neden = QStringLiteral("UPC-E verisi geçerli bir kısaltma değil");
}

// The text symbologies: every character must be one the symbology can carry.
void karakterDogrula(Kural &k, const QString &veri, const Semboloji &t,
                     const std::function<bool(QChar)> &alir) {
    k.zint = t.zint;
    for (QChar c : veri)
        if (!alir(c)) {
            k.neden =
                QStringLiteral("%1 bu karakteri alamaz: \"%2\"").arg(QLatin1String(t.ad)).arg(c);
            return;
        }
}

Kural dogrula(Barkod::Sembol s, const QString &veri, bool kontrolsuz) {
    using S = Barkod::Sembol;
    Kural k;
    k.veri = veri;
    k.metin = veri;
    const Semboloji &t = Semboloji_Bilgisi(s);
    switch (s) {
    case S::Yok:
        return k;
    case S::EAN13:
    case S::EAN8:
    case S::UPCA:
        eanDogrula(k, veri, kontrolsuz, t);
        break;
    case S::UPCE:
        upceDogrula(k, veri);
        break;
    case S::Code39:
        karakterDogrula(k, veri, t, Kod39_Karakteri);
        break;
    case S::Code93:
        karakterDogrula(k, veri, t, [](QChar c) { return c.unicode() <= 127; });
        break;
    case S::Code128A:
        // Set A: upper case, digits, punctuation and control characters; no lower case.
        karakterDogrula(k, veri, t, [](QChar c) { return c.unicode() <= 0x5F; });
        break;
    case S::Code128:
        karakterDogrula(k, veri, t, [](QChar c) { return c.unicode() <= 0xFF; });
        break;
    case S::GS1_128:
    case S::GS1_DataMatrix: {
        const Gs1Verisi g = Gs1_Oku(veri);
        k.zint = t.zint;
        k.veri = g.zint;
        k.metin = t.iki_boyutlu ? QString() : g.metin;
        k.neden = g.neden;
        break;
    }
    case S::QR:
    case S::DataMatrix:
    case S::PDF417:
        k.zint = t.zint;
        k.metin.clear();
        break;
    }
    if (veri.isEmpty())
        k.neden = QStringLiteral("barkod verisi yok");
    return k;
}

} // namespace

std::shared_ptr<const Barkod> Barkod::Kodla(Sembol sembol, const QString &veri, bool kontrolsuz) {
    auto b = std::make_shared<Barkod>();
    b->sembol_ = sembol;
    b->veri_ = veri;
    const Kural k = dogrula(sembol, veri, kontrolsuz);
    b->metin_ = k.metin;
    b->kodlanan_ = k.veri;
    b->neden_ = k.neden;
    if (sembol != Sembol::Yok && k.neden.isEmpty())
        b->zint_ = k.zint;
    return b;
}

void Barkod::zintle() const {
    std::call_once(zintlendi_, [this] {
        if (zint_)
            zintleIc();
    });
}

void Barkod::zintleIc() const {
    const Semboloji &t = Semboloji_Bilgisi(sembol_);
    const QString &veri = kodlanan_;
    zint_symbol *z = ZBarcode_Create();
    z->symbology = zint_;
    z->show_hrt = 0; // the text is drawn by Ciz with the control's font
    z->output_options |= BARCODE_QUIET_ZONES;
    if (t.gs1)
        z->input_mode = GS1_MODE;
    else if (t.utf8)
        z->input_mode = UNICODE_MODE;
    if (sembol_ == Sembol::QR)
        z->option_1 = 2; // error correction M: 15 % of the symbol may be lost
    if (t.zint == BARCODE_DATAMATRIX)
        z->option_3 = DM_SQUARE; // as printers make it
    const QByteArray girdi = t.gs1 || t.utf8 ? veri.toUtf8() : veri.toLatin1();
    const int sonuc = ZBarcode_Encode_and_Buffer_Vector(
        z, reinterpret_cast<const unsigned char *>(girdi.constData()), int(girdi.size()), 0);
    if (sonuc >= ZINT_ERROR || !z->vector) {
        // The library's own words are English and name its internals: the reason a
        // label shows is ours.
        neden_ = t.gs1                          ? QStringLiteral("GS1: veri kabul edilmedi")
                 : sonuc == ZINT_ERROR_TOO_LONG ? QStringLiteral("veri bu kod için çok uzun")
                                                : QStringLiteral("barkod bu veriyle kodlanamıyor");
    } else {
        boyut_ = QSizeF(z->vector->width, z->vector->height);
        for (const zint_vector_rect *r = z->vector->rectangles; r; r = r->next)
            if (r->colour <= 0 || r->colour == 7)
                cubuklar_.append(QRectF(r->x, r->y, r->width, r->height));
    }
    ZBarcode_Delete(z);
}

bool Barkod::Iki_Boyutlu() const { return Semboloji_Bilgisi(sembol_).iki_boyutlu; }

double Barkod::Modul_Sayisi() const {
    zintle();
    double dar = 0;
    for (const QRectF &r : cubuklar_)
        if (dar == 0 || r.width() < dar)
            dar = r.width();
    return dar > 0 ? boyut_.width() / dar : 0;
}

double Barkod::Ilk_Cubuk() const {
    zintle();
    double ilk = boyut_.width();
    for (const QRectF &r : cubuklar_)
        ilk = std::min(ilk, r.left());
    return boyut_.width() > 0 ? ilk / boyut_.width() : 0;
}

Barkod::Yerlesim Barkod::Yerlestir(const QRectF &alan, const Gorunum &g, qreal birim_nokta) const {
    zintle();
    Yerlesim y;
    y.cubuklar = alan;
    if (Iki_Boyutlu() && boyut_.width() > 0 && boyut_.height() > 0) {
        // Square modules: the largest symbol of its own proportions, centred.
        const QSizeF s = boyut_.scaled(alan.size(), Qt::KeepAspectRatio);
        y.cubuklar = QRectF(alan.center() - QPointF(s.width() / 2, s.height() / 2), s);
        return y;
    }
    y.metin = g.metin_goster && !metin_.isEmpty();
    if (!y.metin)
        return y;
    const qreal nokta = g.yazi.pointSizeF() > 0 ? g.yazi.pointSizeF() : 8;
    const qreal yukseklik = qBound<qreal>(0, nokta * birim_nokta * 1.15, alan.height() * 0.4);
    y.cubuklar.setHeight(alan.height() - yukseklik);
    y.yazi = QRectF(alan.left(), y.cubuklar.bottom(), alan.width(), yukseklik);
    y.yazi_boyu = yukseklik / 1.15;
    return y;
}

void Barkod::Ciz(QPainter &p, const QRectF &hedef, const Gorunum &g, qreal birim_nokta) const {
    if (sembol_ == Sembol::Yok)
        return;
    zintle();
    p.save();
    const qreal birimPerNokta = birim_nokta > 0 ? birim_nokta : Birim_Nokta(p);
    p.translate(hedef.center());
    p.rotate(-g.yon / 10.0);
    const bool dik =
        (((g.yon % 3600) + 3600) % 3600 == 900) || (((g.yon % 3600) + 3600) % 3600 == 2700);
    const QSizeF boyut = dik ? QSizeF(hedef.height(), hedef.width()) : hedef.size();
    const QRectF alan(QPointF(-boyut.width() / 2, -boyut.height() / 2), boyut);
    if (g.arka_opak)
        p.fillRect(alan, g.arka);
    p.setPen(Qt::NoPen);

    if (!Gecerli()) {
        // No bars: the data and why, inside a thin frame.
        QPen cerceve(g.on);
        cerceve.setWidthF(qMax(alan.height(), alan.width()) / 200.0);
        p.setPen(cerceve);
        p.setBrush(Qt::NoBrush);
        p.drawRect(alan);
        QFont f = g.yazi;
        f.setPixelSize(qMax(1, int(qMin(alan.height() / 4.0, alan.width() / 12.0))));
        p.setFont(f);
        p.drawText(alan, Qt::AlignCenter | Qt::TextWordWrap, veri_ + u'\n' + neden_);
        p.restore();
        return;
    }

    const Yerlesim yer = Yerlestir(alan, g, birimPerNokta);
    const QRectF &cubukAlani = yer.cubuklar;
    if (yer.metin) {
        QFont yazi = g.yazi;
        yazi.setPixelSize(qMax(1, int(yer.yazi_boyu)));
        p.setFont(yazi);
        p.setPen(g.on);
        p.drawText(yer.yazi, Qt::AlignCenter, metin_);
        p.setPen(Qt::NoPen);
    }
    const qreal sx = cubukAlani.width() / boyut_.width();
    const qreal sy = cubukAlani.height() / boyut_.height();
    const bool matris = Iki_Boyutlu();
    p.setBrush(g.on);
    QVarLengthArray<QRectF, 64> cubuklar;
    for (const QRectF &r : cubuklar_)
        cubuklar.append(matris
                            ? QRectF(cubukAlani.left() + r.x() * sx, cubukAlani.top() + r.y() * sy,
                                     r.width() * sx, r.height() * sy)
                            : QRectF(cubukAlani.left() + r.x() * sx, cubukAlani.top(),
                                     r.width() * sx, cubukAlani.height()));
    p.drawRects(cubuklar.constData(), int(cubuklar.size())); // one call for all bars
    p.restore();
}
