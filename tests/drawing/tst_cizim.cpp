#include "barcode/Barkod.h"
#include "barcode/BarkodTipleri.h"
#include "common/Araclar.h"
#include "common/Tablo.h"
#include "core/Renk.h"
#include "drawing/DonukYazi.h"
#include "drawing/RaporSayfasi.h"
#include "output/KalibrasyonEtiketi.h"
#include "output/SayfaHedefi.h"
#include "output/YaziciAyarlari.h"
#include "output/ZplHedefi.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double mm = 1440.0 / 25.4;

// One barcode on a small page, as every output draws it.
RaporSayfasi sayfa(const std::shared_ptr<const Barkod> &b, int yon) {
    RaporSayfasi s;
    s.no = 1;
    s.boyut = QSizeF(90 * mm, 90 * mm);
    CizimOgesi o;
    const bool dik = yon == 900 || yon == 2700;
    o.alan = dik ? QRectF(30 * mm, 10 * mm, 28 * mm, 70 * mm)
                 : QRectF(10 * mm, 30 * mm, 70 * mm, 28 * mm);
    o.barkod = b;
    o.barkod_gorunum.yon = yon;
    o.barkod_gorunum.yazi = QFont(u"Liberation Sans"_s);
    o.barkod_gorunum.yazi.setPointSize(8);
    s.ogeler.append(o);
    return s;
}

// A stock barcode type as the report (`rapor`) or direct printing encodes it; the
// engine's EAN styles take the number without its check digit.
std::shared_ptr<const Barkod> kodla(bool rapor, int tip, const QString &veri) {
    const Stok_Barkod_Tipi t = Stok_Barkod_Tipi_Oku(tip);
    if (!rapor)
        return Barkod::Kodla(t.dogrudan, veri);
    const Barkod::Sembol s = Stil_Sembolu(int(t.rapor.value_or(Motor_Stili::Yok)));
    return Barkod::Kodla(s, veri, Semboloji_Bilgisi(s).stil_govde_alir);
}

// Box around the pixels that are not paper white.
QRect murekkep(const QImage &r) {
    QRect kutu;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (qGray(r.pixel(x, y)) < 128)
                kutu |= QRect(x, y, 1, 1);
    return kutu;
}

QImage ciz(const QRectF &alan, const YaziGorunumu &g, const QString &metin = u"ŞEKERLEME"_s) {
    QImage r(400, 400, QImage::Format_RGB32);
    r.fill(Qt::white);
    QPainter p(&r);
    Donuk_Yazi_Ciz(p, alan, metin, g);
    return r;
}

} // namespace

// What every output paints: barcodes, colours and turned or aligned text.
class TstCizim : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:
    void cozulur() {
        // Stock barcode types on the report road (true) or the direct one, the
        // data, what zbarimg reads.
        const struct {
            bool rapor;
            int tip;
            const char *veri, *beklenen;
        } tablo[] = {
            {true, 1, "869000000001", "EAN-13:8690000000012"}, // the check digit is added
            {true, 2, "8690001", "EAN-8:86900010"},
            {true, 6, "036000291452", "UPC-A:036000291452"},
            {true, 3, "IRM-0500", "CODE-39:IRM-0500"},
            {true, 4, "PRN-B2KG", "CODE-93:PRN-B2KG"},
            {true, 5, "UZM 2026-11", "CODE-128:UZM 2026-11"},
            {false, 1, "869000000002", "EAN-13:8690000000029"},
            {false, 1, "8690000000036", "EAN-13:8690000000036"},
            {false, 2, "86900126", "EAN-8:86900126"},
            {false, 6, "042100005264", "UPC-A:042100005264"},
            {false, 7, "01234565", "UPC-E:01234565"},
            {false, 3, "ANT-FST-250", "CODE-39:ANT-FST-250"},
            {false, 4, "Raf 93/a", "CODE-93:Raf 93/a"},
            {false, 5, "SMP/KPK 400ML", "CODE-128:SMP/KPK 400ML"},
        };
        // One picture per symbol and turn, read by one zbarimg run.
        QStringList resimler, beklenen;
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::fromUtf8(s.veri));
            const auto b = kodla(s.rapor, s.tip, QString::fromUtf8(s.veri));
            QVERIFY2(b->Gecerli(), qPrintable(b->Neden()));
            QVERIFY(b->Cubuk_Sayisi() > 10);
            // Every symbology upright; the four turns on one linear and one EAN
            // symbol (the turn is drawing, the same for all of them).
            const bool donuk = s.rapor && (s.tip == 5 || s.tip == 1);
            for (int yon : donuk ? QList<int>{0, 900, 1800, 2700} : QList<int>{0}) {
                resimler << klasor_.filePath(u"b%1.png"_s.arg(resimler.size()));
                PngHedefi hedef(resimler.last(), 200);
                QVERIFY(!hedef.Sayfa(sayfa(b, yon)) && !hedef.Bitir());
                beklenen << QString::fromUtf8(s.beklenen);
            }
        }
        QCOMPARE(Barkod_Coz(resimler), beklenen);
    }

    void gecersiz_veri() {
        // No bars anywhere, and the PDF shows the data and the reason.
        const struct {
            bool rapor;
            int tip;
            const char *veri, *neden;
        } tablo[] = {
            {false, 1, "86900000ABC12", "yalnız rakam"},
            {false, 1, "12345", "12 ya da 13 rakam"},
            {false, 1, "8690000000013", "kontrol rakamı yanlış"},
            {true, 1, "8690000000012", "12 rakam gerekir"},
            {true, 2, "869", "7 rakam gerekir"},
            {false, 6, "036000291453", "kontrol rakamı yanlış"},
            {true, 5, "Kuru üzüm", "Code 128 A"},
            {true, 3, "abc", "Code 39"},
            {true, 4, "ŞEKER", "Code 93"},
            {true, 1, "", "verisi yok"},
            {false, 7, "21234565", "sayı sistemi"},
            {false, 7, "120453", "UPC-E verisi geçerli bir kısaltma değil"},
            {false, 7, "0123405", "UPC-E verisi geçerli bir kısaltma değil"},
        };
        // All symbols as pages of one PNG run and one PDF, each read once.
        const QString png = klasor_.filePath(u"g.png"_s), pdf = klasor_.filePath(u"g.pdf"_s);
        PngHedefi resim(png, 200);
        PdfHedefi belge(pdf);
        for (const auto &s : tablo) {
            const Satir_Izi iz(QString::fromUtf8(s.veri));
            const QString neden = QString::fromUtf8(s.neden), veri = QString::fromUtf8(s.veri);
            const auto b = kodla(s.rapor, s.tip, veri);
            QVERIFY(!b->Gecerli());
            QVERIFY2(b->Neden().contains(neden), qPrintable(b->Neden()));
            QCOMPARE(b->Cubuk_Sayisi(), 0);
            RaporSayfasi sf = sayfa(b, 0);
            sf.no = int(&s - tablo) + 1;
            QVERIFY(!resim.Sayfa(sf) && !belge.Sayfa(sf));
        }
        QVERIFY(!resim.Bitir() && !belge.Bitir());
        QVERIFY(Barkod_Coz(resim.Dosyalar()).isEmpty());
        const QStringList sayfalar = Pdf_Metni(pdf).split(u'\f');
        for (const auto &s : tablo) {
            const QString metin = sayfalar.value(&s - tablo).simplified();
            QVERIFY2(metin.contains(QString::fromUtf8(s.neden)) &&
                         metin.contains(QString::fromUtf8(s.veri).simplified()),
                     qPrintable(metin));
        }
    }

    void gs1_verisi() {
        // Bracketed GS1 data: what zint is given and the text under the bars, or why not.
        const struct {
            const char *veri, *kodlanan, *neden;
        } tablo[] = {
            {"(01)8690000000012(3103)000500", "[01]08690000000012[3103]000500", ""},
            {"(01)08690000000012(17)261231(10)AB-12", "[01]08690000000012[17]261231[10]AB-12", ""},
            {"(01)8690000000013", "", "GS1: (01) kontrol rakamı yanlış"},
            {"(01)STK-0001", "", "GS1: (01) 14 rakam olmalı"},
            {"(17)261331", "", "GS1: (17) geçerli bir tarih değil (YYAAGG)"},
            {"(3103)5", "", "GS1: (3103) 6 rakam olmalı"},
            {"(10)ABCDEFGHIJKLMNOPQRSTU", "", "GS1: (10) en çok 20 karakter olabilir"},
            {"(10)", "", "GS1: (10) değeri boş"},
            {"01)869", "", "GS1: veri (01) gibi"},
            {"(1A)x", "", "GS1: uygulama tanımlayıcısı geçersiz: (1A)"},
            {"(01)08690000000012(99999)1", "", "GS1: uygulama tanımlayıcısı geçersiz"},
        };
        for (const auto &t : tablo) {
            const Satir_Izi iz(QString::fromUtf8(t.veri));
            const auto b = Barkod::Kodla(Barkod::Sembol::GS1_128, QString::fromUtf8(t.veri));
            QVERIFY2(*t.neden ? b->Neden().startsWith(QString::fromUtf8(t.neden))
                              : b->Neden().isEmpty(),
                     qPrintable(b->Neden()));
            if (!*t.neden) {
                QCOMPARE(b->Kodlanan(), QString::fromUtf8(t.kodlanan));
                QCOMPARE(b->Metin(),
                         QString(b->Kodlanan()).replace(u'[', u'(').replace(u']', u')'));
                QVERIFY(b->Cubuk_Sayisi() > 10);
            }
        }
        // The code kinds a design may name, by their tag.
        QCOMPARE(Kod_Turu_Oku(u" qr "_s), Barkod::Sembol::QR);
        QCOMPARE(Kod_Turu_Oku(u"GS1-DATAMATRIX"_s), Barkod::Sembol::GS1_DataMatrix);
        QVERIFY(!Kod_Turu_Oku(u"AZTEC"_s));
    }

    void yok_hicbir_sey_cizmez() {
        for (const auto &b : {kodla(false, 9, u"123"_s), kodla(true, 0, u"123"_s)}) {
            QCOMPARE(b->Sembolu(), Barkod::Sembol::Yok);
            QImage resim(200, 100, QImage::Format_RGB32);
            resim.fill(Qt::white);
            QPainter p(&resim);
            b->Ciz(p, QRectF(10, 10, 180, 80), Barkod::Gorunum());
            p.end();
            QCOMPARE(resim.pixel(100, 50), qRgb(255, 255, 255));
        }
    }

    void ozel_kagit_yazildigi_gibi() {
        // A custom paper typed in millimetres keeps its size (an inch rounded to two
        // decimals made 58 mm 57,91), and the PDF's page is that size, not Qt's whole
        // points (164 × 113).
        const QString pdf = klasor_.filePath(u"ozel.pdf"_s);
        PdfHedefi hedef(pdf);
        RaporSayfasi s;
        s.boyut = Sayfa_Twip_Boyu(QPageSize(QSizeF(58, 40), QPageSize::Millimeter));
        QVERIFY(!hedef.Sayfa(s) && !hedef.Sayfa(s) && !hedef.Bitir());
        const QString bilgi = Arac_Calistir(u"pdfinfo"_s, {u"-l"_s, u"2"_s, pdf});
        QVERIFY2(bilgi.count(u"size:  164.409 x 113.386 pts"_s) == 2, qPrintable(bilgi));
    }

    void renkler() {
        // 0x00BBGGRR values and system colours (the high bit set).
        const std::pair<qint64, QColor> tablo[] = {
            {0x0000FF, QColor(255, 0, 0)},           {0xFF0000, QColor(0, 0, 255)},
            {0x336699, QColor(0x99, 0x66, 0x33)},    {-2147483630, QColor(0, 0, 0)}, // button text
            {-2147483643, QColor(255, 255, 255)},                                    // window
            {-2147483633, QColor(0xD4, 0xD0, 0xC8)},                                 // button face
            {-2147483393, QColor(0, 0, 0)}, // unknown system index
        };
        for (const auto &[deger, renk] : tablo) {
            QCOMPARE(Renk_Cevir(qint32(deger)), renk);
            if (deger >= 0)
                QCOMPARE(qint64(Renk_Degeri(renk)), deger);
        }
    }

    void donuk_yazi_ve_hizalama() {
        // Turn, horizontal (0 left, 1 right, 2 centre) and vertical (0 top, 1 middle,
        // 2 bottom) alignment: the ink stays in its box, along the turn, where aligned.
        const struct {
            double aci;
            int yatay, dikey;
        } tablo[] = {{0, 2, 1}, {90, 2, 1}, {180, 2, 1}, {270, 2, 1}, {0, 0, 0}, {0, 1, 2}};
        for (const auto &[aci, yatay, dikey] : tablo) {
            const bool dik = aci == 90 || aci == 270;
            YaziGorunumu g;
            g.yazi_tipi = u"Liberation Sans"_s, g.boyut = 20, g.aci = aci;
            g.yatay_hiza = yatay, g.dikey_hiza = dikey;
            const QRectF alan = dik ? QRectF(150, 20, 100, 360) : QRectF(20, 150, 360, 100);
            const QRect m = murekkep(ciz(alan, g));
            const Satir_Izi iz(u"%1° %2/%3"_s.arg(aci).arg(yatay).arg(dikey));
            QVERIFY(!m.isEmpty() && alan.contains(m));
            QVERIFY(dik ? m.height() > 2 * m.width() : m.width() > 2 * m.height());
            const double x = yatay == 0   ? m.left() - alan.left()
                             : yatay == 1 ? alan.right() - m.right()
                                          : qAbs(m.center().x() - alan.center().x());
            const double y = dikey == 0   ? m.top() - alan.top()
                             : dikey == 2 ? alan.bottom() - m.bottom()
                                          : qAbs(m.center().y() - alan.center().y());
            QVERIFY2(x < 8 && y < 12, qPrintable(u"%1, %2"_s.arg(x).arg(y)));
        }
    }

    void zpl_sikistirma() {
        // Rows (hex), bytes a row, ZPL's compressed form.
        const struct {
            const char *hex;
            int satir;
            const char *beklenen;
        } tablo[] = {
            {"0000", 2, ","},          // a white row
            {"00000000", 2, ",:"},     // the next row alike
            {"FFFF", 2, "!"},          // ends in black
            {"0F00", 2, "0F,"},        // white to the end of the row
            {"AAAAAAAA0F", 5, "NA0!"}, // eight A's: N (8); F to the end: "!"
            {"5555555555555555555555555555555555555555555555555555555555555555", 32,
             "iJ5"}, // 64 fives: i (60) and J (4)
        };
        for (const auto &r : tablo) {
            const Satir_Izi iz(QString::fromLatin1(r.hex));
            QCOMPARE(Zpl_Sikistir(QByteArray::fromHex(r.hex), r.satir), QByteArray(r.beklenen));
        }
    }

    void zpl_etiketi() {
        // A 60 x 40 mm label at 203 dpi: an EAN-13 as the printer's own symbol, a line
        // as a box, a text and a UPC-E as pictures; a barcode too narrow for 2 dots said.
        RaporSayfasi s;
        s.boyut = QSizeF(60, 40) * Mm_Basina_Twip;
        const auto mm = [](double x, double y, double en, double boy) {
            const double t = Mm_Basina_Twip;
            return QRectF(x * t, y * t, en * t, boy * t);
        };
        CizimOgesi ean, cizgi, yazi, upce, dar;
        ean.alan = mm(2, 2, 30, 15);
        ean.barkod = kodla(true, 1, u"869000000001"_s);
        cizgi.alan = mm(2, 20, 50, 0.3);
        cizgi.yazi.arka_opak = true, cizgi.yazi.arka = Qt::black;
        yazi.alan = mm(2, 25, 40, 6);
        yazi.metin = u"Şeker 1 kg"_s, yazi.yazi.yazi_tipi = u"Liberation Sans"_s;
        yazi.yazi.boyut = 12;
        upce.alan = mm(40, 2, 18, 10);
        upce.barkod = kodla(false, 7, u"01234565"_s);
        dar.alan = mm(45, 30, 8, 8);
        dar.barkod = kodla(true, 5, u"UZM 2026-11"_s);
        s.ogeler = {ean, cizgi, yazi, upce, dar};
        QStringList uyarilar;
        const QString z = QString::fromUtf8(Zpl_Etiketi(s, {}, &uyarilar));
        QVERIFY2(z.startsWith(u"^XA^CI28^PW480^LL320"_s) && z.endsWith(u"^XZ\n"_s), qPrintable(z));
        // 113 modules with the quiet zones over 240 dots: 2 dots a module, the bars
        // 11 modules in.
        QVERIFY2(z.contains(u"^FO39,16^BY2^BEN,"_s), qPrintable(z.left(200)));
        QVERIFY(z.contains(u"^FD869000000001^FS"_s)); // the printer adds the check digit
        QVERIFY(z.contains(u"^FO16,160^GB400,2,2,B^FS"_s));
        // The text, the UPC-E, and the human-readable lines under the printer's symbols.
        QCOMPARE(z.count(u"^GFA"_s), 4);
        QCOMPARE(uyarilar.size(), 1);
        QVERIFY(uyarilar[0].contains(u"UZM 2026-11"_s));
        // In the printer's font: 12 pt is 34 dots at 203 dpi, the box 320 dots wide;
        // a "^" in the text cannot end the field.
        ZplAyarlari yazici;
        yazici.yazici_fontu = true;
        s.ogeler[2].metin = u"Şeker ^1 kg"_s;
        const QString y = QString::fromUtf8(Zpl_Etiketi(s, yazici));
        QVERIFY2(y.contains(u"^FO16,200^A0N,34,34^FB320,1,0,L^FH^FDŞeker _5E1 kg^FS"_s),
                 qPrintable(y));
        QCOMPARE(y.count(u"^GFA"_s), 1); // the UPC-E only

        // A Code 39 and a Code 128 ending at the label's edge: the module is the largest
        // whole dot with which bars and quiet zones (10 modules each side) fit the element.
        for (const auto &[tip, veri] : {std::pair{3, u"IRM-0500"_s}, {5, u"UZM 2026-11"_s}}) {
            RaporSayfasi k;
            k.boyut = s.boyut;
            CizimOgesi b;
            b.alan = mm(15, 5, 45, 15);
            b.barkod = kodla(false, tip, veri);
            b.barkod_gorunum.metin_goster = false;
            k.ogeler = {b};
            const QByteArray z = Zpl_Etiketi(k, {});
            const qsizetype i = z.indexOf("^BY");
            const int x = z.mid(z.lastIndexOf("^FO", i) + 3).split(',').value(0).toInt();
            const int modul = z.mid(i + 3, 1).toInt();
            const double cubuklar = b.barkod->Modul_Sayisi() * (1 - 2 * b.barkod->Ilk_Cubuk());
            QVERIFY2(x - 120 >= 10 * modul && x + cubuklar * modul + 10 * modul <= 480 &&
                         (cubuklar + 20) * (modul + 1) > 360,
                     z.constData());
        }
    }

    void uzun_yazi_tasar() {
        // However long a text is, it is measured without overflowing: it does not fit.
        for (const qsizetype n : {30000, 40000, 700000, 2000000}) {
            YaziGorunumu g;
            g.yazi_tipi = u"Liberation Sans"_s, g.boyut = 9;
            QVERIFY2(Yazi_Sigdir(QString(n, u'W'), g, QRectF(0, 0, 2000, 300), 20).tasti,
                     qPrintable(QString::number(n)));
        }
    }

    void yazici_ayarlari() {
        // A value as the file holds it, and what it reads as (nothing: refused by name).
        using A = YaziciAyari;
        const auto ayar = [](auto degistir) {
            A a;
            degistir(a);
            return std::optional(a);
        };
        const struct {
            const char *anahtar, *deger;
            std::optional<A> okunan;
        } tablo[] = {
            {"Dil", "ZPL", ayar([](A &a) { a.dil = A::Dil::ZPL; })},
            {"Dil", "TSPL", {}},
            {"Cozunurluk", "300", ayar([](A &a) { a.cozunurluk = 300; })},
            {"Cozunurluk", "250", {}},
            {"Sol_Kaydirma", "-2,5", ayar([](A &a) { a.sol_kaydirma = -2.5; })},
            {"Ust_Kaydirma", "10.5", {}},
            {"Koyuluk", "30", ayar([](A &a) { a.koyuluk = 30; })},
            {"Koyuluk", "31", {}},
            {"Hiz", "1", {}},
            {"Ortam", "Siyah_Isaret", ayar([](A &a) { a.ortam = u"Siyah_Isaret"_s; })},
            {"Ortam", "Rulo", {}},
            {"Yazilar", "Yazici", ayar([](A &a) { a.yazilar = A::Yazilar::Yazici; })},
        };
        for (const auto &r : tablo) {
            const Satir_Izi iz(QString::fromLatin1(r.anahtar) + u'=' +
                               QString::fromLatin1(r.deger));
            // A file of its own each: QSettings keeps what it read of a file.
            const QString dosya = klasor_.filePath(u"ayar-%1.ini"_s.arg(&r - tablo));
            QVERIFY(Dosya_Yaz(dosya, QByteArray("[Barkod_Yazici]\n") + r.anahtar + '=' + r.deger));
            const OkunanAyar o = Yazici_Ayari_Oku(dosya, u"Barkod_Yazici"_s);
            QCOMPARE(o.hatalar.isEmpty(), r.okunan.has_value());
            QVERIFY(o.ayar == r.okunan.value_or(A()));
            if (!r.okunan)
                QVERIFY(o.hatalar[0].startsWith(QLatin1String(r.anahtar)));
        }
        // Written and read back whole; another queue keeps its own.
        const QString dosya = klasor_.filePath(u"Yazicilar.ini"_s);
        const A a = *ayar(
            [](A &a) { a.dil = A::Dil::ZPL, a.cozunurluk = 600, a.ust_kaydirma = 1.5, a.hiz = 4; });
        QVERIFY(Yazici_Ayari_Yaz(dosya, u"Raf"_s, a));
        QVERIFY(Yazici_Ayari_Oku(dosya, u"Raf"_s).ayar == a);
        QVERIFY(Yazici_Ayari_Oku(dosya, u"Baska"_s).ayar == A());

        // Offsets move the whole label, never a field within it: right and down through
        // ^LH, left through ^LS, up through ^LT (at most 120 dot rows); the calibration
        // frame stays 1 mm in from the label's edge.
        const struct {
            double sol, ust;
            int dpi;
            const char *kayma, *cerceve;
        } kaymalar[] = {{0, 0, 203, "^LL320\n", "^FO8,8^GB"},
                        {2, 1, 203, "^LH16,8\n", "^FO8,8^GB"},
                        {-0.5, 0, 203, "^LS4\n", "^FO8,8^GB"},
                        {1, -0.5, 300, "^LH12,0^LT-6\n", "^FO12,12^GB"},
                        {-10, -10, 600, "^LS236^LT-120\n", "^FO24,24^GB"}};
        for (const auto &k : kaymalar) {
            A y;
            y.dil = A::Dil::ZPL, y.cozunurluk = k.dpi, y.sol_kaydirma = k.sol,
            y.ust_kaydirma = k.ust;
            const QByteArray e = Zpl_Etiketi(Kalibrasyon_Etiketi({60, 40}, u"Raf"_s, y), y.Zpl());
            QVERIFY2(e.contains(k.kayma) && e.indexOf("^FO") == e.indexOf(k.cerceve), e.left(80));
        }
    }

    // A page item's text grows with the painter's zoom, as its box does.
    void yakinlastirilan_yazi() {
        CizimOgesi o;
        o.alan = QRectF(0, 0, 4000, 1000); // twips
        o.metin = u"Fiyat"_s;
        o.yazi.yazi_tipi = u"Liberation Sans"_s;
        o.yazi.boyut = 12;
        QList<int> yukseklik;
        for (double yuzde : {100.0, 200.0}) {
            QImage r(800, 400, QImage::Format_RGB32);
            r.fill(Qt::white);
            QPainter p(&r);
            Twip_Olcegi(p, r.logicalDpiY() * yuzde / 100);
            Oge_Ciz(p, o);
            p.end();
            yukseklik.append(murekkep(r).height());
        }
        QVERIFY2(qAbs(yukseklik[1] - 2 * yukseklik[0]) <= 2,
                 qPrintable(u"%1 / %2"_s.arg(yukseklik[0]).arg(yukseklik[1])));
    }
};

QTEST_MAIN(TstCizim)
#include "tst_cizim.moc"
