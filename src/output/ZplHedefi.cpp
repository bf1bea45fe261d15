#include "ZplHedefi.h"

#include "barcode/BarkodTipleri.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTransform>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

int nokta(double twip, int dpi) { return int(std::lround(Twip_Piksel(twip, dpi))); }

QByteArray &sayiEkle(QByteArray &z, int sayi) {
    char b[12];
    const auto son = std::to_chars(b, b + sizeof b, sayi).ptr;
    return z.append(b, son - b);
}

// What every field of a label is written with.
struct Etiket {
    int dpi;
    bool yazici_fontu;
    QStringList *uyarilar;

    QByteArray fo(int x, int y) const {
        QByteArray z("^FO", 3);
        sayiEkle(z, std::max(0, x)).append(',');
        return sayiEkle(z, std::max(0, y));
    }
};

// A field's data behind ^FD, and ^FH before it when anything needed escaping: ^ ~ _
// and control bytes go as _XX, so no datum can end a field, a label or a format.
QByteArray veriAlani(const QString &metin) {
    const QByteArray veri = metin.toUtf8();
    const auto ozel = [](char c) { return c == '^' || c == '~' || c == '_' || uchar(c) < 0x20; };
    if (std::none_of(veri.begin(), veri.end(), ozel))
        return "^FD" + veri;
    static const char *onaltilik = "0123456789ABCDEF";
    QByteArray z("^FH^FD");
    z.reserve(z.size() + veri.size() * 3);
    for (const char c : veri) {
        if (ozel(c))
            z.append('_').append(onaltilik[uchar(c) >> 4]).append(onaltilik[uchar(c) & 15]);
        else
            z.append(c);
    }
    return z;
}

QRect noktaAlani(const QRectF &twip, int dpi) {
    const int x = nokta(twip.left(), dpi), y = nokta(twip.top(), dpi);
    return QRect(x, y, std::max(1, nokta(twip.right(), dpi) - x),
                 std::max(1, nokta(twip.bottom(), dpi) - y));
}

// ZPL turns clockwise: R is 90°, B 270°; the design turns counter-clockwise.
char yon(int onda) {
    switch (((onda % 3600) + 3600) % 3600) {
    case 900:
        return 'B';
    case 1800:
        return 'I';
    case 2700:
        return 'R';
    default:
        return 'N';
    }
}

// The bars the printer draws itself, when the symbology table has its command and
// the command takes every character of the data as data.
const Semboloji *yerelSembol(Barkod::Sembol s, const QString &veri) {
    const Semboloji &t = Semboloji_Bilgisi(s);
    return t.zpl && std::all_of(veri.begin(), veri.end(), t.zpl_alir) ? &t : nullptr;
}

// Anything ZPL's own symbols cannot say: painted by the one draw path into a
// picture of whole dots, black where the paint is dark.
QByteArray resim(const CizimOgesi &o, const Etiket &e) {
    const int dpi = e.dpi;
    const QRect r = noktaAlani(o.alan, dpi);
    QImage img(r.size(), o.resim ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.translate(-r.topLeft());
        Twip_Olcegi(p, dpi);
        Oge_Ciz(p, o);
    }
    // A picture's shades become spread dots (a red logo would fall under the threshold
    // as a light grey).
    if (o.resim)
        img = img.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::DiffuseDither)
                  .convertToFormat(QImage::Format_Grayscale8);
    const int satir_bayti = (r.width() + 7) / 8;
    QByteArray bitler(qsizetype(satir_bayti) * r.height(), '\0');
    bool bos = true;
    for (int y = 0; y < r.height(); ++y) {
        const uchar *s = img.constScanLine(y);
        char *b = bitler.data() + qsizetype(y) * satir_bayti;
        for (int x = 0; x < r.width(); ++x)
            if (s[x] < 128) {
                b[x / 8] = char(uchar(b[x / 8]) | (0x80 >> (x % 8)));
                bos = false;
            }
    }
    if (bos)
        return {};
    return e.fo(r.left(), r.top()) + "^GFA," + QByteArray::number(bitler.size()) + ',' +
           QByteArray::number(bitler.size()) + ',' + QByteArray::number(satir_bayti) + ',' +
           Zpl_Sikistir(bitler, satir_bayti) + "^FS\n";
}

bool koyu(const QColor &c) { return qGray(c.rgb()) < 128; }

// A text in the printer's scalable font at the size fitting gave, along its turn,
// aligned in its box by a one-line field block; ^ ~ and _ go as hex (^FH).
QByteArray yaziciYazisi(const CizimOgesi &o, const Etiket &e) {
    const QRect r = noktaAlani(o.alan, e.dpi);
    const char y = yon(int(std::lround(o.yazi.aci * 10)));
    const bool dik = y == 'R' || y == 'B';
    const qreal pt = o.sigdirma ? o.sigdirma->boyut : o.yazi.boyut;
    const int boy = std::max(1, int(std::lround(pt / 72.0 * e.dpi)));
    const int uzun = dik ? r.height() : r.width(), kisa = dik ? r.width() : r.height();
    // Across the text: top, middle or bottom of the box (for an upright text).
    const int bosluk = std::max(0, kisa - boy);
    const int kay = o.yazi.dikey_hiza == 1 ? bosluk / 2 : o.yazi.dikey_hiza == 2 ? bosluk : 0;
    const int x = r.left() + (dik ? kay : 0), yy = r.top() + (dik ? 0 : kay);
    const char hiza = o.yazi.yatay_hiza == 1 ? 'R' : o.yazi.yatay_hiza == 2 ? 'C' : 'L';
    const QByteArray veri = veriAlani(o.metin);
    // Built in place: this runs for every text of every label.
    QByteArray z = e.fo(x, yy);
    z.reserve(z.size() + veri.size() + 48);
    z.append("^A0").append(y).append(',');
    sayiEkle(z, boy).append(',');
    sayiEkle(z, boy).append("^FB");
    sayiEkle(z, uzun).append(",1,0,").append(hiza);
    return z.append(veri).append("^FS\n");
}

QByteArray oge(const CizimOgesi &o, const Etiket &e);

// GS1 data (zint's "[01]…[10]…") for the printer's Data Matrix: FNC1 ("_1") first and
// after every value whose length its identifier does not fix.
QByteArray gs1DataMatrixVerisi(const QString &kodlanan) {
    static const QStringList sabit = {
        QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("11"),
        QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("15"), QStringLiteral("16"),
        QStringLiteral("17"), QStringLiteral("20")};
    QString v = QStringLiteral("_1");
    bool ayir = false;
    for (qsizetype i = 0; i < kodlanan.size();) {
        const qsizetype kapa = kodlanan.indexOf(u']', i);
        qsizetype son = kodlanan.indexOf(u'[', kapa);
        if (kapa < 0)
            break;
        if (son < 0)
            son = kodlanan.size();
        const QString ai = kodlanan.mid(i + 1, kapa - i - 1);
        if (ayir)
            v += QStringLiteral("_1");
        v += ai + kodlanan.mid(kapa + 1, son - kapa - 1);
        const bool agirlik = ai.size() == 4 && ai[0] == u'3' && ai[1] >= u'1' && ai[1] <= u'6';
        ayir = !sabit.contains(ai) && !agirlik;
        i = son;
    }
    return v.toLatin1();
}

// A two-dimensional symbol the printer draws: modules of whole dots, as many as fit,
// centred where the page centres it.
QByteArray ikiBoyutlu(const CizimOgesi &o, const Etiket &e, const Semboloji &t) {
    const Barkod &b = *o.barkod;
    const Barkod::Gorunum &g = o.barkod_gorunum;
    const char y = yon(g.yon);
    const bool qr = b.Sembolu() == Barkod::Sembol::QR;
    if (qr && y != 'N')
        return resim(o, e); // the printer's QR code stands upright only
    const Barkod::Yerlesim yer = b.Yerlestir(o.alan, g, Nokta_Basina_Twip);
    const QRect r = noktaAlani(yer.cubuklar, e.dpi);
    const double moduller = b.Modul_Sayisi();
    const int modul =
        std::max(1, int(std::floor(std::min(r.width(), r.height()) / moduller + 1e-9)));
    if (qr && modul > 10)
        return resim(o, e); // the printer magnifies a QR code ten times at most
    if (e.uyarilar && modul < 2)
        e.uyarilar->append(QStringLiteral("Kod %1: modül 2 noktadan dar; yazıcı okunamaz "
                                          "basabilir (kodu büyütün).")
                               .arg(b.Veri()));
    // The printer draws no quiet zone: the symbol starts after the page's.
    const int kenar = int(std::lround(moduller)) * modul;
    const int bosluk = int(std::lround(b.Ilk_Cubuk() * moduller)) * modul;
    QByteArray z = e.fo(r.left() + (r.width() - kenar) / 2 + bosluk,
                        r.top() + (r.height() - kenar) / 2 + bosluk);
    z += QString::fromLatin1(t.zpl).arg(QChar::fromLatin1(y)).arg(modul).toLatin1();
    if (qr)
        return z + veriAlani(QStringLiteral("MA,") + b.Veri()) + "^FS\n";
    if (t.gs1)
        return z + "^FD" + gs1DataMatrixVerisi(b.Kodlanan()) + "^FS\n";
    return z + veriAlani(b.Veri()) + "^FS\n";
}

QByteArray barkod(const CizimOgesi &o, const Etiket &e) {
    const int dpi = e.dpi;
    const Barkod &b = *o.barkod;
    const Semboloji *yerel = b.Gecerli() ? yerelSembol(b.Sembolu(), b.Veri()) : nullptr;
    const double moduller = b.Modul_Sayisi();
    if (!yerel || moduller <= 0)
        return resim(o, e);
    if (yerel->iki_boyutlu)
        return ikiBoyutlu(o, e, *yerel);
    const Barkod::Gorunum &g = o.barkod_gorunum;
    const char y = yon(g.yon);
    const bool dik = y == 'R' || y == 'B';
    // The element in its own frame, as the draw path lays it: the bars, and the text
    // strip under them (as high as the font, at most 40 %).
    const QTransform donus =
        QTransform().translate(o.alan.center().x(), o.alan.center().y()).rotate(-g.yon / 10.0);
    const QSizeF kendi = dik ? o.alan.size().transposed() : o.alan.size();
    const Barkod::Yerlesim yer = b.Yerlestir(
        QRectF(QPointF(-kendi.width() / 2, -kendi.height() / 2), kendi), g, Nokta_Basina_Twip);
    const QRect r = noktaAlani(donus.mapRect(yer.cubuklar), dpi);
    const int boy = dik ? r.width() : r.height(); // the bars' length
    const int en = dik ? r.height() : r.width();
    // The largest module of whole dots with which the symbol and its quiet zones fit
    // the element: a wider one would run the bars into the next element or off the label.
    const int modul = std::max(1, int(std::floor(en / moduller + 1e-9)));
    if (e.uyarilar && (modul < 2 || modul * moduller > en + 1e-9))
        e.uyarilar->append(QStringLiteral("Barkod %1: modül 2 noktadan dar; yazıcı okunamaz "
                                          "basabilir (barkodu genişletin).")
                               .arg(b.Metin()));
    const QString veri = yerel->govde > 0 ? b.Metin().left(yerel->govde)
                         : yerel->gs1     ? b.Metin()
                                          : b.Veri();
    // The printer draws no quiet zone: the bars start where the page's bars start, and
    // with a module no wider than the page's they end inside its right quiet zone.
    const int bosluk = int(std::lround(b.Ilk_Cubuk() * en));
    const int x = r.left() + (dik ? 0 : bosluk), yy = r.top() + (dik ? bosluk : 0);
    QByteArray z = e.fo(x, yy) + "^BY" + QByteArray::number(modul);
    z += QString::fromLatin1(yerel->zpl)
             .arg(QChar::fromLatin1(y))
             .arg(std::max(1, boy))
             .arg(QChar(u'N'))
             .toLatin1();
    z += veriAlani(veri) + "^FS\n";
    if (!yer.metin)
        return z;
    // The human-readable line where the draw path puts it, not the printer's own
    // layout of it: a text of the label like any other.
    CizimOgesi t;
    t.alan = donus.mapRect(yer.yazi);
    t.metin = b.Metin();
    t.yazi.yazi_tipi = g.yazi.family();
    t.yazi.kalin = g.yazi.bold();
    t.yazi.boyut = yer.yazi_boyu / Nokta_Basina_Twip;
    t.yazi.on = g.on;
    t.yazi.yatay_hiza = 2;
    t.yazi.dikey_hiza = 1;
    t.yazi.aci = g.yon / 10.0;
    Yazi_Tasiyor(t);
    return z + oge(t, e);
}

QByteArray oge(const CizimOgesi &o, const Etiket &e) {
    if (o.barkod)
        return barkod(o, e);
    if (o.resim)
        return resim(o, e);
    if (o.metin.isEmpty()) {
        // A line or a filled rectangle: a box of its own on a white label.
        if (!o.yazi.arka_opak || !koyu(o.yazi.arka))
            return {};
        const QRect r = noktaAlani(o.alan, e.dpi);
        return e.fo(r.left(), r.top()) + "^GB" + QByteArray::number(r.width()) + ',' +
               QByteArray::number(r.height()) + ',' +
               QByteArray::number(std::min(r.width(), r.height())) + ",B^FS\n";
    }
    // A text on a dark ground stays a picture: the printer's font prints black only.
    if (e.yazici_fontu && !(o.yazi.arka_opak && koyu(o.yazi.arka)))
        return yaziciYazisi(o, e);
    return resim(o, e);
}

QByteArray sayilar(int sayi) { return QByteArray::number(sayi); }

} // namespace

QByteArray Zpl_Sikistir(const QByteArray &bitler, int satir_bayti) {
    static const char *onaltilik = "0123456789ABCDEF";
    // Counts: G..Y are 1..19, g..z are 20..400 in twenties.
    const auto tekrar = [](QByteArray &c, int n, char harf) {
        while (n > 0) {
            const int parca = std::min(n, 419);
            if (parca >= 20)
                c += char('f' + parca / 20);
            if (parca % 20 > 0)
                c += char('F' + parca % 20);
            c += harf;
            n -= parca;
        }
    };
    QByteArray cikti, onceki;
    for (qsizetype y = 0; y * satir_bayti < bitler.size(); ++y) {
        QByteArray hex;
        for (int i = 0; i < satir_bayti; ++i) {
            const uchar b = uchar(bitler[y * satir_bayti + i]);
            hex += onaltilik[b >> 4];
            hex += onaltilik[b & 15];
        }
        if (hex == onceki) {
            cikti += ':';
            continue;
        }
        onceki = hex;
        qsizetype son = hex.size();
        char kuyruk = 0;
        if (hex.endsWith('0') || hex.endsWith('F')) {
            kuyruk = hex.back();
            while (son > 0 && hex[son - 1] == kuyruk)
                --son;
        }
        for (qsizetype i = 0; i < son;) {
            qsizetype j = i;
            while (j < son && hex[j] == hex[i])
                ++j;
            if (j - i > 1)
                tekrar(cikti, int(j - i), hex[i]);
            else
                cikti += hex[i];
            i = j;
        }
        if (kuyruk)
            cikti += kuyruk == '0' ? ',' : '!';
    }
    return cikti;
}

ZplParcalari Zpl_Parcalari(const RaporSayfasi &s, const ZplAyarlari &a, QStringList *uyarilar) {
    ZplParcalari p;
    if (a.koyuluk >= 0)
        p.onu = "~SD" + QByteArray::number(a.koyuluk).rightJustified(2, '0') + '\n';
    QByteArray &z = p.ayar;
    z += "^CI28^PW" + sayilar(nokta(s.boyut.width(), a.dpi)) + "^LL" +
         sayilar(nokta(s.boyut.height(), a.dpi));
    // The printer's own offsets move the whole label, so places within it never
    // change: ^LH right and down, ^LS left (its positive values shift left), ^LT up
    // (the printer takes at most 120 dot rows).
    const QPoint kayma(int(std::lround(a.sol_mm / Inc_Basina_Mm * a.dpi)),
                       int(std::lround(a.ust_mm / Inc_Basina_Mm * a.dpi)));
    const Etiket e{a.dpi, a.yazici_fontu, uyarilar};
    if (kayma.x() > 0 || kayma.y() > 0)
        z += "^LH" + sayilar(std::max(0, kayma.x())) + ',' + sayilar(std::max(0, kayma.y()));
    if (kayma.x() < 0)
        z += "^LS" + sayilar(-kayma.x());
    if (kayma.y() < 0)
        z += "^LT" + sayilar(std::max(-120, kayma.y()));
    if (a.hiz > 0)
        z += "^PR" + sayilar(a.hiz);
    if (!a.ortam.isEmpty())
        z += a.ortam == u"Siyah_Isaret" ? "^MNM" : a.ortam == u"Surekli" ? "^MNN" : "^MNY";
    z += '\n';
    for (const CizimOgesi &o : s.ogeler)
        p.alanlar.append(oge(o, e));
    return p;
}

namespace {

const QByteArray bicimAdi = QByteArrayLiteral("R:VARNEL.ZPL");

// A label with all its fields.
QByteArray tam(const ZplParcalari &p) {
    return p.onu + "^XA" + p.ayar + p.alanlar.join() + "^XZ\n";
}

} // namespace

QByteArray Zpl_Etiketi(const RaporSayfasi &s, const ZplAyarlari &a, QStringList *uyarilar) {
    return tam(Zpl_Parcalari(s, a, uyarilar));
}

namespace {

// Where a field's own data starts: a field that has one can be stored with a
// numbered slot (^FN) and recalled with its data alone.
qsizetype veriBasi(const QByteArray &alan) {
    const qsizetype h = alan.indexOf("^FH^FD");
    return h >= 0 ? h : alan.indexOf("^FD");
}

// Where `a`'s data starts when it looks like `ilk` but for its data; -1 otherwise.
qsizetype ayniGorunum(const QByteArray &a, const QByteArray &ilk) {
    const qsizetype v = veriBasi(a);
    return v >= 0 && a.left(v) == ilk.left(veriBasi(ilk)) ? v : -1;
}

QByteArray alanNo(qsizetype i) { return "^FN" + QByteArray::number(i + 1); }

} // namespace

// The label through the stored format: its own fields only; nothing when it differs
// from the format in a stored part.
QByteArray ZplHedefi::cagir(const ZplParcalari &p) const {
    if (!bicim_ || p.ayar != ilk_->ayar || p.onu != ilk_->onu || p.alanlar.size() != alan_.size())
        return {};
    QByteArray z = "^XA^XF" + bicimAdi + "^FS\n";
    for (qsizetype i = 0; i < p.alanlar.size(); ++i) {
        const QByteArray &a = p.alanlar[i], &ilk = ilk_->alanlar[i];
        switch (alan_[i]) {
        case Alan::Tam:
            z += a;
            break;
        case Alan::Sabit:
            if (a != ilk)
                return {};
            break;
        case Alan::Veri: {
            const qsizetype v = ayniGorunum(a, ilk);
            if (v < 0)
                return {};
            z += alanNo(i) + a.mid(v);
            break;
        }
        }
    }
    return z + "^XZ\n";
}

ZplHedefi::ZplHedefi(const QString &yol, const ZplAyarlari &ayar)
    : ZplHedefi(Dosya_Cikisi(yol), ayar) {}

ZplHedefi::ZplHedefi(std::unique_ptr<BaytCikisi> cikis, const ZplAyarlari &ayar)
    : cikis_(std::move(cikis)), ayar_(ayar) {}

ZplHedefi::~ZplHedefi() { Vazgec(); }

::Hata ZplHedefi::Sayfa(const RaporSayfasi &s) {
    QStringList uyarilar;
    ZplParcalari p = Zpl_Parcalari(s, ayar_, &uyarilar);
    Uyari_Ekle(uyarilar);
    if (!ilk_) {
        ilk_ = std::move(p); // sent when the second label shows what is alike
        return {};
    }
    if (!karar_) {
        karar_ = true;
        // The second label: what it shares with the first becomes the stored format,
        // fields alike but for their data become numbered slots.
        const bool ayni =
            p.onu == ilk_->onu && p.ayar == ilk_->ayar && p.alanlar.size() == ilk_->alanlar.size();
        for (qsizetype i = 0; ayni && i < p.alanlar.size(); ++i) {
            const QByteArray &a = p.alanlar[i], &ilk = ilk_->alanlar[i];
            alan_.append(a == ilk                   ? Alan::Sabit
                         : ayniGorunum(a, ilk) >= 0 ? Alan::Veri
                                                    : Alan::Tam);
        }
        bicim_ = ayni && !alan_.isEmpty() &&
                 std::any_of(alan_.begin(), alan_.end(), [](Alan a) { return a != Alan::Tam; });
        if (!bicim_) {
            if (::Hata h = cikis_->Yaz(tam(*ilk_)))
                return h;
        } else {
            QByteArray z = ilk_->onu + "^XA^DF" + bicimAdi + "^FS\n" + ilk_->ayar;
            for (qsizetype i = 0; i < alan_.size(); ++i) {
                const QByteArray &a = ilk_->alanlar[i];
                if (alan_[i] == Alan::Sabit)
                    z += a;
                else if (alan_[i] == Alan::Veri)
                    z += a.left(veriBasi(a)) + alanNo(i) + "^FS\n";
            }
            if (::Hata h = cikis_->Yaz(z + "^XZ\n"); h || (h = cikis_->Yaz(cagir(*ilk_))))
                return h;
        }
        if (::Hata h = cikis_->Ilk_Etiketler())
            return h;
    }
    const QByteArray z = cagir(p);
    return cikis_->Yaz(z.isEmpty() ? tam(p) : z);
}

::Hata ZplHedefi::Bitir() {
    // A run of one label: nothing to store, the label goes as it is.
    if (ilk_ && !karar_)
        if (::Hata h = cikis_->Yaz(tam(*ilk_)))
            return h;
    return cikis_->Bitir();
}

void ZplHedefi::Vazgec() { cikis_->Vazgec(); }

namespace {

// A file written beside its place and moved there when the run ends well.
class DosyaCikisi : public BaytCikisi {
public:
    explicit DosyaCikisi(const QString &yol) : yol_(yol) {}
    Hata Yaz(const QByteArray &z) override {
        if (!dosya_) {
            if (const QString h = Cikti_Yolu_Hatasi(yol_); !h.isEmpty())
                return h;
            dosya_ = std::make_unique<QSaveFile>(yol_);
            if (!dosya_->open(QIODevice::WriteOnly)) {
                dosya_.reset();
                return QStringLiteral("ZPL dosyası açılamadı: %1")
                    .arg(QDir::toNativeSeparators(yol_));
            }
        }
        if (dosya_->write(z) == z.size())
            return {};
        return QStringLiteral("ZPL dosyası yazılamadı: %1 (disk dolu olabilir)")
            .arg(QDir::toNativeSeparators(QFileInfo(yol_).absoluteFilePath()));
    }
    Hata Bitir() override { return dosya_ ? Dosyayi_Yerlestir(dosya_, true, "ZPL") : Hata(); }
    void Vazgec() override {
        if (dosya_)
            dosya_->cancelWriting();
        dosya_.reset();
    }

private:
    QString yol_;
    std::unique_ptr<QSaveFile> dosya_;
};

} // namespace

std::unique_ptr<BaytCikisi> Dosya_Cikisi(const QString &yol) {
    return std::make_unique<DosyaCikisi>(yol);
}
