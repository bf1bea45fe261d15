#include "ModelKomutlari.h"
#include "TasarimModeli.h"
#include "core/Birimler.h"
#include "document/EtiketIcerigi.h"

#include <cmath>
#include <limits>

// Moving, resizing, editing, rotating and deleting on the surface.

QRectF TasarimModeli::sinirla(const YuzeyNesnesi &n, double sol, double ust) const {
    QRectF a = n.Alan();
    const double w = Bolum_Genisligi(), h = Bolum_Yuksekligi();
    a.moveLeft(sol < 0 ? 0 : sol + a.width() > w ? w - a.width() : sol);
    a.moveTop(ust < 0 ? 0 : ust + a.height() > h ? h - a.height() : ust);
    return a;
}

void TasarimModeli::uygula(int sira, const YuzeyNesnesi &yeni, const QString &aciklama) {
    if (!(yeni == Nesne(sira)))
        yigin_.push(new DurumKomutu(*this, sira, Nesne(sira), yeni, aciklama));
}

void TasarimModeli::Nesneye_Birak(int s, int d, double x, double y) {
    const YuzeyNesnesi once = Nesne(s);
    const QRectF hedef = Nesne(d).Alan();
    YuzeyNesnesi n = once;
    n.Alan_Ayarla(sinirla(n, Izgaraya(hedef.left() + Twip_Mm(x - Tutma_X)),
                          Izgaraya(hedef.top() + Twip_Mm(y - Tutma_Y))));
    uygula(s, n, QStringLiteral("Taşı"));
    Nesne_Sec(s);
}

void TasarimModeli::Bolume_Birak(int s, double x, double y) {
    const YuzeyNesnesi once = Nesne(s);
    YuzeyNesnesi n = once;
    n.Alan_Ayarla(sinirla(n, Izgaraya(x - Twip_Mm(Tutma_X)), Izgaraya(y - Twip_Mm(Tutma_Y))));
    uygula(s, n, QStringLiteral("Taşı"));
    Nesne_Sec(s);
}

void TasarimModeli::Kaydir(double dx, double dy) {
    const QList<int> secim = Secim();
    if (secim.isEmpty())
        return;
    const QPointF kayma = Blok_Kaymasi(Secim_Alani(), QPointF(dx, dy));
    QList<std::pair<int, QRectF>> yeni;
    for (const int s : secim)
        yeni.append({s, Nesne(s).Alan().translated(kayma)});
    yerlestir(yeni, QStringLiteral("Taşı"));
}

void TasarimModeli::Boyutlandirma_Baslat(int tutamac) {
    if (!aktif_ || tutamac < 0 || tutamac > 7)
        return;
    const QRectF t = Tutamaclar()[size_t(tutamac)];
    Son_X = t.left();
    Son_Y = t.top();
    boyut_oncesi_ = Nesne(*aktif_);
}

void TasarimModeli::Boyutlandir(int tutamac, double x, double y) {
    if (!aktif_)
        return;
    // Changes of width, height, left and top per handle, in units of dx and dy.
    struct Satir {
        int w, h, l, t;
    };
    static constexpr Satir tablo[8][2] = {
        {{-1, 0, 1, 0}, {0, -1, 0, 1}}, {{0, 0, 0, 0}, {0, -1, 0, 1}},
        {{1, 0, 0, 0}, {0, -1, 0, 1}},  {{1, 0, 0, 0}, {0, 0, 0, 0}},
        {{1, 0, 0, 0}, {0, 1, 0, 0}},   {{0, 0, 0, 0}, {0, 1, 0, 0}},
        {{-1, 0, 1, 0}, {0, 1, 0, 0}},  {{-1, 0, 1, 0}, {0, 0, 0, 0}},
    };
    const double dx = x - Son_X, dy = y - Son_Y;
    if (tutamac >= 0 && tutamac < 8) {
        const Satir &sx = tablo[tutamac][0], &sy = tablo[tutamac][1];
        const double dW = sx.w * dx, dH = sy.h * dy, dL = sx.l * dx, dT = sy.t * dy;
        YuzeyNesnesi n = Nesne(*aktif_);
        QRectF a = n.Alan();
        double L = a.left(), T = a.top(), W = a.width(), H = a.height();
        if (W + dW > 0 && H + dH > 0)
            L += dL, T += dT;
        // A line's thickness stays under 5 mm; nothing gets to zero or below.
        if (n.liste == Liste::Dikey_Cizgi ? (W + dW > 0 && W + dW < 5) : W + dW > 0)
            W += dW;
        if (n.liste == Liste::Yatay_Cizgi ? (H + dH > 0 && H + dH < 5) : H + dH > 0)
            H += dH;
        n.Alan_Ayarla(QRectF(L, T, W, H));
        durumuKoy(*aktif_, n);
    }
    Son_X = x;
    Son_Y = y;
}

void TasarimModeli::Boyutlandirma_Bitir() {
    if (aktif_ && boyut_oncesi_)
        kaydet(*aktif_, *boyut_oncesi_, QStringLiteral("Boyutlandır"));
    boyut_oncesi_.reset();
    Nesne_Sec(aktif_);
}

void TasarimModeli::Duzenlemeyi_Baslat() {
    if (!aktif_ || Nesne(*aktif_).liste != Liste::Etiket || !Nesne(*aktif_).Visible)
        return;
    duzenleniyor_ = true;
    duzenleyici_metni_ = Nesne(*aktif_).Nesne().Caption;
    emit Secim_Degisti();
}

void TasarimModeli::Duzenlemeyi_Bitir() {
    if (!duzenleniyor_)
        return;
    duzenleniyor_ = false;
    if (aktif_ && !Nesne(*aktif_).Barkod_Mu()) {
        const YuzeyNesnesi once = Nesne(*aktif_);
        YuzeyNesnesi n = once;
        n.Nesne().Caption = duzenleyici_metni_;
        // A parameter's name follows its caption.
        if (Nesne_Icerigi(n.Nesne()).tur == EtiketIcerigi::Tur::Parametre)
            n.Nesne().Tag = Parametre_Etiketi(duzenleyici_metni_);
        uygula(*aktif_, n, QStringLiteral("Yazı"));
    }
    emit Secim_Degisti();
}

void TasarimModeli::Nesne_Donder(int sira, qint16 aci) {
    const YuzeyNesnesi once = Nesne(sira);
    YuzeyNesnesi n = once;
    if (n.Barkod_Mu()) {
        const int onda = aci * 10;
        if (onda < std::numeric_limits<qint16>::min() || onda > std::numeric_limits<qint16>::max())
            return;
        n.Barkod().Orientation = qint16(onda);
    } else if (!n.Cizgi_Mi()) {
        const int fark = std::abs(n.Nesne().Escapement - aci);
        n.Nesne().Escapement = aci;
        // The text box turns on its side.
        if (fark == 90 || fark == 270)
            n.Alan_Ayarla(QRectF(n.Alan().topLeft(), n.Alan().size().transposed()));
    }
    uygula(sira, n, QStringLiteral("Döndür"));
    Nesne_Sec(aktif_);
}

void TasarimModeli::Nesne_Sil(std::optional<int> sira) {
    if (!sira || *sira < 0 || *sira >= Toplam())
        return;
    yigin_.push(new SilmeKomutu(*this, *sira));
}
