#include "Ozellikler.h"

#include "OlcuMetni.h"
#include "barcode/BarkodTipleri.h"
#include "core/Birimler.h"
#include "core/Renk.h"
#include "document/TasarimDosyasi.h"

#include <QColor>
#include <cmath>

namespace {

bool yaziVar(const YuzeyNesnesi &n) { return !n.Cizgi_Mi() && n.liste != Liste::Resim; }

// The value of one element, or nothing when it has no such property.
std::optional<QString> deger(const YuzeyNesnesi &n, Ozellik o, const Ayiraclar &a) {
    const auto sayi = [&a](double d) { return Olcu_Metni(d, a); };
    const QRectF r = n.Alan();
    const ElemanKaydi &k =
        std::visit([](const auto &k) -> const ElemanKaydi & { return k; }, n.kayit);
    switch (o) {
    case Ozellik::X:
        return sayi(r.left());
    case Ozellik::Y:
        return sayi(r.top());
    case Ozellik::Genislik:
        return sayi(r.width());
    case Ozellik::Yukseklik:
        return sayi(r.height());
    default:
        break;
    }
    if (o == Ozellik::Sutun)
        return n.liste == Liste::Alan ? std::optional(n.Nesne().Caption) : std::nullopt;
    if (o == Ozellik::Kod_Turu)
        return n.liste == Liste::Kod ? std::optional(n.Nesne().Tag.trimmed()) : std::nullopt;
    if (o == Ozellik::Veri)
        return n.liste == Liste::Kod ? std::optional(n.Nesne().Caption) : std::nullopt;
    if (o == Ozellik::Resim_Dosyasi)
        return n.liste == Liste::Resim ? std::optional(n.Nesne().Caption) : std::nullopt;
    if (o == Ozellik::Aci && n.liste == Liste::Resim)
        return QString::number(n.Nesne().Escapement);
    if (!yaziVar(n))
        return std::nullopt;
    switch (o) {
    case Ozellik::Yazi_Tipi:
        return k.FontName;
    case Ozellik::Boyut:
        return sayi(k.FontSize);
    case Ozellik::Kalin:
        return QString::number(int(k.FontBold));
    case Ozellik::Italik:
        return QString::number(int(k.FontItalic));
    case Ozellik::Alti_Cizili:
        return QString::number(int(k.FontUnderline));
    case Ozellik::On_Renk:
        return Renk_Cevir(k.ForeColor).name();
    case Ozellik::Arka_Renk:
        return k.BackColor == Saydam_Arka_Renk ? QString() : Renk_Cevir(k.BackColor).name();
    case Ozellik::Saydam:
        return n.Barkod_Mu() ? std::nullopt
                             : std::optional(QString::number(int(k.BackColor == Saydam_Arka_Renk)));
    case Ozellik::Hiza:
        return n.Barkod_Mu() || n.Raf_Mi() ? std::nullopt
                                           : std::optional(QString::number(n.Nesne().Alignment));
    case Ozellik::Aci:
        return QString::number(n.Barkod_Mu() ? n.Barkod().Orientation / 10 : n.Nesne().Escapement);
    default:
        return std::nullopt;
    }
}

// Sets the property on one element; false when it cannot take the value.
bool koy(YuzeyNesnesi &n, Ozellik o, const QString &metin, double sayi, const TasarimModeli &m) {
    QRectF r = n.Alan();
    switch (o) {
    case Ozellik::X:
        r.moveLeft(sayi);
        break;
    case Ozellik::Y:
        r.moveTop(sayi);
        break;
    case Ozellik::Genislik:
        r.setWidth(sayi);
        break;
    case Ozellik::Yukseklik:
        r.setHeight(sayi);
        break;
    default:
        break;
    }
    if (r != n.Alan()) {
        // Inside the label, with a size.
        if (r.width() <= 0 || r.height() <= 0 || r.left() < 0 || r.top() < 0 ||
            r.right() > m.Bolum_Genisligi() + 1e-6 || r.bottom() > m.Bolum_Yuksekligi() + 1e-6)
            return false;
        n.Alan_Ayarla(r);
        return true;
    }
    // The texts one kind of element has: a field's column, a code's kind and data, a
    // picture's file (its own now, not the item's).
    const struct {
        Ozellik o;
        Liste liste;
        QString NesneKaydi::*alan;
    } metinler[] = {{Ozellik::Sutun, Liste::Alan, &NesneKaydi::Caption},
                    {Ozellik::Kod_Turu, Liste::Kod, &NesneKaydi::Tag},
                    {Ozellik::Veri, Liste::Kod, &NesneKaydi::Caption},
                    {Ozellik::Resim_Dosyasi, Liste::Resim, &NesneKaydi::Caption}};
    for (const auto &t : metinler) {
        if (o != t.o)
            continue;
        if (n.liste != t.liste)
            return true;
        if (metin.trimmed().isEmpty() || (o == Ozellik::Kod_Turu && !Kod_Turu_Oku(metin)))
            return false;
        n.Nesne().*t.alan = metin.trimmed();
        if (o == Ozellik::Resim_Dosyasi)
            n.Nesne().Tag.clear();
        return true;
    }
    if (o == Ozellik::Aci && !n.Cizgi_Mi()) {
        const int aci = int(sayi);
        if (aci != sayi || aci % 90 != 0 || aci < 0 || aci >= 360)
            return false;
        if (n.Barkod_Mu())
            n.Barkod().Orientation = qint16(aci * 10);
        else
            n.Nesne().Escapement = qint16(aci);
        return true;
    }
    if (!yaziVar(n))
        return true; // a line has no font: left as it is
    ElemanKaydi &k = std::visit([](auto &k) -> ElemanKaydi & { return k; }, n.kayit);
    switch (o) {
    case Ozellik::Yazi_Tipi:
        if (metin.trimmed().isEmpty())
            return false;
        k.FontName = metin.trimmed();
        return true;
    case Ozellik::Boyut:
        if (sayi < En_Az_Yazi || sayi > En_Cok_Yazi)
            return false;
        k.FontSize = float(sayi);
        return true;
    case Ozellik::Kalin:
        k.FontBold = metin == u"1";
        return true;
    case Ozellik::Italik:
        k.FontItalic = metin == u"1";
        return true;
    case Ozellik::Alti_Cizili:
        k.FontUnderline = metin == u"1";
        return true;
    case Ozellik::On_Renk:
    case Ozellik::Arka_Renk: {
        const QColor c = QColor::fromString(metin.trimmed());
        if (!c.isValid())
            return false;
        (o == Ozellik::On_Renk ? k.ForeColor : k.BackColor) = Renk_Degeri(c);
        return true;
    }
    case Ozellik::Saydam:
        if (!n.Barkod_Mu())
            k.BackColor = metin == u"1" ? Saydam_Arka_Renk : Varsayilan_Arka_Renk;
        return true;
    case Ozellik::Hiza:
        if (sayi < 0 || sayi > 2 || sayi != std::floor(sayi))
            return false;
        if (!n.Barkod_Mu())
            n.Nesne().Alignment = qint16(sayi);
        return true;
    default:
        return true;
    }
}

bool sayisal(Ozellik o) {
    return o == Ozellik::X || o == Ozellik::Y || o == Ozellik::Genislik ||
           o == Ozellik::Yukseklik || o == Ozellik::Boyut || o == Ozellik::Hiza ||
           o == Ozellik::Aci;
}

} // namespace

QString Ozellik_Metni(const TasarimModeli &m, Ozellik o) {
    std::optional<QString> ortak;
    for (const int i : m.Secim()) {
        const auto d = deger(m.Nesne(i), o, m.Ayirac);
        if (!d)
            continue;
        if (ortak && *ortak != *d)
            return {};
        ortak = d;
    }
    return ortak.value_or(QString());
}

bool Ozellik_Var(const TasarimModeli &m, Ozellik o) {
    for (const int i : m.Secim())
        if (deger(m.Nesne(i), o, m.Ayirac))
            return true;
    return false;
}

bool Ozellik_Yaz(TasarimModeli &m, Ozellik o, const QString &metin) {
    double sayi = 0;
    if (sayisal(o)) {
        double d = 0;
        if (!Sayi_Oku(metin.trimmed(), d, m.Ayirac) || !std::isfinite(d))
            return false;
        sayi = std::round(d * 100) / 100; // to the hundredth of a millimetre or point
    }
    if (!Ozellik_Var(m, o))
        return false;
    QList<std::pair<int, YuzeyNesnesi>> yeni;
    for (const int i : m.Secim()) {
        YuzeyNesnesi n = m.Nesne(i);
        if (!koy(n, o, metin, sayi, m))
            return false;
        if (!(n == m.Nesne(i)))
            yeni.append({i, n});
    }
    if (yeni.isEmpty())
        return true; // nothing to change: no undo step
    m.Yigin().beginMacro(QStringLiteral("Özellik"));
    for (const auto &[i, n] : yeni)
        m.Degistir(i, [&n](YuzeyNesnesi &d) { d = n; });
    m.Yigin().endMacro();
    return true;
}
