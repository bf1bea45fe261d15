#include "RaporKontrolleri.h"

#include "barcode/BarkodTipleri.h"

#include "core/Renk.h"

YaziGorunumu RaporEtiketi::Gorunum() const {
    YaziGorunumu g;
    g.yazi_tipi = Font.Name;
    g.boyut = Font.Size;
    g.kalin = Font.Bold;
    g.italik = Font.Italic;
    g.alti_cizili = Font.Underline;
    g.ustu_cizili = Font.Strikethrough;
    g.on = Renk_Cevir(ForeColor);
    g.arka = Renk_Cevir(BackColor);
    g.arka_opak = BackStyle == 1;
    g.yatay_hiza = Alignment;
    g.dikey_hiza = VerticalAlignment;
    g.aci = Angle / 10.0;
    return g;
}

void RaporBarkodu::setStyle(int stil) {
    if (stil != stil_)
        sembol_.reset();
    stil_ = stil;
}

void RaporBarkodu::setCaption(const QString &veri) {
    if (veri != veri_)
        sembol_.reset();
    veri_ = veri;
}

std::shared_ptr<const Barkod> RaporBarkodu::Sembol() const {
    if (!sembol_) {
        const Barkod::Sembol s = Stil_Sembolu(stil_);
        sembol_ = Barkod::Kodla(s, veri_, Semboloji_Bilgisi(s).stil_govde_alir);
    }
    return sembol_;
}

Barkod::Gorunum RaporBarkodu::Gorunum() const {
    Barkod::Gorunum g;
    g.yon = Direction == 2 ? 900 : 0;
    g.on = Renk_Cevir(ForeColor);
    g.arka = Renk_Cevir(BackColor);
    g.arka_opak = true;
    g.metin_goster = CaptionPosition != 0;
    return g;
}

CizimOgesi Cizim_Ogesi(const RaporKontrolu &k, QPointF koken) {
    CizimOgesi o;
    o.alan = QRectF(koken.x() + k.Left, koken.y() + k.Top, k.Width, k.Height);
    if (const auto *e = dynamic_cast<const RaporEtiketi *>(&k)) {
        o.metin = e->caption;
        o.yazi = e->Gorunum();
    } else if (const auto *b = dynamic_cast<const RaporBarkodu *>(&k)) {
        o.barkod = b->Sembol();
        o.barkod_gorunum = b->Gorunum();
    } else if (const auto *m = dynamic_cast<const RaporMetinKutusu *>(&k)) {
        o.metin = m->Text;
    } else if (const auto *r = dynamic_cast<const RaporOgesi *>(&k); r && r->oge) {
        const QRectF alan = o.alan;
        o = *r->oge;
        o.alan = alan;
    }
    return o;
}
