#include "EtiketSayfasi.h"

#include "core/Birimler.h"
#include "core/SayiMetni.h"
#include "document/TasarimDosyasi.h"
#include "layout/RaporMotoru.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>

QString EtiketKagidi::Ad(const Ayiraclar &a) const {
    return QStringLiteral("A4 — %1 × %2, %3 × %4 mm")
        .arg(sutun)
        .arg(satir)
        .arg(Tek_Metni(float(en), a), Tek_Metni(float(boy), a));
}

RaporSayfaAyari EtiketKagidi::Kenarlar() const {
    // In the report's own twips: a band is Mm_Twip(label + gap) high and the rows
    // are the whole bands that fit, so the margins leave room for exactly `satir`
    // of them, with a little slack against the division, and centre the labels.
    RaporYazicisi a4;
    a4.PaperSize = 9;
    a4.Orientation = 1;
    const double W = a4.PaperWidth(), H = a4.PaperHeight();
    constexpr double pay = 2;
    const double bant = Mm_Twip(boy + dikey), bosluk = Mm_Twip(dikey);
    const double ust = std::max(0.0, std::floor((H - (satir * bant - bosluk)) / 2));
    const double alt = std::max(0.0, H - ust - satir * bant - pay);
    const double ic = sutun * double(Mm_Twip(en)) + (sutun - 1) * double(Mm_Twip(yatay));
    const double sol = std::max(0.0, std::floor((W - ic) / 2));
    return {sol, sol, std::min(ust, std::max(0.0, H - satir * bant - pay)), alt};
}

bool EtiketKagidi::operator==(const EtiketKagidi &o) const {
    return sutun == o.sutun && satir == o.satir && en == o.en && boy == o.boy && yatay == o.yatay &&
           dikey == o.dikey;
}

std::optional<EtiketKagidi> Katalog_Kagidi(const TasarimModeli::Ayarlar &a) {
    // Label values are singles in a design: compare them as such.
    const auto ayni = [](float x, double y) { return x == float(y); };
    for (const EtiketKagidi &k : Etiket_Kagitlari()) {
        const RaporSayfaAyari m = k.Kenarlar();
        const RaporSayfaAyari &s = a.PageSettings;
        if (a.Tip == 1 && a.Printer.PaperSize == 9 && ayni(a.Etiket_Boy, k.boy) &&
            ayni(a.Etiket_Genislik, k.en) && ayni(a.Etiket_Yatay, k.yatay) &&
            ayni(a.Etiket_Dikey, k.dikey) && std::fabs(s.LeftMargin - m.LeftMargin) < 1 &&
            std::fabs(s.RightMargin - m.RightMargin) < 1 &&
            std::fabs(s.TopMargin - m.TopMargin) < 1 &&
            std::fabs(s.BottomMargin - m.BottomMargin) < 1)
            return k;
    }
    return std::nullopt;
}

QList<EtiketKagidi> Etiket_Kagitlari_Oku(const QString &metin) {
    QList<EtiketKagidi> kagitlar;
    for (const QString &satir : metin.split(u'\n')) {
        const QString s = satir.trimmed();
        if (s.isEmpty() || s.startsWith(u'#'))
            continue;
        const QStringList p = s.split(u' ', Qt::SkipEmptyParts);
        if (p.size() != 6)
            continue;
        EtiketKagidi k{p[0].toInt(),    p[1].toInt(),    p[2].toDouble(),
                       p[3].toDouble(), p[4].toDouble(), p[5].toDouble()};
        if (k.sutun > 0 && k.satir > 0 && k.en > 0 && k.boy > 0)
            kagitlar.append(k);
    }
    return kagitlar;
}

QList<EtiketKagidi> Etiket_Kagitlari() {
    QFile f(QStringLiteral(":/veri/etiket_kagitlari.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return Etiket_Kagitlari_Oku(QString::fromUtf8(f.readAll()));
}

SayfaBasina Sayfa_Basina(double alan_en, double alan_boy, double bolum_en, double bolum_boy) {
    // The report engine's rule: a label that overhangs the page by at most its
    // allowance still counts (a sheet of 10 × 29,7 mm fills A4 exactly, and whole
    // twips make it a few too tall).
    constexpr qint64 pay = qint64(RaporMotoru::Satir_Payi);
    const qint64 w = std::llround(bolum_en), h = std::llround(bolum_boy);
    return {w > 0 ? (std::llround(alan_en) + pay) / w : 0,
            h > 0 ? (std::llround(alan_boy) + pay) / h : 0};
}

QString Sayfa_Basina_Mesaji(const SayfaBasina &s) {
    return QStringLiteral("Bu Tasarım Sonucu :\rYatayda : %1\r Dikeyde : %2\rOlmak Üzere Sayfa "
                          "Başına %3 Adet Barkod Basımı Yapılacaktır")
        .arg(s.yatay)
        .arg(s.dikey)
        .arg(s.yatay * s.dikey);
}

std::optional<double> Mm_Oku(const QString &metin, double en_az, double en_cok,
                             const Ayiraclar &a) {
    static const QRegularExpression duz(QStringLiteral("^-?[0-9]{1,6}(?:([.,])[0-9]{1,9})?$"));
    const QString t = metin.trimmed();
    const QRegularExpressionMatch m = duz.match(t);
    // Only the regional decimal separator: "37.5" would be read as 375 elsewhere.
    if (!m.hasMatch() || (m.hasCaptured(1) && m.captured(1) != a.ondalik))
        return std::nullopt;
    QString c = t;
    c.replace(a.ondalik, QStringLiteral("."));
    bool ok = false;
    const double d = c.toDouble(&ok);
    if (!ok || d < en_az || d > en_cok)
        return std::nullopt;
    return d;
}

std::variant<TasarimModeli::Ayarlar, int> Etiket_Ayari(const TasarimModeli::Ayarlar &ayar,
                                                       const QStringList &kutular,
                                                       const std::optional<EtiketKagidi> &kagit,
                                                       const Ayiraclar &ayirac) {
    double d[4] = {};
    for (int i = 0; i < 4; ++i) {
        const bool boyut = i < 2;
        const auto v = boyut ? Mm_Oku(kutular.value(i), En_Az_Etiket, En_Cok_Etiket, ayirac)
                             : Mm_Oku(kutular.value(i), 0, En_Cok_Bosluk, ayirac);
        if (!v)
            return i;
        d[i] = *v;
    }
    TasarimModeli::Ayarlar a = ayar;
    a.Etiket_Boy = float(d[0]), a.Etiket_Genislik = float(d[1]);
    a.Etiket_Yatay = float(d[2]), a.Etiket_Dikey = float(d[3]);
    if (kagit) {
        a.PageSettings = kagit->Kenarlar();
        a.Printer.PaperSize = 9;
        a.Printer.Orientation = 1;
    }
    const RaporSayfaAyari &k = a.PageSettings;
    const SayfaBasina s = Sayfa_Basina(a.Printer.PaperWidth() - (k.LeftMargin + k.RightMargin),
                                       a.Printer.PaperHeight() - (k.TopMargin + k.BottomMargin),
                                       Mm_Twip(d[1]), Mm_Twip(d[0]));
    if (s.yatay <= 0 || s.dikey <= 0)
        return Sigmayan_Yerlesim;
    return a;
}
