#include "NesneCizimi.h"

#include "barcode/BarkodTipleri.h"
#include "core/Birimler.h"
#include "core/Renk.h"

namespace {

QRectF twipAlani(float left, float top, float width, float height) {
    return QRectF(Mm_Twip(double(left)), Mm_Twip(double(top)), Mm_Twip(double(width)),
                  Mm_Twip(double(height)));
}

// The font of a text or barcode record as the report's controls take it.
template <typename Kayit> RaporYaziTipi yaziTipi(const Kayit &k) {
    RaporYaziTipi y;
    y.Name = k.FontName;
    y.Size = k.FontSize;
    y.Bold = k.FontBold;
    y.Italic = k.FontItalic;
    y.Underline = k.FontUnderline;
    y.Strikethrough = k.FontStrikethru;
    return y;
}

// A symbol drawn whole in `alan`, in the record's colours and font, turned by `yon`.
CizimOgesi simgeOgesi(const ElemanKaydi &k, std::shared_ptr<const Barkod> sembol,
                      const QRectF &alan, int yon) {
    CizimOgesi o;
    o.alan = alan;
    o.barkod = std::move(sembol);
    Barkod::Gorunum &g = o.barkod_gorunum;
    g.yon = yon;
    g.on = Renk_Cevir(k.ForeColor);
    g.arka = Renk_Cevir(k.BackColor);
    g.yazi = QFont(k.FontName);
    g.yazi.setPointSizeF(k.FontSize > 0 ? double(k.FontSize) : 8);
    g.yazi.setBold(k.FontBold), g.yazi.setItalic(k.FontItalic);
    return o;
}

} // namespace

RaporEtiketi Nesne_Kontrolu(const NesneKaydi &n) {
    RaporEtiketi e;
    e.MultiLine = true;
    e.Angle = n.Escapement * 10;
    const QRectF a = twipAlani(n.Left, n.Top, n.Width, n.Height);
    e.Left = a.left(), e.Top = a.top(), e.Width = a.width(), e.Height = a.height();
    e.Font = yaziTipi(n);
    e.Font.Charset = 162; // Turkish
    e.ForeColor = n.ForeColor;
    // A text with no background of its own shows what lies under it.
    e.BackStyle = n.BackColor == Saydam_Arka_Renk ? 0 : 1;
    e.BackColor = n.BackColor;
    e.Alignment = n.Alignment;
    return e;
}

BarkodKontrolleri Barkod_Kontrolleri(const BarkodKaydi &k) {
    BarkodKontrolleri c;
    RaporBarkodu &b = c.cubuklar;
    RaporEtiketi &y = c.yazi;
    b.CaptionPosition = 0;
    b.Direction = (k.Orientation == 900 || k.Orientation == 2700) ? 2 : 0;
    b.Alignment = 2;
    b.BarWidth = 0;
    b.setStyle(int(Motor_Stili::EAN13));
    const QRectF a = twipAlani(k.Left, k.Top, k.Width, k.Height);
    const double L = a.left(), T = a.top(), W = a.width(), H = a.height();
    b.Left = L, b.Top = T, b.Height = H, b.Width = W;
    b.BackColor = k.BackColor;
    b.ForeColor = k.ForeColor;

    y.Font = yaziTipi(k);
    y.ForeColor = k.ForeColor;
    y.BackColor = k.BackColor;
    constexpr double s = Yazi_Seridi;
    switch (k.Orientation) {
    case 900:
        y.Angle = 2700, y.Left = L, y.Top = T, y.Width = s, y.Height = H;
        y.Alignment = 0, y.VerticalAlignment = 1;
        b.Width = W - s, b.Left = L + s;
        break;
    case 1800:
        y.Angle = 1800, y.Left = L, y.Top = T, y.Width = W, y.Height = s;
        y.Alignment = 2, y.VerticalAlignment = 2;
        b.Height = H - s, b.Top = T + s;
        break;
    case 2700:
        y.Angle = 900, y.Left = L + W - s, y.Top = T, y.Width = s, y.Height = H;
        y.Alignment = 1, y.VerticalAlignment = 1;
        b.Width = W - s;
        break;
    default:
        y.Angle = 0, y.Left = L, y.Top = T + H - s, y.Width = W, y.Height = s;
        y.Alignment = 2, y.VerticalAlignment = 0;
        b.Height = H - s;
        break;
    }
    return c;
}

CizimOgesi Nesne_Cizimi(const NesneKaydi &n, const QString &deger) {
    RaporEtiketi e = Nesne_Kontrolu(n);
    e.caption = deger;
    return Cizim_Ogesi(e);
}

QList<CizimOgesi> Barkod_Cizimi(const BarkodKaydi &k, std::shared_ptr<const Barkod> sembol,
                                const QString &yazi) {
    BarkodKontrolleri c = Barkod_Kontrolleri(k);
    c.yazi.caption = yazi;
    CizimOgesi cubuklar = Cizim_Ogesi(c.cubuklar);
    cubuklar.barkod = std::move(sembol);
    return {cubuklar, Cizim_Ogesi(c.yazi)};
}

QRectF Nesne_Alani(const NesneKaydi &n) { return twipAlani(n.Left, n.Top, n.Width, n.Height); }

CizimOgesi Kod_Ogesi(const NesneKaydi &n, std::shared_ptr<const Barkod> sembol,
                     const QRectF &alan) {
    CizimOgesi o = simgeOgesi(n, std::move(sembol), alan, n.Escapement * 10);
    Barkod::Gorunum &g = o.barkod_gorunum;
    g.arka_opak = n.BackColor != Saydam_Arka_Renk;
    if (!g.arka_opak)
        g.arka = Qt::white;
    g.metin_goster = !n.FontStrikethru;
    return o;
}

CizimOgesi Resim_Ogesi(const NesneKaydi &n, std::shared_ptr<const Resim> resim,
                       const QRectF &alan) {
    CizimOgesi o;
    o.alan = alan;
    o.resim = std::move(resim);
    o.resim_aci = n.Escapement;
    return o;
}

CizimOgesi Barkod_Ogesi(const BarkodKaydi &k, std::shared_ptr<const Barkod> sembol,
                        const QRectF &alan) {
    CizimOgesi o = simgeOgesi(k, std::move(sembol), alan, k.Orientation);
    o.barkod_gorunum.yazi.setUnderline(k.FontUnderline);
    return o;
}
