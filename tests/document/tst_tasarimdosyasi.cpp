#include "common/TestVeritabani.h"
#include "document/Kodlama.h"
#include "document/TasarimDosyasi.h"
#include "startup/Degiskenler.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray dosya(const QString &ad) {
    QFile f(Kaynak_Yolu(QStringLiteral("tests/document/ornekler/") + ad));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Lines of a design file given as one text with "|" between them.
QByteArray satirlar(const QString &s);

QByteArray satirlar(const QStringList &s) {
    QByteArray b;
    for (const QString &l : s)
        b += Cp1254_Kodla(l) + "\r\n";
    return b;
}

QByteArray satirlar(const QString &s) { return satirlar(s.split(u'|')); }

NesneKaydi yazi(const QString &caption) {
    NesneKaydi n;
    n.Caption = caption;
    n.Tur = QStringLiteral("E");
    n.Width = 30;
    n.Height = 5;
    n.Left = 2;
    n.Top = 3;
    n.FontName = QStringLiteral("Arial");
    n.FontSize = 8;
    n.ForeColor = Varsayilan_Yazi_Rengi;
    n.BackColor = Varsayilan_Arka_Renk;
    return n;
}

// A document whose every value survives the file exactly: two decimals at most.
TasarimBelgesi rastgeleBelge(QRandomGenerator &r) {
    const auto mm = [&r] { return float(r.bounded(0, 30000)) / 100.0f; };
    const auto renk = [&r] {
        return r.bounded(2) ? qint32(r.bounded(0, 0x1000000))
                            : qint32(0x80000000u | quint32(r.bounded(0, 25)));
    };
    const QStringList kelimeler = {"Stok_Adi", "Fiyat1", "Şeker", "İndirim Ğ", "çay ÇAY", "x"};
    TasarimBelgesi b;
    b.Tip = quint8(r.bounded(2));
    if (b.Tip == 1) {
        b.Etiket_Boy = mm();
        b.Etiket_Genislik = mm();
        b.Etiket_Yatay = mm();
        b.Etiket_Dikey = mm();
    }
    for (int i = r.bounded(4); i > 0; --i) {
        BarkodKaydi k;
        k.Left = mm(), k.Top = mm(), k.Width = mm(), k.Height = mm();
        k.FontName = kelimeler[r.bounded(kelimeler.size())];
        k.FontSize = float(r.bounded(4, 40)) / 2.0f;
        k.FontBold = r.bounded(2), k.FontItalic = r.bounded(2), k.FontUnderline = r.bounded(2);
        k.ForeColor = renk(), k.BackColor = renk();
        k.Orientation = qint16(r.bounded(4) * 900);
        b.Barkodlar.append(k);
    }
    const QStringList turler = {"E", "A", "Y", "D"};
    for (int i = r.bounded(8); i > 0; --i) {
        NesneKaydi n = yazi(kelimeler[r.bounded(kelimeler.size())]);
        n.Tur = turler[r.bounded(4)];
        n.Left = mm(), n.Top = mm(), n.Width = mm(), n.Height = mm();
        n.FontBold = r.bounded(2), n.FontStrikethru = r.bounded(2);
        n.Alignment = qint16(r.bounded(3));
        n.ForeColor = renk(), n.BackColor = renk();
        n.Tag = r.bounded(2) ? QStringLiteral("F_#,##0.00") : QString();
        if (n.Tur != u"Y" && n.Tur != u"D")
            n.Escapement = qint16(r.bounded(-360, 360));
        b.Nesneler.append(n);
    }
    b.Detaylar[1] = {bool(r.bounded(2)), float(r.bounded(0, 900000)) / 100.0f,
                     float(r.bounded(0, 900000)) / 100.0f};
    b.Sol_Bosluk = r.bounded(-2000, 2000);
    b.Sag_Bosluk = r.bounded(0, 2000);
    b.Ust_Bosluk = r.bounded(0, 2000);
    b.Alt_Bosluk = r.bounded(0, 2000);
    b.Yazici_Durum = QString::number(r.bounded(1, 3));
    b.Kagit_Boyutu = float(r.bounded(1, 120));
    return b;
}

} // namespace

class TstTasarimDosyasi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
    }

    void yazici_altin_cikti() {
        // One text object and no barcode: "Barkod_", "0", then "Nesneler_" directly.
        TasarimBelgesi b;
        NesneKaydi n = yazi(QStringLiteral("  Şeker; Çay  "));
        n.Height = 12.3456f;
        n.Width = 1234.5f;
        n.Tag = QStringLiteral(" PR_Fiyat ");
        b.Nesneler.append(n);
        b.Detaylar[1] = {true, 2097.5f, 0.25f};
        b.Sol_Bosluk = -5;
        b.Kagit_Boyutu = 0.5f;
        const QByteArray beklenen = satirlar(QStringLiteral(
            "Tip_| 0 |Barkod_|0|Nesneler_|1|0;Şeker, "
            "Çay;1.234,5;0;2;E;3;Arial;False;False;False;False;8;-2147483630;12,34;-2147483643;PR_"
            "Fiyat;0;|Detaylar_|True;2.097,5;0,25;|Sol_Bosluk_|-5 |Sag_Bosluk_| 0 |Ust_Bosluk_| 0 "
            "|Alt_Bosluk_| 0 |Yazici_Durum_| 1 |Kagit_Boyutu_| ,5 |<end>"));
        QCOMPARE(Tasarim_Metni(b), beklenen);
    }

    void lazer_etiket_degerleri() {
        TasarimBelgesi b;
        b.Tip = 1;
        b.Etiket_Boy = 37;
        b.Etiket_Genislik = 70.25f;
        b.Etiket_Yatay = 0.5f;
        b.Etiket_Dikey = 0;
        b.Barkodlar.append(BarkodKaydi());
        const QByteArray m = Tasarim_Metni(b);
        QVERIFY(m.startsWith(satirlar(QStringLiteral(
            "Tip_| 1 | 37 | 70,25 | ,5 | 0 "
            "|Barkod_|1|0;0;0;0;0;;False;False;False;0;0;0;0;|Nesneler_|0|Detaylar_"))));
    }

    void ornekler_bayt_bayt_ayni_data() {
        QTest::addColumn<QString>("ad");
        QTest::newRow("laser sheet, all kinds") << "lazer_tam.ftr";
        QTest::newRow("barcode printer, objects") << "barkod_yazici_nesneler.ftr";
        QTest::newRow("barcodes only") << "yalniz_barkod.ftr";
    }
    void ornekler_bayt_bayt_ayni() {
        QFETCH(QString, ad);
        const QByteArray bayt = dosya(ad);
        QVERIFY(!bayt.isEmpty());
        TasarimBelgesi b;
        const auto h = Tasarim_Coz(bayt, b);
        QVERIFY2(!h, h ? qPrintable(h->neden) : "");
        QCOMPARE(Tasarim_Metni(b), bayt);
    }

    void lazer_ornegi_degerleri() {
        TasarimBelgesi b;
        QVERIFY(!Tasarim_Coz(dosya(QStringLiteral("lazer_tam.ftr")), b));
        QCOMPARE(b.Tip, quint8(1));
        QCOMPARE(b.Etiket_Boy, 37.0f);
        QCOMPARE(b.Etiket_Genislik, 70.0f);
        QCOMPARE(b.Etiket_Yatay, 2.5f);
        QCOMPARE(b.Etiket_Dikey, 0.5f);
        QCOMPARE(b.Barkod_Sayisi(), 2);
        QCOMPARE(b.Nesne_Sayisi(), 9);
        QCOMPARE(b.Barkodlar[2].Orientation, qint16(900));
        QCOMPARE(b.Barkodlar[2].ForeColor, Varsayilan_Yazi_Rengi);
        QCOMPARE(b.Barkodlar[2].FontUnderline, true);
        QCOMPARE(b.Barkodlar[2].FontBold, true);
        QCOMPARE(b.Barkodlar[2].FontSize, 7.5f);
        QCOMPARE(b.Nesneler[2].Tag, QStringLiteral("F_#,##0.00"));
        QCOMPARE(b.Nesneler[4].Caption, QStringLiteral("Yazıyla"));
        QCOMPARE(b.Nesneler[6].Caption, QStringLiteral("Kampanya İndirimi"));
        QCOMPARE(b.Nesneler[6].Escapement, qint16(90));
        QCOMPARE(b.Nesneler[6].FontStrikethru, true);
        QCOMPARE(b.Nesneler[7].Width, 1234.5f);
        QCOMPARE(b.Nesneler[8].Tur, QStringLiteral("Y"));
        QCOMPARE(b.Nesneler[8].Height, 0.25f);
        QCOMPARE(b.Detaylar[1], (DetayKaydi{true, 2097.5f, 3968.5f}));
        QCOMPARE(b.Sol_Bosluk, 360);
        QCOMPARE(b.Ust_Bosluk, 720);
        QCOMPARE(b.Yazici_Durum, QStringLiteral("1"));
        QCOMPARE(b.Kagit_Boyutu, 9.0f);
    }

    void yazicisiz_eski_dosya() {
        TasarimBelgesi b;
        b.Tip = 1;
        b.Etiket_Boy = 11;
        QVERIFY(!Tasarim_Coz(dosya(QStringLiteral("eski_yazicisiz.ftr")), b));
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
        QCOMPARE(b.Yazici_Durum, QStringLiteral("2"));
    }

    void eksik_isaret_onceki_degeri_birakir() {
        TasarimBelgesi b;
        b.Nesneler.append(yazi(QStringLiteral("eski")));
        b.Sol_Bosluk = 99;
        // No "Nesneler_" section: the marker test reads "Detaylar_" instead and fails, and
        // every later test is one line off, so the rest keeps its previous values.
        const QByteArray m = satirlar(QStringLiteral(
            "Tip_| 0 |Barkod_|0|Detaylar_|True;10;20;|Sol_Bosluk_| 5 |Sag_Bosluk_| 0 |Ust_Bosluk_| "
            "0 |Alt_Bosluk_| 0 |Yazici_Durum_| 1 |Kagit_Boyutu_| 9 |<end>"));
        const auto h = Tasarim_Coz(m, b);
        QVERIFY2(!h, h ? qPrintable(h->neden) : "");
        QCOMPARE(b.Nesne_Sayisi(), 1);
        QCOMPARE(b.Nesneler[1].Caption, QStringLiteral("eski"));
        QCOMPARE(b.Barkod_Sayisi(), 0);
    }

    void bozuk_dosyalar_data() {
        QTest::addColumn<QByteArray>("bayt");
        QTest::addColumn<int>("satir");
        const QStringList iyi =
            QStringLiteral(
                "Tip_| 0 "
                "|Barkod_|0|Nesneler_|1|0;Ad;10;0;1;A;2;Arial;False;False;False;False;8;0;3;0;;0;|"
                "Detaylar_|True;10;20;|Sol_Bosluk_| 0 |Sag_Bosluk_| 0 |Ust_Bosluk_| 0 "
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
        QTest::newRow("ends inside records") << satirlar(iyi.mid(0, 6)) << 7;
        QTest::newRow("count not a number") << degistir(5, "bir") << 6;
        QTest::newRow("negative count") << degistir(5, "-1") << 6;
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
    }
    void bozuk_dosyalar() {
        QFETCH(QByteArray, bayt);
        QFETCH(int, satir);
        TasarimBelgesi b;
        b.Tip = 1;
        b.Etiket_Boy = 42;
        b.Nesneler.append(yazi(QStringLiteral("önceki")));
        const TasarimBelgesi once = b;
        const auto h = Tasarim_Coz(bayt, b);
        QVERIFY(h.has_value());
        QCOMPARE(h->satir, satir);
        QVERIFY(!h->neden.isEmpty());
        QVERIFY(b == once); // nothing half-loaded
    }

    void her_kesik_dosya_hata_verir() {
        // Every proper prefix (at line ends) of a good file is refused, never crashes.
        const QByteArray bayt = dosya(QStringLiteral("lazer_tam.ftr"));
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

    void rastgele_belgeler_geri_okunur() {
        QRandomGenerator r(20261205);
        for (int i = 0; i < 300; ++i) {
            const TasarimBelgesi b = rastgeleBelge(r);
            const QByteArray m = Tasarim_Metni(b);
            TasarimBelgesi okunan;
            const auto h = Tasarim_Coz(m, okunan);
            QVERIFY2(!h, h ? qPrintable(h->neden + QString::fromLatin1(m)) : "");
            if (!(okunan == b)) {
                QCOMPARE(Tasarim_Metni(okunan), m);
                QFAIL(qPrintable(QStringLiteral("belge %1 farklı okundu").arg(i)));
            }
            QCOMPARE(Tasarim_Metni(okunan), m);
        }
    }

    void dosya_yazma_ve_okuma() {
        QTemporaryDir klasor;
        TasarimBelgesi b;
        b.Nesneler.append(yazi(QStringLiteral("Raf")));
        QVERIFY(!Tasarim_Dosyasi_Yaz(klasor.path(), QStringLiteral("Raf Etiketi"), b));
        const QString yol = Tasarim_Yolu(klasor.path(), QStringLiteral("Raf Etiketi"));
        QVERIFY(QFileInfo::exists(yol));
        TasarimBelgesi okunan;
        QVERIFY(!Tasarim_Dosyasi_Oku(yol, okunan));
        QVERIFY(okunan == b);
        // Only the design file is left in the folder: no temporary files.
        QCOMPARE(QDir(klasor.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        const auto eksik = Tasarim_Dosyasi_Oku(klasor.filePath(QStringLiteral("yok.ftr")), okunan);
        QVERIFY(eksik && eksik->contains(QStringLiteral("yok.ftr")));
        const auto klasorYok =
            Tasarim_Dosyasi_Yaz(klasor.filePath(QStringLiteral("yok")), QStringLiteral("x"), b);
        QVERIFY(klasorYok && klasorYok->contains(QStringLiteral("klasörü bulunamadı")));

        QFile bozuk(klasor.filePath(QStringLiteral("bozuk.ftr")));
        QVERIFY(bozuk.open(QIODevice::WriteOnly));
        bozuk.write("Tip_\r\n 0 \r\nBarkod_\r\niki\r\n");
        bozuk.close();
        const TasarimBelgesi once = okunan;
        const auto h = Tasarim_Dosyasi_Oku(bozuk.fileName(), okunan);
        QVERIFY(h);
        QVERIFY(h->contains(QStringLiteral("bozuk.ftr")));
        QVERIFY(h->contains(QStringLiteral("satır 4")));
        QVERIFY(okunan == once);
    }

    void gecersiz_adlar_data() {
        QTest::addColumn<QString>("ad");
        QTest::newRow("empty") << "";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("nul") << QString(QStringLiteral("a")) + QChar(0);
        QTest::newRow("newline") << "a\nb";
    }
    void gecersiz_adlar() {
        QFETCH(QString, ad);
        QTemporaryDir klasor;
        QVERIFY(Tasarim_Adi_Hatasi(ad).has_value());
        QVERIFY(Tasarim_Dosyasi_Yaz(klasor.path(), ad, TasarimBelgesi()).has_value());
        QVERIFY(
            QDir(klasor.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(!Tasarim_Adi_Hatasi(QStringLiteral("Şarküteri Rafı 2")).has_value());
    }

    void kodlama() {
        const QString t = QStringLiteral("ĞÜŞİÖÇğüşıöç €");
        QCOMPARE(Cp1254_Kodla(t),
                 QByteArray("\xD0\xDC\xDE\xDD\xD6\xC7\xF0\xFC\xFE\xFD\xF6\xE7 \x80"));
        QCOMPARE(Cp1254_Coz(Cp1254_Kodla(t)), t);
        QCOMPARE(Cp1254_Kodla(QStringLiteral("a漢b")), QByteArray("a?b"));
    }
};

QTEST_GUILESS_MAIN(TstTasarimDosyasi)
#include "tst_tasarimdosyasi.moc"
