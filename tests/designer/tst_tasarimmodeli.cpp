#include "common/Araclar.h"
#include "common/SahteMesaj.h"
#include "common/Tablo.h"
#include "core/Birimler.h"
#include "designer/Ozellikler.h"
#include "designer/Pano.h"
#include "designer/TasarimModeli.h"
#include "designer/TasarimYukle.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr double e = 1e-4;

bool yakin(const QRectF &a, const QRectF &b) {
    return std::abs(a.left() - b.left()) < e && std::abs(a.top() - b.top()) < e &&
           std::abs(a.width() - b.width()) < e && std::abs(a.height() - b.height()) < e;
}

QString metin(const QRectF &r) {
    return u"(%1, %2, %3 x %4)"_s.arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

// A 60 x 40 mm label section with one object of `tur` at `alan`.
int birNesne(TasarimModeli &m, const QString &tur, const QRectF &alan) {
    m.Ayar.Tip = 1;
    m.Bolum_Ayarla({true, float(40 / Twip_Basina_Mm), float(60 / Twip_Basina_Mm)});
    m.Nesne_Ekle(tur, [&](YuzeyNesnesi &n) { n.Alan_Ayarla(alan); });
    m.Nesne_Sec(m.Toplam() - 1);
    m.Gecmisi_Temizle();
    return m.Toplam() - 1;
}

// Every kind of element with non-default properties.
TasarimBelgesi herTurdenTasarim() {
    TasarimBelgesi b;
    b.Tip = 1;
    b.Etiket_Boy = 40, b.Etiket_Genislik = 60, b.Etiket_Yatay = 2.5f, b.Etiket_Dikey = 1;
    BarkodKaydi z;
    z.Left = 2, z.Top = 20.5f, z.Width = 30, z.Height = 15, z.FontName = "Tahoma";
    z.FontSize = 7, z.FontBold = true, z.ForeColor = 255, z.BackColor = 0xFFFFFF;
    z.Orientation = 900;
    b.Barkodlar.append(z);
    const auto nesne = [&](const char *tur, const char *baslik, const char *tag, qint16 aci) {
        NesneKaydi n;
        n.Left = 1.5f, n.Top = 2.25f, n.Width = 20, n.Height = 4, n.FontName = "Arial";
        n.FontSize = 9, n.FontItalic = true, n.FontStrikethru = true, n.ForeColor = 0x00FF00;
        n.BackColor = Varsayilan_Arka_Renk, n.Alignment = 2, n.Caption = baslik, n.Tur = tur;
        n.Tag = tag, n.Escapement = aci;
        b.Nesneler.append(n);
    };
    nesne("E", "Sabit yazı", "", 90);
    nesne("E", "Raf", "PR_Raf", 0);
    nesne("A", "TL_Fiyat1", "F_#,##0.00", 0);
    nesne("A", "Tarih", "O_Tarihdd.mm.yyyy", 270);
    nesne("Y", "", "", 0);
    nesne("D", "", "", 0);
    b.Detaylar[1] = {true, float(Mm_Twip(40.0)), float(Mm_Twip(60.0))};
    b.Sol_Bosluk = 567, b.Sag_Bosluk = 283, b.Ust_Bosluk = 100, b.Alt_Bosluk = 0;
    b.Yazici_Durum = "2";
    b.Kagit_Boyutu = 11;
    return b;
}

} // namespace

class TasarimModeliTesti : public QObject {
    Q_OBJECT
private slots:
    void yeniNesneler();
    void boyutlandir();
    void birakmaSinirlari();
    void dondurme();
    void yakinlastirma();
    void kareliVeBolumKenari();
    void baslikOku();
    void yukleVeTopla();
    void geriAlVeYinele();
    void yerindeDuzenleme();
    void cokluSecim();
    void pano();
    void ozellikler();
};

void TasarimModeliTesti::yeniNesneler() {
    TasarimModeli m;
    QVERIFY(m.Nesne_Ekle("Etiket"));
    m.Nesne_Sec(0);
    QVERIFY(m.Nesne_Ekle("Etiket"));
    QVERIFY(!m.Nesne_Ekle("KullaniciTanimliAlan"));
    QVERIFY(!m.Nesne_Ekle("etiket"));
    QCOMPARE(m.Toplam(), 2);
    QCOMPARE(m.Aktif_Nesne(), 1);
    QVERIFY(!m.Tutamaclar_Gorunur()); // creation does not select
    for (int i = 0; i < 2; ++i) {
        const YuzeyNesnesi &n = m.Nesne(i);
        QCOMPARE(n.Tanim(), u"Etiket(%1)"_s.arg(i + 1));
        QCOMPARE(n.Nesne().Caption, u"Etiket1"_s);
        // The second below the first: new elements go to the first free place.
        QVERIFY2(yakin(n.Alan(), QRectF(5.3229, 1.3229 + 4.5 * i, 10.32, 4.5)),
                 qPrintable(metin(n.Alan())));
    }
    struct {
        const char *tur, *ad;
        QSizeF boyut;
    } const tablo[] = {{"Alan", "Alan(1)", {10.32, 4.5}},
                       {"YatayCizgi", "Yatay_Cizgi(1)", {55.29, 0.26}},
                       {"DikeyCizgi", "Dikey_Cizgi(1)", {0.26, 12.43}},
                       {"Barkod", "ZKOD(1)", {33.07, 13.49}}};
    for (const auto &s : tablo) {
        QVERIFY(m.Nesne_Ekle(s.tur));
        const YuzeyNesnesi &n = m.Nesne(*m.Aktif_Nesne());
        QCOMPARE(n.Tanim(), QString(s.ad));
        QVERIFY2(yakin(n.Alan(), QRectF(n.Alan().topLeft(), s.boyut)), s.tur);
    }
    QCOMPARE(m.Nesne(m.Toplam() - 1).Barkod().FontName, u"Tahoma"_s);
    QCOMPARE(m.Nesne(3).Nesne().BackColor, 0x404040);

    // Stacking as printed: the barcode made last still lies under every text, and
    // a click where they overlap finds the text.
    QCOMPARE(m.Cizim_Sirasi(), (QList<int>{5, 0, 1, 2, 3, 4}));
    const QPointF ortak = m.Nesne(5).Alan().center();
    m.Degistir(
        0, [&](YuzeyNesnesi &n) { n.Alan_Ayarla(QRectF(ortak - QPointF(1, 1), QSizeF(2, 2))); },
        u"taşı"_s);
    QCOMPARE(m.Nesne_Bul(ortak), 0);
}

void TasarimModeliTesti::boyutlandir() {
    // One step from the handle's own corner by (dx, dy); lines stay under 5 mm thick
    // and nothing reaches zero.
    struct Satir {
        const char *tur;
        QRectF once;
        int tutamac;
        double dx, dy;
        QRectF sonra;
    } const tablo[] = {
        {"Etiket", {10, 10, 20, 10}, 0, 3, 2, {13, 12, 17, 8}},
        {"Etiket", {10, 10, 20, 10}, 1, 3, 2, {10, 12, 20, 8}},
        {"Etiket", {10, 10, 20, 10}, 2, 3, 2, {10, 12, 23, 8}},
        {"Etiket", {10, 10, 20, 10}, 3, 3, 2, {10, 10, 23, 10}},
        {"Etiket", {10, 10, 20, 10}, 4, 3, 2, {10, 10, 23, 12}},
        {"Etiket", {10, 10, 20, 10}, 5, 3, 2, {10, 10, 20, 12}},
        {"Etiket", {10, 10, 20, 10}, 6, 3, 2, {13, 10, 17, 12}},
        {"Etiket", {10, 10, 20, 10}, 7, 3, 2, {13, 10, 17, 10}},
        {"Etiket", {10, 10, 20, 10}, 0, 25, 0, {10, 10, 20, 10}},  // past the right edge
        {"Etiket", {10, 10, 20, 10}, 4, -20, -3, {10, 10, 20, 7}}, // width would be 0
        {"Etiket", {10, 10, 20, 10}, 8, 3, 2, {10, 10, 20, 10}},   // no such handle
        {"YatayCizgi", {5, 5, 30, 1}, 5, 0, 3.9, {5, 5, 30, 4.9}},
        {"YatayCizgi", {5, 5, 30, 1}, 5, 0, 4, {5, 5, 30, 1}},
        {"YatayCizgi", {5, 5, 30, 1}, 3, 12, 0, {5, 5, 42, 1}},
        {"YatayCizgi", {5, 5, 30, 1}, 1, 0, -5, {5, 0, 30, 1}}, // moves, cannot thicken
        {"DikeyCizgi", {5, 5, 1, 20}, 3, 4.5, 0, {5, 5, 1, 20}},
        {"DikeyCizgi", {5, 5, 1, 20}, 5, 0, 15, {5, 5, 1, 35}},
    };
    for (size_t i = 0; i < std::size(tablo); ++i) {
        const Satir &s = tablo[i];
        TasarimModeli m;
        birNesne(m, s.tur, s.once);
        const int k = s.tutamac;
        m.Boyutlandirma_Baslat(k);
        const QPointF basla = k < 8 ? m.Tutamaclar()[size_t(k)].topLeft() : QPointF();
        m.Son_X = basla.x(), m.Son_Y = basla.y();
        m.Boyutlandir(k, basla.x() + s.dx, basla.y() + s.dy);
        m.Boyutlandirma_Bitir();
        const QRectF a = m.Nesne(0).Alan();
        QVERIFY2(yakin(a, s.sonra), qPrintable(u"satır %1: %2"_s.arg(i).arg(metin(a))));
        QCOMPARE(m.Yigin().count(), a == s.once ? 0 : 1);
    }
}

void TasarimModeliTesti::birakmaSinirlari() {
    // Drops on the free section (x, y mm; grab offset 57 twips = 1 mm) and on the
    // object itself (x, y twips inside it): whole-millimetre travel.
    struct Satir {
        bool kendine;
        double x, y;
        QPointF sonuc;
    } const tablo[] = {
        {false, 20, 15, {19, 14}},     {false, 0.5, 15, {0, 14}},
        {false, 58, 15, {50, 14}},     {false, 20, 0.2, {19, 0}},
        {false, 20, 39, {19, 35}},     {true, 57 + 28, 57, {10, 10}},
        {true, 57 + 29, 57, {11, 10}}, {true, 57 - 171, 57 + 57 * 2, {7, 12}},
    };
    for (size_t i = 0; i < std::size(tablo); ++i) {
        const Satir &s = tablo[i];
        TasarimModeli m;
        const int o = birNesne(m, "Alan", QRectF(10, 10, 10, 5));
        m.Tutma_X = 57, m.Tutma_Y = 57;
        if (s.kendine)
            m.Nesneye_Birak(o, o, s.x, s.y);
        else
            m.Bolume_Birak(o, s.x, s.y);
        QVERIFY2(yakin(m.Nesne(o).Alan(), QRectF(s.sonuc, QSizeF(10, 5))),
                 qPrintable(u"satır %1: %2"_s.arg(i).arg(metin(m.Nesne(o).Alan()))));
    }
    // Arrow keys: clamped the same way, one step each.
    TasarimModeli m;
    const int o = birNesne(m, "Etiket", QRectF(1, 1, 10, 5));
    m.Kaydir(-1, 0.1);
    m.Kaydir(-1, 0.1);
    QVERIFY(yakin(m.Nesne(o).Alan(), QRectF(0, 1.2, 10, 5)));
    QCOMPARE(m.Yigin().count(), 2);
}

void TasarimModeliTesti::dondurme() {
    struct Satir {
        const char *tur;
        qint16 once, aci;
        bool takas;
    } const tablo[] = {{"Etiket", 0, 90, true},   {"Alan", 90, 180, true},
                       {"Etiket", 0, 180, false}, {"Etiket", 0, 270, true},
                       {"Etiket", 0, 45, false},  {"YatayCizgi", 0, 90, false}};
    for (const auto &s : tablo) {
        TasarimModeli m;
        const int o = birNesne(m, s.tur, QRectF(5, 5, 20, 4));
        m.Degistir(o, [&](YuzeyNesnesi &n) { n.Nesne().Escapement = s.once; });
        m.Nesne_Donder(o, s.aci);
        const bool cizgi = QString(s.tur).contains("Cizgi");
        QCOMPARE(m.Nesne(o).Nesne().Escapement, cizgi ? s.once : s.aci);
        QCOMPARE(m.Nesne(o).Alan().size(), s.takas ? QSizeF(4, 20) : QSizeF(20, 4));
    }
    TasarimModeli m;
    const int z = birNesne(m, "Barkod", QRectF(5, 5, 30, 15));
    m.Nesne_Donder(z, 270);
    QCOMPARE(m.Nesne(z).Barkod().Orientation, qint16(2700));
    QCOMPARE(m.Nesne(z).Alan().size(), QSizeF(30, 15));
    m.Nesne_Donder(z, 4000); // 40000 tenths do not fit
    QCOMPARE(m.Nesne(z).Barkod().Orientation, qint16(2700));
}

void TasarimModeliTesti::yakinlastirma() {
    TasarimModeli m;
    const int o = birNesne(m, "Etiket", QRectF(3.33f, 4.44f, 12.3f, 5.1f));
    const YuzeyNesnesi once = m.Nesne(o);
    const QSizeF pencere = m.Pencere_Boyutu();
    QVERIFY(m.Yakinlastir_Yuzde(100, 200));
    QCOMPARE(m.Pencere_Boyutu(), pencere * 2);
    QVERIFY(m.Nesne_Ekle("Etiket")); // born at its template size while zoomed
    QCOMPARE(m.Nesne(o + 1).Alan().size(), QSizeF(10.32f, 4.5f));
    QVERIFY(m.Yakinlastir_Yuzde(200, 100));
    QCOMPARE(m.Nesne(o), once);
    for (double kotu : {0.0, -5.0, 800.5, qQNaN()})
        QVERIFY(!m.Yakinlastir_Yuzde(100, kotu));
    QCOMPARE(m.Yuzde(), 100.0);
    QVERIFY(m.Yakinlastir_Yuzde(100, 800));
}

void TasarimModeliTesti::kareliVeBolumKenari() {
    TasarimModeli m;
    birNesne(m, "Etiket", QRectF(1, 1, 5, 5));
    struct {
        int adim, yatay, dikey;
    } const tablo[] = {{3, 12, 19}, {5, 7, 11}, {7, 5, 8}, {10, 3, 5}};
    for (const auto &s : tablo) {
        m.Kareli_Ciz(s.adim);
        const auto [y, d] = m.Kareli_Cizgileri();
        QCOMPARE(y.size(), s.yatay);
        QCOMPARE(d.size(), s.dikey);
        QCOMPARE(y.first(), double(s.adim));
    }
    // Only the lines crossing an area (10..20 mm down, 0..6 mm across) at 10 mm.
    const auto [y, d] = m.Kareli_Cizgileri(QRectF(0, 10, 6, 10));
    QCOMPARE(y, (QList<double>{10, 20}));
    QVERIFY(d.isEmpty());
    m.Bolum_Temizle();
    QVERIFY(m.Kareli_Cizgileri().first.isEmpty());

    QVERIFY(m.Bolum_Kenarinda(39) && !m.Bolum_Kenarinda(37.9));
    m.Bolum_Cekme_Baslat(39);
    m.Bolum_Cek(42);
    m.Bolum_Cek(44);
    m.Bolum_Cekme_Bitir();
    QVERIFY(std::abs(m.Bolum_Yuksekligi() - 45) < e);
    m.Bolum_Cekme_Baslat(44);
    m.Bolum_Cek(-10); // beyond the top: the height stays above 0
    m.Bolum_Cekme_Bitir();
    QVERIFY(std::abs(m.Bolum_Yuksekligi() - 45) < e);
    m.Geri_Al();
    QVERIFY(std::abs(m.Bolum_Yuksekligi() - 40) < e);
}

void TasarimModeliTesti::baslikOku() {
    QTemporaryDir d;
    const auto yaz = [&](const QByteArray &icerik) {
        return Dosya_Yaz(d.filePath("Baslik.mtr"), icerik) ? d.filePath("Baslik.mtr") : QString();
    };
    QCOMPARE(Baslik_Oku(d.filePath("yok.mtr")), QList<QStringList>());
    QCOMPARE(Baslik_Oku(yaz("Stok_Kodu \r\nYaz\xfdyla \r\n<end>\r\nSonra \r\n")),
             (QList<QStringList>{{"Stok_Kodu"}, {"Yazıyla"}}));
    QCOMPARE(Baslik_Oku(yaz("Birim \r\n\r\nA\tB \r\n")),
             (QList<QStringList>{{"Birim"}, {""}, {"A", "B"}}));
    const auto katalog = Baslik_Oku(QStringLiteral(VARNEL_KAYNAK "/data/Baslik.mtr"));
    QCOMPARE(katalog.size(), 16);
    QCOMPARE(katalog.last(), QStringList{"Yazıyla"});
}

void TasarimModeliTesti::yukleVeTopla() {
    struct Ornek {
        QString ad;
        TasarimBelgesi belge;
    };
    QList<Ornek> ornekler{{"her tür", herTurdenTasarim()}};
    for (const char *dosya : {"A4 Etiket 3x8", "Raf Etiketi"}) {
        Ornek o{dosya, {}};
        QVERIFY(!Tasarim_Dosyasi_Oku(
            QStringLiteral(VARNEL_KAYNAK "/data/designs/%1.ftr").arg(dosya), o.belge));
        ornekler.append(o);
    }
    for (const Ornek &o : ornekler) {
        TasarimModeli m;
        QCOMPARE(Tasarim_Ac(m, o.belge), 0);
        QCOMPARE(m.Yigin().count(), 0);
        QVERIFY(!m.Degisti());
        QCOMPARE(m.Aktif_Nesne(), m.Toplam() - 1); // the last one made is selected
        QVERIFY(m.Tutamaclar_Gorunur());
        // The model gives back the whole document it was opened on.
        QVERIFY2(m.Belge() == o.belge, qPrintable(o.ad));
    }
    // Unknown letters are skipped and counted; other sections land in section 0.
    TasarimBelgesi b = herTurdenTasarim();
    b.Nesneler[1].Tur = "X";
    b.Nesneler[2].Bolum_No = 3;
    TasarimModeli m;
    QCOMPARE(Tasarim_Ac(m, b), 1);
    QCOMPARE(m.Belge().Nesne_Sayisi(), 5);
    QCOMPARE(m.Belge().Nesneler[1].Caption, u"Raf"_s);
    QCOMPARE(m.Belge().Nesneler[1].Bolum_No, 0);

    // Every kind round-trips; tags lose their blanks, lines their turn, margins
    // round half to even.
    TasarimBelgesi her = herTurdenTasarim();
    TasarimModeli h;
    QCOMPARE(Tasarim_Ac(h, her), 0);
    QVERIFY(h.Belge() == her);
    h.Degistir(2, [](YuzeyNesnesi &n) { n.Nesne().Tag = u"  PR_Raf  "_s; });
    h.Degistir(5, [](YuzeyNesnesi &n) { n.Nesne().Escapement = 30; });
    h.Ayar.PageSettings = {2.5, 3.5, 1440.4, -0.5};
    const TasarimBelgesi geri = h.Belge();
    QCOMPARE(geri.Nesneler[2].Tag, u"PR_Raf"_s);
    QCOMPARE(geri.Nesneler[5].Escapement, qint16(0));
    QCOMPARE((QList<qint32>{geri.Sol_Bosluk, geri.Sag_Bosluk, geri.Ust_Bosluk, geri.Alt_Bosluk}),
             (QList<qint32>{2, 4, 1440, 0}));
}

void TasarimModeliTesti::geriAlVeYinele() {
    TasarimModeli m;
    const int a = birNesne(m, "Etiket", QRectF(1, 1, 5, 5));
    const int b = birNesne(m, "Alan", QRectF(10, 1, 5, 5));
    const int c = birNesne(m, "Barkod", QRectF(20, 1, 30, 15));
    m.Gecmisi_Temizle();
    for (int o : {a, b, c}) { // Delete pressed twice: the second finds nothing to remove
        m.Nesne_Sec(o);
        m.Secileni_Sil();
        m.Secileni_Sil();
    }
    QCOMPARE(m.Silinenler(), (QList<int>{a, b, c}));
    QCOMPARE(m.Yigin().count(), 3);
    QVERIFY(!m.Tutamaclar_Gorunur());
    QVERIFY(m.Degisti());
    // Only hidden objects: nothing the document holds, nothing to save.
    SahteMesaj kutu;
    QVERIFY(!Tasarim_Dolu(m.Belge(), kutu));
    QCOMPARE(kutu.metinler(), QStringList{Bos_Tasarim_Mesaji});
    for (int o : {c, b, a}) {
        m.Geri_Al();
        QVERIFY(m.Nesne(o).Visible);
        QCOMPARE(m.Aktif_Nesne(), o);
        QVERIFY(m.Tutamaclar_Gorunur());
    }
    QVERIFY(m.Silinenler().isEmpty());
    m.Geri_Al(); // nothing left
    QVERIFY(!m.Degisti());
    m.Yinele();
    QVERIFY(!m.Nesne(a).Visible);
    QCOMPARE(m.Silinenler(), QList<int>{a});

    // Create, move, resize: each one step, undone in reverse.
    TasarimModeli n;
    birNesne(n, "Etiket", QRectF(1, 1, 10, 5));
    n.Gecmisi_Temizle();
    n.Nesne_Ekle("Etiket");
    const int yeni = *n.Aktif_Nesne();
    n.Tutma_X = 0, n.Tutma_Y = 0;
    n.Bolume_Birak(yeni, 20, 20);
    n.Boyutlandirma_Baslat(4);
    for (int i = 1; i <= 10; ++i)
        n.Boyutlandir(4, n.Son_X + 0.5, n.Son_Y);
    n.Boyutlandirma_Bitir();
    QCOMPARE(n.Yigin().count(), 3);
    QVERIFY(yakin(n.Nesne(yeni).Alan(), QRectF(20, 20, 15.32, 4.5)));
    n.Geri_Al();
    QVERIFY(yakin(n.Nesne(yeni).Alan(), QRectF(20, 20, 10.32, 4.5)));
    n.Geri_Al();
    QVERIFY(yakin(n.Nesne(yeni).Alan(), QRectF(5.3229, 6.3229, 10.32, 4.5))); // below (1, 1)
    n.Geri_Al();
    QVERIFY(!n.Nesne(yeni).Visible);
    QCOMPARE(n.Toplam(), 2); // the undone one stays, hidden
    QCOMPARE(n.Belge().Nesne_Sayisi(), 1);
    n.Yinele();
    n.Yinele();
    QVERIFY(n.Nesne(yeni).Visible);
    QVERIFY(yakin(n.Nesne(yeni).Alan(), QRectF(20, 20, 10.32, 4.5)));
}

void TasarimModeliTesti::yerindeDuzenleme() {
    TasarimModeli m;
    const int p = birNesne(m, "Etiket", QRectF(1, 1, 10, 5));
    m.Degistir(p, [](YuzeyNesnesi &n) { n.Nesne().Tag = "PR_Parametre"; });
    const int diger = birNesne(m, "Etiket", QRectF(20, 1, 10, 5));
    m.Nesne_Sec(p);
    m.Duzenlemeyi_Baslat();
    QVERIFY(m.Duzenleniyor());
    QCOMPARE(m.Duzenleyici_Metni(), u"Etiket1"_s);
    m.Duzenleyici_Metni_Ayarla("Fiyat");
    m.Nesne_Sec(diger); // selecting another object commits first
    QVERIFY(!m.Duzenleniyor());
    QCOMPARE(m.Nesne(p).Nesne().Caption, u"Fiyat"_s);
    QCOMPARE(m.Nesne(p).Nesne().Tag, u"PR_Fiyat"_s);
    m.Geri_Al();
    QCOMPARE(m.Nesne(p).Nesne().Tag, u"PR_Parametre"_s);
    // Fields have no in-place editor.
    birNesne(m, "Alan", QRectF(1, 20, 10, 5));
    m.Duzenlemeyi_Baslat();
    QVERIFY(!m.Duzenleniyor());
}

void TasarimModeliTesti::cokluSecim() {
    // Three texts on a 60 x 40 mm label; the first selected is the reference.
    const QRectF A(10, 5, 20, 4), B(30, 12, 10, 6), C(3, 25, 8, 3);
    using H = TasarimModeli::Hiza;
    using M = TasarimModeli;
    const struct {
        const char *ad;
        std::function<void(M &)> islem;
        QRectF a, b, c;
    } tablo[] = {
        {"sol", [](M &m) { m.Hizala(H::Sol); }, A, {10, 12, 10, 6}, {10, 25, 8, 3}},
        {"sağ", [](M &m) { m.Hizala(H::Sag); }, A, {20, 12, 10, 6}, {22, 25, 8, 3}},
        {"üst", [](M &m) { m.Hizala(H::Ust); }, A, {30, 5, 10, 6}, {3, 5, 8, 3}},
        {"alt", [](M &m) { m.Hizala(H::Alt); }, A, {30, 3, 10, 6}, {3, 6, 8, 3}},
        {"yatay orta", [](M &m) { m.Hizala(H::Yatay_Orta); }, A, {15, 12, 10, 6}, {16, 25, 8, 3}},
        {"dikey orta", [](M &m) { m.Hizala(H::Dikey_Orta); }, A, {30, 4, 10, 6}, {3, 5.5, 8, 3}},
        // The outer two stay (C left, B right; A top, C bottom), equal gaps between
        // (across: half a millimetre less than nothing, they overlap).
        {"yatay dağıt", [](M &m) { m.Dagit(true); }, {10.5, 5, 20, 4}, B, C},
        {"dikey dağıt", [](M &m) { m.Dagit(false); }, A, {30, 14, 10, 6}, C},
        {"aynı genişlik", [](M &m) { m.Ayni_Boyut(true); }, A, {30, 12, 20, 6}, {3, 25, 20, 3}},
        {"aynı yükseklik", [](M &m) { m.Ayni_Boyut(false); }, A, {30, 12, 10, 4}, {3, 25, 8, 4}},
        // The block stops at the label's edge as one: C is 3 mm from the left.
        {"blok", [](M &m) { m.Kaydir(-5, 20); }, {7, 17, 20, 4}, {27, 24, 10, 6}, {0, 37, 8, 3}},
    };
    const auto ucNesne = [&](M &m) {
        birNesne(m, u"Etiket"_s, A);
        m.Nesne_Ekle(u"Etiket"_s, [&](YuzeyNesnesi &n) { n.Alan_Ayarla(B); });
        m.Nesne_Ekle(u"Etiket"_s, [&](YuzeyNesnesi &n) { n.Alan_Ayarla(C); });
        m.Gecmisi_Temizle();
    };
    for (const auto &t : tablo) {
        M m;
        ucNesne(m);
        m.Nesne_Sec(0);
        m.Secime_Ekle_Cikar(1);
        m.Secime_Ekle_Cikar(2);
        QCOMPARE(m.Secim(), (QList<int>{0, 1, 2}));
        t.islem(m);
        for (const auto &[sira, beklenen] : {std::pair{0, t.a}, {1, t.b}, {2, t.c}})
            QVERIFY2(
                yakin(m.Nesne(sira).Alan(), beklenen),
                qPrintable(u"%1 %2: %3"_s.arg(t.ad).arg(sira).arg(metin(m.Nesne(sira).Alan()))));
        // One undo step puts all back.
        QCOMPARE(m.Yigin().count(), 1);
        m.Geri_Al();
        QVERIFY(yakin(m.Nesne(0).Alan(), A) && yakin(m.Nesne(1).Alan(), B) &&
                yakin(m.Nesne(2).Alan(), C));
    }

    // Adding and taking out, a band that wholly encloses, all, delete, none; one
    // element aligns to the label.
    M m;
    ucNesne(m);
    m.Nesne_Sec(1);
    m.Secime_Ekle_Cikar(0);
    m.Secime_Ekle_Cikar(1);
    QCOMPARE(m.Secim(), QList<int>{0});
    QCOMPARE(m.Aktif_Nesne(), 0);
    m.Alanla_Sec(QRectF(0, 0, 40, 20)); // A and B wholly, C not
    QCOMPARE(m.Secim(), (QList<int>{0, 1}));
    m.Alanla_Sec(QRectF(2, 24, 5, 5), true); // C only in part: nothing added
    QCOMPARE(m.Secim(), (QList<int>{0, 1}));
    m.Tumunu_Sec();
    QCOMPARE(m.Secim().size(), 3);
    QVERIFY(!m.Tutamac_Bul(m.Nesne(2).Alan().topLeft() - QPointF(0.5, 0.5)));
    m.Secimi_Sil();
    QVERIFY(!m.Nesne(0).Visible && !m.Nesne(1).Visible && !m.Nesne(2).Visible);
    m.Geri_Al();
    QVERIFY(m.Nesne(0).Visible && m.Nesne(1).Visible && m.Nesne(2).Visible);
    m.Secimi_Birak();
    QVERIFY(m.Secim().isEmpty());
    m.Nesne_Sec(2);
    m.Hizala(H::Sag);
    QVERIFY(yakin(m.Nesne(2).Alan(), QRectF(52, 25, 8, 3)));

    // Stacking: the stored order. A to the top, then back under the others.
    M k;
    ucNesne(k);
    const auto sira = [&k] {
        QList<double> l;
        for (const NesneKaydi &n : k.Belge().Nesneler.mid(1))
            l << n.Left;
        return l;
    };
    k.Nesne_Sec(0);
    k.One_Getir();
    QCOMPARE(sira(), (QList<double>{30, 3, 10}));
    QCOMPARE(k.Secim().size(), 1);
    k.Arkaya_Gonder();
    QCOMPARE(sira(), (QList<double>{10, 30, 3}));
    QCOMPARE(k.Yigin().count(), 2);
    k.Geri_Al();
    QCOMPARE(sira(), (QList<double>{30, 3, 10}));

    // A new element where asked, kept inside the label.
    M y;
    birNesne(y, u"Etiket"_s, QRectF(5.3229, 1.3229, 10.32, 4.5));
    y.Ekleme_Yeri = QPointF(55, 39);
    y.Nesne_Ekle(u"Etiket"_s);
    QVERIFY(yakin(y.Nesne(1).Alan(), QRectF(60 - 10.32, 40 - 4.5, 10.32, 4.5)));
}

void TasarimModeliTesti::pano() {
    // Every kind of element copied and pasted into a new design: the same records,
    // 2 mm down and right; one undo step takes the paste away.
    TasarimModeli m;
    const TasarimBelgesi b = herTurdenTasarim();
    Tasarim_Yukle(m, b);
    m.Tumunu_Sec();
    const QByteArray kayit = Secim_Kaydi(m);
    QVERIFY(!kayit.isEmpty());
    TasarimModeli yeni;
    birNesne(yeni, u"Etiket"_s, QRectF(40, 30, 10, 5));
    QVERIFY(*Yapistir(yeni, kayit));
    QCOMPARE(yeni.Secim().size(), 7);
    QCOMPARE(yeni.Yigin().count(), 1);
    TasarimBelgesi beklenen = b;
    for (qsizetype i = 1; i < beklenen.Nesneler.size(); ++i)
        beklenen.Nesneler[i].Left += 2, beklenen.Nesneler[i].Top += 2;
    beklenen.Barkodlar[1].Left += 2, beklenen.Barkodlar[1].Top += 2;
    const TasarimBelgesi okunan = yeni.Belge();
    QCOMPARE(okunan.Barkodlar.value(1), beklenen.Barkodlar[1]);
    for (qsizetype i = 1; i < beklenen.Nesneler.size(); ++i)
        QCOMPARE(okunan.Nesneler.value(i + 1), beklenen.Nesneler[i]); // after the first text
    yeni.Geri_Al();
    QCOMPARE(yeni.Belge().Nesne_Sayisi(), 1);

    // Pasted at a point near the corner: the block stays inside the section whole.
    TasarimModeli k;
    birNesne(k, u"Etiket"_s, QRectF(40, 30, 10, 5));
    k.Nesne_Sec(0);
    QVERIFY(*Yapistir(k, Secim_Kaydi(k), QPointF(58, 39)));
    QVERIFY(yakin(k.Nesne(1).Alan(), QRectF(50, 35, 10, 5)));
    QVERIFY(!*Yapistir(k, "çöp"));
    QCOMPARE(k.Toplam(), 2);

    // More elements than a design may hold: refused, and said.
    TasarimBelgesi cok = k.Belge();
    const NesneKaydi n = cok.Nesneler.value(1);
    cok.Nesneler = {NesneKaydi()};
    for (int i = 0; i <= En_Cok_Nesne; ++i)
        cok.Nesneler.append(n);
    QCOMPARE(*Yapistir(k, Tasarim_Metni(cok)).Hatasi(), Tasarim_Dolu_Mesaji);
    cok.Nesneler.removeLast(); // 10000 more than the 2 there
    QCOMPARE(*Yapistir(k, Tasarim_Metni(cok)).Hatasi(), Tasarim_Dolu_Mesaji);
    QCOMPARE(k.Toplam(), 2);
}

void TasarimModeliTesti::ozellikler() {
    // Two texts and a line selected: shared values shown, differing ones empty; a
    // typed value goes to all that have it in one undo step, or to none.
    TasarimModeli m;
    birNesne(m, u"Etiket"_s, QRectF(10, 5, 20, 4));
    m.Nesne_Ekle(u"Etiket"_s, [](YuzeyNesnesi &n) { n.Alan_Ayarla(QRectF(30, 12, 10, 4)); });
    m.Nesne_Ekle(u"YatayCizgi"_s, [](YuzeyNesnesi &n) { n.Alan_Ayarla(QRectF(2, 30, 40, 1)); });
    m.Gecmisi_Temizle();
    m.Tumunu_Sec();
    QCOMPARE(Ozellik_Metni(m, Ozellik::X), QString());
    QCOMPARE(Ozellik_Metni(m, Ozellik::Yukseklik), QString());
    m.Secimi_Ayarla({0, 1});
    QCOMPARE(Ozellik_Metni(m, Ozellik::Yukseklik), u"4,00"_s);
    m.Tumunu_Sec();
    const struct {
        Ozellik o;
        const char *deger;
        bool kabul;
    } tablo[] = {
        {Ozellik::X, "12,5", true},
        {Ozellik::X, "-1", false},
        {Ozellik::X, "45", false}, // the 20 mm text would leave the 60 mm label
        {Ozellik::Y, "abc", false},
        {Ozellik::Genislik, "0", false},
        {Ozellik::Boyut, "10,5", true},
        {Ozellik::Boyut, "501", false},
        {Ozellik::Aci, "90", true},
        {Ozellik::Aci, "45", false},
        {Ozellik::Saydam, "1", true},
        {Ozellik::On_Renk, "#ff0000", true},
        {Ozellik::On_Renk, "kırmızı?", false},
        {Ozellik::Hiza, "2", true},
        {Ozellik::Sutun, " ", false}, // a field among them? none: nothing to name
    };
    for (const auto &t : tablo) {
        const Satir_Izi iz(QString::fromUtf8(t.deger));
        const int adim = m.Yigin().count();
        QCOMPARE(Ozellik_Yaz(m, t.o, QString::fromUtf8(t.deger)), t.kabul);
        QCOMPARE(m.Yigin().count(), adim + int(t.kabul));
        if (t.kabul)
            QCOMPARE(Ozellik_Metni(m, t.o), t.o == Ozellik::X       ? u"12,50"_s
                                            : t.o == Ozellik::Boyut ? u"10,50"_s
                                                                    : QString::fromUtf8(t.deger));
    }
    QCOMPARE(m.Nesne(2).Alan(), QRectF(12.5, 30, 40, 1)); // the line moves, keeps no font
    QCOMPARE(m.Nesne(0).Nesne().BackColor, Saydam_Arka_Renk);
    QCOMPARE(m.Nesne(1).Nesne().Escapement, 90);
    m.Geri_Al();
    QCOMPARE(m.Nesne(0).Nesne().Alignment, 0);
}

QTEST_GUILESS_MAIN(TasarimModeliTesti)
#include "tst_tasarimmodeli.moc"
