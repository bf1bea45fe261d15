// Reading design files: line by line, markers in a fixed order, every number in
// either of the two forms the writer may have used.
#include "TasarimDosyasi.h"

#include "KayitAlanlari.h"
#include "Kodlama.h"
#include "core/Birimler.h"
#include "core/SayiMetni.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const Ayiraclar dosyaBicimi;

// ---- reading conversions ---------------------------------------------------

std::optional<double> sayiOku(const QString &s) {
    double d = 0;
    if (!Sayi_Oku(s, d, dosyaBicimi) || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// A number text that is NaN, an infinity or too large for a double: refused
// wherever it stands, also where a field that does not convert is skipped.
bool sonsuzMu(const QString &s) {
    QString t = s.trimmed().toLower();
    if (t.startsWith(u'+') || t.startsWith(u'-'))
        t.remove(0, 1);
    double d = 0;
    return t == u"nan" || t == u"inf" || t == u"infinity" ||
           (Sayi_Oku(s, d, dosyaBicimi) && !std::isfinite(d));
}

std::optional<float> tekOku(const QString &s) {
    const auto d = sayiOku(s);
    if (!d || std::fabs(*d) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*d);
}

std::optional<bool> mantikOku(const QString &s) {
    const QString t = s.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == u"Doğru")
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t == u"Yanlış")
        return false;
    if (const auto d = sayiOku(t))
        return *d != 0;
    return std::nullopt;
}

std::optional<float> yukseklikOku(const QString &s) {
    qint16 ondalik = 2;
    return tekOku(Sayi_Bicimle(s, ondalik, dosyaBicimi));
}

// ---- the reader ------------------------------------------------------------

struct Okuma_Istisnasi {
    Okuma_Hatasi bilgi;
};

class Okuyucu {
public:
    explicit Okuyucu(const QByteArray &bayt) {
        QString metin = Cp1254_Coz(bayt);
        satirlar_ = metin.split(u'\n');
        for (QString &s : satirlar_)
            if (s.endsWith(u'\r'))
                s.chop(1);
        // A final line end does not start another line.
        if (!satirlar_.isEmpty() && satirlar_.last().isEmpty())
            satirlar_.removeLast();
    }

    QString oku() {
        if (konum_ >= satirlar_.size())
            throw Okuma_Istisnasi{{konum_ + 1, QStringLiteral("dosya beklenenden önce bitti")}};
        return satirlar_[konum_++];
    }
    void basaDon() { konum_ = 0; }
    // Whether the next line is another record (a line with ";"); reads nothing.
    bool sonrakiKayitMi() const {
        return konum_ < satirlar_.size() && satirlar_[konum_].contains(u';');
    }
    static bool isaret(const QString &s) {
        static const QStringList isaretler = {
            QStringLiteral("Tip_"),          QStringLiteral("Barkod_"),
            QStringLiteral("Nesneler_"),     QStringLiteral("Detaylar_"),
            QStringLiteral("Sol_Bosluk_"),   QStringLiteral("Sag_Bosluk_"),
            QStringLiteral("Ust_Bosluk_"),   QStringLiteral("Alt_Bosluk_"),
            QStringLiteral("Yazici_Durum_"), QStringLiteral("Kagit_Boyutu_"),
            QStringLiteral("<end>")};
        return isaretler.contains(s);
    }
    // Whether any line is one of the file's section markers.
    bool isaretVar() const { return std::any_of(satirlar_.begin(), satirlar_.end(), isaret); }
    // The next line must be a section marker: a file of junk is no empty design.
    void isaretBekle() const {
        if (konum_ < satirlar_.size() && !isaret(satirlar_[konum_]))
            sonrakindeHata(
                QStringLiteral("tanınmayan kayıt: \"%1\"").arg(satirlar_[konum_].left(40)));
    }
    int satirNo() const { return konum_; } // number of the line read last

    [[noreturn]] void hata(const QString &neden) const { throw Okuma_Istisnasi{{konum_, neden}}; }
    [[noreturn]] void sonrakindeHata(const QString &neden) const {
        throw Okuma_Istisnasi{{konum_ + 1, neden}};
    }

    template <typename T> T gerekli(std::optional<T> v, const QString &ne) const {
        if (!v)
            hata(ne);
        return *v;
    }

private:
    QStringList satirlar_;
    int konum_ = 0;
};

// Refusing out-of-range values when reading keeps every later step (drawing, PNG
// pages, the grid) bounded.
constexpr qsizetype En_Uzun_Metin = 64 * 1024; // characters of one text

QString mmMetni(double d) { return QString::number(d, 'g', 6).replace(u'.', u','); }

void aralikta(const Okuyucu &o, double d, double en_az, double en_cok, const QString &ne,
              const char *birim) {
    if (!(d >= en_az && d <= en_cok))
        o.hata(QStringLiteral("%1 %2…%3 %4 arasında olmalı: %5")
                   .arg(ne, mmMetni(en_az), mmMetni(en_cok), QLatin1String(birim), mmMetni(d)));
}

// Position, size and font of an element, the same for barcodes and objects.
void yerDenetle(const Okuyucu &o, const ElemanKaydi &k) {
    aralikta(o, k.Left, En_Az_Konum, En_Cok_Konum, QStringLiteral("Sol"), "mm");
    aralikta(o, k.Top, En_Az_Konum, En_Cok_Konum, QStringLiteral("Üst"), "mm");
    for (const auto &[d, ne] : {std::pair{k.Width, "Genişlik"}, {k.Height, "Yükseklik"}})
        if (!(d > 0 && d <= En_Cok_Konum))
            o.hata(QStringLiteral("%1 0'dan büyük, en çok %2 mm olmalı: %3")
                       .arg(QString::fromUtf8(ne), mmMetni(En_Cok_Konum), mmMetni(d)));
    aralikta(o, k.FontSize, En_Az_Yazi, En_Cok_Yazi, QStringLiteral("Yazı boyutu"), "pt");
}

// Splits a record line; field n (1-based) is the text before the n-th ";".
class Alanlar {
public:
    Alanlar(const QString &satir, const Okuyucu &o) : o_(o) {
        parcalar_ = satir.split(u';');
        parcalar_.removeLast(); // the text after the last ";" is no field
    }
    QString metin(int n) const {
        if (n > parcalar_.size())
            o_.hata(QStringLiteral("%1. alan eksik").arg(n));
        return parcalar_[n - 1];
    }
    template <typename T> T tamsayi(int n) const {
        return o_.gerekli(Tamsayi_Oku<T>(metin(n), dosyaBicimi),
                          QStringLiteral("%1. alan tam sayı değil: \"%2\"").arg(n).arg(metin(n)));
    }
    float tek(int n) const {
        return o_.gerekli(tekOku(metin(n)),
                          QStringLiteral("%1. alan sayı değil: \"%2\"").arg(n).arg(metin(n)));
    }
    float yukseklik(int n) const {
        return o_.gerekli(yukseklikOku(metin(n)),
                          QStringLiteral("%1. alan sayı değil: \"%2\"").arg(n).arg(metin(n)));
    }
    bool mantik(int n) const {
        return o_.gerekli(mantikOku(metin(n)),
                          QStringLiteral("%1. alan True/False değil: \"%2\"").arg(n).arg(metin(n)));
    }

private:
    QStringList parcalar_;
    const Okuyucu &o_;
};

template <typename K, size_t N>
K kayitCoz(const QString &satir, const Okuyucu &o, const KayitAlani<K> (&alanlar)[N]) {
    const Alanlar a(satir, o);
    K k;
    for (size_t i = 0; i < N; ++i) {
        const int n = int(i) + 1;
        if (alanlar[i].cizgide_yok && Cizgi_Kaydi(k))
            continue;
        std::visit(
            [&](auto uye) {
                using T = std::remove_cvref_t<decltype(k.*uye)>;
                if constexpr (std::is_same_v<T, QString>)
                    k.*uye = a.metin(n);
                else if constexpr (std::is_same_v<T, bool>)
                    k.*uye = a.mantik(n);
                else if constexpr (std::is_same_v<T, float>)
                    k.*uye = alanlar[i].yukseklik ? a.yukseklik(n) : a.tek(n);
                else
                    k.*uye = a.tamsayi<T>(n);
            },
            alanlar[i].uye);
    }
    yerDenetle(o, k);
    return k;
}

BarkodKaydi barkodCoz(const QString &satir, const Okuyucu &o) {
    return kayitCoz(satir, o, Barkod_Alanlari);
}

NesneKaydi nesneCoz(const QString &satir, const Okuyucu &o) {
    NesneKaydi n = kayitCoz(satir, o, Nesne_Alanlari);
    if (n.Caption.size() > En_Uzun_Metin || n.Tag.size() > En_Uzun_Metin)
        o.hata(QStringLiteral("bir metin en çok %1 KB olabilir").arg(En_Uzun_Metin / 1024));
    return n;
}

// The label-area line: a field that does not convert is skipped; sizes are twips.
void detayCoz(const QString &satir, DetayKaydi &d, const Okuyucu &o) {
    QStringList p = satir.split(u';');
    p.removeLast();
    if (p.size() >= 1)
        if (const auto v = mantikOku(p[0]))
            d.Visible = *v;
    const std::pair<float *, const char *> olculer[] = {{&d.Height, "Etiket alanı yüksekliği"},
                                                        {&d.Width, "Etiket alanı genişliği"}};
    for (qsizetype i = 1; i <= 2 && i < p.size(); ++i)
        if (sonsuzMu(p[i]))
            o.hata(QStringLiteral("%1 bir sayı olmalı: \"%2\"")
                       .arg(QString::fromUtf8(olculer[i - 1].second), p[i].trimmed()));
        else if (const auto v = tekOku(p[i])) {
            *olculer[i - 1].first = *v;
            aralikta(o, *v / Mm_Basina_Twip, En_Az_Etiket, En_Cok_Etiket,
                     QString::fromUtf8(olculer[i - 1].second), "mm");
        }
}

template <typename Kayit, typename Cozucu> QList<Kayit> listeOku(Okuyucu &o, Cozucu coz) {
    const QString sayiSatiri = o.oku();
    const qint32 sayi = o.gerekli(Tamsayi_Oku<qint32>(sayiSatiri, dosyaBicimi),
                                  QStringLiteral("sayı bekleniyordu: \"%1\"").arg(sayiSatiri));
    if (sayi < 0)
        o.hata(QStringLiteral("sayı eksi olamaz: %1").arg(sayi));
    // A page of that many objects would take gigabytes to draw.
    if (sayi > En_Cok_Nesne)
        o.hata(Tasarim_Dolu_Mesaji + QStringLiteral(" Dosyada %1 var.").arg(sayi));
    QList<Kayit> liste;
    liste.reserve(qMin(sayi, 100000) + 1);
    liste.append(Kayit());
    for (qint32 i = 1; i <= sayi; ++i) {
        const QString satir = o.oku();
        liste.append(satir.contains(u';') ? coz(satir, o) : Kayit());
    }
    // A count smaller than its records would silently lose the rest of the file.
    if (o.sonrakiKayitMi())
        o.sonrakindeHata(
            QStringLiteral("kayıt sayısı %1 yazıyor, ardından başka kayıtlar da var").arg(sayi));
    return liste;
}

void cozIcerik(Okuyucu &o, TasarimBelgesi &b) {
    b.Tip = 0;
    QString satir = o.oku();
    if (satir != u"Tip_") {
        o.basaDon(); // no printer block: the file begins with "Barkod_"
    } else {
        const QString tip = o.oku();
        b.Tip = o.gerekli(Tamsayi_Oku<quint8>(tip, dosyaBicimi),
                          QStringLiteral("yazıcı türü okunamadı: \"%1\"").arg(tip));
        if (b.Tip > 1)
            o.hata(QStringLiteral("yazıcı türü 0 ya da 1 olmalı: %1").arg(b.Tip));
        if (b.Tip == 1) {
            const struct {
                float *deger;
                const char *ne;
                double en_az, en_cok;
            } olculer[] = {{&b.Etiket_Boy, "Etiket boyu", En_Az_Etiket, En_Cok_Etiket},
                           {&b.Etiket_Genislik, "Etiket genişliği", En_Az_Etiket, En_Cok_Etiket},
                           {&b.Etiket_Yatay, "Yatay boşluk", 0, En_Cok_Bosluk},
                           {&b.Etiket_Dikey, "Dikey boşluk", 0, En_Cok_Bosluk}};
            // A laser design whose sheet was never set is saved with a label of 0.
            for (const auto &x : olculer)
                if (const QString v = o.oku(); sonsuzMu(v))
                    o.hata(QStringLiteral("%1 bir sayı olmalı: \"%2\"")
                               .arg(QString::fromUtf8(x.ne), v.trimmed()));
                else if (const auto d = tekOku(v)) {
                    *x.deger = *d;
                    if (*d != 0)
                        aralikta(o, *d, x.en_az, x.en_cok, QString::fromUtf8(x.ne), "mm");
                }
        }
    }
    o.isaretBekle();
    if (o.oku() == u"Barkod_")
        b.Barkodlar = listeOku<BarkodKaydi>(o, barkodCoz);
    if (o.oku() == u"Nesneler_")
        b.Nesneler = listeOku<NesneKaydi>(o, nesneCoz);
    if (o.oku() == u"Detaylar_") {
        b.Detaylar = {DetayKaydi(), DetayKaydi()};
        satir = o.oku();
        if (satir.contains(u';'))
            detayCoz(satir, b.Detaylar[1], o);
    }
    const auto bosluk = [&o](const char *isaret, qint32 &hedef) {
        if (o.oku() != QLatin1String(isaret))
            return;
        QString v = o.oku();
        v.remove(u' ');
        hedef = o.gerekli(Tamsayi_Oku<qint32>(v, dosyaBicimi),
                          QStringLiteral("sayı bekleniyordu: \"%1\"").arg(v));
        aralikta(o, hedef / Mm_Basina_Twip, 0, En_Cok_Bosluk, QStringLiteral("Kenar boşluğu"),
                 "mm");
    };
    bosluk("Sol_Bosluk_", b.Sol_Bosluk);
    bosluk("Sag_Bosluk_", b.Sag_Bosluk);
    bosluk("Ust_Bosluk_", b.Ust_Bosluk);
    bosluk("Alt_Bosluk_", b.Alt_Bosluk);
    if (o.oku() == u"Yazici_Durum_") {
        QString v = o.oku();
        v.remove(u' ');
        b.Yazici_Durum = v;
    }
    if (o.oku() == u"Kagit_Boyutu_") {
        QString v = o.oku();
        v.remove(u' ');
        b.Kagit_Boyutu = o.gerekli(tekOku(v), QStringLiteral("sayı bekleniyordu: \"%1\"").arg(v));
    }
    o.oku(); // the closing "<end>"
}

} // namespace

std::optional<Okuma_Hatasi> Tasarim_Coz(const QByteArray &bayt, TasarimBelgesi &belge) {
    TasarimBelgesi yeni = belge;
    Okuyucu o(bayt);
    if (!o.isaretVar())
        return Okuma_Hatasi{0, Gecersiz_Tasarim};
    try {
        cozIcerik(o, yeni);
    } catch (const Okuma_Istisnasi &h) {
        return h.bilgi;
    }
    belge = std::move(yeni);
    return std::nullopt;
}
