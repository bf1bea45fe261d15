#include "barcode/BarkodTipleri.h"
#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/Program.h"
#include "common/SahteMesaj.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "document/TasarimDosyasi.h"
#include "layout/NesneCizimi.h"
#include "output/KalibrasyonEtiketi.h"
#include "output/SayfaHedefi.h"
#include "output/ZplHedefi.h"
#include "printjob/DogrudanBaski.h"
#include "printjob/DogrudanCizim.h"
#include "startup/Baslangic.h"
#include "startup/Sorgu.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

NesneKaydi nesne(const char *tur, const char *baslik, const char *tag, float sol, float ust) {
    NesneKaydi n;
    n.Tur = tur, n.Caption = baslik, n.Tag = tag;
    n.Left = sol, n.Top = ust, n.Width = 40, n.Height = 5;
    n.FontName = "Arial", n.FontSize = 9;
    n.ForeColor = Varsayilan_Yazi_Rengi, n.BackColor = Varsayilan_Arka_Renk;
    return n;
}

// A one-label page: a barcode at the left edge and texts under it.
TasarimBelgesi tasarim(const QList<NesneKaydi> &nesneler) {
    TasarimBelgesi b;
    BarkodKaydi z;
    z.Width = 40, z.Height = 15, z.FontName = "Arial", z.FontSize = 8;
    z.ForeColor = Varsayilan_Yazi_Rengi, z.BackColor = Varsayilan_Arka_Renk;
    b.Barkodlar.append(z);
    b.Nesneler.append(nesneler);
    b.Detaylar[1] = {true, 2835, 3402}; // 50 x 60 mm
    b.Kagit_Boyutu = 256;               // no paper has this code: the label area
    return b;
}

} // namespace

class DogrudanBaskiTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath("ayar"));
        vt_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
    }
    void kurallar();
    void nesneMetinleri();
    void sayfalarSirasiVeYerleri();
    void onizlemeResmi();
    void eksikSutunVeParametreler();
    void zplCiktisi();

private:
    Program_Sonucu calistir(const QStringList &a, const QString &kosul, int adet = 1) {
        QProcess p;
        Program_Baslat(p, QStringList{"--designs", klasor_.path()} + a +
                              QStringList{vt_.Satir(kosul, adet)});
        return Program_Bekle(p);
    }
    QTemporaryDir klasor_;
    TestVeritabani vt_;
};

void DogrudanBaskiTesti::kurallar() {
    // The stock barcode types on the two roads, and how this road reads the column.
    using S = Barkod::Sembol;
    using M = Motor_Stili;
    const struct {
        const char *tip;
        std::optional<Motor_Stili> rapor;
        Barkod::Sembol dogrudan;
    } tipler[] = {
        {"0", M::Yok, S::Yok},       {"1", M::EAN13, S::EAN13},   {"2", M::EAN8, S::EAN8},
        {"3", M::Code39, S::Code39}, {"4", M::Code93, S::Code93}, {"5", M::Code128, S::Code128A},
        {"6", M::UPCA, S::UPCA},     {"7", {}, S::UPCE},          {"8", {}, S::EAN13},
        {"9", {}, S::Yok},           {"12", {}, S::EAN13},        {"-1", {}, S::EAN13}};
    for (const auto &t : tipler) {
        QCOMPARE(Stok_Barkod_Tipi_Oku(QString(t.tip).toInt()).rapor, t.rapor);
        QCOMPARE(Stok_Barkod_Sembolu(t.tip), t.dogrudan);
    }
    QCOMPARE(Stok_Barkod_Sembolu("1,0"), S::Yok); // no whole number: type 0
    QCOMPARE(Stok_Sorgusu(" select Stok_ID FROM STOKKART"), u" select Stok_ID FROM STOKKART"_s);

    SahteMesaj kutu;
    for (const auto &[cevap, adet] : {std::pair{"2.5", 2.5}, {" 3 adet", 3.0}, {"abc", 0.0}}) {
        kutu.girdi_cevaplari << QString(cevap);
        QCOMPARE(Adet_Sor(kutu, 4), adet);
    }
    QCOMPARE(kutu.girdiler.last().baslik, u"Dinamik Barkod"_s);
    QCOMPARE(kutu.girdiler.last().varsayilan, u"4"_s);

    // A paper no code names and no label area: the two paper messages, no page.
    TasarimBelgesi kagitsiz = tasarim({});
    kagitsiz.Detaylar[1] = {};
    SahteMesaj k2;
    PdfHedefi hedef(klasor_.filePath("kagitsiz.pdf"));
    Baslangic_Sonucu b = Main(k2, vt_.Satir("STOKKART.Stok_ID=1", 1));
    QVERIFY(b.devam);
    BaskiIsi is;
    is.Belge = kagitsiz;
    const DogrudanSonucu s = Dinamik_Bas(k2, b.oturum, is, hedef);
    QCOMPARE(s.sayfa, 0);
    QCOMPARE(k2.metinler(),
             (QStringList{"Seçilen Yazıcı Bu Tasaımla Basımı Desteklemiyor.Lütfen Tasrımdaki "
                          "Kağıt Ayarlarını Kontrol Ediniz",
                          "Kağıt boyutu tanınmıyor: 256"}));
    QCOMPARE(k2.kutular[0].simge, MesajKutusu::Simge::Kritik);
    QCOMPARE(k2.kutular[1].simge, MesajKutusu::Simge::Bilgi);
}

// The text of each kind of element for one item.
void DogrudanBaskiTesti::nesneMetinleri() {
    EtiketKaynagi k;
    k.sutun = [](const QString &ad) -> std::optional<QString> {
        if (ad == u"Stok_Adi")
            return u"  Çay  "_s;
        if (ad == u"Tutar")
            return u"2,5"_s;
        if (ad == u"Miktar")
            return u"1234,5"_s;
        if (ad == u"Bos")
            return QString();
        return std::nullopt;
    };
    k.fiyat = [](int seviye, bool milyon) -> std::optional<double> {
        return seviye == 1 ? std::optional(milyon ? 42.5e6 : 42.5) : std::nullopt;
    };
    k.an = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7));
    k.firma_adi = "Demo A.Ş.";
    const QHash<QString, QString> cevaplar{{"Raf", "A-01"}};
    const struct {
        NesneKaydi n;
        QString metin, eksik;
    } tablo[] = {
        {nesne("E", "Sabit", "", 0, 0), "Sabit", ""},
        {nesne("E", "Yaz", "PR_Raf", 0, 0), "Yaz", ""},
        {nesne("A", "Stok_Adi", "", 0, 0), "Çay", ""},
        {nesne("A", "Bos", "", 0, 0), " ", ""},
        {nesne("A", "TL_Tutar", "", 0, 0), "2500000", ""},
        {nesne("A", "Miktar", "F_#,##0.00", 0, 0), "1.234,50", ""},
        {nesne("A", "Fiyat1", "F_#,##0.00", 0, 0), "42,50", ""},
        {nesne("A", "TL_Fiyat1", "", 0, 0), "42500000", ""},
        {nesne("E", "1234,5", "#,##0.00", 0, 0), "1.234,50", ""}, // a fixed text's pattern
        {nesne("A", "Fiyat3", "", 0, 0), " ", ""},
        {nesne("A", "Tarih", "O_Tarihdd.mm.yyyy", 0, 0), "06.12.2026", ""},
        {nesne("A", "Saat", "O_Saat", 0, 0), "09:05:07", ""},
        {nesne("A", "Firma_Ad", "O_Firma_Ad", 0, 0), "Demo A.Ş.", ""},
        {nesne("A", "Olmayan", "", 0, 0), "", "Olmayan"},
        {nesne("Y", "x", "", 0, 0), "", ""},
    };
    for (const auto &s : tablo) {
        QString eksik;
        QCOMPARE(Nesne_Metni(s.n, k, &eksik), s.metin);
        QCOMPARE(eksik, s.eksik);
    }
    // A run's answers replace a parameter's caption.
    k.parametreler = &cevaplar;
    QCOMPARE(Nesne_Metni(nesne("E", "Yaz", "PR_Raf", 0, 0), k), u"A-01"_s);
}

void DogrudanBaskiTesti::sayfalarSirasiVeYerleri() {
    QVERIFY(!Tasarim_Dosyasi_Yaz(
        klasor_.path(), "Dogrudan",
        tasarim({nesne("A", "Stok_Adi", "", 0, 20), nesne("A", "Fiyat1", "F_#,##0.00", 0, 30)})));
    const QString pdf = klasor_.filePath("d.pdf");
    const Program_Sonucu s =
        calistir({"print", "Dogrudan", "--direct", "--copies", "2", "--out", pdf},
                 "STOKKART.Stok_ID IN (2,1)");
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    QCOMPARE(s.cikis.trimmed(), u"4 etiket, 4 sayfa: "_s + pdf);
    const QStringList beklenen = {"Şeker 1 kg", "Şeker 1 kg", "Süzme Yoğurt 1 kg",
                                  "Süzme Yoğurt 1 kg"};
    const QStringList sayfalar = Pdf_Metni(pdf).split(u'\f');
    for (int i = 0; i < 4; ++i)
        QVERIFY(sayfalar[i].contains(beklenen[i]));
    QVERIFY(sayfalar[0].contains("42,50"));
    // The text stands 3.704117 mm right of its place (twips at 56.7 to the mm).
    QVERIFY(std::abs(Pdf_Yeri(pdf, "Şeker").x() - 3.704117 * 56.7 / 20) < 1.5);

    // Every barcode decodes to its item's number.
    const QString png = klasor_.filePath("d.png");
    const Program_Sonucu r =
        calistir({"print", "Dogrudan", "--direct", "--out", png, "--dpi", "200"},
                 "STOKKART.Stok_ID IN (1,2,3)");
    QVERIFY2(r.kod == 0, qPrintable(r.hata));
    QCOMPARE(Barkod_Coz({PngHedefi::Numarali_Ad(png, 1), PngHedefi::Numarali_Ad(png, 2),
                         PngHedefi::Numarali_Ad(png, 3)}),
             (QStringList{"EAN-13:8690000000012", "EAN-13:8690000000029", "EAN-13:8690000000036"}));
}

void DogrudanBaskiTesti::onizlemeResmi() {
    QVERIFY(!Tasarim_Dosyasi_Yaz(klasor_.path(), "Onizle",
                                 tasarim({nesne("A", "Stok_Adi", "", 0, 20)})));
    const QString png = klasor_.filePath("o.png");
    const Program_Sonucu s =
        calistir({"preview", "Onizle", "--out", png, "--dpi", "300"}, "STOKKART.Stok_ID>=2");
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    QCOMPARE(Barkod_Coz(png), QStringList{"EAN-13:8690000000029"}); // the first item
    // Where its elements stand is checked on the page items below.
    SahteMesaj kutu;
    const Baslangic_Sonucu b = Main(kutu, vt_.Satir("STOKKART.Stok_ID>=2", 1));
    QVERIFY(b.devam);
    const auto sayfa = Onizleme_Sayfasi(
        kutu, b.oturum,
        tasarim({nesne("A", "Stok_Adi", "", 0, 20), nesne("A", "Olmayan", "", 0, 26)}));
    QVERIFY(sayfa);
    QStringList metinler;
    for (const CizimOgesi &o : sayfa->ogeler)
        metinler << o.metin;
    QVERIFY(metinler.contains("Süzme Yoğurt 1 kg"));
    // On the page: the barcode 4.0 mm and the element 3.704117 mm right of Left 0.
    QCOMPARE(sayfa->ogeler[0].alan.left(), 4.0 * 56.7);
    QVERIFY(sayfa->ogeler[0].barkod);
    QCOMPARE(sayfa->ogeler[1].alan.left(), 3.704117 * 56.7);
    QCOMPARE(sayfa->ogeler[1].alan.top(), 20 * 56.7);
    QVERIFY(kutu.kutular.isEmpty()); // a missing column leaves its element blank
}

void DogrudanBaskiTesti::eksikSutunVeParametreler() {
    QVERIFY(!Tasarim_Dosyasi_Yaz(klasor_.path(), "Eksik",
                                 tasarim({nesne("A", "Olmayan_Alan", "", 0, 20)})));
    const QString pdf = klasor_.filePath("e.pdf");
    Program_Sonucu s = calistir({"print", "Eksik", "--direct", "--out", pdf}, "STOKKART.Stok_ID<3");
    QCOMPARE(s.kod, 1);
    QCOMPARE(s.hata.trimmed(), u"Olmayan_Alan alanı stok kayıtlarında bulunamadı."_s);
    QVERIFY(!QFile::exists(pdf));

    QVERIFY(!Tasarim_Dosyasi_Yaz(
        klasor_.path(), "Param",
        tasarim({nesne("E", "", "PR_Raf", 0, 20), nesne("E", "", "PR_Raf", 0, 27),
                 nesne("E", "", "PR_Raf", 0, 34)})));
    s = calistir({"print", "Param", "--direct", "--out", pdf}, "STOKKART.Stok_ID<3");
    QCOMPARE(s.kod, 2);
    QVERIFY(s.hata.contains("Raf"));
    s = calistir({"print", "Param", "--direct", "--param", "Raf=B-7", "--out", pdf},
                 "STOKKART.Stok_ID=1");
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    QCOMPARE(Pdf_Metni(pdf).count("B-7"), 3);
}

// The demo shelf label as ZPL, rendered by an independent renderer: its barcodes read
// back where the renderer draws the symbol (EAN-13, Code 39, Code 128; it draws no
// EAN-8, Code 93 or UPC-A), its size the PNG road's at the same dots; and the
// calibration label moved by a printer's offsets.
void DogrudanBaskiTesti::zplCiktisi() {
    QVERIFY(QFile::copy(Kaynak_Yolu("data/designs/Raf Etiketi.ftr"),
                        klasor_.filePath("Raf Etiketi.ftr")));
    const QString zpl = klasor_.filePath("raf.zpl"), png = klasor_.filePath("raf.png");
    const QStringList raf = {"print", "Raf Etiketi", "--direct", "--param", "Raf=R1"};
    Program_Sonucu s = calistir(raf + QStringList{"--out", zpl}, "STOKKART.Stok_ID<=9");
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    QCOMPARE(s.cikis.trimmed(), u"9 etiket, 9 sayfa: "_s + zpl);
    const QString z = QString::fromUtf8(Dosya_Oku(zpl));
    // What the labels share is stored once; each label recalls it with its own fields.
    QCOMPARE(z.count(u"^DFR:VARNEL.ZPL"_s), 1);
    QCOMPARE(z.count(u"^XZ"_s), 1 + 9);
    QVERIFY(z.contains(u"^B8"_s) && z.contains(u"^BA"_s) && z.contains(u"^BU"_s));
    s = calistir(raf + QStringList{"--out", png, "--dpi", "203"}, "STOKKART.Stok_ID=1");
    QVERIFY2(s.kod == 0, qPrintable(s.hata));
    const QSize boyut = QImage(png).size();
    QVERIFY(z.contains(u"^CI28^PW%1^LL%2"_s.arg(boyut.width()).arg(boyut.height())));

    // Items 1, 6 and 8, and the calibration label 2 mm right and 1,5 mm up.
    const QString uc = klasor_.filePath("uc.zpl"), kalibrasyon = klasor_.filePath("kal.zpl");
    const QString kosul = "STOKKART.Stok_ID IN (1,6,8)";
    QCOMPARE(calistir(raf + QStringList{"--out", uc}, kosul).kod, 0);
    YaziciAyari ayar;
    ayar.dil = YaziciAyari::Dil::ZPL, ayar.sol_kaydirma = 2, ayar.ust_kaydirma = -1.5;
    QVERIFY(Dosya_Yaz(kalibrasyon,
                      Zpl_Etiketi(Kalibrasyon_Etiketi({60, 40}, "Raf", ayar), ayar.Zpl())));
    // Item data that would be printer commands if written raw: each label stays one label,
    // no label turns black, and every barcode reads back as its data. The item names go
    // in the printer's own font, as data of their fields.
    QTemporaryDir k;
    const TestVeritabani t = Sqlite_Demo(k.path());
    QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
    const struct {
        int stok;
        const char *barkod, *okunan, *ad; // the name as an SQL expression
    } tablo[] = {
        {8, "A^XZ^XA^FO0,0^GB800,800,800^FS", "CODE-128:A^XZ^XA^FO0,0^GB800,800,800^FS",
         "'^XZ^XA^FO0,0^GB800,800,800^FS'"},
        {7, "~JA~DGR:X", "CODE-93:~JA~DGR:X", "'~JA_~DGR:ABC,2,2,FFFF'"},
        {5, "8690000000050", "EAN-13:8690000000050", "'Ad' || char(27) || '[2J' || char(7)"},
    };
    {
        TestBaglantisi b(t);
        for (const auto &r : tablo)
            QVERIFY2(b.Calistir(u"UPDATE STOKKART SET Ana_Birim_Barkod='%1', Stok_Adi=%2 "
                                u"WHERE Stok_ID=%3"_s
                                    .arg(QString::fromUtf8(r.barkod), QString::fromUtf8(r.ad))
                                    .arg(r.stok)),
                     qPrintable(b.hata));
    }
    QVERIFY(QDir().mkpath(klasor_.filePath("ayar/varnel")));
    QVERIFY(Dosya_Yaz(klasor_.filePath("ayar/varnel/Yazicilar.ini"),
                      "[Zpl_Test]\nDil=ZPL\nYazilar=Yazici\nKoyuluk=45\n"));
    if (!QFile::exists(klasor_.filePath("Raf Etiketi.ftr")))
        QVERIFY(QFile::copy(Kaynak_Yolu("data/designs/Raf Etiketi.ftr"),
                            klasor_.filePath("Raf Etiketi.ftr")));
    // Both roads, rendered by one start of the renderer; at 300 dpi the barcodes drawn
    // as pictures have room for their modules.
    const QStringList zpller = {k.filePath("kotu-r.zpl"), k.filePath("kotu-d.zpl")};
    for (const QString &zpl : zpller) {
        QProcess p;
        Program_Baslat(p,
                       QStringList{"--designs", klasor_.path(), "print", "Raf Etiketi", "--param",
                                   "Raf=1", "--out", zpl, "--dpi", "300", "--printer", "Zpl_Test"} +
                           (zpl.endsWith("d.zpl") ? QStringList{"--direct"} : QStringList()) +
                           QStringList{t.Satir("STOKKART.Stok_ID IN (5,7,8)")});
        const Program_Sonucu s = Program_Bekle(p);
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        // A refused setting is said once, and the printer's own darkness used.
        QCOMPARE(s.hata.count(u"Yazicilar.ini [Zpl_Test]: Koyuluk 0 ile 30 arasında olmalıdır: "
                              u"45; olağan değer kullanıldı."_s),
                 1);
        QVERIFY(!Dosya_Oku(zpl).contains("~SD") && Dosya_Oku(zpl).contains("^A0N"));
    }
    QCOMPARE(
        Arac_Calistir("node",
                      QStringList{VARNEL_ZPL_CIZ, "60", "40", "8", uc, kalibrasyon, "12"} + zpller)
            .trimmed(),
        u"3 1 3 3"_s);
    for (const QString &zpl : zpller) {
        QStringList resimler;
        for (int i = 1; i <= 3; ++i) {
            resimler << QString(zpl).replace(".zpl", u"-%1.png"_s.arg(i));
            const QImage r(resimler.last());
            qint64 kara = 0;
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < r.width(); ++x)
                    kara += qGray(r.pixel(x, y)) < 128;
            QVERIFY2(kara * 2 < qint64(r.width()) * r.height(), qPrintable(resimler.last()));
        }
        // Items in id order: 5, 7, 8.
        const QStringList okunan = Barkod_Coz(resimler);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(okunan.value(i).contains(QString::fromUtf8(tablo[2 - i].okunan)),
                     qPrintable(okunan.join(u' ')));
    }

    const QString onek = klasor_.filePath("uc");
    const char *okunan[] = {"EAN-13:8690000000012", "CODE-39:IRM-0500", "CODE-128:UZM 2026-11"};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(Barkod_Coz(u"%1-%2.png"_s.arg(onek).arg(i + 1)).contains(okunan[i]), okunan[i]);

    // The bars (and lines) start where the PDF of the same run has them, within
    // 0,5 mm (4 dots): the boxes around every black run of 5 mm or more, down the
    // columns and along the rows, of each label drawn at the printer's 8 dots a mm.
    // (Their far ends follow the printer's whole-dot modules.)
    const QString pdf = klasor_.filePath("raf.pdf"), sayfa = klasor_.filePath("pdf");
    QCOMPARE(calistir(raf + QStringList{"--out", pdf}, kosul).kod, 0);
    Arac_Calistir("pdftoppm", {"-r", "203.2", "-png", pdf, sayfa});
    for (const int etiket : {1, 2, 3}) {
        const QImage a(u"%1-%2.png"_s.arg(onek).arg(etiket)),
            b(u"%1-%2.png"_s.arg(sayfa).arg(etiket));
        for (const bool dikey : {true, false}) {
            const QRect x = Uzun_Cizgiler(a, dikey, 40), y = Uzun_Cizgiler(b, dikey, 40);
            const QPoint fark = x.topLeft() - y.topLeft();
            QVERIFY2(!x.isEmpty() && std::max(std::abs(fark.x()), std::abs(fark.y())) <= 4,
                     qPrintable(u"etiket %1: %2 %3"_s.arg(etiket).arg(fark.x()).arg(fark.y())));
        }
    }

    // The calibration frame's left side at x = 8 + 16 dots; the move up is the
    // printer's (^LT, which the renderer does not apply): the frame keeps its place
    // 1 mm inside the label.
    const QImage r(klasor_.filePath("kal-1.png"));
    const auto kara = [&r](int x, int y) { return qGray(r.pixel(x, y)) < 128; };
    QVERIFY(!kara(23, 164) && kara(24, 164) && kara(25, 164) && !kara(26, 164));
    QVERIFY(!kara(244, 7) && kara(244, 8) && kara(244, 9) && !kara(244, 10)); // between ticks

    // A laser sheet has no thermal printer to go to; a resolution none of them has.
    s = calistir({"print", "Dogrudan", "--direct", "--out", zpl, "--dpi", "250"},
                 "STOKKART.Stok_ID=1");
    QCOMPARE(s.kod, 2);
    QVERIFY2(s.hata.contains(u"--dpi ZPL için 203, 300 ya da 600 olmalıdır: 250"_s),
             qPrintable(s.hata));
    TasarimBelgesi lazer = tasarim({});
    lazer.Tip = 1;
    QVERIFY(!Tasarim_Dosyasi_Yaz(klasor_.path(), "Lazer", lazer));
    s = calistir({"print", "Lazer", "--out", zpl}, "STOKKART.Stok_ID=1");
    QCOMPARE(s.kod, 2);
    QVERIFY2(s.hata.contains(u"ZPL yalnız barkod yazıcısı tasarımlarında kullanılabilir."_s),
             qPrintable(s.hata));
}

QTEST_MAIN(DogrudanBaskiTesti)
#include "tst_dogrudan.moc"
