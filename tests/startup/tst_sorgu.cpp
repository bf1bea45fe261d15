#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "database/KayitKumesi.h"
#include "database/PgOkuma.h"
#include "database/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/Sorgu.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Simge = MesajKutusu::Simge;

// Record sets and their helpers' messages, on a real connection of each engine.
class TstSorgu : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    IkiMotor vt_;
    Oturum o_;

private slots:
    void initTestCase_data() { IkiMotor::Satirlar(); }
    void initTestCase() {
        const QString hata = vt_.Hazirla(klasor_.path());
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        vt_.sqlite.sifre = u"yerel_sifre"_s; // SQLite ignores it; masking must not
    }
    void init() {
        IKI_MOTOR_SEC(vt_, t);
        SahteMesaj kutu;
        Baslangic_Sonucu s = Parametre_Oku(kutu, t.Satir(u"STOKKART.Stok_ID<=5"_s), {});
        QVERIFY(s.devam);
        o_ = std::move(s.oturum);
    }
    void cleanup() { o_ = {}; }

    void satirlar_adlar_ve_sayilar() {
        VeriBaglantisi *b = o_.Baglanti.get();
        KayitKumesi rs;
        QVERIFY(rs.Open(*b, u"SELECT STOKKART.* FROM STOKKART ORDER BY Stok_ID"_s));
        int n = 0, onceki = 0;
        for (; !rs.EOF_(); rs.MoveNext(), ++n) {
            QVERIFY(rs.Value(u"Stok_ID"_s).toInt() > onceki);
            onceki = rs.Value(u"Stok_ID"_s).toInt();
        }
        QCOMPARE(n, 42);
        rs.MoveNext(); // past the end stays at the end
        QVERIFY(rs.EOF_() && !rs.Value(u"Stok_ID"_s).isValid());
        // Column names in any case, as SQL Server reads them.
        QVERIFY(rs.Open(*b, u"SELECT STOKKART.* FROM STOKKART WHERE Stok_ID=1"_s));
        for (const QString &ad : {u"Stok_Adi"_s, u"STOK_ADI"_s, u"stok_adi"_s})
            QCOMPARE(rs.Text(ad), u"Şeker 1 kg"_s);
        QCOMPARE(rs.Number(u"ana_birim_barkod_tipi"_s), 1.0);
        QVERIFY(rs.FieldIndex(u"Yok_Boyle"_s) == -1 && rs.Text(u"Yok_Boyle"_s).isEmpty());
        // A level-1 price as text: grouped later, millions, no level 1, zero, cents.
        for (const auto &[stok, fiyat1] :
             {std::pair{3, "1234,5"}, {5, "2500000"}, {10, "0"}, {11, "0"}, {9, "119,99"}}) {
            const QString sql =
                u"SELECT ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0) as Fiyat1 FROM STOKKART LEFT JOIN "
                u"STOKFIYAT ON (STOKKART.Stok_ID=STOKFIYAT.Stok_ID AND "
                u"STOKFIYAT.Fiyat_Sira_No=1) WHERE STOKKART.Stok_ID="_s +
                QString::number(stok);
            QVERIFY2(rs.Open(*b, sql), qPrintable(rs.LastError().text()));
            QCOMPARE(rs.Text(u"Fiyat1"_s), QString(fiyat1));
        }
    }

    void eylem_komutlari() {
        VeriBaglantisi *b = o_.Baglanti.get();
        KayitKumesi rs;
        QVERIFY(
            rs.Open(*b, u"INSERT INTO BARKODID (ID) VALUES ('7')"_s, KayitKumesi::Kilit::Iyimser));
        QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
        QVERIFY(rs.Open(*b, u"DELETE FROM BARKODID"_s, KayitKumesi::Kilit::Iyimser));
        QCOMPARE(rs.RowsAffected(), 1);
        // A SELECT runs prepared: a second statement behind it is refused, not run.
        QVERIFY(!rs.Open(*b, u"SELECT 1; DELETE FROM STOKFIYAT"_s));
        QVERIFY(rs.Open(*b, u"SELECT count(*) AS n FROM STOKFIYAT"_s));
        QVERIFY(rs.Number(u"n"_s) > 0);
    }

    void okuma_yazamaz() {
        // Conditions that get past a scanner blind to PostgreSQL's quoting, sent
        // straight to the engine guard: nothing after the first statement runs, and
        // a single statement that writes is refused.
        QFETCH_GLOBAL(QString, motor);
        if (motor != u"postgresql" || !Pg_Var())
            QSKIP("sunucu korumasi PostgreSQL'de sinanir");
        VeriBaglantisi *b = o_.Baglanti.get();
        const QString once = u"SELECT Stok_ID FROM STOKKART WHERE "_s;
        const QString saldirilar[] = {
            once + u"STOKKART.Stok_ID<=3 AND $$'$$ <> ''; CREATE TABLE pwn (x int); --'"_s,
            once + u"STOKKART.Stok_ID<=3 AND E'\\'' <> ''; UPDATE stokfiyat SET "
                   u"ana_birim_fiyat=0 WHERE stok_id=2; --'"_s,
            once + u"STOKKART.Stok_ID<=3 -- '\r; CREATE TABLE pwn (x int); --'"_s,
            u"WITH x AS (DELETE FROM STOKFIYAT RETURNING Stok_ID) SELECT * FROM x"_s,
            once + u"STOKKART.Stok_ID<=3 AND setval('yok', 1) > 0"_s,
        };
        b->Veritabani().transaction(); // the savepoint road, as a print run reads
        for (const QString &sql : saldirilar) {
            const Satir_Izi iz(sql);
            OkunanSatirlar satirlar;
            QSqlError hata;
            QVERIFY(!Pg_Salt_Oku(b->Veritabani(), sql, satirlar, hata));
            QVERIFY(!hata.databaseText().isEmpty());
        }
        // The run's transaction is still writable and was never aborted.
        QSqlQuery q(b->Veritabani());
        QVERIFY(q.exec(u"INSERT INTO BARKODID (ID) VALUES (1)"_s));
        QVERIFY(b->Veritabani().rollback());
        QVERIFY(q.exec(u"SELECT count(*) FROM STOKFIYAT WHERE Ana_Birim_Fiyat = 0 AND "
                       u"Stok_ID = 2"_s) &&
                q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        QVERIFY(!q.exec(u"SELECT * FROM pwn"_s));
        // What reached the server: each text once, as one refused statement.
        const QString kayit = QString::fromUtf8(Dosya_Oku(qEnvironmentVariable("VARNEL_PG_LOG")));
        QVERIFY(!kayit.isEmpty());
        QVERIFY(!kayit.contains(u"statement: CREATE TABLE pwn"_s));
        QVERIFY(!kayit.contains(u"statement: UPDATE stokfiyat"_s));
        QVERIFY(kayit.contains(u"cannot insert multiple commands into a prepared statement"_s));
    }

    void komut_hatasi_tek_kutu() {
        // One box, the Turkish message first; the driver's text, its number, the
        // statement and the engine's own connection text under "Ayrıntılar". A
        // failed read leaves the run's transaction usable (no second failure).
        QFETCH_GLOBAL(QString, motor);
        VeriBaglantisi *b = o_.Baglanti.get();
        b->Veritabani().transaction();
        for (bool ac : {true, false}) { // Sorgu_Ac, Sorgu_Oku
            SahteMesaj kutu;
            KayitKumesi rs;
            Sorgu_Oku(kutu, *o_.Baglanti, rs,
                      u"SELECT 1 AS x"_s); // left open; must be closed on failure
            const QString sql = ac ? u"SELECT * FROM OLMAYAN_TABLO"_s
                                   : u"SELECT Stok_ID FROM STOKKART WHERE STOKKART.Grupp='Gıda'"_s;
            ac ? Sorgu_Ac(kutu, *o_.Baglanti, rs, sql) : Sorgu_Oku(kutu, *o_.Baglanti, rs, sql);
            QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
            QCOMPARE(kutu.kutular.size(), 1);
            const auto &k = kutu.kutular[0];
            QCOMPARE(k.metin, Sorgu_Hatasi_Mesaji);
            QCOMPARE(k.simge, Simge::Kritik);
            QCOMPARE(k.baslik, Program_Basligi);
            QCOMPARE(k.ayrintilar.size(), 4);
            QVERIFY(k.ayrintilar[0].contains(ac ? u"olmayan_tablo"_s : u"grupp"_s,
                                             Qt::CaseInsensitive));
            QVERIFY(!k.ayrintilar[1].isEmpty());
            QCOMPARE(k.ayrintilar[2], sql);
            QVERIFY(k.ayrintilar[3].startsWith(motor == u"sqlite" ? u"QSQLITE: /"_s
                                                                  : u"QPSQL: host="_s));
            QVERIFY(!k.ayrintilar.join(u' ').contains(o_.Sql_Sifre));
            if (ac) // on PostgreSQL a failed write aborts the transaction: start anew
                b->Veritabani().rollback(), b->Veritabani().transaction();
        }
        SahteMesaj kutu;
        KayitKumesi rs;
        QVERIFY(Sorgu_Ac(kutu, *o_.Baglanti, rs, u"DELETE FROM BARKODID"_s));
        QVERIFY(kutu.kutular.isEmpty());
        b->Veritabani().rollback();
        // SQLite's own refusal of a second statement is named as such.
        if (motor == u"sqlite") {
            Sorgu_Ac(kutu, *o_.Baglanti, rs, u"DELETE FROM BARKODID; DELETE FROM BARKODID"_s);
            QCOMPARE(kutu.kutular.value(0).ayrintilar.value(0),
                     u"Sorgu tek bir komut olmalıdır."_s);
        }
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
            !Sorgu_Oku(kutu, *o_.Baglanti, rs, u"SELECT pg_terminate_backend(pg_backend_pid())"_s));
        QCOMPARE(kutu.metinler(),
                 QStringList{QStringLiteral("SQL Server Bağlantı Hatası Tekrar Denenecektir.Lütfen "
                                            "Programı Kapatmayınız.")});
        QCOMPARE(kutu.kutular[0].simge, Simge::Yok);
        QVERIFY(o_.Baglanti->Koptu);
        kutu.kutular.clear();
        QVERIFY(!Sorgu_Oku(kutu, *o_.Baglanti, rs, u"SELECT Stok_ID FROM STOKKART"_s));
        QVERIFY(!Sorgu_Ac(kutu, *o_.Baglanti, rs, u"DELETE FROM BARKODID"_s));
        QCOMPARE(rs.State(), KayitKumesi::Durum::Kapali);
        QVERIFY(kutu.kutular.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSorgu)
#include "tst_sorgu.moc"
