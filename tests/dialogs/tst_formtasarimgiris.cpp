#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "dialogs/pencere/FormTasarimGiris.h"
#include "document/TasarimDegiskenleri.h"
#include "startup/Degiskenler.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

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

class FormTasarimGirisTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath("ayar"));
        for (const char *ad : {"Raf Etiketi.ftr", "A4 Etiket 3x8.ftr", "etiket.v2.ftr"})
            QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/designs/%1")
                            .arg(QString(ad).startsWith("etiket") ? "Raf Etiketi.ftr" : ad),
                        klasor_.filePath(ad));
        QFile(klasor_.filePath("Baslik.mtr")).open(QIODevice::WriteOnly);
        Degiskenler::Tasarim_Klasoru = klasor_.path();
    }
    void listeSilVeAc();
    void hemenBasSorulari();

private:
    QTemporaryDir klasor_;
};

void FormTasarimGirisTesti::listeSilVeAc() {
    SahteMesaj kutu;
    FormTasarimGiris f(kutu);
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
    QVERIFY(QFile::exists(klasor_.filePath("etiket.v2.ftr")));
    sec(f, "Raf Etiketi");
    kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
    QTest::mouseClick(f.Button(2), Qt::LeftButton);
    QVERIFY(QFile::exists(klasor_.filePath("Raf Etiketi.ftr")));
    QFile::copy(klasor_.filePath("Raf Etiketi.ftr"), klasor_.filePath("Kopya.ftr"));
    f.Tasarim_Listesi_Doldur();
    sec(f, "Kopya");
    QTest::mouseClick(f.Button(2), Qt::LeftButton);
    QVERIFY(!QFile::exists(klasor_.filePath("Kopya.ftr")));
    QCOMPARE(liste(f), (QStringList{"A4 Etiket 3x8", "etiket", "Raf Etiketi"}));

    QSignalSpy ac(&f, &FormTasarimGiris::Tasarim_Ac);
    sec(f, "Raf Etiketi");
    QTest::mouseClick(f.Button(3), Qt::LeftButton);
    QCOMPARE(ac.size(), 1);
    QCOMPARE(Degiskenler::Tasarim_Adi, u"Raf Etiketi"_s);
    QVERIFY(!Degiskenler::Yeni_Tasarim && !Degiskenler::Dinamik_Barkod);
    QTest::mouseClick(f.Button(1), Qt::LeftButton);
    QCOMPARE(ac.size(), 2);
    QVERIFY(Degiskenler::Yeni_Tasarim);
    QSignalSpy vazgec(&f, &FormTasarimGiris::Vazgecildi);
    QTest::mouseClick(f.Button(5), Qt::LeftButton);
    QCOMPARE(vazgec.size(), 1);
}

void FormTasarimGirisTesti::hemenBasSorulari() {
    // Each row: fixed count on the start line, the answers, the values set and
    // how many questions were asked. No connection: the report cannot open, so a
    // run that gets past the questions says so.
    struct Satir {
        qint16 sabit;
        QStringList cevaplar;
        qint16 baslangic, adet;
        int soru;
        bool rapor;
    } const tablo[] = {
        {0, {"abc"}, 1, 7, 1, false},     // not a number: stops after the first question
        {0, {"3", "0"}, 3, 0, 2, false},  // count 0: stops
        {0, {"3", "x"}, 3, 0, 2, false},  // count no number reads as 0
        {0, {"2", "2.5"}, 2, 2, 2, true}, // a leading number, "." as decimal point
        {4, {"5"}, 5, 7, 1, true},        // fixed on the start line: only the start is asked
    };
    for (const Satir &s : tablo) {
        SahteMesaj kutu;
        FormTasarimGiris f(kutu);
        Degiskenler::Sabit_Etiket_Adedi = s.sabit;
        Degiskenler::Etiket_Adedi = 7;
        Degiskenler::Baslangic_Etiketi = 1;
        for (const QString &c : s.cevaplar)
            kutu.girdi_cevaplari.enqueue(c);
        sec(f, "A4 Etiket 3x8");
        f.FrmList()->setFocus();
        QTest::keyClick(f.FrmList(), Qt::Key_Return); // Enter is "Seç"
        QCOMPARE(kutu.girdiler.size(), s.soru);
        QCOMPARE(kutu.girdiler[0].istem,
                 u"Kaçıncı Etiketten Başlayarak Basım Yapmak İstiyorsunuz?"_s);
        QCOMPARE(kutu.girdiler[0].baslik, u"Dinamik Barkod"_s);
        QCOMPARE(Degiskenler::Baslangic_Etiketi, s.baslangic);
        QCOMPARE(Degiskenler::Etiket_Adedi, s.adet);
        QCOMPARE(Degiskenler::Dinamik_Barkod, true);
        QCOMPARE(kutu.kutular.size(), s.rapor ? 1 : 0); // no connection here: the report says so
    }
    Degiskenler::Sabit_Etiket_Adedi = 0;
}

QTEST_MAIN(FormTasarimGirisTesti)
#include "tst_formtasarimgiris.moc"
