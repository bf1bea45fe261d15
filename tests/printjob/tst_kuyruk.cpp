#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/Program.h"
#include "common/TestVeritabani.h"
#include "output/YaziciAyarlari.h"
#include "output/pencere/Yazicilar.h"
#include "dialogs/pencere/YaziciAyarlariFrm.h"
#include "document/TasarimDosyasi.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Printing through the test's own CUPS scheduler (./test starts it): its queues send
// every job to 127.0.0.1:VARNEL_CUPS_PORT, where this test listens, one connection a
// job.
class KuyrukTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void kuyrugaBasim();
    void ayarPenceresi();

private:
    // The next `sayi` jobs the queues sent, whole, one after another; what came.
    QByteArray is(int sayi = 1) {
        QByteArray veri;
        for (int i = 0; i < sayi; ++i) {
            if (!sunucu_.hasPendingConnections() && !sunucu_.waitForNewConnection(20000))
                return veri;
            QTcpSocket *s = sunucu_.nextPendingConnection();
            while (s->state() == QAbstractSocket::ConnectedState && s->waitForReadyRead(20000))
                veri += s->readAll();
            veri += s->readAll();
            delete s;
        }
        return veri;
    }
    Program_Sonucu calistir(const QStringList &a, const QString &kosul) {
        QProcess p;
        Program_Baslat(p, QStringList{"--designs", klasor_.path()} + a +
                              QStringList{vt_.Satir(kosul, 1)});
        return Program_Bekle(p);
    }
    void ayarlar(const QByteArray &ini) {
        QDir().mkpath(klasor_.filePath("ayar/varnel"));
        QVERIFY(Dosya_Yaz(Yazici_Ayarlari_Dosyasi(), ini));
    }

    QTemporaryDir klasor_;
    TestVeritabani vt_;
    QTcpServer sunucu_;
};

void KuyrukTesti::initTestCase() {
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER") ||
        qEnvironmentVariableIsEmpty("VARNEL_CUPS_PORT"))
        QSKIP("CUPS test sunucusu yok (./test başlatır)");
    QVERIFY(sunucu_.listen(QHostAddress::LocalHost,
                           quint16(qEnvironmentVariableIntValue("VARNEL_CUPS_PORT"))));
    Bolge_Ayarla(klasor_.filePath("ayar"));
    vt_ = Sqlite_Demo(klasor_.path());
    QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
    for (const char *t : {"Raf Etiketi", "A4 Etiket 3x8"})
        QVERIFY(QFile::copy(Kaynak_Yolu(u"data/designs/%1.ftr"_s.arg(t)),
                            klasor_.filePath(u"%1.ftr"_s.arg(t))));
    // The shelf label without its clock: two runs of it make the same bytes (a
    // second ticking between two labels changes what the stored format holds).
    TasarimBelgesi raf;
    QVERIFY(!Tasarim_Dosyasi_Oku(klasor_.filePath("Raf Etiketi.ftr"), raf));
    QCOMPARE(raf.Nesneler.removeIf([](const NesneKaydi &n) { return n.Tag == u"O_Saat"; }), 1);
    QVERIFY(!Tasarim_Dosyasi_Yaz(klasor_.path(), u"Raf Saatsiz"_s, raf));
}

void KuyrukTesti::kuyrugaBasim() {
    ayarlar("[Barkod_Yazici]\nDil=ZPL\nYazilar=Yazici\n"
            "[Surucu_Yazici]\nSol_Kaydirma=5\nUst_Kaydirma=-3\n");
    const QString zpl = klasor_.filePath("raf.zpl");
    // Both roads to the raw queue: what arrives is byte for byte what the same run
    // writes to a file for that printer, in two jobs (the first label for the printer
    // to start on, then the rest). The report finds the queue by its description.
    for (const auto &[secenekler, yazici] :
         {std::pair{QStringList{"--direct", "--printer", "Barkod_Yazici"}, u"Barkod_Yazici"_s},
          {QStringList(), u"Barkod Yazıcı"_s}}) {
        const QStringList raf =
            QStringList{"print", "Raf Saatsiz", "--param", "Raf=R1"} + secenekler;
        Program_Sonucu s = calistir(raf, "STOKKART.Stok_ID<=9");
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        QCOMPARE(s.cikis.trimmed(), u"9 etiket, 9 sayfa: "_s + yazici);
        const QByteArray alinan = is(2);
        s = calistir(raf + QStringList{"--out", zpl, "--printer", "Barkod_Yazici"},
                     "STOKKART.Stok_ID<=9");
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        QCOMPARE(alinan, Dosya_Oku(zpl));
        QVERIFY(alinan.contains("^A0N"));
    }

    // The driver road moved by the printer's offsets: 5 mm right, 3 mm up.
    const QString pdf = klasor_.filePath("raf.pdf"), basilan = klasor_.filePath("basilan.pdf");
    const QStringList tek = {"print", "Raf Etiketi", "--direct", "--param", "Raf=R1"};
    QCOMPARE(calistir(tek + QStringList{"--out", pdf}, "STOKKART.Stok_ID=1").kod, 0);
    QCOMPARE(calistir(tek + QStringList{"--printer", "Surucu_Yazici"}, "STOKKART.Stok_ID=1").kod,
             0);
    const QByteArray surucu = is();
    QVERIFY(surucu.startsWith("%PDF") && Dosya_Yaz(basilan, surucu));
    const QPointF fark = Pdf_Yeri(basilan, "Şeker") - Pdf_Yeri(pdf, "Şeker");
    QVERIFY2(std::abs(fark.x() - 5 / 25.4 * 72) < 0.5 && std::abs(fark.y() + 3 / 25.4 * 72) < 0.5,
             qPrintable(u"%1 %2"_s.arg(fark.x()).arg(fark.y())));

    // A laser sheet has no place on a ZPL printer.
    const Program_Sonucu s =
        calistir({"print", "A4 Etiket 3x8", "--printer", "Barkod_Yazici"}, "STOKKART.Stok_ID=1");
    QCOMPARE(s.kod, 2);
    QVERIFY2(s.hata.contains(u"ZPL yalnız barkod yazıcısı tasarımlarında kullanılabilir."_s),
             qPrintable(s.hata));
}

void KuyrukTesti::ayarPenceresi() {
    ayarlar("[Barkod_Yazici]\nDil=ZPL\nKoyuluk=45\n");
    YaziciAyarlariFrm w(Yazici_Adlari());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Kuyruklar()->setCurrentItem(
        w.Kuyruklar()->findItems("Barkod_Yazici", Qt::MatchExactly).value(0));
    // The file's values, a refused one named.
    QCOMPARE(w.Dil()->currentText(), u"ZPL"_s);
    QCOMPARE(w.Durum()->text(), u"Koyuluk 0 ile 30 arasında olmalıdır: 45"_s);
    QVERIFY(w.Cozunurluk()->isEnabled());

    // Typed values are written as they change.
    for (const auto &[kutu, deger] : {std::pair{w.Sol(), "2"}, {w.Ust(), "-1,5"}}) {
        kutu->selectAll();
        QTest::keyClicks(kutu, deger);
    }
    const OkunanAyar o = Yazici_Ayari_Oku(Yazici_Ayarlari_Dosyasi(), "Barkod_Yazici");
    QVERIFY(o.hatalar.isEmpty());
    QCOMPARE(o.ayar.sol_kaydirma, 2.0);
    QCOMPARE(o.ayar.ust_kaydirma, -1.5);

    // The calibration label at the printer, moved 2 mm right (^LH) and 1,5 mm up
    // (^LT), at 203 dpi; how it lands is the ZPL output's test.
    QTest::mouseClick(w.findChild<QPushButton *>("TestEtiketi"), Qt::LeftButton);
    QCOMPARE(w.Durum()->text(), u"Test etiketi gönderildi: Barkod_Yazici"_s);
    const QByteArray etiket = is();
    QVERIFY2(etiket.startsWith("^XA^CI28^PW480^LL320^LH16,0^LT-12") && etiket.contains("^FO8,8^GB"),
             etiket.left(120));
}

QTEST_MAIN(KuyrukTesti)
#include "tst_kuyruk.moc"
