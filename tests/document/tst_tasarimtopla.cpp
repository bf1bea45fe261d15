#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "document/TasarimDegiskenleri.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"
#include "startup/Degiskenler.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
        k.ozellik.FontName = u"Arial"_s;
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
        Turkce_Ayiraclar();
        Degiskenler::Tasarim_Klasoru = klasor_.path();
        Degiskenler::Belge = TasarimBelgesi();
        Degiskenler::Kayit_Iptal = false;
    }

    void toplama_kurallari() {
        SahteYuzey y;
        y.ekle(u"Etiket"_s, u"Sabit"_s).ozellik.Tag = u"  PR_Kampanya  "_s;
        y.ekle(u"Alan"_s, u"Stok_Adi"_s).ozellik.Escapement = 45;
        y.ekle(u"Secims"_s, QString());                   // selection handle
        y.ekle(u"Rehber_Dikey"_s, QString());             // guide
        y.ekle(u"Rehber_Yatay"_s, QString());             // guide
        y.ekle(u"ZKOD"_s, QString());                     // barcode control
        y.ekle(u"Alan"_s, u"Silinmiş"_s, "Bolum", false); // deleted
        y.ekle(u"AlanLbl"_s, u"x"_s, u"UstPanel"_s);
        auto &cizgi = y.ekle(u"Yatay_Cizgi"_s, QString());
        cizgi.ozellik.Escapement = 30; // whatever the control holds, lines keep 0
        cizgi.kapsayici_no = 1;
        y.ekle(u"Dikey_Cizgi"_s, QString());
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
        QCOMPARE(b.Nesneler[1].Tur, u"E"_s);
        QCOMPARE(b.Nesneler[1].Tag, u"PR_Kampanya"_s);
        QCOMPARE(b.Nesneler[2].Tur, u"A"_s);
        QCOMPARE(b.Nesneler[2].Escapement, qint16(45));
        QCOMPARE(b.Nesneler[3].Tur, u"Y"_s);
        QCOMPARE(b.Nesneler[3].Escapement, qint16(0));
        QCOMPARE(b.Nesneler[3].Bolum_No, qint16(1));
        QCOMPARE(b.Nesneler[4].Tur, u"D"_s);
        QCOMPARE(b.Barkod_Sayisi(), 2);
        QCOMPARE(b.Barkodlar[2].Orientation, qint16(1800));
        QCOMPARE(b.Barkodlar[2].Bolum_No, qint16(2));
        QCOMPARE(b.Detaylar[1], (DetayKaydi{true, 2100, 3970}));
        // Margins are rounded half to even.
        QCOMPARE(b.Sol_Bosluk, 2);
        QCOMPARE(b.Sag_Bosluk, 4);
        QCOMPARE(b.Ust_Bosluk, 1440);
        QCOMPARE(b.Alt_Bosluk, 0);
        QCOMPARE(b.Yazici_Durum, u"2"_s);
        QCOMPARE(b.Kagit_Boyutu, 11.0f);
    }

    void bos_tasarim_kaydedilmez() {
        SahteYuzey y;
        y.ekle(u"Alan"_s, u"gizli"_s, "Bolum", false);
        y.ekle(u"Secims"_s, QString());
        TasarimYuzeyi::Barkod gizli;
        gizli.gorunur = false;
        y.barkodlar.append(gizli);
        Degiskenler::Belge.Nesneler.append(NesneKaydi());
        const TasarimBelgesi once = Degiskenler::Belge;
        Degiskenler::Tasarim_Adi = u"Bos"_s;

        SahteMesaj kutu;
        QVERIFY(!Tasarim_Yaz(y, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin, u"Tasarımı boş olarak kaydedemezsiniz."_s);
        QCOMPARE(kutu.kutular[0].simge, MesajKutusu::Simge::Bilgi);
        QCOMPARE(kutu.kutular[0].baslik, u"Varnel 1.0"_s);
        QVERIFY(Degiskenler::Kayit_Iptal);
        QVERIFY(Degiskenler::Belge == once);
        QVERIFY(!QFileInfo::exists(Tasarim_Yolu(klasor_.path(), u"Bos"_s)));
    }

    void kaydet_ve_geri_oku() {
        SahteYuzey y;
        y.ekle(u"Alan"_s, u"  Fiyat1  "_s).ozellik.Tag = u"F_#,##0.00"_s;
        Degiskenler::Tasarim_Adi = u"Fiyat Etiketi"_s;
        SahteMesaj kutu;
        QVERIFY(Tasarim_Yaz(y, kutu));
        QCOMPARE(y.duzenleyici_kapatildi, 1);
        const TasarimBelgesi yazilan = Degiskenler::Belge;
        Degiskenler::Belge = TasarimBelgesi();
        QVERIFY(Tasarim_Oku(kutu));
        QVERIFY(kutu.kutular.isEmpty());
        QCOMPARE(Degiskenler::Belge.Nesneler[1].Caption, u"Fiyat1"_s); // trimmed
        QCOMPARE(Degiskenler::Belge.Nesne_Sayisi(), yazilan.Nesne_Sayisi());

        Degiskenler::Tasarim_Adi = u"Olmayan"_s;
        QVERIFY(!Tasarim_Oku(kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QVERIFY(kutu.kutular[0].metin.contains(u"Olmayan.ftr"_s));
    }

    void farkli_kaydet() {
        SahteYuzey y;
        y.ekle(u"Etiket"_s, u"Yeni"_s);
        Degiskenler::Tasarim_Adi = u"Eski Ad"_s;
        const QString yol = Tasarim_Yolu(klasor_.path(), u"Var Olan"_s);
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
        QCOMPARE(kutu.girdiler[0].istem, u"Lütfen Tasarım Adını Giriniz."_s);

        // An existing name asks once; No leaves the file and the name alone.
        kutu.girdi_cevaplari.enqueue(u"Var Olan"_s);
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
        QVERIFY(!FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin,
                 u"Bu isimle kayıtlı bir tasarım vardır.Üzerine yazılsın mı?"_s);
        QCOMPARE(kutu.kutular[0].baslik, u"Dikkat"_s);
        QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::EvetHayir);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("eski icerik"));
        f.close();
        QCOMPARE(Degiskenler::Tasarim_Adi, u"Eski Ad"_s);

        // Yes overwrites.
        kutu.girdi_cevaplari.enqueue(u"Var Olan"_s);
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Evet);
        QVERIFY(FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(Degiskenler::Tasarim_Adi, u"Var Olan"_s);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("Tip_\r\n"));
        f.close();

        // A name the file system refuses is refused before anything is written.
        kutu.kutular.clear();
        kutu.girdi_cevaplari.enqueue(u"raf/ikinci"_s);
        QVERIFY(!FarkliKaydet_Btn_Click(y, kutu));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(Degiskenler::Tasarim_Adi, u"Var Olan"_s);
    }
};

QTEST_GUILESS_MAIN(TstTasarimTopla)
#include "tst_tasarimtopla.moc"
