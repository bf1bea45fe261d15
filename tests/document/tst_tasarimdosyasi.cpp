#include "common/Araclar.h"
#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "document/Kodlama.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"
#include "layout/NesneCizimi.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray dosya(const QString &ad) {
    return Dosya_Oku(Kaynak_Yolu(u"tests/document/ornekler/"_s + ad));
}

// Lines of a design file, each ended by CR LF.
QByteArray satirlar(const QStringList &s) {
    QByteArray b;
    for (const QString &l : s)
        b += Cp1254_Kodla(l) + "\r\n";
    return b;
}

// The same from one text with "|" between the lines.
QByteArray satirlar(const QString &s) { return satirlar(s.split(u'|')); }

NesneKaydi yazi(const QString &caption) {
    NesneKaydi n;
    n.Caption = caption, n.Tur = u"E"_s, n.Width = 30, n.Height = 5, n.Left = 2, n.Top = 3;
    n.FontName = u"Arial"_s, n.FontSize = 8;
    n.ForeColor = Varsayilan_Yazi_Rengi, n.BackColor = Varsayilan_Arka_Renk;
    return n;
}

} // namespace

// The design file: reading and writing it, gathering it from the surface, drawing
// its elements.
class TstTasarimDosyasi : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:
    void ornekler_bayt_bayt_ayni() {
        // A laser sheet with every kind, a barcode printer with objects, barcodes only.
        for (const char *ad :
             {"lazer_tam.ftr", "barkod_yazici_nesneler.ftr", "yalniz_barkod.ftr"}) {
            const QByteArray bayt = dosya(ad);
            QVERIFY2(!bayt.isEmpty(), ad);
            TasarimBelgesi b;
            const auto h = Tasarim_Coz(bayt, b);
            QVERIFY2(!h, h ? qPrintable(h->neden) : "");
            QCOMPARE(Tasarim_Metni(b), bayt);
        }
    }

    void yazicisiz_eski_dosya() {
        TasarimBelgesi b;
        b.Tip = 1;
        b.Etiket_Boy = 11;
        QVERIFY(!Tasarim_Coz(dosya(u"eski_yazicisiz.ftr"_s), b));
        QCOMPARE(b.Tip, quint8(0));
        QCOMPARE(b.Etiket_Boy, 11.0f); // a barcode-printer file leaves the label values alone
        QCOMPARE(b.Nesne_Sayisi(), 1);
        QCOMPARE(b.Nesneler[1].Height, 12.34f); // heights pass through the two-decimal cut
        QCOMPARE(b.Detaylar[1].Width, 2000.0f);
    }

    void her_iki_sayi_bicimi_okunur() {
        // Print form inside record fields and field form on value lines.
        TasarimBelgesi b;
        const QByteArray m = satirlar(QStringLiteral(
            "Tip_|1|37| 1.070,5 |yok| 2 |Barkod_| 1 | 0 ; 1,5 ;2;3;4;Arial;True;False;-1;8; -5 ;0; "
            "900 "
            ";|Nesneler_|1|0;;10;0;0;D;0;Arial;False;False;False;False;8;0;1,239;0;;|Detaylar_|"
            "yanlış;x;2.000;|Sol_Bosluk_| 1 440 "
            "|Sag_Bosluk_|0|Ust_Bosluk_|0|Alt_Bosluk_|0|Yazici_Durum_| 2 |Kagit_Boyutu_|9|<end>"));
        b.Etiket_Yatay = 3;
        b.Detaylar[1].Height = 77;
        const auto h = Tasarim_Coz(m, b);
        QVERIFY2(!h, h ? qPrintable(h->neden) : "");
        QCOMPARE(b.Etiket_Boy, 37.0f);
        QCOMPARE(b.Etiket_Genislik, 1070.5f);
        QCOMPARE(b.Etiket_Yatay, 3.0f); // a line that is no number leaves its value
        QCOMPARE(b.Etiket_Dikey, 2.0f);
        QCOMPARE(b.Barkodlar[1].Left, 1.5f);
        QCOMPARE(b.Barkodlar[1].FontBold, true); // -1 is the platform's True
        QCOMPARE(b.Barkodlar[1].ForeColor, -5);
        QCOMPARE(b.Barkodlar[1].Orientation, qint16(900));
        QCOMPARE(b.Nesneler[1].Height, 1.23f);
        QCOMPARE(b.Nesneler[1].Escapement, qint16(0)); // a line has no 18th field
        // The label area is recreated, then its line resumes after fields that do not convert.
        QCOMPARE(b.Detaylar[1].Visible, false);
        QCOMPARE(b.Detaylar[1].Height, 0.0f);
        QCOMPARE(b.Detaylar[1].Width, 2000.0f);
        QCOMPARE(b.Sol_Bosluk, 1440);
        QCOMPARE(b.Yazici_Durum, u"2"_s);
    }

    void eksik_isaret_onceki_degeri_birakir() {
        TasarimBelgesi b;
        b.Nesneler.append(yazi(u"eski"_s));
        b.Sol_Bosluk = 99;
        // No "Nesneler_" section: the marker test reads "Detaylar_" instead and fails, and
        // every later test is one line off, so the rest keeps its previous values.
        const QByteArray m = satirlar(QStringLiteral(
            "Tip_| 0 |Barkod_|0|Detaylar_|True;10;20;|Sol_Bosluk_| 5 |Sag_Bosluk_| 0 |Ust_Bosluk_| "
            "0 |Alt_Bosluk_| 0 |Yazici_Durum_| 1 |Kagit_Boyutu_| 9 |<end>"));
        const auto h = Tasarim_Coz(m, b);
        QVERIFY2(!h, h ? qPrintable(h->neden) : "");
        QCOMPARE(b.Nesne_Sayisi(), 1);
        QCOMPARE(b.Nesneler[1].Caption, u"eski"_s);
        QCOMPARE(b.Barkod_Sayisi(), 0);
    }

    void bozuk_dosyalar_data() {
        QTest::addColumn<QByteArray>("bayt");
        QTest::addColumn<int>("satir");
        const QStringList iyi =
            QStringLiteral(
                "Tip_| 0 "
                "|Barkod_|0|Nesneler_|1|0;Ad;10;0;1;A;2;Arial;False;False;False;False;8;0;3;0;;0;|"
                "Detaylar_|True;1000;2000;|Sol_Bosluk_| 0 |Sag_Bosluk_| 0 |Ust_Bosluk_| 0 "
                "|Alt_Bosluk_| 0 |Yazici_Durum_| 1 |Kagit_Boyutu_| 9 |<end>")
                .split(u'|');
        const auto degistir = [&iyi](int i, const QString &yeni) {
            QStringList s = iyi;
            s[i] = yeni;
            return satirlar(s);
        };
        // No section marker at all: no design (line 0).
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("random bytes") << QByteArray("\x8f\x01"
                                                    "ab\r\nc;d;e\r\n\xff\xfe 12 \r\n")
                                      << 0;
        QTest::newRow("ends before <end>") << satirlar(iyi.mid(0, iyi.size() - 1)) << 22;
        QTest::newRow("count not a number") << degistir(5, "bir") << 6;
        QTest::newRow("huge count") << degistir(5, "2000000000") << 6;
        QTest::newRow("over 10000 objects") << degistir(5, "10001") << 6;
        QTest::newRow("field not a number")
            << degistir(6, "0;Ad;on;0;1;A;2;Arial;False;False;False;False;8;0;3;0;;0;") << 7;
        QTest::newRow("boolean not a boolean")
            << degistir(6, "0;Ad;10;0;1;A;2;Arial;Evet;False;False;False;8;0;3;0;;0;") << 7;
        QTest::newRow("too few fields") << degistir(6, "0;Ad;10;") << 7;
        QTest::newRow("section out of range")
            << degistir(6, "70000;Ad;10;0;1;A;2;Arial;False;False;False;False;8;0;3;0;;0;") << 7;
        QTest::newRow("margin not a number") << degistir(10, "sıfır") << 11;
        QTest::newRow("paper not a number") << degistir(20, "A4") << 21;
        QTest::newRow("printer kind not a byte") << degistir(1, " 300 ") << 2;
        // Values no label can have: refused with their line.
        const auto nesne = [&degistir](int alan, const QString &deger) {
            QStringList f =
                u"0;Ad;10;0;1;A;2;Arial;False;False;False;False;8;0;3;0;;0;"_s.split(u';');
            f[alan - 1] = deger;
            return degistir(6, f.join(u';'));
        };
        QTest::newRow("printer kind 255") << degistir(1, " 255 ") << 2;
        QTest::newRow("label 9000 mm") << degistir(1, " 1 \r\n9000\r\n50\r\n0\r\n0") << 3;
        QTest::newRow("label 0,001 mm") << degistir(1, " 1 \r\n50\r\n0,001\r\n0\r\n0") << 4;
        QTest::newRow("negative gap") << degistir(1, " 1 \r\n50\r\n50\r\n-1\r\n0") << 5;
        QTest::newRow("label area 0") << degistir(8, "True;0;2000;") << 9;
        QTest::newRow("left 3E+38 mm") << nesne(5, "3E+38") << 7;
        QTest::newRow("top -1001 mm") << nesne(7, "-1001") << 7;
        QTest::newRow("width 0") << nesne(3, "0") << 7;
        QTest::newRow("height negative") << nesne(15, "-3") << 7;
        QTest::newRow("font size 0") << nesne(13, "0") << 7;
        QTest::newRow("font size 1E+30") << nesne(13, "1E+30") << 7;
        QTest::newRow("text over 64 KB") << nesne(2, QString(70000, u'x')) << 7;
        QTest::newRow("margin 2^31-1") << degistir(10, "2147483647") << 11;
        QTest::newRow("count below its records") << degistir(6, iyi[6] + u"\r\n"_s + iyi[6]) << 8;
    }
    void bozuk_dosyalar() {
        QFETCH(QByteArray, bayt);
        QFETCH(int, satir);
        TasarimBelgesi b;
        b.Tip = 1;
        b.Etiket_Boy = 42;
        b.Nesneler.append(yazi(u"önceki"_s));
        const TasarimBelgesi once = b;
        const auto h = Tasarim_Coz(bayt, b);
        QVERIFY(h.has_value());
        QCOMPARE(h->satir, satir);
        QVERIFY(!h->neden.isEmpty());
        QVERIFY(b == once); // nothing half-loaded
    }

    void her_kesik_dosya_hata_verir() {
        // Every proper prefix (at line ends) of a good file is refused, never crashes.
        const QByteArray bayt = dosya(u"lazer_tam.ftr"_s);
        qsizetype konum = 0;
        int kesik = 0;
        while ((konum = bayt.indexOf("\r\n", konum)) >= 0 && konum + 2 < bayt.size()) {
            konum += 2;
            TasarimBelgesi b;
            QVERIFY(Tasarim_Coz(bayt.left(konum), b).has_value());
            QVERIFY(b == TasarimBelgesi());
            ++kesik;
        }
        QVERIFY(kesik > 30);
    }

    void gecersiz_adlar() {
        QTemporaryDir klasor;
        for (const QString &ad : {QString(), u"a/b"_s, u".."_s, u"a"_s + QChar(0), u"a\nb"_s}) {
            QVERIFY(Tasarim_Adi_Hatasi(ad));
            QVERIFY(Tasarim_Dosyasi_Yaz(klasor.path(), ad, TasarimBelgesi()));
        }
        QVERIFY(
            QDir(klasor.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(!Tasarim_Adi_Hatasi(u"Şarküteri Rafı 2"_s));
    }

    void kodlama() {
        const QString t = u"ĞÜŞİÖÇğüşıöç €"_s;
        QCOMPARE(Cp1254_Kodla(t),
                 QByteArray("\xD0\xDC\xDE\xDD\xD6\xC7\xF0\xFC\xFE\xFD\xF6\xE7 \x80"));
        QCOMPARE(Cp1254_Coz(Cp1254_Kodla(t)), t);
        QCOMPARE(Cp1254_Kodla(u"a漢b"_s), QByteArray("a?b"));
    }

    // The one drawing of design elements: records to controls and drawing items, in
    // twips from the label's corner.
    void barkod_seridi() {
        // The turn, then the caption (angle, left, top, width, height, align, valign) and
        // the bars (left, top, width, height, direction) for L 567, T 283, W 2268, H 1134
        // twips (10, 5, 40, 20 mm). Any other turn is drawn like 0.
        const struct {
            int yon;
            QList<double> yazi, cubuk;
        } tablo[] = {
            {0, {0, 567, 944 + 283, 2268, 190, 2, 0}, {567, 283, 2268, 944, 0}},
            {900, {2700, 567, 283, 190, 1134, 0, 1}, {757, 283, 2078, 1134, 2}},
            {1800, {1800, 567, 283, 2268, 190, 2, 2}, {567, 473, 2268, 944, 0}},
            {2700, {900, 2645, 283, 190, 1134, 1, 1}, {567, 283, 2078, 1134, 2}},
            {450, {0, 567, 944 + 283, 2268, 190, 2, 0}, {567, 283, 2268, 944, 0}},
        };
        for (const auto &[yon, yazi, cubuk] : tablo) {
            BarkodKaydi k;
            k.Left = 10, k.Top = 5, k.Width = 40, k.Height = 20, k.FontName = u"Arial"_s;
            k.FontSize = 7, k.Orientation = qint16(yon);
            const BarkodKontrolleri c = Barkod_Kontrolleri(k);
            const RaporEtiketi &e = c.yazi;
            const RaporBarkodu &b = c.cubuklar;
            QCOMPARE((QList<double>{double(e.Angle), e.Left, e.Top, e.Width, e.Height,
                                    double(e.Alignment), double(e.VerticalAlignment)}),
                     yazi);
            QCOMPARE((QList<double>{b.Left, b.Top, b.Width, b.Height, double(b.Direction)}), cubuk);
            QCOMPARE(b.Style(), 18);

            // The drawing items sit where the controls are, the bars carry the symbol.
            const auto sembol = Barkod::Kodla(Barkod::Sembol::EAN13, u"869000000001"_s, true);
            const QList<CizimOgesi> o = Barkod_Cizimi(k, sembol, u"8690000000012"_s);
            QCOMPARE(o.size(), 2);
            QCOMPARE(o[0].alan, QRectF(b.Left, b.Top, b.Width, b.Height));
            QCOMPARE(o[0].barkod, sembol);
            QCOMPARE(o[0].barkod_gorunum.yon, b.Direction == 2 ? 900 : 0);
            QCOMPARE(o[1].alan, QRectF(e.Left, e.Top, e.Width, e.Height));
            QCOMPARE(o[1].metin, u"8690000000012"_s);
            QCOMPARE(o[1].yazi.aci, e.Angle / 10.0);
        }
    }

    void nesne() {
        NesneKaydi n;
        n.Left = 2.5f, n.Top = 1, n.Width = 30, n.Height = 0.2f;
        n.Tur = u"Y"_s, n.FontName = u"Tahoma"_s, n.FontSize = 9, n.FontBold = true;
        n.Alignment = 2, n.Escapement = 90, n.BackColor = 0x0000FF; // red in 0x00BBGGRR
        const CizimOgesi o = Nesne_Cizimi(n, u"Değer"_s);
        // Millimetres to whole twips (Mm_Twip), the turn in degrees, a filled background.
        QCOMPARE(o.alan, QRectF(142, 57, 1701, 11));
        QCOMPARE(o.metin, u"Değer"_s);
        QCOMPARE(o.yazi.aci, 90.0);
        QCOMPARE(o.yazi.yazi_tipi, u"Tahoma"_s);
        QVERIFY(o.yazi.kalin);
        QCOMPARE(o.yazi.yatay_hiza, 2);
        QVERIFY(o.yazi.arka_opak);
        QCOMPARE(o.yazi.arka, QColor(Qt::red));
        QVERIFY(!o.barkod);
    }

    void bos_tasarim_kaydedilmez() {
        SahteMesaj kutu;
        QVERIFY(!Tasarim_Yaz(TasarimBelgesi(), klasor_.path(), u"Bos"_s, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin, u"Tasarımı boş olarak kaydedemezsiniz."_s);
        QCOMPARE(kutu.kutular[0].simge, MesajKutusu::Simge::Bilgi);
        QCOMPARE(kutu.kutular[0].baslik, u"Varnel 1.0"_s);
        QVERIFY(!QFileInfo::exists(Tasarim_Yolu(klasor_.path(), u"Bos"_s)));
    }

    void kaydet_ve_geri_oku() {
        TasarimBelgesi yazilan;
        yazilan.Nesneler.append(yazi(u"  Fiyat1  "_s));
        yazilan.Nesneler[1].Tur = u"A"_s, yazilan.Nesneler[1].Tag = u"F_#,##0.00"_s;
        yazilan.Detaylar[1] = {true, 2100, 3970};
        SahteMesaj kutu;
        QVERIFY(Tasarim_Yaz(yazilan, klasor_.path(), u"Fiyat Etiketi"_s, kutu));
        TasarimBelgesi okunan;
        QVERIFY2(Tasarim_Dosyasini_Ac(klasor_.path(), u"Fiyat Etiketi"_s, okunan, kutu),
                 qPrintable(kutu.metinler().join(u'\n')));
        QCOMPARE(okunan.Nesneler[1].Caption, u"Fiyat1"_s); // trimmed
        QCOMPARE(okunan.Nesne_Sayisi(), yazilan.Nesne_Sayisi());

        QVERIFY(!Tasarim_Dosyasini_Ac(klasor_.path(), u"Olmayan"_s, okunan, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QVERIFY(kutu.kutular[0].metin.contains(u"Olmayan.ftr"_s));
        QCOMPARE(okunan.Nesneler[1].Caption, u"Fiyat1"_s); // left as it was

        // What the reader would refuse never replaces the file: too many elements, a
        // file over 10 MB.
        const QByteArray eski = Dosya_Oku(Tasarim_Yolu(klasor_.path(), u"Fiyat Etiketi"_s));
        TasarimBelgesi cok = yazilan, buyuk = yazilan;
        for (int i = 0; i < En_Cok_Nesne; ++i)
            cok.Nesneler.append(yazilan.Nesneler[1]);
        for (int i = 0; i < 170; ++i)
            buyuk.Nesneler.append(yazi(QString(64 * 1024, u'W')));
        for (const auto &[b, neden] :
             {std::pair{&cok, Tasarim_Dolu_Mesaji}, {&buyuk, u"en çok 10 MB olabilir"_s}}) {
            const auto h = Tasarim_Dosyasi_Yaz(klasor_.path(), u"Fiyat Etiketi"_s, *b);
            QVERIFY(h && h->contains(neden) && h->contains(u"dosya değiştirilmedi"_s));
            QCOMPARE(Dosya_Oku(Tasarim_Yolu(klasor_.path(), u"Fiyat Etiketi"_s)), eski);
        }
    }

    void farkli_kaydet() {
        TasarimBelgesi y;
        y.Nesneler.append(yazi(u"Yeni"_s));
        y.Detaylar = {DetayKaydi(), DetayKaydi{true, 1134, 2268}};
        const QString k = klasor_.path();
        const QString yol = Tasarim_Yolu(klasor_.path(), u"Var Olan"_s);
        QVERIFY(Dosya_Yaz(yol, "eski icerik"));

        // Cancelled and empty names end the command.
        SahteMesaj kutu;
        kutu.girdi_cevaplari.enqueue(std::nullopt);
        QVERIFY(!FarkliKaydet_Btn_Click(y, k, kutu));
        kutu.girdi_cevaplari.enqueue(QString());
        QVERIFY(!FarkliKaydet_Btn_Click(y, k, kutu));
        QCOMPARE(kutu.girdiler[0].istem, u"Lütfen Tasarım Adını Giriniz."_s);

        // An existing name asks once; No leaves the file and the name alone.
        kutu.girdi_cevaplari.enqueue(u"Var Olan"_s);
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
        QVERIFY(!FarkliKaydet_Btn_Click(y, k, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin,
                 u"Bu isimle kayıtlı bir tasarım vardır.Üzerine yazılsın mı?"_s);
        QCOMPARE(kutu.kutular[0].baslik, u"Dikkat"_s);
        QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::EvetHayir);
        QCOMPARE(Dosya_Oku(yol), QByteArray("eski icerik"));

        // Yes overwrites.
        kutu.girdi_cevaplari.enqueue(u"Var Olan"_s);
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Evet);
        QCOMPARE(FarkliKaydet_Btn_Click(y, k, kutu), u"Var Olan"_s);
        QVERIFY(Dosya_Oku(yol).startsWith("Tip_\r\n"));

        // A name the file system refuses, or one never listed, is refused before
        // anything is written; blanks around a name are dropped, as opening does.
        for (const auto &[ad, neden] : {std::pair{u"raf/ikinci"_s, u"karakter"_s},
                                        {u".gizli"_s, u"nokta"_s},
                                        {u" .gizli"_s, u"nokta"_s},
                                        {QString(121, u'Ş'), u"Tasarım adı çok uzun"_s}}) {
            kutu.kutular.clear();
            kutu.girdi_cevaplari.enqueue(ad);
            QVERIFY(!FarkliKaydet_Btn_Click(y, k, kutu));
            QCOMPARE(kutu.kutular.size(), 1);
            QVERIFY2(kutu.kutular[0].metin.contains(neden), qPrintable(kutu.kutular[0].metin));
        }
        QVERIFY(!QFileInfo::exists(klasor_.filePath(u".gizli.ftr"_s)));
        kutu.girdi_cevaplari.enqueue(u"  bosluklu  "_s);
        QCOMPARE(FarkliKaydet_Btn_Click(y, k, kutu), u"bosluklu"_s);
        QVERIFY(QFileInfo::exists(klasor_.filePath(u"bosluklu.ftr"_s)));
    }
};

QTEST_GUILESS_MAIN(TstTasarimDosyasi)
#include "tst_tasarimdosyasi.moc"
