#include "ModelKomutlari.h"
#include "TasarimModeli.h"

#include <algorithm>

// Several objects at once: the selection, and what moves or sizes them together.

QList<int> TasarimModeli::Secim() const {
    QList<int> s;
    if (!tutamaclar_gorunur_)
        return s;
    for (const int sira : secim_)
        if (sira >= 0 && sira < Toplam() && Nesne(sira).Visible)
            s.append(sira);
    return s;
}

void TasarimModeli::Secime_Ekle_Cikar(int sira) {
    if (duzenleniyor_)
        Duzenlemeyi_Bitir();
    QList<int> s = Secim();
    if (!s.removeOne(sira))
        s.append(sira);
    Secimi_Ayarla(s);
    if (tutamaclar_gorunur_)
        emit Secildi(*aktif_);
}

void TasarimModeli::Alanla_Sec(const QRectF &alan, bool ekle) {
    QList<int> s = ekle ? Secim() : QList<int>();
    for (const int sira : Cizim_Sirasi())
        if (Nesne(sira).Visible && alan.contains(Nesne(sira).Alan()) && !s.contains(sira))
            s.append(sira);
    Secimi_Ayarla(s);
    if (tutamaclar_gorunur_)
        emit Secildi(*aktif_);
}

void TasarimModeli::Secimi_Ayarla(const QList<int> &secim) {
    secim_ = secim;
    tutamaclar_gorunur_ = !secim.isEmpty();
    if (!secim.isEmpty())
        aktif_ = secim.last();
    emit Secim_Degisti();
}

void TasarimModeli::Tumunu_Sec() { Alanla_Sec(QRectF(-1e6, -1e6, 2e6, 2e6)); }

void TasarimModeli::Secimi_Birak() {
    if (duzenleniyor_)
        Duzenlemeyi_Bitir();
    secim_.clear();
    Secimi_Gizle();
}

QRectF TasarimModeli::Secim_Alani() const {
    QRectF a;
    for (const int s : Secim())
        a |= Nesne(s).Alan();
    return a;
}

QPointF TasarimModeli::Blok_Kaymasi(const QRectF &blok, QPointF k) const {
    const double w = Bolum_Genisligi(), h = Bolum_Yuksekligi();
    return {std::clamp(k.x(), -blok.left(), std::max(-blok.left(), w - blok.right())),
            std::clamp(k.y(), -blok.top(), std::max(-blok.top(), h - blok.bottom()))};
}

void TasarimModeli::yerlestir(const QList<std::pair<int, QRectF>> &yeni, const QString &aciklama) {
    yigin_.beginMacro(aciklama);
    for (const auto &[sira, alan] : yeni) {
        YuzeyNesnesi n = Nesne(sira);
        n.Alan_Ayarla(alan);
        uygula(sira, n, aciklama);
    }
    yigin_.endMacro();
    emit Secim_Degisti();
}

void TasarimModeli::Secimi_Sil() {
    const QList<int> s = Secim();
    if (s.isEmpty())
        return;
    yigin_.beginMacro(QStringLiteral("Sil"));
    for (const int sira : s)
        yigin_.push(new SilmeKomutu(*this, sira));
    yigin_.endMacro();
    secim_.clear();
}

void TasarimModeli::Secileni_Sil() {
    if (Secim().size() > 1)
        Secimi_Sil();
    else if (aktif_ && *aktif_ < Toplam() && Nesne(*aktif_).Visible)
        Nesne_Sil(aktif_);
}

void TasarimModeli::Hizala(Hiza hiza) {
    const QList<int> s = Secim();
    if (s.isEmpty())
        return;
    const QRectF ref = s.size() == 1 ? QRectF(0, 0, Bolum_Genisligi(), Bolum_Yuksekligi())
                                     : Nesne(s.first()).Alan();
    QList<std::pair<int, QRectF>> yeni;
    for (const int sira : s) {
        QRectF a = Nesne(sira).Alan();
        switch (hiza) {
        case Hiza::Sol:
            a.moveLeft(ref.left());
            break;
        case Hiza::Sag:
            a.moveRight(ref.right());
            break;
        case Hiza::Ust:
            a.moveTop(ref.top());
            break;
        case Hiza::Alt:
            a.moveBottom(ref.bottom());
            break;
        case Hiza::Yatay_Orta:
            a.moveCenter(QPointF(ref.center().x(), a.center().y()));
            break;
        case Hiza::Dikey_Orta:
            a.moveCenter(QPointF(a.center().x(), ref.center().y()));
            break;
        }
        yeni.append({sira, a});
    }
    yerlestir(yeni, QStringLiteral("Hizala"));
}

void TasarimModeli::Dagit(bool yatay) {
    QList<int> s = Secim();
    if (s.size() < 3)
        return;
    const auto bas = [&](int i) {
        const QRectF a = Nesne(i).Alan();
        return yatay ? a.left() : a.top();
    };
    const auto boy = [&](int i) {
        const QRectF a = Nesne(i).Alan();
        return yatay ? a.width() : a.height();
    };
    std::stable_sort(s.begin(), s.end(), [&](int a, int b) { return bas(a) < bas(b); });
    double toplam = 0, son = bas(s.last()) + boy(s.last());
    for (const int i : s)
        toplam += boy(i);
    const double aralik = (son - bas(s.first()) - toplam) / double(s.size() - 1);
    QList<std::pair<int, QRectF>> yeni;
    double yer = bas(s.first());
    for (const int i : s) {
        QRectF a = Nesne(i).Alan();
        yatay ? a.moveLeft(yer) : a.moveTop(yer);
        yeni.append({i, a});
        yer += boy(i) + aralik;
    }
    yerlestir(yeni, QStringLiteral("Dağıt"));
}

QList<int> TasarimModeli::sonaTasi(QList<int> siralar) {
    std::sort(siralar.begin(), siralar.end());
    QList<int> yeni;
    for (const int s : siralar) {
        const YuzeyNesnesi kopya = Nesne(s);
        yigin_.push(new SilmeKomutu(*this, s));
        Nesne_Ekle(Tur_Kelimesi(kopya.liste), [&kopya](YuzeyNesnesi &n) { n.kayit = kopya.kayit; });
        yeni.append(Toplam() - 1);
    }
    return yeni;
}

void TasarimModeli::One_Getir() {
    const QList<int> s = Secim();
    if (s.isEmpty())
        return;
    yigin_.beginMacro(QStringLiteral("Öne Getir"));
    const QList<int> yeni = sonaTasi(s);
    yigin_.endMacro();
    Secimi_Ayarla(yeni);
}

void TasarimModeli::Arkaya_Gonder() {
    const QList<int> s = Secim();
    if (s.isEmpty())
        return;
    // Those stored before it go after it; those after it stay there.
    QList<int> digerleri;
    for (int i = 0; i < *std::max_element(s.begin(), s.end()); ++i)
        if (Nesne(i).Visible && !s.contains(i))
            digerleri.append(i);
    yigin_.beginMacro(QStringLiteral("Arkaya Gönder"));
    sonaTasi(digerleri);
    yigin_.endMacro();
    Secimi_Ayarla(s);
}

void TasarimModeli::Ayni_Boyut(bool genislik) {
    const QList<int> s = Secim();
    if (s.size() < 2)
        return;
    const QSizeF ref = Nesne(s.first()).Alan().size();
    QList<std::pair<int, QRectF>> yeni;
    for (const int i : s) {
        QRectF a = Nesne(i).Alan();
        genislik ? a.setWidth(ref.width()) : a.setHeight(ref.height());
        yeni.append({i, a});
    }
    yerlestir(yeni, genislik ? QStringLiteral("Aynı Genişlik") : QStringLiteral("Aynı Yükseklik"));
}
