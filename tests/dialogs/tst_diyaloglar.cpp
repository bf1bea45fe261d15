#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/Program.h"
#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "core/Birimler.h"
#include "designer/TasarimModeli.h"
#include "designer/TasarimYukle.h"
#include "dialogs/CiktiFormati.h"
#include "dialogs/EtiketSayfasi.h"
#include "dialogs/TasarimSecimi.h"
#include "dialogs/pencere/BarKodOzFrm.h"
#include "dialogs/pencere/EtiketFormatFRM.h"
#include "dialogs/pencere/FormTasarimGiris.h"
#include "dialogs/pencere/OutPutFormatFrm.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimTopla.h"
#include "printjob/BaskiIsi.h"
#include "startup/Oturum.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A laser-printer design on A4 whose printable area is 11000 x 16000 twips.
void laserTasarim(TasarimModeli &m) {
    TasarimModeli::Ayarlar a = m.Ayar;
    a.Tip = 1;
    a.PageSettings = {453, 453, 419, 419};
    m.Ayar = a;
    m.Bolum_Ayarla({true, 1000, 1000});
    m.Gecmisi_Temizle();
}

QPushButton *dugme(QWidget *w, const char *ad) { return w->findChild<QPushButton *>(ad); }

void yaz(QLineEdit *k, const QString &metin) {
    k->selectAll();
    QTest::keyClick(k, Qt::Key_Backspace);
    QTest::keyClicks(k, metin);
}

QStringList liste(const FormTasarimGiris &f) {
    QStringList s;
    for (int i = 0; i < f.FrmList()->count(); ++i)
        s << f.FrmList()->item(i)->text();
    return s;
}

void sec(FormTasarimGiris &f, const QString &ad) {
    f.FrmList()->setCurrentItem(f.FrmList()->findItems(ad, Qt::MatchExactly).value(0));
}

} // namespace

// The chooser and the settings dialogs, through their controls.
class DiyalogTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath("ayar"));
        // The chooser lists its own folder.
        const QString secici = klasor_.filePath("secici");
        QDir().mkpath(secici);
        for (const char *ad : {"Raf Etiketi.ftr", "A4 Etiket 3x8.ftr", "etiket.v2.ftr"})
            QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/designs/%1")
                            .arg(QString(ad).startsWith("etiket") ? "Raf Etiketi.ftr" : ad),
                        secici + u'/' + ad);
        QFile(secici + "/Baslik.mtr").open(QIODevice::WriteOnly);
        oturum_.Tasarim_Klasoru = secici;
    }
    void listeSilVeAc();
    void hemenBasSorulari();
    void etiketAyarlari();
    void hazirKagitBaskisi();
    void yaziFormati();
    void yaziFormatiPenceresi();
    void barkodOzellikleri();

private:
    QTemporaryDir klasor_;
    Oturum oturum_;
};

void DiyalogTesti::listeSilVeAc() {
    const QDir d(oturum_.Tasarim_Klasoru);
    SahteMesaj kutu;
    FormTasarimGiris f(kutu, oturum_);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(liste(f), (QStringList{"A4 Etiket 3x8", "etiket", "Raf Etiketi"}));
    QCOMPARE(f.FrmList()->accessibleName(), u"Tasarımlar"_s);
    QStringList basliklar;
    for (int i = 1; i <= 5; ++i)
        basliklar << f.Button(i)->text();
    QCOMPARE(basliklar, (QStringList{"Yeni", "Sil", "Değiştir", "Seç", "Vazgeç"}));

    // "etiket" stands for etiket.ftr, which does not exist: nothing is deleted.
    sec(f, "etiket");
    QTest::mouseClick(f.Button(2), Qt::LeftButton);
    QCOMPARE(kutu.metinler(),
             QStringList{"Bu form tasarımını silmek istediğinizden emin misiniz?"});
    QCOMPARE(kutu.kutular[0].baslik, u"Varnel 1.0"_s);
    QVERIFY(d.exists("etiket.v2.ftr"));
    sec(f, "Raf Etiketi");
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
    QTest::mouseClick(f.Button(2), Qt::LeftButton);
    QVERIFY(d.exists("Raf Etiketi.ftr"));
    QFile::copy(d.filePath("Raf Etiketi.ftr"), d.filePath("Kopya.ftr"));
    f.Tasarim_Listesi_Doldur();
    sec(f, "Kopya");
    QTest::mouseClick(f.Button(2), Qt::LeftButton);
    QVERIFY(!d.exists("Kopya.ftr"));
    QCOMPARE(liste(f), (QStringList{"A4 Etiket 3x8", "etiket", "Raf Etiketi"}));

    QSignalSpy ac(&f, &FormTasarimGiris::Tasarim_Ac);
    sec(f, "Raf Etiketi");
    QTest::mouseClick(f.Button(3), Qt::LeftButton);
    QCOMPARE(ac.size(), 1);
    QCOMPARE(ac[0][0].toString(), u"Raf Etiketi"_s);
    QTest::mouseClick(f.Button(1), Qt::LeftButton);
    QCOMPARE(ac.size(), 2);
    QCOMPARE(ac[1][0].toString(), QString()); // a new design
    QSignalSpy vazgec(&f, &FormTasarimGiris::Vazgecildi);
    QTest::mouseClick(f.Button(5), Qt::LeftButton);
    QCOMPARE(vazgec.size(), 1);
}

void DiyalogTesti::hemenBasSorulari() {
    // Each row: fixed count on the start line, the answers, the job made (start,
    // labels per item; nothing: no run) and how many questions were asked.
    struct Satir {
        qint16 sabit;
        QStringList cevaplar;
        std::optional<std::pair<qint16, qint16>> is;
        int soru;
    } const tablo[] = {
        {0, {"abc"}, {}, 1},            // not a number: stops after the first question
        {0, {"3", "0"}, {}, 2},         // count 0: stops
        {0, {"3", "x"}, {}, 2},         // count no number reads as 0
        {0, {"2", "2.5"}, {{2, 2}}, 2}, // a leading number, "." as decimal point
        {4, {"5"}, {{5, 4}}, 1},        // fixed on the start line: only the start is asked
    };
    for (const Satir &s : tablo) {
        SahteMesaj kutu;
        oturum_.Sabit_Etiket_Adedi = s.sabit;
        for (const QString &c : s.cevaplar)
            kutu.girdi_cevaplari.enqueue(c);
        const auto is = Hemen_Bas_Hazirla(u" A4 Etiket 3x8 "_s, oturum_, kutu);
        QCOMPARE(kutu.girdiler.size(), s.soru);
        QCOMPARE(kutu.girdiler[0].istem,
                 u"Kaçıncı Etiketten Başlayarak Basım Yapmak İstiyorsunuz?"_s);
        QCOMPARE(kutu.girdiler[0].baslik, u"Dinamik Barkod"_s);
        QCOMPARE(is.has_value(), s.is.has_value());
        if (is) {
            QCOMPARE(is->Baslangic_Etiketi, s.is->first);
            QCOMPARE(is->Etiket_Adedi, s.is->second);
            QCOMPARE(is->Tasarim_Adi, u"A4 Etiket 3x8"_s);
            QCOMPARE(is->Belge.Tip, quint8(1));
        }
        if (s.soru == 2)
            QCOMPARE(kutu.girdiler[1].varsayilan, u"1"_s);
    }
    // Enter on the list is "Seç": without a connection the report says so.
    oturum_.Sabit_Etiket_Adedi = 4;
    SahteMesaj kutu;
    kutu.girdi_cevaplari.enqueue(u"1"_s);
    FormTasarimGiris f(kutu, oturum_);
    sec(f, "A4 Etiket 3x8");
    f.FrmList()->setFocus();
    QTest::keyClick(f.FrmList(), Qt::Key_Return);
    QCOMPARE(kutu.metinler(), QStringList{u"Veritabanı bağlantısı yok; etiketler basılamıyor."_s});
    oturum_.Sabit_Etiket_Adedi = 0;
}

void DiyalogTesti::etiketAyarlari() {
    QCOMPARE(Sayfa_Basina_Mesaji(Sayfa_Basina(11000, 16000, 2834, 1701)),
             QStringLiteral("Bu Tasarım Sonucu :\rYatayda : 3\r Dikeyde : 9\rOlmak Üzere Sayfa "
                            "Başına 27 Adet Barkod Basımı Yapılacaktır"));
    // Every catalogue sheet counts what the report puts on its page (10 × 29,7 mm fills
    // A4 to the last twip).
    for (const EtiketKagidi &k : Etiket_Kagitlari()) {
        RaporYazicisi a4;
        a4.PaperSize = 9;
        const RaporSayfaAyari r = k.Kenarlar();
        const SayfaBasina s = Sayfa_Basina(a4.PaperWidth() - r.LeftMargin - r.RightMargin,
                                           a4.PaperHeight() - r.TopMargin - r.BottomMargin,
                                           Mm_Twip(k.en), Mm_Twip(k.boy + k.dikey));
        QVERIFY2(s.yatay >= k.sutun && s.dikey == k.satir, qPrintable(k.Ad({})));
    }
    TasarimModeli m;
    laserTasarim(m);
    SahteMesaj kutu;
    // Refusals by the rule (the first bad box), then one through the window: it
    // stays open with that box focused, nothing stored.
    struct {
        QStringList kutular;
        int hatali;
    } const kotuler[] = {
        {{"30", "abc", "0", "0"}, 1},    {{"0", "50", "0", "0"}, 0},
        {{"30", "-2", "0", "0"}, 1},     {{"30", "50", "", "0"}, 2},
        {{"37.5", "50", "0", "0"}, 0}, // "." groups here: not a decimal
        {{"30", "1e3", "0", "0"}, 1},    {{"0,01", "50", "0", "0"}, 0},
        {{"30", "2001", "0", "0"}, 1},   {{"30", "50", "-1", "0"}, 2},
        {{"30", "50", "0", "500,5"}, 3}, {{"1999", "1999", "0", "0"}, Sigmayan_Yerlesim}};
    for (const auto &s : kotuler) {
        const auto sonuc = Etiket_Ayari(m.Ayar, s.kutular, std::nullopt, m.Ayirac);
        QVERIFY2(std::holds_alternative<int>(sonuc) && std::get<int>(sonuc) == s.hatali,
                 qPrintable(s.kutular.join(u' ')));
    }
    {
        QPointer<EtiketFormatFRM> d = new EtiketFormatFRM(m, kutu);
        d->open();
        for (int i = 0; i < 4; ++i)
            yaz(d->Kutu(i), kotuler[0].kutular[i]);
        QTest::mouseClick(dugme(d, "FormatTamam"), Qt::LeftButton);
        QVERIFY(d && d->isVisible());
        QCOMPARE(kutu.metinler().last(), u"Lütfen geçerli bir değer giriniz."_s);
        QCOMPARE(d->focusWidget(), d->Kutu(1));
        for (int i = 0; i < 4; ++i)
            yaz(d->Kutu(i), kotuler[10].kutular[i]);
        QTest::mouseClick(dugme(d, "FormatTamam"), Qt::LeftButton);
        QCOMPARE(kutu.metinler().last(), Sigmiyor_Mesaji);
        QTest::mouseClick(dugme(d, "FormatVazgec"), Qt::LeftButton);
        QTRY_VERIFY(!d);
    }
    QCOMPARE(m.Yigin().count(), 0);

    QPointer<EtiketFormatFRM> d = new EtiketFormatFRM(m, kutu);
    d->open();
    QCOMPARE(d->windowTitle(), u"  Etiket Ayarları"_s);
    QCOMPARE(d->Kutu(0)->accessibleName(), u"Etiket Boyu"_s);
    const QStringList degerler = {"30", "50", "2,5", "1,25"};
    for (int i = 0; i < 4; ++i)
        yaz(d->Kutu(i), degerler[i]);
    QTest::mouseClick(dugme(d, "FormatTamam"), Qt::LeftButton);
    QTRY_VERIFY(!d);
    QCOMPARE(kutu.metinler().last(), Sayfa_Basina_Mesaji({3, 9}));
    QCOMPARE(m.Ayar.Etiket_Yatay, 2.5f);
    QCOMPARE(m.Ayar.Etiket_Dikey, 1.25f);
    QCOMPARE(m.Bolum().Height, float(Mm_Twip(30.0)));
    QCOMPARE(m.Bolum().Width, float(Mm_Twip(50.0)));
    QCOMPARE(m.Yigin().count(), 1);
    m.Geri_Al();
    QCOMPARE(m.Ayar.Etiket_Boy, 0.0f);
    QCOMPARE(m.Bolum().Height, 1000.0f);
}

void DiyalogTesti::hazirKagitBaskisi() {
    const TestVeritabani t = Sqlite_Demo(klasor_.path());
    QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
    TasarimBelgesi belge;
    QVERIFY(!Tasarim_Dosyasi_Oku(QStringLiteral(VARNEL_KAYNAK "/data/designs/A4 Etiket 3x8.ftr"),
                                 belge));
    TasarimModeli m;
    Tasarim_Ac(m, belge);
    SahteMesaj kutu;
    auto *d = new EtiketFormatFRM(m, kutu);
    d->open();
    const QString ad = u"A4 — 2 × 7, 99,1 × 38,1 mm"_s;
    const int i = d->Hazir_Kagit()->findText(ad);
    QVERIFY(i > 0);
    QVERIFY(d->Hazir_Kagit()->count() >= 19);
    d->Hazir_Kagit()->setCurrentIndex(i);
    emit d->Hazir_Kagit()->activated(i);
    QCOMPARE(d->Kutu(0)->text(), u"38,1"_s);
    QCOMPARE(d->Kutu(1)->text(), u"99,1"_s);
    QCOMPARE(d->Kutu(2)->text(), u"2,5"_s);
    yaz(d->Kutu(3), "0");
    QCOMPARE(d->Hazir_Kagit()->currentIndex(), 0); // edited by hand: "Özel"
    d->Hazir_Kagit()->setCurrentIndex(i);
    emit d->Hazir_Kagit()->activated(i);
    QTest::mouseClick(dugme(d, "FormatTamam"), Qt::LeftButton);
    QCOMPARE(m.Yigin().count(), 1);
    QCOMPARE(kutu.metinler().last(), Sayfa_Basina_Mesaji({2, 7}));
    // Opened again, the dialog names the sheet, not "Özel".
    auto *tekrar = new EtiketFormatFRM(m, kutu);
    QCOMPARE(tekrar->Hazir_Kagit()->currentText(), ad);
    tekrar->close();
}

void DiyalogTesti::yaziFormati() {
    // Each row: the tag on opening, the kind row and pattern row chosen (-1: none),
    // the tag after "Tamam" (nothing: left as it was).
    struct Satir {
        const char *tag;
        int tur, desen;
        std::optional<QString> sonuc;
    } const tablo[] = {
        {"F_#,##0.00", 1, 2, "F_#,##0.00"},
        {"", 1, 2, "F_#,##0.00"},
        {"", 1, 0, "F_#,##0"},
        {"F_#,##0.00", 0, -1, ""},
        {"", 1, -1, std::nullopt},
        {"F_Garip", 1, -1, std::nullopt},
        {"F_#,##0", 1, 4, "F_#,##0.0000"},
        {"O_Tarihdd.mm.yyyy", 1, 5, "O_Tarihmm.yy"},
        {"O_Tarihdd.mm.yyyy", 0, -1, "O_Tarihdd.mm.yyyy"},
        {"O_Tarihmm.yy", 1, -1, "O_Tarih"},
        {"O_Saat", 1, -1, std::nullopt},
        {"O_Saat", 0, -1, std::nullopt},
        {"O_Firma_Ad", 1, -1, std::nullopt},
    };
    for (const Satir &s : tablo) {
        CiktiFormati f(s.tag);
        f.List1_Sec(s.tur);
        if (s.desen >= 0)
            f.List2_Sec(s.desen);
        QVERIFY2(f.Tamam() == s.sonuc, s.tag);
    }
    QCOMPARE(CiktiFormati("O_Saat").List1(), (QStringList{"Genel", "Tarih Formatı"}));
    QVERIFY(CiktiFormati("O_Saat").List2().isEmpty());
    QCOMPARE(CiktiFormati("F_#,##0.00").List2_Secili(), 2);
    QCOMPARE(CiktiFormati("O_Tarihdd.mm.yy").List2_Secili(), -1); // none preselected
    CiktiFormati tarih("O_Tarih");
    tarih.List2_Sec(4);
    QCOMPARE(tarih.Ornek(QDate(2026, 12, 6), {}), u"12.2026"_s);
    CiktiFormati para("F_#,##0.00");
    QCOMPARE(para.Ornek(QDate(), {}), u"1.234,00"_s);
    para.List1_Sec(0);
    QCOMPARE(para.Ornek(QDate(), {}), u"1234"_s);
    // The currency after the number: shown without quotes, stored with them for "TL".
    CiktiFormati tl("");
    QCOMPARE(tl.List2().mid(5), (QStringList{u"#,##0.00 TL"_s, u"#,##0.00 ₺"_s}));
    tl.List1_Sec(1);
    tl.List2_Sec(5);
    QCOMPARE(tl.Ornek(QDate(), {}), u"1.234,00 TL"_s);
    QCOMPARE(tl.Tamam(), u"F_#,##0.00 \"TL\""_s);
    QCOMPARE(CiktiFormati(u"F_#,##0.00 ₺"_s).List2_Secili(), 6);
    // The amount in words: its currency words, the tag of today's lira or none.
    CiktiFormati yazi("", true);
    QCOMPARE(yazi.List1(), (QStringList{u"YTL / Yeni Kuruş"_s, u"TL / Kuruş"_s}));
    QCOMPARE(yazi.Tamam(), QString());
    yazi.List1_Sec(1);
    QVERIFY(!yazi.Frame2_Gorunur());
    QCOMPARE(yazi.Tamam(), u"YZ_TL"_s);
    QCOMPARE(yazi.Ornek(QDate(), {}), u"BinİkiYüzOtuzDört TL Elli Kuruş"_s);
    QCOMPARE(CiktiFormati(u"YZ_TL"_s, true).List1_Secili(), 1);
}

// The window: list names, frame, sample, one undo step, "Vazgeç" keeps the tag.
void DiyalogTesti::yaziFormatiPenceresi() {
    TasarimModeli m;
    m.Nesne_Ekle("Alan", [](YuzeyNesnesi &n) { n.Nesne().Tag = "F_#,##0.00"; });
    m.Gecmisi_Temizle();
    auto *w = new OutPutFormatFrm(m, 0);
    w->show();
    QCOMPARE(w->List1()->accessibleName(), u"Format Türü"_s);
    QCOMPARE(w->List2()->accessibleName(), u"Format"_s);
    QCOMPARE(w->List1()->currentRow(), 1);
    QCOMPARE(w->List2()->currentRow(), 2);
    QCOMPARE(w->Ornek_Label()->text(), u"1.234,00"_s);
    w->List1()->setCurrentRow(0);
    QVERIFY(!w->Frame2()->isVisible());
    QTest::mouseClick(dugme(w, "FormatVazgec"), Qt::LeftButton);
    QCOMPARE(m.Nesne(0).Nesne().Tag, u"F_#,##0.00"_s);
    w = new OutPutFormatFrm(m, 0);
    w->show();
    w->List2()->setCurrentRow(4);
    QCOMPARE(w->Ornek_Label()->text(), u"1.234,0000"_s);
    QTest::mouseClick(dugme(w, "FormatTamam"), Qt::LeftButton);
    QCOMPARE(m.Nesne(0).Nesne().Tag, u"F_#,##0.0000"_s);
    QCOMPARE(m.Yigin().count(), 1);
}

void DiyalogTesti::barkodOzellikleri() {
    TasarimModeli m;
    m.Bolum_Ayarla({true, 5000, 5000});
    m.Nesne_Ekle("Barkod", [](YuzeyNesnesi &n) {
        n.Barkod().Width = 35.678f;
        n.Barkod().Orientation = 900;
    });
    m.Gecmisi_Temizle();
    SahteMesaj kutu;
    auto *w = new BarKodOzFrm(m, 0, kutu);
    w->show();
    QCOMPARE(w->Kutu(1)->text(), u"35,67"_s); // cut, not rounded
    QCOMPARE(w->Kutu(1)->accessibleName(), u"Genişlik"_s);
    QVERIFY(w->Option(2)->isChecked());
    // Refused: no number, a size of 0 or less, a position beyond -1000…2000 mm.
    for (const auto &[kutu_no, metin] :
         {std::pair{3, "12,5x"}, {0, "0"}, {1, "-5"}, {2, "9999"}, {3, "-9999"}, {2, "1e3"}}) {
        kutu.kutular.clear();
        const QString once = w->Kutu(kutu_no)->text();
        yaz(w->Kutu(kutu_no), metin);
        QTest::mouseClick(dugme(w, "TamamBtn"), Qt::LeftButton);
        QVERIFY(w->isVisible());
        QCOMPARE(kutu.metinler(), QStringList{"Lütfen geçerli bir değer giriniz."});
        QCOMPARE(w->focusWidget(), w->Kutu(kutu_no));
        yaz(w->Kutu(kutu_no), once);
    }
    QTest::mouseClick(dugme(w, "IptalBtn"), Qt::LeftButton);
    QCOMPARE(m.Yigin().count(), 0);

    QPointer<BarKodOzFrm> w2 = new BarKodOzFrm(m, 0, kutu);
    w2->show();
    yaz(w2->Kutu(3), "12,5");
    w2->Option(4)->click();
    QTest::mouseClick(dugme(w2, "TamamBtn"), Qt::LeftButton);
    const BarkodKaydi &b = m.Nesne(0).Barkod();
    QCOMPARE(b.Width, 35.67f);
    QCOMPARE(b.Top, 12.5f);
    QCOMPARE(b.Orientation, qint16(2700));
    QCOMPARE(m.Yigin().count(), 1);
    QTRY_VERIFY(!w2);
}

QTEST_MAIN(DiyalogTesti)
#include "tst_diyaloglar.moc"
