#include "document/TasarimDegiskenleri.h"
#include "mainwindow/BaslangicPenceresi.h"
#include "startup/Degiskenler.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TstBaslangicPenceresi : public QObject {
    Q_OBJECT
private slots:
    void tasarimlari_listeler() {
        QTemporaryDir klasor;
        for (const char *ad : {"Raf Etiketi.ftr", "A4 Etiket 3x8.ftr", "Baslik.mtr", "not.txt"}) {
            QFile f(klasor.filePath(QString::fromUtf8(ad)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Degiskenler::Tasarim_Klasoru = klasor.path();
        Degiskenler::Firma_Unvani = QStringLiteral("Demo Ticaret A.Ş.");
        BaslangicPenceresi p;
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QCOMPARE(p.windowTitle(), QStringLiteral("Varnel 1.0"));
        QCOMPARE(p.Tasarim_Listesi()->count(), 2);
        QCOMPARE(p.Tasarim_Listesi()->item(0)->text(), QStringLiteral("A4 Etiket 3x8"));
        QCOMPARE(p.Tasarim_Listesi()->item(1)->text(), QStringLiteral("Raf Etiketi"));
        p.grab().save(QStringLiteral("baslangic.png"));
        QPushButton *cikis = p.findChild<QPushButton *>();
        QVERIFY(cikis);
        QTest::mouseClick(cikis, Qt::LeftButton);
        QVERIFY(!p.isVisible());
    }
};

QTEST_MAIN(TstBaslangicPenceresi)
#include "tst_baslangicpenceresi.moc"
