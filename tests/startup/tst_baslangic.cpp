#include "common/SahteMesaj.h"
#include "common/SqliteDosyasi.h"
#include "components/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/BolgeAyar.h"
#include "startup/Degiskenler.h"

#include <QTemporaryDir>
#include <QTest>

using Simge = MesajKutusu::Simge;

class TstBaslangic : public QObject {
    Q_OBJECT
    QTemporaryDir ayarlar_;
    QTemporaryDir veri_;
    QString sunucu_; // "sqlite:<dir>" holding stok.db

    void bolgeAyarla(const QString &kisaTarih) {
        const auto yaz = [](const char *ad, const QString &v) {
            Kayit_Deger_Yaz(KokAnahtar::HKEY_CURRENT_USER, Bolge_Anahtari, QString::fromLatin1(ad),
                            v);
        };
        yaz("sDecimal", QStringLiteral(","));
        yaz("sThousand", QStringLiteral("."));
        yaz("sDate", QStringLiteral("."));
        yaz("sShortDate", kisaTarih);
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", ayarlar_.path().toUtf8());
        QVERIFY(Sqlite_Dosyasi_Yap(veri_.filePath(QStringLiteral("stok.db"))));
        sunucu_ = QStringLiteral("sqlite:") + veri_.path();
    }
    void init() {
        bolgeAyarla(QStringLiteral("dd.MM.yyyy"));
        Baglanti_Kapat();
        Degiskenler::Parametreler.clear();
        Degiskenler::Sql_Sifre = QStringLiteral("önceki");
        Degiskenler::Stok_Sarti.clear();
    }
    void cleanupTestCase() { Baglanti_Kapat(); }

    void bol_data() {
        QTest::addColumn<QString>("satir");
        QTest::addColumn<QStringList>("alanlar");
        QTest::newRow("01 empty") << "" << QStringList{};
        QTest::newRow("02 one blank") << " " << QStringList{" "};
        QTest::newRow("03 three") << "a|b|c" << QStringList{"a", "b", "c"};
        QTest::newRow("04 trailing bar stays") << "a|b|" << QStringList{"a", "b|"};
        QTest::newRow("05 bar only") << "|" << QStringList{"|"};
        QTest::newRow("06 empty middle") << "a||b" << QStringList{"a", "", "b"};
        QTest::newRow("07 leading bar") << "|a" << QStringList{"", "a"};
        QTest::newRow("08 blanks kept") << " a | b " << QStringList{" a ", " b "};
        QTest::newRow("09 two bars at end") << "a||" << QStringList{"a", "|"};
        QTest::newRow("10 single char") << "x" << QStringList{"x"};
    }
    void bol() {
        QFETCH(QString, satir);
        QFETCH(QStringList, alanlar);
        QCOMPARE(Komut_Satirini_Bol(satir), alanlar);
    }

    void parametre_oku_data() {
        QTest::addColumn<QString>("satir"); // "%S" stands for the test database's server field
        QTest::addColumn<bool>("devam");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<int>("simge");
        const QString hata = QStringLiteral("Datbase'e Bağlanılamadı.");
        const QString eksik = QStringLiteral("Eksik Paremetre Kullanımı ");
        QTest::newRow("01 one blank") << " " << false << eksik << int(Simge::Kritik);
        QTest::newRow("02 three fields") << "a|b|c" << false << eksik << int(Simge::Kritik);
        QTest::newRow("03 four fields") << "%S|F|stok|x=1" << false << hata << int(Simge::Yok);
        QTest::newRow("04 six fields") << "%S|F|stok|x=1|1|sa" << false << hata << int(Simge::Yok);
        QTest::newRow("05 count not a number")
            << "%S|F|stok|x=1|bir|sa|æ" << false << hata << int(Simge::Yok);
        QTest::newRow("06 count too big")
            << "%S|F|stok|x=1|40000|sa|æ" << false << hata << int(Simge::Yok);
        QTest::newRow("07 missing database")
            << "%S|F|yok|x=1|1|sa|æ" << false << hata << int(Simge::Yok);
        QTest::newRow("08 complete") << "%S|F|stok|x=1|1|sa|æ" << true << "" << 0;
        QTest::newRow("09 missing folder")
            << "sqlite:/yok/klasor|F|stok|x=1|1|sa|æ" << false << hata << int(Simge::Yok);
        const QString kosul = Stok_Sarti_Mesaji;
        QTest::newRow("10 second statement") << "%S|F|stok|x=1; DELETE FROM STOKFIYAT|1|sa|æ"
                                             << false << kosul << int(Simge::Kritik);
        QTest::newRow("11 trailing semicolon")
            << "%S|F|stok|x=1;|1|sa|æ" << false << kosul << int(Simge::Kritik);
        QTest::newRow("12 semicolon in quotes")
            << "%S|F|stok|Stok_Adi<>'a;b' AND \"x;\"=[y;]|1|sa|æ" << true << "" << 0;
        QTest::newRow("14 quote inside a comment")
            << "%S|F|stok|x=1 -- it's\n; DELETE FROM STOKFIYAT|1|sa|æ" << false << kosul
            << int(Simge::Kritik);
        QTest::newRow("15 semicolon in a block comment")
            << "%S|F|stok|x=1 /* a*b; */|1|sa|æ" << true << "" << 0;
        QTest::newRow("13 doubled quote")
            << "%S|F|stok|Stok_Adi<>'it''s;'|1|sa|æ" << true << "" << 0;
    }
    void parametre_oku() {
        QFETCH(QString, satir);
        QFETCH(bool, devam);
        QFETCH(QString, mesaj);
        QFETCH(int, simge);
        satir.replace(QStringLiteral("%S"), sunucu_);
        SahteMesaj kutu;
        const Baslangic_Sonucu s = Parametre_Oku(kutu, satir);
        QCOMPARE(s.devam, devam);
        QCOMPARE(Degiskenler::Baglanti != nullptr, devam);
        if (devam) {
            QVERIFY(kutu.kutular.isEmpty());
            return;
        }
        QCOMPARE(s.cikis_kodu, 1);
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].metin, mesaj);
        QCOMPARE(int(kutu.kutular[0].simge), simge);
        QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::Tamam);
        QVERIFY(QFileInfo(veri_.filePath(QStringLiteral("yok.db"))).exists() == false);
    }

    void etkilesimli_baslangic() {
        SahteMesaj kutu;
        for (const QString &c : {QStringLiteral("kullanici"), QStringLiteral("parola"),
                                 QStringLiteral("stok"), sunucu_, QStringLiteral("7")})
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
            QCOMPARE(kutu.girdiler[i].baslik, QStringLiteral("Varnel 1.0"));
        }
        QCOMPARE(Degiskenler::Sql_Kullanici.toString(), QStringLiteral("kullanici"));
        QCOMPARE(Degiskenler::Sql_Sifre, QStringLiteral("parola"));
        QCOMPARE(Degiskenler::Secili_Stok_ID, 7);
        QCOMPARE(Degiskenler::Stok_Sarti, QStringLiteral(" STOKKART.Stok_ID=7"));
        QCOMPARE(Degiskenler::Sabit_Etiket_Adedi, qint16(0));
        QVERIFY(!Degiskenler::Firma_Unvani.isEmpty());
        // The interactive text logs in as sa without the typed password.
        QVERIFY(Degiskenler::Baglanti->ConnectionString().contains(QStringLiteral("User ID=sa;")));
        QVERIFY(!Degiskenler::Baglanti->ConnectionString().contains(QStringLiteral("parola")));
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
        for (const QString &c : {QStringLiteral("sa"), QString(), QStringLiteral("stok"),
                                 sunucuVar ? sunucu_ : QStringLiteral("sqlite:/yok")})
            kutu.girdi_cevaplari.enqueue(c);
        kutu.girdi_cevaplari.enqueue(stokId == u"<iptal>" ? std::nullopt
                                                          : std::optional<QString>(stokId));
        const Baslangic_Sonucu s = Main(kutu, QString());
        QVERIFY(!s.devam);
        QCOMPARE(s.cikis_kodu, 1);
        QCOMPARE(kutu.metinler(), QStringList{mesaj});
        QVERIFY(!Degiskenler::Baglanti);
    }

    void eksi_bir_ilk_alan_baglanamazsa_biter() {
        // "-1" as a server field names no reachable SQL Server: start-up ends there
        // and the interactive start is never reached.
        SahteMesaj kutu;
        const Baslangic_Sonucu s = Main(kutu, QStringLiteral("-1|F|stok|x=1|1|sa|æ"));
        QVERIFY(!s.devam);
        QCOMPARE(kutu.metinler(), QStringList{QStringLiteral("Datbase'e Bağlanılamadı.")});
        QVERIFY(kutu.girdiler.isEmpty());
    }

    void bolge_reddi_programi_bitirir() {
        bolgeAyarla(QStringLiteral("d.M.yyyy"));
        SahteMesaj kutu;
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
        const Baslangic_Sonucu s = Main(kutu, sunucu_ + QStringLiteral("|F|stok|x=1|1|sa|æ"));
        QVERIFY(!s.devam);
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(kutu.kutular[0].simge, Simge::Soru);
        QVERIFY(!Degiskenler::Baglanti);
        QVERIFY(Degiskenler::Parametreler.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstBaslangic)
#include "tst_baslangic.moc"
