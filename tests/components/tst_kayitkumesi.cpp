#include "common/TestVeritabani.h"
#include "components/KayitKumesi.h"
#include "components/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/Degiskenler.h"

#include <QTemporaryDir>
#include <QTest>

// The same record-set behaviour on every engine: rows of the demo stock data.
class TstKayitKumesi : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    IkiMotor vt_;
    const TestVeritabani *secili_ = nullptr;

    std::unique_ptr<VeriBaglantisi> baglan() {
        const TestVeritabani &t = *secili_;
        auto b = std::make_unique<VeriBaglantisi>();
        if (!b->Open(Komut_Satiri_Baglanti_Metni(t.kullanici, t.sifre, t.veritabani, t.sunucu)))
            qWarning("%s", qPrintable(b->Hata()));
        return b;
    }

private slots:
    void initTestCase_data() { IkiMotor::Satirlar(); }
    void initTestCase() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
        const QString hata = vt_.Hazirla(klasor_.path());
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
    }
    void init() {
        IKI_MOTOR_SEC(vt_, t);
        secili_ = &t;
    }

    void satirlari_sirayla_gezer() {
        auto b = baglan();
        QVERIFY(b && b->Acik());
        KayitKumesi rs;
        QVERIFY(
            rs.Open(*b, QStringLiteral("SELECT Stok_ID, Stok_Adi FROM STOKKART ORDER BY Stok_ID")));
        QCOMPARE(rs.State(), KayitKumesi::Durum::Acik);
        int n = 0, onceki = 0;
        while (!rs.EOF_()) {
            const int id = rs.Value(QStringLiteral("Stok_ID")).toInt();
            QVERIFY(id > onceki);
            onceki = id;
            ++n;
            rs.MoveNext();
        }
        QCOMPARE(n, 42);
        rs.MoveNext(); // past the end stays at the end
        QVERIFY(rs.EOF_());
        QVERIFY(!rs.Value(QStringLiteral("Stok_ID")).isValid());
    }

    void alan_adlari_buyuk_kucuk_harf() {
        auto b = baglan();
        KayitKumesi rs;
        QVERIFY(rs.Open(*b, QStringLiteral("SELECT STOKKART.* FROM STOKKART WHERE Stok_ID=1")));
        QCOMPARE(rs.Text(QStringLiteral("Stok_Adi")), QStringLiteral("Şeker 1 kg"));
        QCOMPARE(rs.Text(QStringLiteral("STOK_ADI")), QStringLiteral("Şeker 1 kg"));
        QCOMPARE(rs.Text(QStringLiteral("stok_adi")), QStringLiteral("Şeker 1 kg"));
        QCOMPARE(rs.Text(QStringLiteral("Ana_Birim_Barkod")), QStringLiteral("8690000000012"));
        QCOMPARE(rs.Number(QStringLiteral("ana_birim_barkod_tipi")), 1.0);
        QCOMPARE(rs.FieldIndex(QStringLiteral("Yok_Boyle")), -1);
        QVERIFY(rs.Text(QStringLiteral("Yok_Boyle")).isEmpty());
    }

    void isnull_ve_sayi_metinleri_data() {
        QTest::addColumn<int>("stok");
        QTest::addColumn<QString>("fiyat1");
        QTest::newRow("grouped later") << 3 << "1234,5";
        QTest::newRow("millions") << 5 << "2500000";
        QTest::newRow("no level 1") << 10 << "0";
        QTest::newRow("zero price") << 11 << "0";
        QTest::newRow("cents") << 9 << "119,99";
    }
    void isnull_ve_sayi_metinleri() {
        QFETCH(int, stok);
        QFETCH(QString, fiyat1);
        auto b = baglan();
        KayitKumesi rs;
        const QString sql =
            QStringLiteral(
                "SELECT STOKKART.Stok_ID,ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat1 "
                " FROM STOKKART LEFT JOIN STOKFIYAT ON (STOKKART.Stok_ID=STOKFIYAT.Stok_ID "
                "AND STOKFIYAT.Fiyat_Sira_No=1) WHERE STOKKART.Stok_ID=") +
            QString::number(stok);
        QVERIFY2(rs.Open(*b, sql), qPrintable(rs.LastError().text()));
        QVERIFY(!rs.EOF_());
        QCOMPARE(rs.Text(QStringLiteral("Fiyat1")), fiyat1);
    }

    void eylem_komutlari() {
        auto b = baglan();
        KayitKumesi rs;
        QVERIFY(rs.Open(*b, QStringLiteral("DELETE FROM BARKODID"), KayitKumesi::Kilit::Iyimser));
        QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
        for (const char *id : {"0", "'7'", "'5'", "'7'"})
            QVERIFY(rs.Open(
                *b, QStringLiteral("INSERT INTO BARKODID (ID) VALUES (%1)").arg(QLatin1String(id)),
                KayitKumesi::Kilit::Iyimser));
        QCOMPARE(rs.RowsAffected(), 1);
        QVERIFY(rs.Open(*b, QStringLiteral("SELECT ID FROM BARKODID ORDER BY ID")));
        QStringList idler;
        for (; !rs.EOF_(); rs.MoveNext())
            idler << rs.Text(QStringLiteral("id"));
        QCOMPARE(idler, (QStringList{"0", "5", "7", "7"}));
        QVERIFY(rs.Open(*b, QStringLiteral("DELETE FROM BARKODID"), KayitKumesi::Kilit::Iyimser));
        QCOMPARE(rs.RowsAffected(), 4);
    }
};

QTEST_GUILESS_MAIN(TstKayitKumesi)
#include "tst_kayitkumesi.moc"
