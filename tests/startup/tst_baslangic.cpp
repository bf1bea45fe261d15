#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "database/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/BolgeAyar.h"
#include "startup/Komutlar.h"

#include <QTemporaryDir>
#include <QTest>

using Simge = MesajKutusu::Simge;
using namespace Qt::StringLiterals;

// The program's arguments and start line, the connection it opens, the questions asked.
class TstBaslangic : public QObject {
    Q_OBJECT
    QTemporaryDir ayarlar_;
    QTemporaryDir veri_;
    QString sunucu_; // "sqlite:<dir>" holding stok.db

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", ayarlar_.path().toUtf8());
        QVERIFY(TestBaglantisi(Sqlite_Vt(veri_.path(), u"stok"_s))
                    .Calistir(u"CREATE TABLE Bos (x INTEGER)"_s));
        sunucu_ = u"sqlite:"_s + veri_.path();
    }
    void init() { Bolge_Ayarla({}); }

    void bol() {
        const struct {
            const char *satir;
            QStringList alanlar;
        } tablo[] = {
            {"", {}},
            {" ", {" "}},
            {"a|b|c", {"a", "b", "c"}},
            {"a|b|", {"a", "b|"}}, // a trailing bar stays
            {"|", {"|"}},
            {"a||b", {"a", "", "b"}},
            {"|a", {"", "a"}},
            {" a | b ", {" a ", " b "}},
            {"a||", {"a", "|"}},
            {"x", {"x"}},
        };
        for (const auto &s : tablo)
            QCOMPARE(Komut_Satirini_Bol(s.satir), s.alanlar);
    }

    void parametre_oku() {
        // "%S" stands for the test database's server field. Each refused line gives
        // one box with OK and exit status 1.
        const QString hata = u"Datbase'e Bağlanılamadı."_s, eksik = u"Eksik Paremetre Kullanımı "_s,
                      kosul = Stok_Sarti_Mesaji;
        const struct {
            const char *satir;
            QString mesaj; // empty: the connection opens
            Simge simge;
        } tablo[] = {
            {" ", eksik, Simge::Kritik},
            {"a|b|c", eksik, Simge::Kritik},
            {"%S|F|stok|x=1", hata, Simge::Yok},
            {"%S|F|stok|x=1|1|sa", hata, Simge::Yok},
            {"%S|F|stok|x=1|bir|sa|æ", hata, Simge::Yok},
            {"%S|F|stok|x=1|40000|sa|æ", hata, Simge::Yok},
            {"%S|F|yok|x=1|1|sa|æ", hata, Simge::Yok}, // no such database: none is made
            {"%S|F|stok|x=1|1|sa|æ", {}, {}},
            {"sqlite:/yok/klasor|F|stok|x=1|1|sa|æ", hata, Simge::Yok},
            {"%S|F|stok|x=1; DELETE FROM STOKFIYAT|1|sa|æ", kosul, Simge::Kritik},
            {"%S|F|stok|x=1;|1|sa|æ", kosul, Simge::Kritik},
            {"%S|F|stok|Stok_Adi<>'a;b' AND \"x;\"=[y;]|1|sa|æ", {}, {}},
            {"%S|F|stok|Stok_Adi<>'it''s;'|1|sa|æ", {}, {}},
            {"%S|F|stok|x=1 -- it's\n; DELETE FROM STOKFIYAT|1|sa|æ", kosul, Simge::Kritik},
            {"%S|F|stok|x=1 /* a*b; */|1|sa|æ", {}, {}},
        };
        for (const auto &s : tablo) {
            init();
            const QString satir = QString::fromUtf8(s.satir).replace(u"%S"_s, sunucu_);
            const Satir_Izi iz(satir);
            SahteMesaj kutu;
            const Baslangic_Sonucu b = Parametre_Oku(kutu, satir, {});
            QCOMPARE(b.devam, s.mesaj.isEmpty());
            QCOMPARE(b.oturum.Baglanti != nullptr, b.devam);
            if (b.devam) {
                QVERIFY(kutu.kutular.isEmpty());
                continue;
            }
            QCOMPARE(b.cikis_kodu, 1);
            QCOMPARE(kutu.metinler(), QStringList{s.mesaj});
            QCOMPARE(kutu.kutular[0].simge, s.simge);
            QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::Tamam);
            QVERIFY(!QFileInfo::exists(veri_.filePath(u"yok.db"_s)));
        }
    }

    void etkilesimli_baslangic() {
        SahteMesaj kutu;
        for (const QString &c : {u"kullanici"_s, u"parola"_s, u"stok"_s, sunucu_, u"7"_s})
            kutu.girdi_cevaplari.enqueue(c);
        const Baslangic_Sonucu s = Main(kutu, QString());
        QVERIFY(s.devam);
        QVERIFY(kutu.kutular.isEmpty());
        QCOMPARE(kutu.girdiler.size(), 5);
        const QStringList istemler = {"SQL Kullanıcısı :", "SQL Kullanıcısı :",
                                      "Firma Database Adı :", "Bağlanılacak Server", "Stok_ID"};
        const QStringList varsayilanlar = {"sa", "", "DEMO", "", "1"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(kutu.girdiler[i].istem, istemler[i]);
            QCOMPARE(kutu.girdiler[i].varsayilan, varsayilanlar[i]);
            QCOMPARE(kutu.girdiler[i].baslik, u"Varnel 1.0"_s);
        }
        const Oturum &o = s.oturum;
        QCOMPARE(o.Sql_Kullanici.toString(), u"kullanici"_s);
        QCOMPARE(o.Sql_Sifre, u"parola"_s);
        QCOMPARE(o.Secili_Stok_ID, 7);
        QCOMPARE(o.Stok_Sarti, u" STOKKART.Stok_ID=7"_s);
        QCOMPARE(o.Sabit_Etiket_Adedi, qint16(0));
        QCOMPARE(o.Varsayilan_Adet(), qint16(1));
        QVERIFY(!o.Firma_Unvani.isEmpty());
        // The interactive text logs in as sa without the typed password.
        QVERIFY(o.Baglanti->ConnectionString().contains(u"User ID=sa;"_s));
        QVERIFY(!o.Baglanti->ConnectionString().contains(u"parola"_s));
    }

    void etkilesimli_hatalar_data() {
        QTest::addColumn<QString>("stokId");
        QTest::addColumn<bool>("sunucuVar");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("not a number") << "on" << true << "Stok_ID bir tam sayı olmalıdır.";
        QTest::newRow("cancelled") << "<iptal>" << true << "Stok_ID bir tam sayı olmalıdır.";
        QTest::newRow("no server") << "3" << false << "Datbase'e Bağlanılamadı.";
    }
    void etkilesimli_hatalar() {
        QFETCH(QString, stokId);
        QFETCH(bool, sunucuVar);
        QFETCH(QString, mesaj);
        SahteMesaj kutu;
        for (const QString &c :
             {u"sa"_s, QString(), u"stok"_s, sunucuVar ? sunucu_ : u"sqlite:/yok"_s})
            kutu.girdi_cevaplari.enqueue(c);
        kutu.girdi_cevaplari.enqueue(stokId == u"<iptal>" ? std::nullopt
                                                          : std::optional<QString>(stokId));
        const Baslangic_Sonucu s = Main(kutu, QString());
        QVERIFY(!s.devam);
        QCOMPARE(s.cikis_kodu, 1);
        QCOMPARE(kutu.metinler(), QStringList{mesaj});
        QVERIFY(!s.oturum.Baglanti);
    }

    void eksi_bir_ilk_alan_baglanamazsa_biter() {
        // "-1" as a server field names no reachable SQL Server: start-up ends there
        // and the interactive start is never reached.
        SahteMesaj kutu;
        const Baslangic_Sonucu s = Main(kutu, u"-1|F|stok|x=1|1|sa|æ"_s);
        QVERIFY(!s.devam);
        QCOMPARE(kutu.metinler(), QStringList{u"Datbase'e Bağlanılamadı."_s});
        QVERIFY(kutu.girdiler.isEmpty());
    }

    void komut_coz() {
        using T = Komut::Tur;
        // The arguments, the command they make (nothing: refused) and its start line
        // (for a refusal: words of the message).
        const struct {
            QStringList argumanlar;
            std::optional<T> tur;
            const char *satir;
        } tablo[] = {
            {{}, T::Pencere, ""},
            {{"sqlite:data|Demo", "Ticaret|DEMO|STOKKART.Stok_ID", "<=", "30|1|sa|æ"},
             T::Pencere,
             "sqlite:data|Demo Ticaret|DEMO|STOKKART.Stok_ID <= 30|1|sa|æ"}, // joined
            {{"--help"}, T::Yardim, ""},
            {{"--version"}, T::Surum, ""},
            {{"--bogus"}, {}, ""},
            {{"check", "a|b|c|d|1|sa|x"}, T::Denetle, "a|b|c|d|1|sa|x"},
            {{"check"}, {}, ""},
            {{"check", "-"}, T::Denetle, "-"}, // the line from standard input
            {{"--designs", "/tmp/d", "a|b"}, T::Pencere, "a|b"},
            {{"--designs"}, {}, ""},
            {{"-1|a|b|c"}, T::Pencere, "-1|a|b|c"},
            {{"print", "Raf", "--copies", "2", "x|y"}, T::Yazdir, "x|y"},
            {{"print", "Raf", "--out", "a.txt", "x"}, {}, ""},
            {{"print", "Raf", "--start", "0", "x"}, {}, ""},
            {{"print", "Raf", "--kopya", "2", "x"}, {}, ""},
            {{"print"}, {}, ""},
            {{"print", "Raf", "--copies", "32767", "x"}, T::Yazdir, "x"},
            {{"print", "Raf", "--copies", "32768", "x"}, {}, "--copies en çok 32767 olabilir"},
            {{"print", "Raf", "--copies", "0", "x"}, {}, "--copies en az 1"},
            {{"print", "Raf", "--dpi", "71", "x"}, {}, "--dpi 72 ile 1200 arasında olmalıdır"},
            {{"print", "Raf", "--dpi", "1201", "x"}, {}, "--dpi 72 ile 1200"},
            {{"print", "Raf", "--direct", "--copies", "2", "x"}, T::Yazdir, "x"},
            {{"print", "Raf", "--direct", "--start", "3", "x"}, {}, ""},
            {{"inspect", "a.ftr", "--json"}, T::Incele, ""},
            {{"inspect", "--json"}, {}, ""},
            {{"preview", "Raf", "--out", "o.png", "x"}, T::Onizle, "x"},
            {{"preview", "Raf", "--out", "o.pdf", "x"}, {}, ""}, // a PNG only
            {{"preview", "Raf", "x"}, {}, ""},
            {{"preview", "Raf", "--copies", "2", "--out", "o.png", "x"}, {}, ""},
            {{"print", "", "x"}, {}, "Tasarım adı boş."},
            {{"print", "   ", "x"}, {}, "Tasarım adı boş."},
            {{"preview", "", "--out", "o.png", "x"}, {}, "Tasarım adı boş."},
            {{"print", "Raf", "--query-timeout", "5", "x"}, T::Yazdir, "x"},
            {{"print", "Raf", "--query-timeout", "0", "x"}, {}, "--query-timeout en az 1"},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(s.argumanlar.join(u' '));
            const Komut_Sonucu k = Komut_Coz(s.argumanlar);
            QCOMPARE(k.tamam, s.tur.has_value());
            QCOMPARE(k.hata.isEmpty(), k.tamam);
            QVERIFY(k.tamam || k.hata.contains(QString::fromUtf8(s.satir)));
            if (k.tamam) {
                QCOMPARE(k.komut.tur, *s.tur);
                QCOMPARE(k.komut.satir, QString::fromUtf8(s.satir));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstBaslangic)
#include "tst_baslangic.moc"
