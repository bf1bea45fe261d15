#include "common/SahteMesaj.h"
#include "common/TestVeritabani.h"
#include "components/KayitKumesi.h"
#include "components/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/Degiskenler.h"
#include "startup/Sorgu.h"

#include <QTemporaryDir>
#include <QTest>

using Simge = MesajKutusu::Simge;

// The record-set helpers' messages, on a real connection of each engine.
class TstSorgu : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    IkiMotor vt_;

private slots:
    void initTestCase_data() { IkiMotor::Satirlar(); }
    void initTestCase() {
        Degiskenler::Ondalik_Ayirac = QStringLiteral(",");
        Degiskenler::Basamak_Ayirac = QStringLiteral(".");
        const QString hata = vt_.Hazirla(klasor_.path());
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        vt_.sqlite.sifre = QStringLiteral("yerel_sifre"); // SQLite ignores it; masking must not
    }
    void init() {
        IKI_MOTOR_SEC(vt_, t);
        SahteMesaj kutu;
        QVERIFY(Parametre_Oku(kutu, t.Satir(QStringLiteral("STOKKART.Stok_ID<=5"))).devam);
    }
    void cleanup() { Baglanti_Kapat(); }

    void basarili_sorgu_sessizdir() {
        SahteMesaj kutu;
        KayitKumesi rs;
        Sorgu_Oku(kutu, rs,
                  QStringLiteral("SELECT Stok_ID FROM STOKKART WHERE ") + Degiskenler::Stok_Sarti);
        QVERIFY(kutu.kutular.isEmpty());
        QCOMPARE(rs.State(), KayitKumesi::Durum::Acik);
        QCOMPARE(rs.LockType(), KayitKumesi::Kilit::SaltOkunur);
        Sorgu_Ac(kutu, rs, QStringLiteral("DELETE FROM BARKODID"));
        QVERIFY(kutu.kutular.isEmpty());
        QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
        QCOMPARE(rs.LockType(), KayitKumesi::Kilit::Iyimser);
    }

    void komut_hatasi_dort_kutu_data() {
        QTest::addColumn<bool>("ac");
        QTest::newRow("Sorgu_Ac") << true;
        QTest::newRow("Sorgu_Oku") << false;
    }
    void komut_hatasi_dort_kutu() {
        QFETCH(bool, ac);
        SahteMesaj kutu;
        KayitKumesi rs;
        Sorgu_Oku(kutu, rs,
                  QStringLiteral("SELECT 1 AS x")); // left open; must be closed on failure
        const QString sql = QStringLiteral("SELECT * FROM OLMAYAN_TABLO");
        ac ? Sorgu_Ac(kutu, rs, sql) : Sorgu_Oku(kutu, rs, sql);
        QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
        QCOMPARE(kutu.kutular.size(), 4);
        QVERIFY(
            kutu.kutular[0].metin.contains(QStringLiteral("olmayan_tablo"), Qt::CaseInsensitive));
        QCOMPARE(kutu.kutular[0].simge, Simge::Kritik);
        QVERIFY(!kutu.kutular[1].metin.isEmpty());
        QCOMPARE(kutu.kutular[1].simge, Simge::Yok);
        QCOMPARE(kutu.kutular[2].metin, sql);
        QCOMPARE(kutu.kutular[2].simge, Simge::Kritik);
        QCOMPARE(kutu.kutular[3].simge, Simge::Yok);
        QVERIFY(kutu.kutular[3].metin.startsWith(QStringLiteral("Provider=SQLOLEDB.1;")));
        QVERIFY(kutu.kutular[3].metin.contains(QStringLiteral(";Password=***;")));
        for (const auto &k : kutu.kutular)
            QVERIFY(!k.metin.contains(Degiskenler::Sql_Sifre));
    }

    void baglanti_kopunca() {
        QFETCH_GLOBAL(QString, motor);
        if (motor != u"postgresql")
            QSKIP("yalnız sunuculu motorda bağlantı kopar");
        // The server ends this session: the first failure is told once, the
        // statements after it fail at once and quietly.
        SahteMesaj kutu;
        KayitKumesi rs;
        QVERIFY(
            !Sorgu_Oku(kutu, rs, QStringLiteral("SELECT pg_terminate_backend(pg_backend_pid())")));
        QCOMPARE(kutu.metinler(),
                 QStringList{QStringLiteral("SQL Server Bağlantı Hatası Tekrar Denenecektir.Lütfen "
                                            "Programı Kapatmayınız.")});
        QCOMPARE(kutu.kutular[0].simge, Simge::Yok);
        QVERIFY(Degiskenler::Baglanti->Koptu);
        kutu.kutular.clear();
        QVERIFY(!Sorgu_Oku(kutu, rs, QStringLiteral("SELECT Stok_ID FROM STOKKART")));
        QVERIFY(!Sorgu_Ac(kutu, rs, QStringLiteral("DELETE FROM BARKODID")));
        QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
        QVERIFY(kutu.kutular.isEmpty());
    }

    void baglanti_yoksa() {
        Baglanti_Kapat();
        SahteMesaj kutu;
        KayitKumesi rs;
        Sorgu_Ac(kutu, rs, QStringLiteral("DELETE FROM BARKODID"));
        QVERIFY(kutu.kutular.isEmpty());
        Sorgu_Oku(kutu, rs, QStringLiteral("SELECT 1"));
        QCOMPARE(kutu.kutular.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstSorgu)
#include "tst_sorgu.moc"
