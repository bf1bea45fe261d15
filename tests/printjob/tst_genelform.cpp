#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "core/SayiMetni.h"
#include "database/KayitKumesi.h"
#include "database/VeriBaglantisi.h"
#include "designer/TasarimModeli.h"
#include "designer/TasarimYukle.h"
#include "dialogs/EtiketSayfasi.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"
#include "layout/RaporMotoru.h"
#include "printjob/GenelForm.h"
#include "startup/Baslangic.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

NesneKaydi alan(const QString &caption, const QString &tag = {}, const QString &tur = u"A"_s) {
    NesneKaydi n;
    n.Caption = caption, n.Tag = tag, n.Tur = tur;
    n.Left = 2, n.Top = 2, n.Width = 30, n.Height = 5, n.FontName = u"Arial"_s, n.FontSize = 8;
    return n;
}

} // namespace

// The label report in process: work table, layout and per-label values.
class TstGenelForm : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    IkiMotor vt_;
    Oturum o_;
    BaskiIsi is_;

    QStringList isTablosu() {
        KayitKumesi rs;
        rs.Open(*o_.Baglanti, u"SELECT ID FROM BARKODID"_s);
        QStringList s;
        for (; !rs.EOF_(); rs.MoveNext())
            s << rs.Text(u"ID"_s);
        std::sort(s.begin(), s.end());
        return s;
    }

private slots:
    void initTestCase_data() { IkiMotor::Satirlar(); }
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath(u"ayar"_s));
        const QString hata = vt_.Hazirla(klasor_.path());
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
    }
    void init() {
        IKI_MOTOR_SEC(vt_, t);
        SahteMesaj kutu;
        Baslangic_Sonucu s = Main(kutu, t.Satir(u"STOKKART.Stok_ID IN (7,5)"_s, 2));
        QVERIFY(s.devam);
        o_ = std::move(s.oturum);
        is_ = BaskiIsi();
    }
    void cleanup() { o_ = {}; }

    void kilit_beklenirse_vazgecer() {
        QFETCH_GLOBAL(QString, motor);
        if (motor != u"sqlite")
            QSKIP("SQLite yazma kilidiyle sınanır");
        // Another run holds the work table: this one waits, gives up and touches nothing.
        TestBaglantisi diger(vt_.sqlite);
        QVERIFY(diger.Calistir(u"BEGIN IMMEDIATE"_s));
        QVERIFY(diger.Calistir(u"INSERT INTO BARKODID (ID) VALUES (42)"_s));
        SahteMesaj kutu;
        GenelForm form(kutu, o_, is_);
        form.Yazici_Gerekli = false;
        form.Kilit_Bekleme = 1;
        RaporMotoru rapor(form);
        const Hata h = rapor.Baslat();
        QVERIFY(h && h->contains(u"Başka bir basım"_s));
        RaporSayfasi s;
        QVERIFY(!rapor.Sonraki_Sayfa(s));
        rapor.Bitir();
        QCOMPARE(diger.Deger(u"SELECT count(*) FROM BARKODID"_s).toInt(), 1); // the other run's
        QVERIFY(diger.Calistir(u"ROLLBACK"_s));
    }

    void baslangic_ve_adet() {
        // Start label, copies and the work table's rows: the start does not matter here.
        const struct {
            int baslangic, adet;
            QStringList satirlar;
        } tablo[] = {{1, 1, {"5", "7"}},
                     {0, 1, {"5", "7"}},
                     {-2, 1, {"5", "7"}},
                     {2, 0, {"0"}},
                     {1, 3, {"5", "5", "5", "7", "7", "7"}}};
        for (const auto &[baslangic, adet, satirlar] : tablo) {
            is_.Baslangic_Etiketi = qint16(baslangic);
            is_.Etiket_Adedi = qint16(adet);
            SahteMesaj kutu;
            GenelForm form(kutu, o_, is_);
            form.Yazici_Gerekli = false;
            RaporMotoru motor(form);
            QVERIFY(!motor.Baslat());
            QCOMPARE(isTablosu(), satirlar);
            motor.Bitir();
            QVERIFY(isTablosu().isEmpty());
        }
    }

    void sutun_sayisi_yarim_cifte() {
        // 40 mm labels with a 3 mm gap: 2438 twips a column; 6095 twips of width is 2.5 columns.
        TasarimBelgesi &d = is_.Belge;
        d.Tip = 1;
        d.Etiket_Genislik = 40, d.Etiket_Yatay = 3, d.Etiket_Boy = 20, d.Etiket_Dikey = 1;
        d.Kagit_Boyutu = 256;
        d.Detaylar[1] = {true, 16000, 6095};
        SahteMesaj kutu;
        GenelForm form(kutu, o_, is_);
        form.Bolum_Duzenle();
        QCOMPARE(form.PrintWidth, 6095.0);
        QCOMPARE(form.Detail.ColumnCount, qint16(2));
        QCOMPARE(form.Detail.ColumnSpacing, 170.0); // Mm_Twip(3)
        QCOMPARE(form.Detail.Height, 1190.0);       // Mm_Twip(21)
        d.Detaylar[1].Width = 6096;
        GenelForm genis(kutu, o_, is_);
        genis.Bolum_Duzenle();
        QCOMPARE(genis.Detail.ColumnCount, qint16(3));
        // A barcode printer's label fills the printable page.
        d.Tip = 0;
        d.Ust_Bosluk = 100;
        GenelForm yazici(kutu, o_, is_);
        yazici.Bolum_Duzenle();
        QCOMPARE(yazici.Detail.ColumnCount, qint16(1));
        QCOMPARE(yazici.Detail.Height, 15900.0);
        QVERIFY(!yazici.PageHeader.Visible && !yazici.PageFooter.Visible);
    }

    void katalog_sayfalari() {
        // Every catalogue sheet, applied through the label dialog's rule to a new
        // laser design and to the demo A4 design, lays out exactly its columns × rows
        // on a page.
        IKI_MOTOR_SEC(vt_, t);
        if (motor != u"sqlite")
            QSKIP("yerleşim motordan bağımsız");
        SahteMesaj kutu;
        Baslangic_Sonucu bs = Main(kutu, t.Satir(u"STOKKART.Stok_ID>0"_s, 2));
        QVERIFY(bs.devam);
        o_ = std::move(bs.oturum);
        is_.Etiket_Adedi = 2; // 84 labels
        TasarimBelgesi demo;
        QVERIFY(!Tasarim_Dosyasi_Oku(Kaynak_Yolu(u"data/designs/A4 Etiket 3x8.ftr"_s), demo));
        const QList<EtiketKagidi> kagitlar = Etiket_Kagitlari();
        QCOMPARE(kagitlar.size(), 20);
        for (const EtiketKagidi &k : kagitlar) {
            for (const bool yeni : {true, false}) {
                const Satir_Izi iz(k.Ad(o_.ayirac) + (yeni ? u" yeni"_s : u" demo"_s));
                TasarimModeli m;
                Tasarim_Ac(m, demo, yeni);
                TasarimModeli::Ayarlar a = m.Ayar;
                a.Tip = 1;
                m.Ayar_Degistir(a, u"Yazıcı Türü"_s);
                const auto sonuc = Etiket_Ayari(
                    m.Ayar,
                    {Tek_Metni(float(k.boy), o_.ayirac), Tek_Metni(float(k.en), o_.ayirac),
                     Tek_Metni(float(k.yatay), o_.ayirac), Tek_Metni(float(k.dikey), o_.ayirac)},
                    k, o_.ayirac);
                QVERIFY(std::holds_alternative<TasarimModeli::Ayarlar>(sonuc));
                m.Ayar_Degistir(std::get<TasarimModeli::Ayarlar>(sonuc), u"Etiket Ayarları"_s);
                if (!yeni || m.Toplam() == 0)
                    m.Nesne_Ekle("Etiket");
                is_.Belge = m.Belge();
                GenelForm form(kutu, o_, is_);
                form.Yazici_Gerekli = false;
                RaporMotoru r(form);
                const Hata h = r.Baslat();
                QVERIFY2(!h, qPrintable(*h));
                RaporSayfasi s;
                QVERIFY(r.Sonraki_Sayfa(s));
                QCOMPARE(r.Son_Bantlar().size(), qsizetype(k.sutun * k.satir));
                QCOMPARE(form.Detail.ColumnCount, qint16(k.sutun));
                // Reopened, the dialog names the sheet again.
                QCOMPARE(Katalog_Kagidi(m.Ayar), std::optional(k));
            }
        }
    }

    void parametre_bir_kez_sorulur() {
        TasarimBelgesi &d = is_.Belge;
        d.Nesneler.append(alan(u"Parametre"_s, u"PR_Raf"_s, u"E"_s));
        d.Nesneler.append(alan(u"Parametre"_s, u"PR_raf"_s, u"E"_s));
        d.Nesneler.append(alan(u"Parametre"_s, u"PR_Raf"_s, u"E"_s));
        SahteMesaj kutu;
        kutu.girdi_cevaplari.enqueue(u"A-12"_s);
        kutu.girdi_cevaplari.enqueue(std::nullopt); // cancelled: empty text
        GenelForm form(kutu, o_, is_);
        form.Duzenle();
        QCOMPARE(kutu.girdiler.size(), 2); // names differing in case are different
        QCOMPARE(kutu.girdiler[0].istem, u"Raf Parametresinin Basım İçinOlan Değerini Giriniz"_s);
        QCOMPARE(kutu.girdiler[0].baslik, QString());
        // The answers print; the design keeps its own captions.
        QStringList basilan;
        for (int i = 0; i < form.Detail.Count(); ++i)
            if (const auto *e = dynamic_cast<const RaporEtiketi *>(form.Detail.Item(i)))
                basilan << e->caption;
        QCOMPARE(basilan, (QStringList{"A-12", "", "A-12"}));
        QCOMPARE(d.Nesneler[1].Caption, u"Parametre"_s);
    }

    void sabit_ve_degisen_ogeler() {
        TasarimBelgesi &d = is_.Belge;
        d.Nesneler.append(alan(u"Fiyat1"_s, u"F_#,##0.00"_s));
        d.Nesneler.append(alan(u"Tarih"_s, u"O_Tarihdd.mm.yyyy"_s));
        d.Nesneler.append(alan(u"Firma_Kod"_s, u"O_Firma_Kod"_s));
        d.Nesneler.append(alan(u"Firma_Ad"_s, u"O_Firma_Ad "_s));
        d.Nesneler.append(alan(u"Stok_Kodu"_s));
        d.Nesneler.append(alan(u"Sabit yazı"_s, u"#,##0"_s, u"E"_s)); // no pattern in the report
        d.Nesneler.append(alan(QString(), QString(), u"Y"_s));
        NesneKaydi baska = alan(u"Bölüm 1"_s);
        baska.Bolum_No = 1;
        d.Nesneler.append(baska);
        d.Nesneler.append(alan(u"x"_s, QString(), u"Q"_s));
        is_.Parametre_Degerleri = {{u"Raf"_s, u"A-12"_s}}; // given: not asked
        d.Nesneler.append(alan(u"Raf"_s, u"PR_Raf"_s, u"E"_s));
        SahteMesaj kutu;
        GenelForm form(kutu, o_, is_);
        form.Duzenle();
        QVERIFY(kutu.girdiler.isEmpty());
        QCOMPARE(form.Detail.Count(), 3 + 8); // three hidden text boxes, eight elements
        QStringList basliklar;
        for (int i = 3; i < form.Detail.Count(); ++i)
            basliklar << static_cast<RaporEtiketi *>(form.Detail.Item(i))->caption;
        // Fields, prices and dated patterns are filled at every label.
        QCOMPARE(basliklar, (QStringList{"", "", o_.Veritabani_Adi, o_.Firma_Unvani, "",
                                         "Sabit yazı", "", "A-12"}));
        QCOMPARE(static_cast<RaporEtiketi *>(form.Detail.Item(9))->BackStyle, 1); // a line
    }
};

QTEST_MAIN(TstGenelForm)
#include "tst_genelform.moc"
