#include "DenemeRaporu.h"
#include "common/Araclar.h"
#include "components/RaporMotoru.h"
#include "components/pencere/Yazicilar.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TstYazicilar : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

private slots:
    void yazici_yolu_ayni_cizimi_basar() {
        // The printer road, with the printer writing a PDF file instead of a queue.
        DenemeRaporu r;
        Deneme_Yerlesimi(r, Satir_Tablosu(klasor_.path(), 30), 30, 3, 37 * 1440 / 25.4);
        RaporMotoru m(r);
        QVERIFY(m.Baslat());
        QPrinter yazici(QPrinter::HighResolution);
        yazici.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = klasor_.filePath(u"yazici.pdf"_s);
        yazici.setOutputFileName(pdf);
        YaziciHedefi hedef(yazici);
        QCOMPARE(Rapor_Uret(m, hedef), 2);
        const QString metin = Pdf_Metni(pdf);
        QCOMPARE(metin.count(u'\f'), 2);
        QVERIFY(metin.contains(u"ETIKET30"_s));
        QVERIFY(metin.contains(u"8690000000302"_s));
        QVERIFY(Arac_Calistir(u"pdfinfo"_s, {pdf}).contains(u"(A4)"_s));
    }

    void yazici_secimi_basarisizligi_gorulur() {
        DenemeRaporu r;
        r.Printer.DeviceName = u"Önceki"_s;
        QVERIFY(!r.Yazici_Sec(u"Barkod Yazıcı"_s)); // no lookup at all
        r.Yazici_Var = [](const QString &ad) { return Yazici_Bul(ad).has_value(); };
        QVERIFY(!Yazici_Bul(u"Olmayan Yazıcı 42"_s).has_value());
        QVERIFY(!r.Yazici_Sec(u"Olmayan Yazıcı 42"_s));
        QCOMPARE(r.Printer.DeviceName, u"Önceki"_s);
        r.Yazici_Var = [](const QString &ad) { return ad == u"Barkod Yazıcı"; };
        QVERIFY(r.Yazici_Sec(u"Barkod Yazıcı"_s));
        QCOMPARE(r.Printer.DeviceName, u"Barkod Yazıcı"_s);
    }

    void sayfa_yapisi_geri_yazar() {
        // A5 landscape, Letter and A4 portrait.
        for (const auto &[kagit, yon] : {std::pair{11, 2}, {1, 1}, {9, 1}}) {
            DenemeRaporu r;
            r.PageSettings = {720, 360, 1440, 0};
            r.Printer.PaperSize = kagit;
            r.Printer.Orientation = yon;
            // Accept the dialog as soon as it is up: what it read must come back unchanged.
            QTimer::singleShot(0, [] {
                if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    d->accept();
            });
            QVERIFY(Sayfa_Ayari_Goster(r));
            QCOMPARE(r.Printer.PaperSize, kagit);
            QCOMPARE(r.Printer.Orientation, yon);
            QVERIFY(qAbs(r.PageSettings.LeftMargin - 720) < 1);
            QVERIFY(qAbs(r.PageSettings.RightMargin - 360) < 1);
            QVERIFY(qAbs(r.PageSettings.TopMargin - 1440) < 1);
            QVERIFY(qAbs(r.PageSettings.BottomMargin) < 1);
        }
    }
};

QTEST_MAIN(TstYazicilar)
#include "tst_yazicilar.moc"
