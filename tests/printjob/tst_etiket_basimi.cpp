#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/Program.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "document/EtiketIcerigi.h"
#include "document/TasarimDosyasi.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr double mm = 72.0 / 25.4; // PDF points per millimetre

// Numbers of the demo items (Ana_Birim_Barkod) as zbarimg reports them.
const QMap<int, QString> barkodlar = {
    {1, "EAN-13:8690000000012"}, {2, "EAN-13:8690000000029"}, {3, "EAN-13:8690000000036"},
    {4, "EAN-8:86900010"},       {5, "EAN-13:8690000000050"}, {6, "CODE-39:IRM-0500"},
    {7, "CODE-93:PRN-B2KG"},     {8, "CODE-128:UZM 2026-11"}, {9, "UPC-A:036000291452"},
};

} // namespace

// `varnel print` end to end: the demo designs on the demo stock data, checked in
// the PDF and PNG output with pdftotext and zbarimg.
class TstEtiketBasimi : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    QString tasarimlar_;
    TestVeritabani sqlite_;

    using Sonuc = Program_Sonucu;
    // `kb`: files the program writes may grow to this many KiB (a full disk).
    QProcess *baslat(const QStringList &argumanlar, int kb = 0) {
        auto *p = new QProcess(this); // with the test's regional settings
        Program_Baslat(*p, QStringList{u"--designs"_s, tasarimlar_, u"print"_s} + argumanlar, kb);
        return p;
    }
    static Sonuc bekle(QProcess *p) {
        const Sonuc s = Program_Bekle(*p);
        p->deleteLater();
        return s;
    }
    Sonuc bas(const QStringList &argumanlar, int kb = 0) { return bekle(baslat(argumanlar, kb)); }
    // A run of the shelf label design with its parameter.
    static QStringList raf(const QString &deger, const QString &cikti, const QString &satir) {
        return {"Raf Etiketi", "--param", "Raf=" + deger, "--out", cikti, satir};
    }

    // The demo stock data in `k` with one item's level-1 price set to `fiyat` (SQL).
    static TestVeritabani fiyatiDegisik(const QTemporaryDir &k, int stok, const char *fiyat) {
        TestVeritabani t = Sqlite_Demo(k.path());
        TestBaglantisi b(t);
        if (!b.Calistir(u"UPDATE STOKFIYAT SET Ana_Birim_Fiyat=%1 WHERE Stok_ID=%2 AND "
                        u"Fiyat_Sira_No=1"_s.arg(QString::fromLatin1(fiyat))
                            .arg(stok)))
            t.hata = b.hata;
        return t;
    }

    // A file with old content that a failed run must leave as it was.
    QString eskiDosya(const QString &ad) {
        const QString yol = klasor_.filePath(ad);
        return Dosya_Yaz(yol, "ESKI") ? yol : QString();
    }
    // Whether a run has written into its output (a temporary file of the test folder
    // that may have no name yet), not only into the database. (The settings and designs
    // it reads lie in folders below.)
    bool yaziliyor(const QProcess *p) const {
        const QDir fd(u"/proc/%1/fd"_s.arg(p->processId()));
        for (const QFileInfo &f : fd.entryInfoList(QDir::Files | QDir::System))
            if (const QString h = f.symLinkTarget(); QFileInfo(h).path() == klasor_.path() &&
                                                     !h.contains(QLatin1String(".db")) &&
                                                     f.size() > 0)
                return true;
        return false;
    }

    // The demo data on the PostgreSQL server, made once for the runs that need it (each
    // leaves it as it found it).
    const TestVeritabani &pg() {
        if (pg_.sunucu.isEmpty())
            pg_ = Pg_Demo();
        return pg_;
    }
    TestVeritabani pg_;
    // Whether a session waits for a lock (a statement waiting on it reaches the
    // server's log only once it runs). Asked afresh: a transaction sees one snapshot.
    bool kilitBekleyen() {
        // Ungranted locks in this database only: runs of other tests share the server.
        return TestBaglantisi(pg())
                   .Deger(u"SELECT count(*) FROM pg_locks l JOIN pg_database d ON d.oid = "
                          "l.database WHERE NOT l.granted AND d.datname = current_database()"_s)
                   .toInt() > 0;
    }

    static int isTablosuSatiri(const TestVeritabani &t) {
        return TestBaglantisi(t).Deger(u"SELECT count(*) FROM BARKODID"_s, -1).toInt();
    }

private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath(u"ayar"_s));
        tasarimlar_ = klasor_.filePath(u"Barkod"_s);
        QDir().mkpath(tasarimlar_);
        const QDir kaynak(Kaynak_Yolu(u"data/designs"_s));
        for (const QString &f : kaynak.entryList({u"*.ftr"_s}))
            QVERIFY(QFile::copy(kaynak.filePath(f), tasarimlar_ + u'/' + f));
        // A design with a field the stock table lacks.
        TasarimBelgesi b;
        QVERIFY(!Tasarim_Dosyasi_Oku(tasarimlar_ + u"/Raf Etiketi.ftr"_s, b));
        NesneKaydi yok = b.Nesneler.value(1);
        yok.Caption = u"Olmayan_Alan"_s, yok.Tur = u"A"_s, yok.Tag.clear();
        b.Nesneler.append(yok);
        QVERIFY(!Tasarim_Dosyasi_Yaz(tasarimlar_, u"Olmayan Alan"_s, b));
        // Sheets without the clock, for runs compared byte for byte.
        QVERIFY(!Tasarim_Dosyasi_Oku(tasarimlar_ + u"/A4 Etiket 3x8.ftr"_s, b));
        QVERIFY(b.Nesneler.removeIf([](const NesneKaydi &n) {
            return Nesne_Icerigi(n).tur == EtiketIcerigi::Tur::Saat;
        }) > 0);
        QVERIFY(!Tasarim_Dosyasi_Yaz(tasarimlar_, u"Saatsiz 3x8"_s, b));
        sqlite_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(sqlite_.hata.isEmpty(), qPrintable(sqlite_.hata));
    }

    // CTest runs this program three times at once: VARNEL_TEST_GRUBU=2 the runs that are
    // stopped or wait on each other, =3 those on a silent server, =1 the rest (unset: all).
    void init() {
        static const QHash<QByteArray, QByteArray> gruplar = {
            {"sqlite_okuyuculari_beklemez", "2"},
            {"postgresql_kopunca_durur", "2"},
            {"iptal_ve_olum_tabloyu_bos_birakir", "2"},
            {"dogrudan_basim_iptal_edilir", "2"},
            {"ayni_anda_iki_basim", "2"},
            {"sessiz_veritabani", "3"}};
        const QByteArray grup = qgetenv("VARNEL_TEST_GRUBU");
        if (!grup.isEmpty() && grup != gruplar.value(QTest::currentTestFunction(), "1"))
            QSKIP("öbür test grubunda");
    }

    void a4_pdf_metinleri_ve_konumlar() {
        const QString pdf = klasor_.filePath(u"a4.pdf"_s);
        const Sonuc s = bas({u"A4 Etiket 3x8"_s, u"--start"_s, u"3"_s, u"--param"_s,
                             u"Kampanya=Yaz İndirimi"_s, u"--out"_s, pdf,
                             sqlite_.Satir(u"STOKKART.Stok_ID<=5"_s, 2, u"Demo Ticaret A.Ş."_s)});
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        QVERIFY(s.cikis.contains(u"10 etiket, 1 sayfa"_s));
        const QString metin = Pdf_Metni(pdf);
        for (const char *beklenen : {"Şeker 1 kg", "1.234,50", "2.500.000,00", "1.199,00",
                                     "BinİkiYüzOtuzDört YTL Elli Yeni Kuruş", "Demo Ticaret A.Ş.",
                                     "Yaz İndirimi", "stok", "8690000000050"})
            QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), beklenen);
        QVERIFY(metin.contains(QDate::currentDate().toString(u"dd.MM.yyyy"_s)));
        // TL_Fiyat1 of item 5 with "F_#,##0": no decimals, so the plain product.
        QVERIFY(metin.contains(u"2500000000000"_s));

        // Two empty positions, then items 1..5 in ascending id, two copies side by side.
        const QList<Pdf_Sozcugu> s2 = Pdf_Sozcukleri(pdf);
        const auto hucre = [](const Pdf_Sozcugu &z) {
            const int sutun = int(z.kutu.center().x() / (70 * mm));
            const int satir = int(z.kutu.center().y() / (37 * mm));
            return satir * 3 + sutun;
        };
        QMap<int, QStringList> hucreler;
        for (const Pdf_Sozcugu &z : s2)
            hucreler[hucre(z)] << z.metin;
        QVERIFY(!hucreler.contains(0));
        QVERIFY(!hucreler.contains(1));
        const QStringList adlar = {"Şeker", "Şeker",   "Süzme",   "Süzme",      "Çay",
                                   "Çay",   "Kırmızı", "Kırmızı", "Zeytinyağı", "Zeytinyağı"};
        for (int i = 0; i < adlar.size(); ++i)
            QVERIFY2(hucreler.value(i + 2).contains(adlar[i]),
                     qPrintable(hucreler.value(i + 2).join(u' ')));
        QCOMPARE(hucreler.lastKey(), 11);
        QCOMPARE(isTablosuSatiri(sqlite_), 0);
    }

    void png_barkodlari_cozulur() {
        const QString png = klasor_.filePath(u"a4.png"_s);
        const Sonuc s = bas({u"A4 Etiket 3x8"_s, u"--param"_s, u"Kampanya=x"_s, u"--out"_s, png,
                             u"--dpi"_s, u"300"_s, sqlite_.Satir(u"STOKKART.Stok_ID<=9"_s)});
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        const QImage sayfa(png);
        QCOMPARE(sayfa.size(), QSize(2480, 3508));
        // Each label on its own: its 0° barcode (left) and its 90° barcode (right),
        // all pieces read by one zbarimg run.
        const double px = 300 / 25.4;
        QStringList parcalar, beklenen;
        for (int i = 0; i < 9; ++i) {
            const QRect etiket(int((i % 3) * 70 * px), int((i / 3) * 37 * px), int(70 * px),
                               int(37 * px));
            for (const QRect &r : {etiket.adjusted(0, 0, -int(35 * px), 0),
                                   etiket.adjusted(int(56 * px), 0, 0, 0)}) {
                parcalar << klasor_.filePath(u"parca-%1.png"_s.arg(parcalar.size()));
                sayfa.copy(r).save(parcalar.last());
                beklenen << barkodlar[i + 1];
            }
        }
        QCOMPARE(Barkod_Coz(parcalar), beklenen);
    }

    void raf_etiketi_sayfa_basina_bir() {
        const QString pdf = klasor_.filePath(u"raf.pdf"_s);
        const Sonuc s =
            bas({u"Raf Etiketi"_s, u"--param"_s, u"Raf=A-12"_s, u"--copies"_s, u"1"_s, u"--out"_s,
                 pdf, sqlite_.Satir(u"STOKKART.Stok_ID IN (3,10,11)"_s, 4)});
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        // Their own price (level 1) printed empty: told after the run.
        QVERIFY2(s.hata.contains(u"2 etikette fiyat yok: STK-0010, STK-0011"_s),
                 qPrintable(s.hata));
        const QString metin = Pdf_Metni(pdf);
        QCOMPARE(metin.count(u'\f'), 3);
        const QStringList sayfalar = metin.split(u'\f');
        QVERIFY(sayfalar[0].contains(u"1.234,50"_s));
        QVERIFY(sayfalar[0].contains(u"1.234.500.000,00"_s));
        QVERIFY(sayfalar[0].contains(u"1.150,0"_s)); // level 3 with one decimal
        QVERIFY(sayfalar[0].contains(u"A-12"_s));
        // Item 10 has no level-1 price and item 11 a price of 0: nothing is printed.
        QVERIFY(!sayfalar[1].contains(u"0,00"_s));
        QVERIFY(sayfalar[1].contains(u"60,0"_s));
        QVERIFY(sayfalar[2].contains(u"Çamaşır Deterjanı"_s));
        QVERIFY(sayfalar[2].contains(u"SıfırYTL"_s));
        const QString pdfinfo = Arac_Calistir(u"pdfinfo"_s, {pdf});
        QVERIFY2(pdfinfo.contains(u"170.05 x 113.4 pts"_s),
                 qPrintable(pdfinfo)); // 60 x 40 mm as the design holds it: 3401 x 2268 twips

        // --strict refuses such a run on both roads; a condition ending in a comment
        // keeps the items' order (the comment ends at its own line).
        for (const QStringList &ek : {QStringList(), QStringList{u"--direct"_s}}) {
            const QString eski = eskiDosya(u"fiyatsiz.pdf"_s);
            const Sonuc f = bas(QStringList{u"Raf Etiketi"_s, u"--strict"_s, u"--param"_s,
                                            u"Raf=1"_s, u"--out"_s, eski}
                                << ek << sqlite_.Satir(u"STOKKART.Stok_ID IN (3,10) -- son"_s));
            QCOMPARE(f.kod, 3);
            QVERIFY2(f.hata.contains(u"1 etikette fiyat yok: STK-0010"_s), qPrintable(f.hata));
            QCOMPARE(Dosya_Oku(eski), QByteArray("ESKI"));
            const Sonuc y =
                bas(QStringList{u"Raf Etiketi"_s, u"--param"_s, u"Raf=1"_s, u"--out"_s, eski}
                    << ek << sqlite_.Satir(u"STOKKART.Stok_ID IN (40,4) -- son"_s));
            QVERIFY2(y.kod == 0, qPrintable(y.hata));
            // Both roads spell the amount by the report's rule.
            const QStringList s2 = Pdf_Metni(eski).split(u'\f');
            QVERIFY2(s2.value(0).contains(u"YüzElliBeşYTL"_s) &&
                         s2.value(1).contains(u"YirmiYedi YTL Elli Yeni Kuruş"_s),
                     qPrintable(s2.join(u'|')));
        }
    }

    void hatalar() {
        // Arguments before the start line ("x.pdf": the output), the item condition,
        // exit status and message (the options' own limits are the parser's tests).
        // Nothing is written and the work table stays empty.
        const struct {
            QStringList argumanlar;
            const char *kosul;
            int kod;
            const char *mesaj;
            int adet = 1; // the start line's labels per item
        } tablo[] = {
            {{"A4 Etiket 3x8", "--out", "x.pdf"}, "", 2, "Parametre değeri verilmedi: Kampanya"},
            {{"Yok Böyle", "--out", "x.pdf"}, "", 1, "Tasarım dosyası bulunamadı"},
            {raf("1", "x.pdf", {}), "STOKKART.Stok_ID>1000", 1, "Basılacak etiket yok"},
            {{"Olmayan Alan", "--param", "Raf=1", "--out", "x.pdf"},
             "",
             1,
             "Olmayan_Alan alanı sorguda bulunamadı."},
            {raf("1", "x.pdf", {}), "STOKKART.Stok_ID>>>1", 1, "Stok kartları okunamadı"},
            // An error while rows are read is the statement's, not a lost server.
            {raf("1", "x.pdf", {}), "STOKKART.Stok_ID<=3 AND abs(-9223372036854775808) > 0", 1,
             "Veritabanı komutu çalıştırılamadı"},
            {raf("1", "x.pdf", {}), "", 2, "etiket adedi eksi olamaz: -5", -5},
            {{"Raf Etiketi", "--direct", "--param", "Raf=1", "--out", "x.pdf"},
             "",
             2,
             "etiket adedi eksi olamaz: -5",
             -5},
        };
        const QString yol = klasor_.filePath(u"hata.pdf"_s);
        for (const auto &t : tablo) {
            const Satir_Izi iz(QString::fromUtf8(t.mesaj));
            QStringList argumanlar = t.argumanlar;
            argumanlar.removeAll(QString());
            argumanlar.replaceInStrings(u"x.pdf"_s, yol);
            const Sonuc s = bas(
                argumanlar << sqlite_.Satir(*t.kosul ? t.kosul : "STOKKART.Stok_ID<=2", t.adet));
            QCOMPARE(s.kod, t.kod);
            QVERIFY2(s.hata.contains(QString::fromUtf8(t.mesaj)), qPrintable(s.hata));
            QVERIFY(!s.hata.contains(u"Tekrar Denenecektir"_s));
            QVERIFY(!QFileInfo::exists(yol));
            QCOMPARE(isTablosuSatiri(sqlite_), 0);
        }
    }

    void dolu_disk_eski_dosyayi_korur() {
        // Files may grow to 64 KiB only: the database works, the output cannot be finished.
        for (const auto &[ad, argumanlar] :
             {std::pair{u"dolu.pdf"_s, QStringList{"Raf Etiketi", "--param", "Raf=A"}},
              {u"dolu.png"_s, {"A4 Etiket 3x8", "--param", "Kampanya=x", "--dpi", "150"}},
              {u"dolu.zpl"_s, {"Raf Etiketi", "--param", "Raf=A"}},
              {u"dolu-d.pdf"_s, {"Raf Etiketi", "--direct", "--param", "Raf=A"}}}) {
            const QString yol = eskiDosya(ad);
            const Sonuc s =
                bas(QStringList(argumanlar)
                        << u"--out"_s << yol << sqlite_.Satir(u"STOKKART.Stok_ID<=24"_s, 3),
                    64);
            QCOMPARE(s.kod, 1);
            QVERIFY2(s.hata.contains(u"yazılamadı"_s), qPrintable(s.hata));
            QVERIFY2(!s.hata.contains(u"libpng"_s), qPrintable(s.hata));        // our words only
            QVERIFY2(!s.hata.contains(u"Desteklemiyor"_s), qPrintable(s.hata)); // not the paper
            QCOMPARE(Dosya_Oku(yol), QByteArray("ESKI"));
            QCOMPARE(QDir(klasor_.path())
                         .entryList({u".varnel-*"_s, ad + u".*"_s}, QDir::Files | QDir::Hidden),
                     QStringList());
            QCOMPARE(isTablosuSatiri(sqlite_), 0);
        }
    }

    void sqlite_okuyuculari_beklemez() {
        // A long run on SQLite: other readers of the stock database get their rows at once.
        const QString pdf = klasor_.filePath(u"wal.pdf"_s);
        QProcess *p = baslat(raf(u"A"_s, pdf, sqlite_.Satir(u"STOKKART.Stok_ID>0"_s, 100)));
        QVERIFY(QTest::qWaitFor([&] { return yaziliyor(p); }, 30000));
        TestBaglantisi okuyucu(sqlite_, u"QSQLITE_BUSY_TIMEOUT=0"_s);
        QVERIFY2(okuyucu.Deger(u"SELECT count(*) FROM STOKFIYAT"_s).isValid(),
                 qPrintable(okuyucu.hata));
        QCOMPARE(okuyucu.Deger(u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
        QCOMPARE(p->state(), QProcess::Running); // the run still holds its transaction
        ::kill(pid_t(p->processId()), SIGTERM);
        QCOMPARE(bekle(p).kod, 143);
    }

    void postgresql_kopunca_durur() {
        if (!Pg_Var())
            QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");
        const TestVeritabani t = pg();
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        // The report road while it writes pages, and direct printing while it waits
        // for the prices another session holds locked.
        for (const QStringList &ek :
             {QStringList(), QStringList{u"--direct"_s, u"--copies"_s, u"300"_s}}) {
            const QString pdf = eskiDosya(u"kopuk.pdf"_s);
            TestBaglantisi kilit(t);
            if (!ek.isEmpty())
                QVERIFY(kilit.Calistir(u"BEGIN"_s) &&
                        kilit.Calistir(u"LOCK TABLE STOKFIYAT IN ACCESS EXCLUSIVE MODE"_s));
            QStringList arg = raf(u"A"_s, pdf, t.Satir(u"STOKKART.Stok_ID>0"_s, 60));
            arg = arg.mid(0, arg.size() - 1) + ek + arg.mid(arg.size() - 1);
            QProcess *p = baslat(arg);
            QVERIFY(QTest::qWaitFor([&] { return ek.isEmpty() ? yaziliyor(p) : kilitBekleyen(); },
                                    30000));
            // The server ends the run's sessions while pages are drawn. The one holding
            // the lock stays: ended with them, it could let the run's statement through
            // before the run's own end.
            const QString kilitci = kilit.Deger(u"SELECT pg_backend_pid()"_s).toString();
            QVERIFY(TestBaglantisi(t).Calistir(
                u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> "
                "pg_backend_pid() AND pid <> %1 AND datname = current_database()"_s.arg(kilitci)));
            const Sonuc s = bekle(p);
            QVERIFY2(s.kod == 1, qPrintable(ek.join(u' ') + u": "_s + s.cikis + s.hata));
            // Told once: at most the server's words, the retry notice and the stop.
            QVERIFY2(s.hata.count(u'\n') <= 3, qPrintable(s.hata));
            QVERIFY2(s.hata.contains(u"Veritabanı bağlantısı koptu; basım durduruldu."_s),
                     qPrintable(s.hata));
            QCOMPARE(Dosya_Oku(pdf), QByteArray("ESKI"));
        }
    }

    void sessiz_veritabani_data() {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("dogrudan");
        QTest::addColumn<int>("sinyal"); // 0: the time-out ends the run
        QTest::addColumn<int>("kod");
        QTest::newRow("postgresql, report, terminated") << "postgresql" << false << SIGTERM << 143;
        QTest::newRow("postgresql, direct, Ctrl+C") << "postgresql" << true << SIGINT << 130;
        QTest::newRow("postgresql, direct, time-out") << "postgresql" << true << 0 << 1;
        QTest::newRow("sqlite, report, terminated") << "sqlite" << false << SIGTERM << 143;
        QTest::newRow("sqlite, direct, Ctrl+C") << "sqlite" << true << SIGINT << 130;
    }
    void sessiz_veritabani() {
        // A server that stops answering (its relay stopped mid-run), or an SQLite file
        // another program holds locked: a stop request ends the run at once, and a
        // silence past --query-timeout ends it with its own message.
        QFETCH(QString, motor);
        QFETCH(bool, dogrudan);
        QFETCH(int, sinyal);
        QFETCH(int, kod);
        if (motor == u"postgresql" && !Pg_Var())
            QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");
        QTemporaryDir k;
        TestVeritabani t = motor == u"sqlite" ? Sqlite_Demo(k.path()) : pg();
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        QProcess vekil;
        std::optional<TestBaglantisi> yazar;
        if (motor == u"postgresql") {
            vekil.start(QStringLiteral(VARNEL_VEKIL), {qEnvironmentVariable("VARNEL_PG_PORT")});
            QVERIFY(vekil.waitForReadyRead(5000));
            t.sunucu = u"postgresql://127.0.0.1:%1"_s.arg(vekil.readLine().trimmed());
        } else {
            // A writer in the old journal mode holds the whole file.
            yazar.emplace(t);
            QVERIFY(yazar->Calistir(u"PRAGMA journal_mode=DELETE"_s));
            QVERIFY(yazar->Calistir(u"BEGIN EXCLUSIVE"_s));
        }
        const QString pdf = eskiDosya(u"sessiz.pdf"_s);
        // Stopped or not, a run ends with statements that wait on the server.
        // The report lays pages out well ahead of writing them: a long run, for the
        // server to be still in use once they are being written.
        QStringList arg = raf(u"A"_s, pdf, t.Satir(u"STOKKART.Stok_ID<=6"_s, dogrudan ? 10 : 400));
        // Long enough for the relay to be stopped while direct printing waits on the lock.
        arg.insert(arg.size() - 1, u"--query-timeout"_s);
        arg.insert(arg.size() - 1, u"2"_s);
        if (dogrudan)
            arg.insert(arg.size() - 1, u"--direct"_s);
        std::optional<TestBaglantisi> kilit;
        if (motor == u"postgresql") {
            // Direct printing is held at its prices until the relay is stopped.
            kilit.emplace(pg());
            if (dogrudan)
                QVERIFY(kilit->Calistir(u"BEGIN"_s) &&
                        kilit->Calistir(u"LOCK TABLE STOKFIYAT IN ACCESS EXCLUSIVE MODE"_s));
        }
        QProcess *p = baslat(arg);
        if (motor == u"postgresql") {
            // Labels are being made (direct printing waits for its prices, the report
            // writes pages and ends with its statements): the server goes silent.
            QVERIFY(
                QTest::qWaitFor([&] { return dogrudan ? kilitBekleyen() : yaziliyor(p); }, 30000));
            ::kill(pid_t(vekil.processId()), SIGSTOP);
            if (dogrudan)
                QVERIFY(kilit->Calistir(u"COMMIT"_s));
        }
        QTest::qWait(200);
        QCOMPARE(p->state(), QProcess::Running);
        if (sinyal)
            ::kill(pid_t(p->processId()), sinyal);
        // Without the stop it would wait for ever: 10 s are plenty.
        const Sonuc s = Program_Bekle(*p, 10000);
        delete p;
        if (motor == u"postgresql")
            ::kill(pid_t(vekil.processId()), SIGKILL);
        QCOMPARE(s.kod, kod);
        QVERIFY2(s.hata.contains(sinyal ? u"Basım iptal edildi."_s
                                        : u"Veritabanı yanıt vermiyor; basım durduruldu."_s),
                 qPrintable(s.hata));
        QCOMPARE(s.hata.count(u"yanıt vermiyor"_s), sinyal ? 0 : 1);
        QCOMPARE(Dosya_Oku(pdf), QByteArray("ESKI"));
        vekil.waitForFinished(5000);
    }

    void yazi_alanina_sigar() {
        // Texts longer than their boxes at several sizes and turns, on the report and
        // the direct road: every word whole in the PDF and no wider than its box
        // (taller, turned). A price of 1.234.567,89 in a 10 mm field among them.
        QTemporaryDir k;
        const TestVeritabani t = fiyatiDegisik(k, 1, "1234567.89");
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        const struct {
            const char *metin; // "Fiyat1": the item's price as a field
            double en, boy, pt;
            qint16 aci;
        } tablo[] = {
            {"Fiyat1", 10, 5, 12, 0},
            {"Zeytinyağı Sızma 5 lt", 20, 4, 10, 0},
            {"2.500.000,00", 12, 4, 14, 0},
            {"06.12.2026", 8, 3, 9, 0},
            {"Uzun Dikey Yazı", 4, 14, 10, 90},
            {"Ters 1.234,50", 11, 4, 10, 180},
            {"Kısa", 30, 5, 8, 0}, // fits: left as it is
        };
        TasarimBelgesi b;
        QVERIFY(!Tasarim_Dosyasi_Oku(tasarimlar_ + u"/Raf Etiketi.ftr"_s, b));
        b.Barkodlar = {BarkodKaydi()};
        b.Nesneler = {NesneKaydi()};
        double ust = 1;
        for (const auto &s : tablo) {
            NesneKaydi n;
            n.Caption = QString::fromUtf8(s.metin);
            n.Tur = n.Caption == u"Fiyat1" ? u"A"_s : u"E"_s;
            n.Tag = n.Tur == u"A" ? u"F_#,##0.00"_s : QString();
            const bool yan = s.aci == 90; // the tall one stands on the right
            n.Left = yan ? 50 : 2, n.Top = float(yan ? 1 : ust);
            n.Width = float(s.en), n.Height = float(s.boy);
            n.FontName = u"Arial"_s, n.FontSize = float(s.pt), n.Escapement = s.aci;
            n.ForeColor = 0, n.BackColor = 0xFFFFFF;
            b.Nesneler.append(n);
            ust += yan ? 0 : s.boy + 1;
        }
        QVERIFY(!Tasarim_Dosyasi_Yaz(tasarimlar_, u"Sigdirma"_s, b));
        for (const QStringList &ek : {QStringList(), QStringList{u"--direct"_s}}) {
            const QString pdf = k.filePath(u"sigdirma.pdf"_s);
            const Sonuc s = bas(QStringList{u"Sigdirma"_s, u"--out"_s, pdf}
                                << ek << t.Satir(u"STOKKART.Stok_ID=1"_s));
            QVERIFY2(s.kod == 0, qPrintable(s.hata));
            QVERIFY2(!s.hata.contains(u"sığmadı"_s), qPrintable(s.hata));
            const QList<Pdf_Sozcugu> sozcukler = Pdf_Sozcukleri(pdf);
            const auto bul = [&sozcukler](const QString &w) -> const Pdf_Sozcugu * {
                for (const Pdf_Sozcugu &p : sozcukler)
                    if (p.metin == w)
                        return &p;
                return nullptr;
            };
            constexpr double mm = 72 / 25.4, pay = 0.5; // PDF points
            for (const auto &r : tablo) {
                const QString metin =
                    QString::fromUtf8(r.metin) == u"Fiyat1" ? u"1.234.567,89"_s : r.metin;
                const Satir_Izi iz(metin + u' ' + ek.join(u' '));
                QRectF hepsi;
                for (const QString &w : metin.split(u' ')) {
                    const Pdf_Sozcugu *p = bul(w);
                    QVERIFY2(p, qPrintable(w)); // whole, never cut or wrapped away
                    hepsi |= p->kutu;
                }
                // A turned text runs along its box's height.
                QVERIFY(hepsi.width() <= r.en * mm + pay);
                QVERIFY2(hepsi.height() <= r.boy * mm + pay,
                         qPrintable(QString::number(hepsi.height() / mm)));
            }
        }
        // Below 4 pt nothing fits: printed clipped, told once, refused with --strict.
        b.Nesneler[2].Caption = QString(300, u'Ş');
        QVERIFY(!Tasarim_Dosyasi_Yaz(tasarimlar_, u"Sigdirma"_s, b));
        for (const QStringList &ek : {QStringList(), QStringList{u"--direct"_s}}) {
            const QString pdf = eskiDosya(u"tasma.pdf"_s);
            Sonuc s = bas(QStringList{u"Sigdirma"_s, u"--out"_s, pdf}
                          << ek << t.Satir(u"STOKKART.Stok_ID<=2"_s));
            QCOMPARE(s.kod, 0);
            QVERIFY2(s.hata.contains(u"2 etikette yazı alanına sığmadı: STK-0001, STK-0002"_s),
                     qPrintable(s.hata));
            QVERIFY(Dosya_Oku(pdf) != "ESKI");
            QVERIFY(Dosya_Yaz(pdf, "ESKI"));
            s = bas(QStringList{u"Sigdirma"_s, u"--strict"_s, u"--out"_s, pdf}
                    << ek << t.Satir(u"STOKKART.Stok_ID<=2"_s));
            QCOMPARE(s.kod, 3);
            QVERIFY(s.hata.contains(u"yazı alanına sığmadı"_s));
            QCOMPARE(Dosya_Oku(pdf), QByteArray("ESKI"));
        }
    }

    void sayi_olmayan_fiyat_durdurur() {
        // A price the database holds as infinity: both roads stop and name the item.
        // Its code holds a terminal's escape sequences: shown as \xNN, never sent.
        QTemporaryDir k;
        const TestVeritabani t = fiyatiDegisik(k, 2, "9e999");
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        QVERIFY(TestBaglantisi(t).Calistir(u"UPDATE STOKKART SET Stok_Kodu='E' || char(27) || "
                                           u"'[2J' || char(27) || ']0;x' || char(7) || 'K' "
                                           u"WHERE Stok_ID=2"_s));
        for (const QStringList &ek : {QStringList(), QStringList{u"--direct"_s}}) {
            const QString pdf = eskiDosya(u"sonsuz.pdf"_s);
            const Sonuc s =
                bas(QStringList{u"Raf Etiketi"_s, u"--param"_s, u"Raf=1"_s, u"--out"_s, pdf}
                    << ek << t.Satir(u"STOKKART.Stok_ID<=3"_s));
            QCOMPARE(s.kod, 1);
            QVERIFY2(s.hata.contains(
                         u"E\\x1b[2J\\x1b]0;x\\x07K stok kartının Fiyat1 değeri bir sayı değil"_s),
                     qPrintable(s.hata));
            QVERIFY(!s.hata.contains(QChar(27)) && !s.hata.contains(QChar(7)));
            QCOMPARE(Dosya_Oku(pdf), QByteArray("ESKI"));
        }
    }

    void yazici_yoksa() {
        const Sonuc s = bas({u"Raf Etiketi"_s, u"--param"_s, u"Raf=1"_s, u"--printer"_s,
                             u"Olmayan Yazıcı"_s, sqlite_.Satir(u"STOKKART.Stok_ID<=3"_s)});
        QCOMPARE(s.kod, 1);
        QVERIFY(s.hata.contains(u"Lütfen Barkod Yazıcısını Tanımlayın.\n"
                                u"Yazıcı bulunamadı: Olmayan Yazıcı"_s));
    }

    void iptal_ve_olum_tabloyu_bos_birakir_data() {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("sinyal"); // SIGKILL: the process gets no say at all
        QTest::addColumn<int>("kod");
        QTest::newRow("sqlite, Ctrl+C") << "sqlite" << SIGINT << 130;
        QTest::newRow("sqlite, killed") << "sqlite" << SIGKILL << -1;
        QTest::newRow("postgresql, Ctrl+C") << "postgresql" << SIGINT << 130;
        QTest::newRow("postgresql, killed") << "postgresql" << SIGKILL << -1;
    }
    void iptal_ve_olum_tabloyu_bos_birakir() {
        QFETCH(QString, motor);
        QFETCH(int, sinyal);
        QFETCH(int, kod);
        if (motor == u"postgresql" && !Pg_Var())
            QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");
        const TestVeritabani t = motor == u"sqlite" ? sqlite_ : pg();
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        const QString pdf = eskiDosya(u"uzun-%1.pdf"_s.arg(motor));
        QProcess *p = baslat(raf(u"A"_s, pdf, t.Satir(u"STOKKART.Stok_ID>0"_s, 60)));
        // Wait until pages are being written, then stop the run.
        QVERIFY(QTest::qWaitFor([&] { return yaziliyor(p); }, 30000));
        QCOMPARE(p->state(), QProcess::Running);
        ::kill(pid_t(p->processId()), sinyal);
        const Sonuc s = bekle(p);
        if (kod > 0) {
            QCOMPARE(s.kod, kod);
            QVERIFY(s.hata.contains(u"Basım iptal edildi."_s));
        }
        // The file that was there is untouched, whatever stopped the run.
        QCOMPARE(Dosya_Oku(pdf), QByteArray("ESKI"));
        QCOMPARE(isTablosuSatiri(t), 0);
    }

    void dogrudan_basim_iptal_edilir() {
        // Direct printing to PNG pages: a termination request stops it cleanly, and
        // a later run removes hidden pages a killed run left over a day ago.
        QTemporaryDir k;
        const QString eski = k.filePath(u".varnel-olu.png"_s),
                      yeni = k.filePath(u".varnel-taze.png"_s);
        for (const QString &f : {eski, yeni})
            QVERIFY(Dosya_Yaz(f, "x"));
        QFile e(eski);
        QVERIFY(e.open(QIODevice::ReadWrite) &&
                e.setFileTime(QDateTime::currentDateTime().addDays(-2),
                              QFileDevice::FileModificationTime));
        e.close();
        const QString png = k.filePath(u"d.png"_s);
        QVERIFY(Dosya_Yaz(png, "ESKI"));
        QProcess *p = baslat({u"Raf Etiketi"_s, u"--direct"_s, u"--copies"_s, u"20000"_s,
                              u"--param"_s, u"Raf=1"_s, u"--dpi"_s, u"72"_s, u"--out"_s, png,
                              sqlite_.Satir(u"STOKKART.Stok_ID<=2"_s)});
        const auto sayfalar = [&k] {
            return QDir(k.path()).entryList({u".varnel-*.png"_s}, QDir::Files | QDir::Hidden);
        };
        QVERIFY(QTest::qWaitFor([&] { return sayfalar().size() > 3; }, 30000));
        QVERIFY(!sayfalar().contains(u".varnel-olu.png"_s));
        ::kill(pid_t(p->processId()), SIGTERM);
        const Sonuc s = bekle(p);
        QCOMPARE(s.kod, 143);
        QVERIFY2(s.hata.contains(u"Basım iptal edildi."_s), qPrintable(s.hata));
        QCOMPARE(sayfalar(), QStringList{u".varnel-taze.png"_s});
        QCOMPARE(Dosya_Oku(png), QByteArray("ESKI"));
    }

    void ayni_anda_iki_basim_data() {
        QTest::addColumn<QString>("motor");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }
    void ayni_anda_iki_basim() {
        QFETCH(QString, motor);
        if (motor == u"postgresql" && !Pg_Var())
            QSKIP("PostgreSQL test sunucusu yok (./test başlatır)");
        const TestVeritabani t = motor == u"sqlite" ? sqlite_ : pg();
        QVERIFY2(t.hata.isEmpty(), qPrintable(t.hata));
        const QString a = klasor_.filePath(u"a-%1.pdf"_s.arg(motor));
        const QString b = klasor_.filePath(u"b-%1.pdf"_s.arg(motor));
        // Many copies make the runs long enough to overlap.
        QProcess *pa = baslat(raf(u"A"_s, a, t.Satir(u"STOKKART.Stok_ID<=3"_s, 60)));
        QProcess *pb = baslat(raf(u"B"_s, b, t.Satir(u"STOKKART.Stok_ID>=40"_s, 60)));
        const Sonuc sa = bekle(pa), sb = bekle(pb);
        QVERIFY2(sa.kod == 0, qPrintable(sa.hata));
        QVERIFY2(sb.kod == 0, qPrintable(sb.hata));
        // Each run's own items only.
        const QString ma = Pdf_Metni(a), mb = Pdf_Metni(b);
        QCOMPARE(
            (QList<qsizetype>{ma.count(u'\f'), ma.count(u"Şeker 1 kg"_s), ma.count(u"Güneş"_s)}),
            (QList<qsizetype>{180, 60, 0}));
        QCOMPARE((QList<qsizetype>{mb.count(u'\f'), mb.count(u"Güneş Kremi SPF 50"_s),
                                   mb.count(u"Şeker"_s)}),
                 (QList<qsizetype>{180, 60, 0}));
        QCOMPARE(isTablosuSatiri(t), 0);
    }

    void is_parcaciklari_ayni_baytlari_yazar_data() {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<QString>("uzanti");
        QTest::addColumn<int>("adet"); // labels per item (the demo has 42 items)
        QTest::addColumn<int>("sayfa");
        // PDF files of several parts painted at once (one part: every other PDF test).
        QTest::newRow("sheets, PDF")
            << QStringList{u"Saatsiz 3x8"_s, u"--param"_s, u"Kampanya=Yaz"_s} << u"pdf"_s << 60
            << 105;
        const QStringList raf{u"Raf Etiketi Yönetmelik"_s};
        QTest::newRow("direct, PDF") << raf + QStringList{u"--direct"_s} << u"pdf"_s << 30 << 1260;
        QTest::newRow("label a page, ZPL") << raf << u"zpl"_s << 4 << 0;
        QTest::newRow("direct, ZPL") << raf + QStringList{u"--direct"_s} << u"zpl"_s << 4 << 0;
    }
    void is_parcaciklari_ayni_baytlari_yazar() {
        // Pages painted on other threads than the one laying them out make the very
        // bytes a run on one thread makes. Designs without a clock, as the runs are
        // apart in time; the PDF's own creation time is left out.
        QFETCH(QStringList, argumanlar);
        QFETCH(QString, uzanti);
        QFETCH(int, adet);
        QFETCH(int, sayfa);
        QTemporaryDir k;
        QList<QByteArray> ciktilar;
        for (const char *n : {"1", "4"}) {
            const QString cikti = k.filePath(u"%1/cikti.%2"_s.arg(QLatin1String(n), uzanti));
            QVERIFY(QDir().mkpath(QFileInfo(cikti).path()));
            qputenv("VARNEL_THREADS", n);
            const Sonuc s =
                bas(argumanlar +
                    QStringList{u"--out"_s, cikti, sqlite_.Satir(u"STOKKART.Stok_ID>0"_s, adet)});
            qunsetenv("VARNEL_THREADS");
            QVERIFY2(s.kod == 0, qPrintable(s.hata));
            static const QRegularExpression zaman(u"/CreationDate \\([^)]*\\)"_s);
            ciktilar << QString::fromLatin1(Dosya_Oku(cikti)).remove(zaman).toLatin1();
        }
        QVERIFY(ciktilar[0].size() > 1000);
        QVERIFY(ciktilar[0] == ciktilar[1]);
        if (uzanti != u"pdf")
            return;
        // No part lost on the way: every page and every item's name (the join itself is
        // read by poppler in tst_sayfa_hedefleri).
        const QString metin = Pdf_Metni(k.filePath(u"4/cikti.pdf"_s));
        QCOMPARE(metin.count(u'\f'), sayfa);
        QCOMPARE(metin.count(u"Şeker 1 kg"_s), adet);
    }
};

QTEST_GUILESS_MAIN(TstEtiketBasimi)
#include "tst_etiket_basimi.moc"
