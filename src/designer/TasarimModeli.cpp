#include "TasarimModeli.h"

#include "ModelKomutlari.h"
#include "core/Birimler.h"

#include <algorithm>
#include <cmath>

TasarimModeli::TasarimModeli(QObject *ust) : QObject(ust) {
    for (int i = 0; i < Liste_Sayisi; ++i)
        sablonlar_[size_t(i)] = Sablon(Liste(i));
    Sayfa_Ayari_Sifirla();
    ozet_zamani_.setSingleShot(true);
    connect(&ozet_zamani_, &QTimer::timeout, this, &TasarimModeli::Secim_Ozeti_Degisti);
    connect(this, &TasarimModeli::Nesne_Degisti, &ozet_zamani_, qOverload<>(&QTimer::start));
    connect(this, &TasarimModeli::Secim_Degisti, this, &TasarimModeli::Secim_Ozeti_Degisti);
}

TasarimModeli::~TasarimModeli() {
    // Clearing the stack on the way out must not reach windows already going.
    yigin_.blockSignals(true);
}

void TasarimModeli::Sayfa_Ayari_Sifirla() {
    // A new design: no margins, portrait A4, the page as the section.
    Ayar.PageSettings = {0, 0, 0, 0};
    Ayar.Printer = RaporYazicisi();
    Sayfaya_Uydur();
}

std::optional<int> TasarimModeli::Bul(Liste liste, int indeks) const {
    for (int i = 0; i < Toplam(); ++i)
        if (nesneler_[size_t(i)].liste == liste && nesneler_[size_t(i)].indeks == indeks)
            return i;
    return std::nullopt;
}

QList<int> TasarimModeli::Cizim_Sirasi() const {
    QList<int> sira;
    sira.reserve(Toplam());
    for (bool barkod : {true, false})
        for (int i = 0; i < Toplam(); ++i)
            if (nesneler_[size_t(i)].Barkod_Mu() == barkod)
                sira.append(i);
    return sira;
}

std::optional<int> TasarimModeli::Nesne_Bul(QPointF mm) const {
    const QList<int> sira = Cizim_Sirasi();
    for (auto it = sira.crbegin(); it != sira.crend(); ++it) {
        const int i = *it;
        const YuzeyNesnesi &n = nesneler_[size_t(i)];
        const QRectF a = n.Alan();
        if (n.Visible && mm.x() >= a.left() && mm.x() < a.right() && mm.y() >= a.top() &&
            mm.y() < a.bottom())
            return i;
    }
    return std::nullopt;
}

// --- creation ---

QPointF TasarimModeli::Bos_Yer(QSizeF boyut) const {
    // Room for the handles left of and above it, whether or not any is shown.
    const QPointF kose(Tutamac_Boyu + 4, Tutamac_Boyu);
    // Down the left side first, then column by column to the right; a label so full
    // (or so crowded that the search would stall) falls back to the corner.
    const double sag = nesneler_.size() > 500 ? kose.x() : Bolum_Genisligi() - boyut.width();
    for (double x = kose.x(); x <= std::max(kose.x(), sag); x += 1) {
        for (double y = kose.y(); y + boyut.height() <= Bolum_Yuksekligi(); y += 0.5) {
            const QRectF aday(QPointF(x, y), boyut);
            const bool bos = std::none_of(nesneler_.begin(), nesneler_.end(), [&](const auto &n) {
                return n.Visible && n.Alan().intersects(aday);
            });
            if (bos)
                return aday.topLeft();
        }
    }
    return kose;
}

bool TasarimModeli::Nesne_Ekle(const QString &tur,
                               const std::function<void(YuzeyNesnesi &)> &ayarla) {
    const auto liste = Tur_Listesi(tur);
    if (!liste)
        return false;
    YuzeyNesnesi n = sablonlar_[size_t(*liste)];
    n.indeks = ++son_indeks_[size_t(*liste)];
    QRectF a = n.Alan();
    a.moveTopLeft(Ekleme_Yeri ? *Ekleme_Yeri : Bos_Yer(a.size()));
    Ekleme_Yeri.reset();
    n.Alan_Ayarla(Bolum_Genisligi() > 0 && Bolum_Yuksekligi() > 0 ? sinirla(n, a.left(), a.top())
                                                                  : a);
    const YuzeyNesnesi gizli = n; // the template's copy, still hidden
    n.Visible = true;
    if (ayarla)
        ayarla(n);
    const int sira = Toplam();
    nesneler_.push_back(gizli);
    emit Nesne_Eklendi(sira);
    // A new object is not selected: no handles until Nesne_Sec.
    Secimi_Gizle();
    aktif_ = sira;
    yigin_.push(new DurumKomutu(*this, sira, gizli, n, QStringLiteral("Ekle")));
    emit Secim_Degisti();
    return true;
}

void TasarimModeli::Alan_Birak(const QString &baslik, double x, double y) {
    Nesne_Ekle(QStringLiteral("Alan"), [&](YuzeyNesnesi &n) {
        n.Nesne().Caption = baslik;
        n.Alan_Ayarla(sinirla(n, x - Twip_Mm(Tutma_X), y - Twip_Mm(Tutma_Y)));
    });
    Nesne_Sec(aktif_);
}

// --- state changes ---

void TasarimModeli::durumuKoy(int sira, const YuzeyNesnesi &durum) {
    YuzeyNesnesi &n = nesneler_.at(size_t(sira));
    const QRectF eski = n.Alan();
    const bool gorunurluk = n.Visible != durum.Visible;
    n = durum;
    if (gorunurluk) {
        emit Gorunurluk_Degisti(sira);
        if (!n.Visible && aktif_ == sira && tutamaclar_gorunur_)
            Secimi_Gizle();
    }
    emit Nesne_Degisti(sira, eski);
    if (aktif_ == sira && tutamaclar_gorunur_)
        emit Secim_Degisti();
}

void TasarimModeli::kaydet(int sira, const YuzeyNesnesi &once, const QString &aciklama) {
    const YuzeyNesnesi &sonra = nesneler_.at(size_t(sira));
    if (sonra == once)
        return;
    yigin_.push(new DurumKomutu(*this, sira, once, sonra, aciklama));
}

void TasarimModeli::Degistir(int sira, const std::function<void(YuzeyNesnesi &)> &degisiklik,
                             const QString &aciklama) {
    YuzeyNesnesi n = Nesne(sira);
    degisiklik(n);
    n.liste = Nesne(sira).liste, n.indeks = Nesne(sira).indeks;
    uygula(sira, n, aciklama);
}

// --- selection and guides ---

void TasarimModeli::Nesne_Sec(std::optional<int> sira) {
    if (duzenleniyor_)
        Duzenlemeyi_Bitir();
    if (!sira)
        return;
    aktif_ = sira;
    secim_ = {*sira};
    tutamaclar_gorunur_ = true;
    emit Secim_Degisti();
    emit Secildi(*sira);
}

void TasarimModeli::Secimi_Gizle() {
    if (!tutamaclar_gorunur_)
        return;
    tutamaclar_gorunur_ = false;
    emit Secim_Degisti();
}

std::array<QRectF, 8> TasarimModeli::Tutamaclar() const {
    std::array<QRectF, 8> t{};
    if (!aktif_)
        return t;
    const QRectF a = Nesne(*aktif_).Alan();
    const double L = a.left(), T = a.top(), W = a.width(), H = a.height();
    const double w = Tutamac_Boyu, h = Tutamac_Boyu;
    const std::array<QPointF, 8> yer{{{L - w, T - h},
                                      {L + (W - w) / 2, T - h},
                                      {L + W, T - h},
                                      {L + W, T + (H - h) / 2},
                                      {L + W, T + H},
                                      {L + (W - w) / 2, T + H},
                                      {L - w, T + H},
                                      {L - w, T + (H - h) / 2}}};
    for (size_t k = 0; k < 8; ++k)
        t[k] = QRectF(yer[k], QSizeF(w, h));
    return t;
}

std::optional<int> TasarimModeli::Tutamac_Bul(QPointF mm) const {
    // Several selected: one frame, no handles to pull.
    if (!tutamaclar_gorunur_ || !aktif_ || Secim().size() > 1)
        return std::nullopt;
    const auto t = Tutamaclar();
    for (int k = 7; k >= 0; --k)
        if (t[size_t(k)].contains(mm))
            return k;
    return std::nullopt;
}

void TasarimModeli::Rehber_Goster(double x, double y, const QString &alan) {
    const Rehber eski = rehber_;
    rehber_ = {alan, x, y};
    if (eski.alan != rehber_.alan || eski.x != x || eski.y != y)
        emit Rehber_Degisti(eski);
}

QPointF TasarimModeli::Isaret_Noktasi(QPointF mm) const {
    const auto d = Nesne_Bul(mm);
    if (!d)
        return mm;
    const QRectF a = Nesne(*d).Alan();
    const double x = (mm.x() - a.left()) / Twip_Basina_Mm;
    const double y = (mm.y() - a.top()) / Twip_Basina_Mm;
    return {a.left() + Twip_Mm(x), a.top() + Twip_Mm(y)};
}

// --- zoom, grid, section ---

bool TasarimModeli::Yakinlastir_Yuzde(double eski, double yeni) {
    Q_UNUSED(eski); // geometry is never scaled, so the old percent needs no undoing
    if (!std::isfinite(yeni) || yeni <= 0 || yeni > 800)
        return false;
    if (yeni != yuzde_) {
        yuzde_ = yeni;
        emit Gorunum_Degisti();
    }
    Nesne_Sec(aktif_);
    return true;
}

double TasarimModeli::Sigdiran_Yuzde(QSizeF oda, double piksel_mm) const {
    const double w = Bolum_Genisligi() * piksel_mm, h = Bolum_Yuksekligi() * piksel_mm;
    if (w <= 0 || h <= 0 || oda.isEmpty())
        return 100;
    return std::clamp(std::floor(std::min(oda.width() / w, oda.height() / h) * 100), 10.0, 800.0);
}

double TasarimModeli::Izgaraya(double mm) const {
    if (!Izgaraya_Yapistir || !kareli_acik_ || kareli_adim_ <= 0)
        return mm;
    return std::round(mm / kareli_adim_) * kareli_adim_;
}

QSizeF TasarimModeli::Pencere_Boyutu() const {
    const double g = yuzde_ / 100;
    const RaporSayfaAyari &a = Ayar.PageSettings;
    return {(Ayar.Printer.PaperWidth() - (a.LeftMargin + a.RightMargin)) * g,
            (Ayar.Printer.PaperHeight() - (a.TopMargin + a.BottomMargin)) * g};
}

void TasarimModeli::Kareli_Ciz(int adim) {
    if (adim <= 0)
        return;
    kareli_acik_ = true;
    kareli_adim_ = adim;
    emit Gorunum_Degisti();
}

void TasarimModeli::Bolum_Temizle() {
    if (!kareli_acik_)
        return;
    kareli_acik_ = false;
    emit Gorunum_Degisti();
}

std::pair<QList<double>, QList<double>> TasarimModeli::Kareli_Cizgileri(const QRectF &alan) const {
    std::pair<QList<double>, QList<double>> c;
    if (!kareli_acik_)
        return c;
    const double h = Bolum_Yuksekligi(), w = Bolum_Genisligi(), s = kareli_adim_;
    const int n = Yuvarla_Cift(h / s - 1), m = Yuvarla_Cift(w / s - 1);
    const auto aralik = [&](double bas, double son, int en_cok) {
        return alan.isNull() ? std::pair{1, en_cok}
                             : std::pair{std::max(1, int(std::ceil(bas / s))),
                                         std::min(en_cok, int(std::floor(son / s)))};
    };
    const auto [y1, y2] = aralik(alan.top(), alan.bottom(), n);
    const auto [x1, x2] = aralik(alan.left(), alan.right(), m);
    for (int i = y1; i <= y2; ++i)
        c.first.append(i * s);
    for (int j = x1; j <= x2; ++j)
        c.second.append(j * s);
    return c;
}

void TasarimModeli::bolumuKoy(const DetayKaydi &bolum) {
    if (bolum == bolum_)
        return;
    bolum_ = bolum;
    emit Bolum_Degisti();
}

void TasarimModeli::Bolum_Ayarla(const DetayKaydi &bolum) { bolumuKoy(bolum); }

DetayKaydi TasarimModeli::sayfaBolumu(const Ayarlar &ayar) const {
    DetayKaydi b = bolum_;
    const RaporSayfaAyari &a = ayar.PageSettings;
    if (ayar.Tip == 0) {
        // The barcode printer's page is the label: the section is the window at 100 %.
        b.Width = float(ayar.Printer.PaperWidth() - (a.LeftMargin + a.RightMargin));
        b.Height = float(ayar.Printer.PaperHeight() - (a.TopMargin + a.BottomMargin));
    } else if (ayar.Etiket_Boy > 0 && ayar.Etiket_Genislik > 0) {
        b.Height = float(Mm_Twip(double(ayar.Etiket_Boy)));
        b.Width = float(Mm_Twip(double(ayar.Etiket_Genislik)));
    }
    return b;
}

void TasarimModeli::Sayfaya_Uydur() { bolumuKoy(sayfaBolumu(Ayar)); }

void TasarimModeli::ayarlariKoy(const Ayarlar &ayar, const DetayKaydi &bolum) {
    Ayar = ayar;
    bolumuKoy(bolum);
    emit Gorunum_Degisti(); // the window follows the page
}

void TasarimModeli::Ayar_Degistir(const Ayarlar &yeni, const QString &aciklama) {
    if (yeni == Ayar)
        return;
    yigin_.push(new AyarKomutu(*this, {Ayar, bolum_}, {yeni, sayfaBolumu(yeni)}, aciklama));
}

void TasarimModeli::Belgeden_Al(const TasarimBelgesi &belge) {
    Ayar.Tip = belge.Tip;
    Ayar.Etiket_Boy = belge.Etiket_Boy, Ayar.Etiket_Genislik = belge.Etiket_Genislik;
    Ayar.Etiket_Yatay = belge.Etiket_Yatay, Ayar.Etiket_Dikey = belge.Etiket_Dikey;
}

void TasarimModeli::Bolum_Cekme_Baslat(double y) {
    Bolum_Cekiliyor = true;
    Bolum_Son_Y = y;
    bolum_oncesi_ = bolum_;
}

void TasarimModeli::Bolum_Cek(double y) {
    if (!Bolum_Cekiliyor)
        return;
    const double yeni = bolum_.Height + (y - Bolum_Son_Y) / Twip_Basina_Mm;
    if (yeni > 0) {
        DetayKaydi b = bolum_;
        b.Height = float(yeni);
        bolumuKoy(b);
        Bolum_Son_Y = y;
    }
}

void TasarimModeli::Bolum_Cekme_Bitir() {
    Bolum_Cekiliyor = false;
    if (bolum_oncesi_ && !(*bolum_oncesi_ == bolum_))
        yigin_.push(new BolumKomutu(*this, *bolum_oncesi_, bolum_));
    bolum_oncesi_.reset();
}

void TasarimModeli::Gecmisi_Temizle() {
    yigin_.clear();
    yigin_.setClean();
}

// --- the document ---

NesneKaydi Yazilacak_Kayit(const YuzeyNesnesi &n) {
    NesneKaydi r = n.Nesne();
    r.Bolum_No = 0;
    r.Tur = Liste_Adi(n.liste).left(1);
    r.Tag = r.Tag.trimmed();
    if (n.Cizgi_Mi())
        r.Escapement = 0; // lines are never rotated
    return r;
}

TasarimBelgesi TasarimModeli::Belge() const {
    TasarimBelgesi b;
    b.Tip = Ayar.Tip;
    b.Etiket_Boy = Ayar.Etiket_Boy, b.Etiket_Genislik = Ayar.Etiket_Genislik;
    b.Etiket_Yatay = Ayar.Etiket_Yatay, b.Etiket_Dikey = Ayar.Etiket_Dikey;
    for (const YuzeyNesnesi &n : nesneler_) {
        if (!n.Visible)
            continue; // deleted
        if (n.Barkod_Mu()) {
            b.Barkodlar.append(n.Barkod());
            b.Barkodlar.last().Bolum_No = 0;
            continue;
        }
        b.Nesneler.append(Yazilacak_Kayit(n));
    }
    b.Detaylar = {DetayKaydi(), bolum_};
    const RaporSayfaAyari &a = Ayar.PageSettings;
    b.Sol_Bosluk = Yuvarla_Cift(a.LeftMargin);
    b.Sag_Bosluk = Yuvarla_Cift(a.RightMargin);
    b.Ust_Bosluk = Yuvarla_Cift(a.TopMargin);
    b.Alt_Bosluk = Yuvarla_Cift(a.BottomMargin);
    b.Yazici_Durum = QString::number(Ayar.Printer.Orientation);
    b.Kagit_Boyutu = float(Ayar.Printer.PaperSize);
    return b;
}
