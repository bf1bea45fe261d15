#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/Program.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "document/TasarimDosyasi.h"
#include "printjob/RafDegerleri.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double mm = 72.0 / 25.4; // PDF points per millimetre

NesneKaydi nesne(const char *tur, const QString &baslik, const QString &tag, QRectF mm) {
    NesneKaydi n;
    n.Tur = QString::fromLatin1(tur), n.Caption = baslik, n.Tag = tag;
    n.Left = float(mm.left()), n.Top = float(mm.top());
    n.Width = float(mm.width()), n.Height = float(mm.height());
    n.FontName = u"Liberation Sans"_s, n.FontSize = 8;
    n.ForeColor = Varsayilan_Yazi_Rengi, n.BackColor = Saydam_Arka_Renk;
    return n;
}

// A barcode-printer design of `en` × `boy` mm holding `nesneler`.
TasarimBelgesi tasarim(double en, double boy, const QList<NesneKaydi> &nesneler) {
    TasarimBelgesi b;
    b.Kagit_Boyutu = 256;
    b.Detaylar[1] = {true, float(std::round(boy * 1440 / 25.4)),
                     float(std::round(en * 1440 / 25.4))};
    b.Nesneler += nesneler;
    return b;
}

// Every pixel that is not white, as a box.
QRect boyali(const QImage &resim) {
    QRect kutu;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            if (qGray(resim.pixel(x, y)) < 200)
                kutu |= QRect(x, y, 1, 1);
    return kutu;
}

} // namespace

// The shelf label end to end: pictures, codes of every kind, unit prices, price dates
// and the currency after the price, on both roads, checked with zbarimg, dmtxread,
// pdftotext and the independent ZPL renderer.
class TstRafEtiketi : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    QString tasarimlar_;
    TestVeritabani vt_;

    QString satir(const QString &sart) const { return vt_.Satir(sart, 1); }
    Program_Sonucu bas(const QStringList &argumanlar) {
        QProcess p;
        Program_Baslat(p, QStringList{u"--designs"_s, tasarimlar_} + argumanlar);
        return Program_Bekle(p);
    }
    QString yol(const QString &ad) const { return klasor_.filePath(ad); }
    // `print TASARIM` on the report road, or with --direct, writing `cikti`.
    Program_Sonucu yazdir(const QString &tasarim, bool dogrudan, const QString &cikti,
                          const QString &satir, const QStringList &ek = {}) {
        QStringList arg{u"print"_s, tasarim, u"--out"_s, cikti};
        if (dogrudan)
            arg << u"--direct"_s;
        return bas(arg + ek << satir);
    }
    static QString ad(bool dogrudan) { return dogrudan ? u"d"_s : u"r"_s; }
    // The PDF's pages as PNG pictures at `dpi`.
    QStringList resimler(const QString &pdf, int dpi = 300) {
        const QString onek = pdf.chopped(4);
        Arac_Calistir(u"pdftoppm"_s, {u"-r"_s, QString::number(dpi), u"-png"_s, pdf, onek});
        QStringList l;
        for (const QFileInfo &f : QDir(klasor_.path())
                                      .entryInfoList({QFileInfo(onek).fileName() + u"-*.png"_s},
                                                     QDir::Files, QDir::Name))
            l << f.filePath();
        return l;
    }
    // What dmtxread reads in a picture, a line a symbol, as a set; it stops at `adet`
    // symbols (it would search on for half a minute).
    static QSet<QString> dataMatrix(const QString &resim, int adet) {
        const QStringList l =
            Arac_Calistir(u"dmtxread"_s, {u"-n"_s, u"-N"_s, QString::number(adet), resim})
                .split(u'\n', Qt::SkipEmptyParts);
        return QSet<QString>(l.begin(), l.end());
    }
    // The labels of ZPL files as pictures by the independent renderer (58 × 40 mm).
    static void zplCiz(const QStringList &dosyalar, int dpmm = 12) {
        Arac_Calistir(u"node"_s, QStringList{QStringLiteral(VARNEL_ZPL_CIZ), u"58"_s, u"40"_s,
                                             QString::number(dpmm)} +
                                     dosyalar);
    }

private slots:
    void initTestCase() {
        Bolge_Ayarla(yol(u"ayar"_s));
        tasarimlar_ = yol(u"Barkod"_s);
        QVERIFY(QDir().mkpath(tasarimlar_ + u"/Resimler"_s));
        const QString ornek = Kaynak_Yolu(u"data/designs/"_s);
        QVERIFY(QFile::copy(ornek + u"Raf Etiketi Yönetmelik.ftr"_s,
                            tasarimlar_ + u"/Raf Etiketi Yönetmelik.ftr"_s));
        QVERIFY(QFile::copy(ornek + u"Resimler/yerli_uretim_yer_tutucu.svg"_s,
                            tasarimlar_ + u"/Resimler/yerli_uretim_yer_tutucu.svg"_s));
        // Every code kind over the item's values; one of each per label.
        const auto kod = [](const char *veri, const char *tur, QRectF alan) {
            return nesne("K", QString::fromUtf8(veri), QString::fromLatin1(tur), alan);
        };
        QVERIFY(!Tasarim_Dosyasi_Yaz(
            tasarimlar_, u"Kodlar"_s,
            tasarim(100, 100,
                    {kod("{Stok_Kodu}", "QR", {2, 2, 20, 20}),
                     kod("{Stok_Kodu}", "DATAMATRIX", {25, 2, 20, 20}),
                     kod("(01){Ana_Birim_Barkod}(10)L{Stok_ID}", "GS1-DATAMATRIX", {48, 2, 20, 20}),
                     kod("(01){Ana_Birim_Barkod}(3103)000500", "GS1-128", {2, 24, 66, 14}),
                     kod("{Ana_Birim_Barkod}", "EAN13", {2, 40, 40, 16}),
                     kod("{Stok_Kodu}", "CODE128", {2, 58, 50, 12}),
                     kod("{Stok_Kodu}", "CODE39", {2, 72, 60, 12}),
                     kod("{Stok_Kodu}", "CODE93", {2, 86, 50, 12})})));
        // A picture of its own (2:1, red) and one an item's column names.
        QImage kirmizi(40, 20, QImage::Format_RGB32);
        kirmizi.fill(Qt::red);
        QVERIFY(kirmizi.save(tasarimlar_ + u"/Resimler/kirmizi.png"_s));
        QVERIFY(!Tasarim_Dosyasi_Yaz(
            tasarimlar_, u"Resimli"_s,
            tasarim(40, 30, {nesne("R", u"Resimler/kirmizi.png"_s, {}, {5, 5, 20, 10})})));
        QVERIFY(!Tasarim_Dosyasi_Yaz(
            tasarimlar_, u"Yok Resim"_s,
            tasarim(40, 30, {nesne("R", u"Resimler/yok.png"_s, {}, {5, 5, 20, 10})})));
        QVERIFY(!Tasarim_Dosyasi_Yaz(
            tasarimlar_, u"Stok Resmi"_s,
            tasarim(40, 30, {nesne("R", {}, u"RS_Stok_Kodu"_s, {5, 5, 20, 10})})));
        vt_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
    }

    void yonetmelik_etiketi() {
        // Every value the regulation asks for, on both roads: the price with "TL" right
        // after it inside its box, the unit price, origin, price date, and the codes.
        const QString sart = u"STOKKART.Stok_ID IN (1,2,4,9)"_s;
        for (const bool dogrudan : {false, true}) {
            const Satir_Izi iz(ad(dogrudan));
            const QString pdf = yol(u"yonetmelik-%1.pdf"_s.arg(ad(dogrudan)));
            const Program_Sonucu s =
                yazdir(u"Raf Etiketi Yönetmelik"_s, dogrudan, pdf, satir(sart));
            QVERIFY2(s.kod == 0 && s.hata.isEmpty(), qPrintable(s.hata));
            const QString metin = Pdf_Metni(pdf).simplified();
            for (const char *beklenen :
                 {"Şeker 1 kg 42,50 TL 42,50 TL/kg Üretim Yeri: Türkiye Fiyat Tarihi: 11.11.2026",
                  "89,75 TL 89,75 TL/kg", "155,00 TL 62,00 TL/kg", "119,99 TL 20,00 TL/adet",
                  "Üretim Yeri: ABD"})
                QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), qPrintable(metin));
            // "TL" follows its number on the line, inside the price's box.
            const QList<Pdf_Sozcugu> sozcukler = Pdf_Sozcukleri(pdf);
            const double kayma = dogrudan ? 3.704 : 0;
            for (qsizetype i = 0; i + 1 < sozcukler.size(); ++i) {
                if (sozcukler[i + 1].metin != u"TL" || sozcukler[i].metin != u"42,50")
                    continue;
                const QRectF sayi = sozcukler[i].kutu, tl = sozcukler[i + 1].kutu;
                QVERIFY(std::abs(tl.center().y() - sayi.center().y()) < 1);
                QVERIFY(tl.left() > sayi.right() && tl.left() - sayi.right() < 3 * mm);
                QVERIFY(tl.right() <= (2 + 31 + kayma) * mm);
            }
            // Item 9 is made abroad: no domestic mark; the others have it.
            const QStringList sayfalar = resimler(pdf);
            QCOMPARE(sayfalar.size(), 4);
            const QStringList kodlar = Barkod_Coz(sayfalar);
            for (const char *k : {"QR-Code:STK-0001", "EAN-13:8690000000012", "QR-Code:STK-0004",
                                  "EAN-8:86900010", "QR-Code:STK-0009", "UPC-A:036000291452"})
                QVERIFY2(kodlar.contains(QString::fromLatin1(k)), qPrintable(kodlar.join(u' ')));
        }
        // The same label as ZPL on both roads: the printer's QR code reads.
        QStringList zpl;
        for (const bool dogrudan : {false, true}) {
            zpl << yol(u"yonetmelik-%1.zpl"_s.arg(ad(dogrudan)));
            const Program_Sonucu s = yazdir(u"Raf Etiketi Yönetmelik"_s, dogrudan, zpl.last(),
                                            satir(u"STOKKART.Stok_ID IN (1,2)"_s));
            QVERIFY2(s.kod == 0, qPrintable(s.hata));
            QVERIFY(Dosya_Oku(zpl.last()).contains("^BQN,2,"));
        }
        zplCiz(zpl, 8);
        const QStringList kodlar =
            Barkod_Coz({yol(u"yonetmelik-r-2.png"_s), yol(u"yonetmelik-d-1.png"_s)});
        QVERIFY2(kodlar.contains(u"QR-Code:STK-0002"_s) && kodlar.contains(u"QR-Code:STK-0001"_s),
                 qPrintable(kodlar.join(u' ')));
    }

    void kodlar_cozulur() {
        // Each kind reads back as its data from the report's PDF at 300 dpi and from the ZPL
        // renderer's picture of direct printing's own symbols (it draws no Code 93); both
        // roads take codes from one builder, their wiring is the sample's test.
        const QString sart = u"STOKKART.Stok_ID=1"_s;
        const QStringList dogrusal{u"QR-Code:STK-0001"_s, u"CODE-128:STK-0001"_s,
                                   u"CODE-39:STK-0001"_s, u"EAN-13:8690000000012"_s,
                                   u"CODE-128:01086900000000123103000500"_s};
        const QSet<QString> matris{u"STK-0001"_s, u"010869000000001210L1"_s};
        const QString pdf = yol(u"kodlar.pdf"_s), zpl = yol(u"kodlar-zpl.zpl"_s);
        for (const auto &[cikti, dogrudan] : {std::pair{pdf, false}, {zpl, true}}) {
            const Program_Sonucu s =
                yazdir(u"Kodlar"_s, dogrudan, cikti, satir(sart), {u"--dpi"_s, u"300"_s});
            QVERIFY2(s.kod == 0 && s.hata.isEmpty(), qPrintable(s.hata));
        }
        const QByteArray z = Dosya_Oku(zpl);
        QVERIFY(z.contains("^BQN,2,") && z.contains("^BXN,") && z.contains(",N,N,N,D"));
        Arac_Calistir(u"node"_s,
                      {QStringLiteral(VARNEL_ZPL_CIZ), u"100"_s, u"100"_s, u"12"_s, zpl});
        for (const QString &sayfa : {resimler(pdf).value(0), yol(u"kodlar-zpl-1.png"_s)}) {
            const Satir_Izi iz(sayfa);
            const QStringList okunan = Barkod_Coz(sayfa);
            for (const QString &k : dogrusal)
                QVERIFY2(okunan.contains(k), qPrintable(k + u" yok: "_s + okunan.join(u' ')));
            QCOMPARE(okunan.contains(u"CODE-93:STK-0001"_s), !sayfa.contains(u"-zpl-"));
            QCOMPARE(dataMatrix(sayfa, 2), matris);
        }
    }

    void eksikler_bildirilir() {
        // What a label could not show is told after the run with the item code, on both
        // roads, and refused with --strict (exit 3, no file).
        TestVeritabani t = Sqlite_Demo(klasor_.path(), u"eksik"_s);
        QVERIFY(TestBaglantisi(t).Calistir(
            u"UPDATE STOKKART SET Net_Miktar=NULL, Ana_Birim_Barkod='8690000000013' "
            u"WHERE Stok_ID=2"_s));
        QVERIFY(!Tasarim_Dosyasi_Yaz(
            tasarimlar_, u"Eksikli"_s,
            tasarim(60, 40,
                    {nesne("A", u"BF_Fiyat1"_s, {}, {2, 2, 30, 5}),
                     nesne("K", u"(01){Ana_Birim_Barkod}"_s, u"GS1-128"_s, {2, 8, 50, 15}),
                     nesne("R", {}, u"RS_Yerli_Uretim_Logosu"_s, {2, 25, 10, 10})})));
        QVERIFY(QFile::copy(tasarimlar_ + u"/Resimler/yerli_uretim_yer_tutucu.svg"_s,
                            tasarimlar_ + u"/Resimler/yerli.svg"_s));
        QVERIFY(TestBaglantisi(t).Calistir(
            u"UPDATE STOKKART SET Yerli_Uretim_Logosu='silindi.svg' WHERE Stok_ID=3"_s));
        const QString sart = t.Satir(u"STOKKART.Stok_ID IN (1,2,3)"_s, 1);
        const QStringList beklenen{
            u"1 etikette birim fiyat yok: STK-0002"_s,
            u"1 etikette kod verisi geçersiz: STK-0002 (GS1: (01) kontrol rakamı yanlış)"_s,
            u"1 etikette resim yok: STK-0003"_s};
        for (const bool dogrudan : {false, true}) {
            const Satir_Izi iz(ad(dogrudan));
            const QString pdf = yol(u"eksik-%1.pdf"_s.arg(ad(dogrudan)));
            Program_Sonucu s = yazdir(u"Eksikli"_s, dogrudan, pdf, sart);
            QCOMPARE(s.kod, 0);
            for (const QString &m : beklenen)
                QVERIFY2(s.hata.contains(m), qPrintable(s.hata));
            QVERIFY(QFile::remove(pdf));
            s = yazdir(u"Eksikli"_s, dogrudan, pdf, sart, {u"--strict"_s});
            QCOMPARE(s.kod, 3);
            QVERIFY(!QFile::exists(pdf));
        }
    }

    void resim_kutusunda() {
        // The picture keeps its proportions inside its box and nothing lies outside it:
        // PNG on both roads, the PDF, the preview and ZPL.
        const QString sart = satir(u"STOKKART.Stok_ID=1"_s);
        const double dpmm = 200 / 25.4;
        struct Cikti {
            QString ad;
            QStringList arg;
            double kayma; // mm: direct printing moves elements right
        };
        const QList<Cikti> ciktilar{
            {u"r.png"_s, {u"print"_s, u"Resimli"_s, u"--dpi"_s, u"200"_s}, 0},
            {u"d.png"_s, {u"print"_s, u"Resimli"_s, u"--direct"_s, u"--dpi"_s, u"200"_s}, 3.704},
            {u"o.png"_s, {u"preview"_s, u"Resimli"_s, u"--dpi"_s, u"200"_s}, 3.704},
            {u"r.pdf"_s, {u"print"_s, u"Resimli"_s}, 0},
            {u"d.zpl"_s, {u"print"_s, u"Resimli"_s, u"--direct"_s, u"--dpi"_s, u"203"_s}, 3.704}};
        for (const Cikti &c : ciktilar) {
            const Satir_Izi iz(c.ad);
            const Program_Sonucu s = bas(QStringList(c.arg) << u"--out"_s << yol(c.ad) << sart);
            QVERIFY2(s.kod == 0, qPrintable(s.hata));
            QString resim = yol(c.ad);
            double olcek = dpmm;
            if (c.ad.endsWith(u".pdf"))
                resim = resimler(yol(c.ad), 200).value(0);
            if (c.ad.endsWith(u".zpl")) {
                Arac_Calistir(u"node"_s, {QStringLiteral(VARNEL_ZPL_CIZ), u"40"_s, u"30"_s, u"8"_s,
                                          yol(c.ad)});
                resim = yol(u"d-1.png"_s), olcek = 8;
            }
            const QImage r(resim);
            QVERIFY(!r.isNull());
            // 20 × 10 mm from (5, 5): the 2:1 picture fills it.
            const QRectF beklenen((5 + c.kayma) * olcek, 5 * olcek, 20 * olcek, 10 * olcek);
            const QRect b = boyali(r);
            QVERIFY2(std::abs(b.left() - beklenen.left()) <= 2 &&
                         std::abs(b.top() - beklenen.top()) <= 2 &&
                         std::abs(b.right() + 1 - beklenen.right()) <= 2 &&
                         std::abs(b.bottom() + 1 - beklenen.bottom()) <= 2,
                     qPrintable(u"%1,%2 %3x%4"_s.arg(b.left()).arg(b.top()).arg(b.width()).arg(
                         b.height())));
        }
        // A picture of the design's own that cannot be read stops the run; nothing written.
        for (const bool dogrudan : {false, true}) {
            const Program_Sonucu s = yazdir(u"Yok Resim"_s, dogrudan, yol(u"yok.pdf"_s), sart);
            QCOMPARE(s.kod, 1);
            QVERIFY2(s.hata.contains(u"Resim dosyası okunamadı: Resimler/yok.png"_s),
                     qPrintable(s.hata));
            QVERIFY(!QFile::exists(yol(u"yok.pdf"_s)));
        }
    }

    void birim_fiyatlar() {
        // Per base unit through the field's pattern; nothing without a usable quantity.
        const struct {
            const char *miktar, *birim;
            double fiyat;
            const char *desen, *beklenen;
        } tablo[] = {
            {"500", "g", 42.5, "", "85,00 TL/kg"},
            {"750", "ml", 30, "", "40,00 TL/lt"},
            {"6", "adet", 12, "", "2,00 TL/adet"},
            {"25", "cl", 5, "", "20,00 TL/lt"},
            {"150", "cm", 3, "", "2,00 TL/m"},
            {"1,5", "KG", 30, "", "20,00 TL/kg"},
            {"0,25", "lt", 1234.5, "#,##0.0", "4.938,0 TL/lt"},
            {"1000", "g", 42.5, "#,##0.000", "42,500 TL/kg"},
            {"0", "kg", 10, "", ""},
            {"", "kg", 10, "", ""},
            {"-2", "kg", 10, "", ""},
            {"2", "kutu", 10, "", ""},
        };
        for (const auto &t : tablo) {
            const Satir_Izi iz(QString::fromUtf8(t.beklenen));
            EtiketIcerigi i;
            i.tur = EtiketIcerigi::Tur::Birim_Fiyat;
            i.desen = QString::fromLatin1(t.desen);
            const Ayiraclar a;
            QCOMPARE(Birim_Fiyat_Metni(
                         i, t.fiyat,
                         Net_Miktar(QString::fromLatin1(t.miktar), QString::fromLatin1(t.birim), a),
                         a),
                     QString::fromUtf8(t.beklenen));
        }
    }
};

QTEST_GUILESS_MAIN(TstRafEtiketi)
#include "tst_raf_etiketi.moc"
