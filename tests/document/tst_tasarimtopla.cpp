#include "common/SahteMesaj.h"
#include "document/TasarimDegiskenleri.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"
#include "startup/Degiskenler.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

class SahteYuzey : public TasarimYuzeyi {
public:
    QList<Kontrol> kontroller;
    QList<Barkod> barkodlar;
    DetayKaydi bolum0{true, 2100, 3970};
    Sayfa sayfa;
    int duzenleyici_kapatildi = 0;

    QList<Kontrol> Kontroller() const override { return kontroller; }
    QList<Barkod> Barkodlar() const override { return barkodlar; }
    DetayKaydi Etiket_Alani() const override { return bolum0; }
    Sayfa Sayfa_Ayari() const override { return sayfa; }
    void Duzenleyiciyi_Kapat() override { ++duzenleyici_kapatildi; }

    Kontrol &ekle(const QString &ad, const QString &caption, const QString &kapsayici = "Bolum",
                  bool gorunur = true) {
        Kontrol k;
        k.ad = ad;
        k.kapsayici = kapsayici;
        k.gorunur = gorunur;
        k.ozellik.Caption = caption;
        k.ozellik.FontName = QStringLiteral("Arial");
        k.ozellik.FontSize = 8;
        k.ozellik.Width = 20;
        k.ozellik.Height = 5;
        kontroller.append(k);
        return kontroller.last();
    }
};

} // namespace

class TstTasarimTopla : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:
    void init() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
        Degiskenler::Tasarim_Klasoru = klasor_.path();
        Degiskenler::Belge = TasarimBelgesi();
        Degiskenler::Kayit_Iptal = false;
    }

    void toplama_kurallari() {
        SahteYuzey y;
        y.ekle(QStringLiteral("Etiket"), QStringLiteral("Sabit")).ozellik.Tag =
            QStringLiteral("  PR_Kampanya  ");
        y.ekle(QStringLiteral("Alan"), QStringLiteral("Stok_Adi")).ozellik.Escapement = 45;
        y.ekle(QStringLiteral("Secims"), QString());       // selection handle
        y.ekle(QStringLiteral("Rehber_Dikey"), QString()); // guide
        y.ekle(QStringLiteral("Rehber_Yatay"), QString()); // guide
        y.ekle(QStringLiteral("ZKOD"), QString());         // barcode control
        y.ekle(QStringLiteral("Alan"), QStringLiteral("Silinmiş"), "Bolum", false); // deleted
        y.ekle(QStringLiteral("AlanLbl"), QStringLiteral("x"), QStringLiteral("UstPanel"));
        auto &cizgi = y.ekle(QStringLiteral("Yatay_Cizgi"), QString());
        cizgi.ozellik.Escapement = 30; // whatever the control holds, lines keep 0
        cizgi.kapsayici_no = 1;
        y.ekle(QStringLiteral("Dikey_Cizgi"), QString());
        for (int i = 0; i < 3; ++i) {
            TasarimYuzeyi::Barkod b;
            b.gorunur = i != 1;
            b.ozellik.Orientation = qint16(900 * i);
            b.kapsayici_no = qint16(i);
            y.barkodlar.append(b);
        }
        y.sayfa = {2.5, 3.5, 1440.4, -0.5, 2, 11};

        SahteMesaj kutu;
        TasarimBelgesi b;
        Tasarim_Topla(y, b, kutu);
        QVERIFY(kutu.kutular.isEmpty());
        QCOMPARE(b.Nesne_Sayisi(), 4);
        QCOMPARE(b.Nesneler[1].Tur, QStringLiteral("E"));
        QCOMPARE(b.Nesneler[1].Tag, QStringLiteral("PR_Kampanya"));
        QCOMPARE(b.Nesneler[2].Tur, QStringLiteral("A"));
        QCOMPARE(b.Nesneler[2].Escapement, qint16(45));
        QCOMPARE(b.Nesneler[3].Tur, QStringLiteral("Y"));
        QCOMPARE(b.Nesneler[3].Escapement, qint16(0));
        QCOMPARE(b.Nesneler[3].Bolum_No, qint16(1));
        QCOMPARE(b.Nesneler[4].Tur, QStringLiteral("D"));
        QCOMPARE(b.Barkod_Sayisi(), 2);
        QCOMPARE(b.Barkodlar[2].Orientation, qint16(1800));
        QCOMPARE(b.Barkodlar[2].Bolum_No, qint16(2));
        QCOMPARE(b.Detaylar[1], (DetayKaydi{true, 2100, 3970}));
        // Margins are rounded half to even.
        QCOMPARE(b.Sol_Bosluk, 2);
        QCOMPARE(b.Sag_Bosluk, 4);
        QCOMPARE(b.Ust_Bosluk, 1440);
        QCOMPARE(b.Alt_Bosluk, 0);
        QCOMPARE(b.Yazici_Durum, QStringLiteral("2"));
        QCOMPARE(b.Kagit_Boyutu, 11.0f);
    }

    void bos_tasarim_kaydedilmez() {
        SahteYuzey y;
        y.ekle(QStringLiteral("Alan"), QStringLiteral("gizli"), "Bolum", false);
        y.ekle(QStringLiteral("Secims"), QString());
        TasarimYuzeyi::Barkod gizli;
        gizli.gorunur = false;
        y.barkodlar.append(gizli);
        Degiskenler::Belge.Nesneler.append(NesneKaydi());
        const TasarimBelgesi once = Degiskenler::Belge;
        Degiskenler::Tasarim_Adi = QStringLiteral("Bos");

        SahteMesaj kutu;
        QVERIFY(!Tasarim_Yaz(y, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin, QStringLiteral("Tasarımı boş olarak kaydedemezsiniz."));
        QCOMPARE(kutu.kutular[0].simge, MesajKutusu::Simge::Bilgi);
        QCOMPARE(kutu.kutular[0].baslik, QStringLiteral("Varnel 1.0"));
        QVERIFY(Degiskenler::Kayit_Iptal);
        QVERIFY(Degiskenler::Belge == once);
        QVERIFY(!QFileInfo::exists(Tasarim_Yolu(klasor_.path(), QStringLiteral("Bos"))));
    }

    void kaydet_ve_geri_oku() {
        SahteYuzey y;
        y.ekle(QStringLiteral("Alan"), QStringLiteral("  Fiyat1  ")).ozellik.Tag =
            QStringLiteral("F_#,##0.00");
        Degiskenler::Tasarim_Adi = QStringLiteral("Fiyat Etiketi");
        SahteMesaj kutu;
        QVERIFY(Tasarim_Yaz(y, kutu));
        QCOMPARE(y.duzenleyici_kapatildi, 1);
        const TasarimBelgesi yazilan = Degiskenler::Belge;
        Degiskenler::Belge = TasarimBelgesi();
        QVERIFY(Tasarim_Oku(kutu));
        QVERIFY(kutu.kutular.isEmpty());
        QCOMPARE(Degiskenler::Belge.Nesneler[1].Caption, QStringLiteral("Fiyat1")); // trimmed
        QCOMPARE(Degiskenler::Belge.Nesne_Sayisi(), yazilan.Nesne_Sayisi());

        Degiskenler::Tasarim_Adi = QStringLiteral("Olmayan");
        QVERIFY(!Tasarim_Oku(kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QVERIFY(kutu.kutular[0].metin.contains(QStringLiteral("Olmayan.ftr")));
    }

    void farkli_kaydet() {
        SahteYuzey y;
        y.ekle(QStringLiteral("Etiket"), QStringLiteral("Yeni"));
        Degiskenler::Tasarim_Adi = QStringLiteral("Eski Ad");
        const QString yol = Tasarim_Yolu(klasor_.path(), QStringLiteral("Var Olan"));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("eski icerik");
        f.close();

        // Cancelled and empty names end the command.
        SahteMesaj kutu;
        kutu.girdi_cevaplari.enqueue(std::nullopt);
        QVERIFY(!FarkliKaydet_Btn_Click(y, kutu));
        kutu.girdi_cevaplari.enqueue(QString());
        QVERIFY(!FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(kutu.girdiler[0].istem, QStringLiteral("Lütfen Tasarım Adını Giriniz."));

        // An existing name asks once; No leaves the file and the name alone.
        kutu.girdi_cevaplari.enqueue(QStringLiteral("Var Olan"));
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
        QVERIFY(!FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin,
                 QStringLiteral("Bu isimle kayıtlı bir tasarım vardır.Üzerine yazılsın mı?"));
        QCOMPARE(kutu.kutular[0].baslik, QStringLiteral("Dikkat"));
        QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::EvetHayir);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("eski icerik"));
        f.close();
        QCOMPARE(Degiskenler::Tasarim_Adi, QStringLiteral("Eski Ad"));

        // Yes overwrites.
        kutu.girdi_cevaplari.enqueue(QStringLiteral("Var Olan"));
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Evet);
        QVERIFY(FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(Degiskenler::Tasarim_Adi, QStringLiteral("Var Olan"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("Tip_\r\n"));
        f.close();

        // A name the file system refuses is refused before anything is written.
        kutu.kutular.clear();
        kutu.girdi_cevaplari.enqueue(QStringLiteral("raf/ikinci"));
        QVERIFY(!FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(Degiskenler::Tasarim_Adi, QStringLiteral("Var Olan"));
    }
};

QTEST_GUILESS_MAIN(TstTasarimTopla)
#include "tst_tasarimtopla.moc"
