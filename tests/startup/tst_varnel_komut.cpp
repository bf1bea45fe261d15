#include "common/Araclar.h"
#include "common/Program.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "startup/Baslangic.h"
#include "startup/TasarimKlasoru.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The program itself, started as a stock application would start it.
class TstVarnelKomut : public QObject {
    Q_OBJECT
    QTemporaryDir ayarlar_;
    QTemporaryDir veri_;
    TestVeritabani demo_;

    using Sonuc = Program_Sonucu;
    // `girdi`: standard input; `kb`: files may grow to this many KiB (a full disk).
    Sonuc calistir(const QStringList &argumanlar, const QByteArray &girdi = {}, int kb = 0) {
        QProcess p;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(u"XDG_CONFIG_HOME"_s, ayarlar_.path());
        ortam.remove(u"DISPLAY"_s);
        ortam.remove(u"WAYLAND_DISPLAY"_s);
        ortam.remove(u"QT_QPA_PLATFORM"_s);
        p.setProcessEnvironment(ortam);
        Program_Baslat(p, argumanlar, kb);
        p.write(girdi);
        p.closeWriteChannel();
        return Program_Bekle(p, 20000);
    }

private slots:
    void initTestCase() {
        demo_ = Sqlite_Demo(veri_.path(), u"DEMO"_s);
        QVERIFY2(demo_.hata.isEmpty(), qPrintable(demo_.hata));
    }

    void tasarim_klasoru() {
        // Given, beside the program (a build tree), else the user's data folder, made
        // and filled with the samples once.
        QTemporaryDir k;
        const QString program = k.filePath(u"bin"_s), kullanici = k.filePath(u"veri/varnel"_s),
                      ornekler = k.filePath(u"share/varnel/Barkod"_s);
        QVERIFY(QDir().mkpath(ornekler) && QDir().mkpath(program));
        for (const char *ad : {"Raf Etiketi.ftr", "Baslik.mtr", "oku.txt"})
            QVERIFY(Dosya_Yaz(ornekler + u'/' + QString::fromUtf8(ad), "x"));
        const KlasorYerleri y{{}, program, kullanici, ornekler};
        QCOMPARE(Tasarim_Klasorunu_Bul({u"."_s, program, kullanici, ornekler}),
                 QDir::currentPath());
        const QString bulunan = Tasarim_Klasorunu_Bul(y);
        QCOMPARE(bulunan, kullanici + u"/Barkod"_s);
        QCOMPARE(QDir(bulunan).entryList(QDir::Files),
                 (QStringList{"Baslik.mtr", "Raf Etiketi.ftr"}));
        // A sample the user deleted is not brought back.
        QVERIFY(QFile::remove(bulunan + u"/Raf Etiketi.ftr"_s));
        QCOMPARE(Tasarim_Klasorunu_Bul(y), bulunan);
        QCOMPARE(QDir(bulunan).entryList(QDir::Files), QStringList{"Baslik.mtr"});
        QVERIFY(QDir().mkpath(program + u"/Barkod"_s));
        QCOMPARE(Tasarim_Klasorunu_Bul(y), program + u"/Barkod"_s);
    }

    void genel_secenekler() {
        Sonuc s = calistir({u"--version"_s});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.startsWith(u"Varnel 1."_s));
        s = calistir({u"--help"_s});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(u"varnel check SATIR"_s));
        s = calistir({u"--renk"_s});
        QCOMPARE(s.kod, 2);
        QVERIFY(s.hata.contains(u"Bilinmeyen seçenek: --renk"_s));
        s = calistir({});
        QCOMPARE(s.kod, 1);
        QVERIFY(s.hata.contains(u"varnel print"_s));
        QCOMPARE(s.hata.count(u'\n'), 1);
    }

    void check_demo() {
        // First run: the regional question is answered Yes in batch and written.
        Sonuc s = calistir({u"check"_s, demo_.Satir(u"STOKKART.Stok_ID<=30"_s)});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(u"SQLite"_s));
        QVERIFY(s.cikis.contains(u"DEMO.db"_s));
        QVERIFY(s.hata.contains(u"Onaylıyormusunuz ?"_s));
        QVERIFY(QFileInfo::exists(ayarlar_.filePath(u"varnel/International.ini"_s)));
        // Second run: settings are in force, nothing asked.
        s = calistir({u"check"_s, demo_.Satir(u"STOKKART.Stok_ID<=30"_s)});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.hata.isEmpty());
    }

    void check_basarisiz() {
        // Each refusal is tested with start-up; here what the process adds.
        const std::pair<QString, QString> tablo[] = {
            {u"sqlite:%1|F|DEMO|Stok_ID<=3; DELETE FROM STOKFIYAT|1|sa|æ"_s.arg(veri_.path()),
             u"Stok şartı tek bir koşul olmalıdır."_s},
            {u"127.0.0.1,1|F|STOK|x=1|1|sa|gizli123"_s, u"Datbase'e Bağlanılamadı."_s},
        };
        for (const auto &[satir, mesaj] : tablo) {
            const Sonuc s = calistir({u"check"_s, satir});
            QCOMPARE(s.kod, 1);
            QVERIFY(s.hata.split(u'\n').contains(mesaj));
            QVERIFY(!s.hata.contains(u"gizli123"_s));
        }
    }

    void satir_standart_girdiden() {
        // "-" keeps the password out of the process list.
        const Sonuc s =
            calistir({u"check"_s, u"-"_s},
                     demo_.Satir(u"STOKKART.Stok_ID<=30"_s).toUtf8() + "\r\nikinci satır\n");
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(u"DEMO.db"_s));
        // Nothing on standard input is no start line (not an interactive start).
        const Sonuc bos = calistir({u"check"_s, u"-"_s}, QByteArray());
        QCOMPARE(bos.kod, 2);
        QVERIFY2(bos.hata.contains(u"başlangıç satırı okunamadı"_s), qPrintable(bos.hata));
    }

    void inspect() {
        const QString ornek = Kaynak_Yolu(u"tests/document/ornekler/lazer_tam.ftr"_s);
        Sonuc s = calistir({u"inspect"_s, ornek});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(u"lazer yazıcı"_s));
        QVERIFY(s.cikis.contains(u"Kampanya İndirimi"_s));

        s = calistir({u"inspect"_s, ornek, u"--json"_s});
        QCOMPARE(s.kod, 0);
        const QJsonObject j = QJsonDocument::fromJson(s.cikis.toUtf8()).object();
        QCOMPARE(j[u"Etiket_Yatay"_s].toDouble(), 2.5);
        const QJsonArray nesneler = j[u"Nesneler"_s].toArray();
        QCOMPARE(nesneler.size(), 9);
        QCOMPARE(nesneler[5][u"FontStrikethru"_s].toBool(), true);
        QCOMPARE(j[u"Barkodlar"_s][1][u"Orientation"_s].toInt(), 900);

        const QString cikti = veri_.filePath(u"kopya.ftr"_s);
        s = calistir({u"inspect"_s, ornek, u"--write"_s, cikti});
        QCOMPARE(s.kod, 0);
        QCOMPARE(Dosya_Oku(cikti), Dosya_Oku(ornek));

        s = calistir({u"inspect"_s, ornek, u"--write"_s, QString()});
        QCOMPARE(s.kod, 2);
        QVERIFY(s.hata.contains(u"--write bir dosya adı ister."_s));

        // An element of a kind no list takes is named, not dropped silently.
        QByteArray tuhaf = Dosya_Oku(ornek);
        const qsizetype i = tuhaf.indexOf(";A;");
        QVERIFY(i > 0);
        tuhaf.replace(i, 3, ";Z;");
        QVERIFY(Dosya_Yaz(cikti, tuhaf));
        s = calistir({u"inspect"_s, cikti});
        QCOMPARE(s.kod, 0);
        QVERIFY2(s.hata.contains(u"Tasarımdaki 1 kayıt tanınmadığı için yüklenmedi.\n"
                                 u"Nesneler, 1. kayıt: tür \"Z\""_s),
                 qPrintable(s.hata));
    }

    void inspect_okunamayanlar() {
        // Reasons the reader gives line by line are tested with the reader; here the file.
        const QString yol = veri_.filePath(u"tasarim.ftr"_s);
        const std::pair<const char *, std::function<bool()>> tablo[] = {
            {"bulunamadı", [] { return true; }},
            {"tasarim.ftr, satır 5",
             [&] { return Dosya_Yaz(yol, "Tip_\r\n 0 \r\nBarkod_\r\n1\r\n0;x;\r\n"); }},
            // NaN and infinities are no sizes, also where an unreadable field is skipped;
            // junk after the printer block is no empty design.
            {"satır 8: Etiket alanı yüksekliği bir sayı olmalı: \"NaN\"",
             [&] {
                 return Dosya_Yaz(yol, "Tip_\r\n 0 \r\nBarkod_\r\n0\r\nNesneler_\r\n0\r\n"
                                       "Detaylar_\r\nTrue;NaN;100;\r\n<end>\r\n");
             }},
            {"satır 3: tanınmayan kayıt",
             [&] { return Dosya_Yaz(yol, "Tip_\r\n 0 \r\n\x01\x7f junk\r\n\r\n"); }},
            {"düzenli bir dosya değil",
             [&] { return QFile::remove(yol) && ::mkfifo(QFile::encodeName(yol), 0600) == 0; }},
            {"düzenli bir dosya değil",
             [&] { return QFile::remove(yol) && QFile::link(u"/dev/zero"_s, yol); }},
            {"çok büyük (en çok 10 MB)",
             [&] {
                 QFile f(yol);
                 return QFile::remove(yol) && f.open(QIODevice::WriteOnly) &&
                        f.resize(11 * 1024 * 1024);
             }},
        };
        for (const auto &[mesaj, hazirla] : tablo) {
            QVERIFY(hazirla());
            const Sonuc s = calistir({u"inspect"_s, yol});
            QCOMPARE(s.kod, 1);
            QVERIFY2(s.hata.contains(QString::fromUtf8(mesaj)), qPrintable(s.hata));
            QVERIFY(s.cikis.isEmpty());
        }
    }

    void inspect_yazilamayanlar() {
        // A full disk (files may grow to 1 KiB; the design has 1.4): the old one stays.
        const QString ornek = Kaynak_Yolu(u"data/designs/A4 Etiket 3x8.ftr"_s);
        const QString eski = veri_.filePath(u"eski.ftr"_s);
        QVERIFY(Dosya_Yaz(eski, "ESKI"));
        Sonuc s = calistir({u"inspect"_s, ornek, u"--write"_s, eski}, {}, 1);
        QCOMPARE(s.kod, 1);
        QVERIFY2(s.hata.contains(u"Tasarım kaydedilemedi"_s), qPrintable(s.hata));
        QCOMPARE(Dosya_Oku(eski), QByteArray("ESKI"));
        // A name leading to a device is refused; the device stays.
        const QString aygit = veri_.filePath(u"aygit.ftr"_s);
        QVERIFY(QFile::link(u"/dev/null"_s, aygit));
        s = calistir({u"inspect"_s, ornek, u"--write"_s, aygit});
        QCOMPARE(s.kod, 1);
        QVERIFY2(s.hata.contains(u"düzenli bir dosya değil"_s), qPrintable(s.hata));
        QVERIFY(QFileInfo(u"/dev/null"_s).exists());
        QVERIFY(QFileInfo(aygit).isSymLink());
        // Without ".ftr" the design is written as NAME.ftr, and the path says so.
        s = calistir({u"inspect"_s, ornek, u"--write"_s, veri_.filePath(u"adsiz"_s)});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.hata.contains(u"Yazıldı: "_s + veri_.filePath(u"adsiz.ftr"_s)));
        QVERIFY(QFileInfo::exists(veri_.filePath(u"adsiz.ftr"_s)));
    }

    void check_postgresql() {
        if (!Pg_Var())
            QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");
        TestVeritabani pg = Pg_Demo();
        QVERIFY2(pg.hata.isEmpty(), qPrintable(pg.hata));
        Sonuc s = calistir({u"check"_s, pg.Satir(u"STOKKART.Stok_ID<=30"_s)});
        QCOMPARE(s.kod, 0);
        QVERIFY(s.cikis.contains(u"PostgreSQL"_s));
        QVERIFY(!s.cikis.contains(pg.sifre));

        // Conditions that hide a second statement in PostgreSQL's own quoting are
        // refused before anything runs: each road with one of them (the scanner's
        // table reads every form on every engine).
        const QString tasarimlar = Kaynak_Yolu(u"data/designs"_s);
        const std::pair<QString, QStringList> yollar[] = {
            {u"STOKKART.Stok_ID<=3 AND $$'$$ <> ''; CREATE TABLE pwn (x int); --'"_s,
             {u"print"_s, u"Raf Etiketi"_s, u"--param"_s, u"Raf=1"_s}},
            {u"STOKKART.Stok_ID<=3 AND E'\\'' <> ''; CREATE TABLE pwn (x int); --'"_s,
             {u"print"_s, u"Raf Etiketi"_s, u"--direct"_s, u"--param"_s, u"Raf=1"_s}},
            {u"STOKKART.Stok_ID<=3 -- '\r; CREATE TABLE pwn (x int); --'"_s,
             {u"preview"_s, u"Raf Etiketi"_s}}};
        for (const auto &[kosul, yol] : yollar) {
            const Satir_Izi iz(yol.join(u' ') + u' ' + kosul);
            const QString cikti = veri_.filePath(yol[0] == u"preview" ? u"p.png"_s : u"p.pdf"_s);
            s = calistir(QStringList{u"--designs"_s, tasarimlar} + yol +
                         QStringList{u"--out"_s, cikti, pg.Satir(kosul)});
            QCOMPARE(s.kod, 1);
            QVERIFY2(s.hata.contains(Stok_Sarti_Mesaji), qPrintable(s.hata));
        }
        QVERIFY(!TestBaglantisi(pg).Calistir(u"SELECT * FROM pwn"_s));
        pg.sifre = u"yanlis_sifre_42"_s;
        s = calistir({u"check"_s, pg.Satir(u"STOKKART.Stok_ID<=30"_s)});
        QCOMPARE(s.kod, 1);
        QVERIFY(s.hata.contains(u"Datbase'e Bağlanılamadı."_s));
        QVERIFY(!s.hata.contains(pg.sifre));
    }
};

QTEST_GUILESS_MAIN(TstVarnelKomut)
#include "tst_varnel_komut.moc"
