#include "common/Araclar.h"
#include "common/BolgeAyari.h"
#include "common/Program.h"
#include "common/TestVeritabani.h"
#include "history/Gecmis.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The print history end to end: only finished runs are recorded, --changed prints what
// changed since, reprint prints a run's recorded prices, history lists the runs.
class TstGecmis : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    TestVeritabani vt_;

    Program_Sonucu calistir(const QStringList &argumanlar) {
        QProcess p;
        Program_Baslat(p, QStringList{u"--designs"_s, klasor_.path()} + argumanlar);
        return Program_Bekle(p);
    }
    // The shelf label design for the items `sart`, written to `cikti`.
    Program_Sonucu bas(const QString &cikti, const QString &sart, const QStringList &ek = {}) {
        return calistir(
            QStringList{u"print"_s, u"Raf Etiketi"_s, u"--param"_s, u"Raf=A"_s, u"--out"_s, cikti} +
                ek
            << vt_.Satir(sart));
    }
    void fiyatKoy(int stok, double fiyat) {
        QVERIFY(TestBaglantisi(vt_).Calistir(
            u"UPDATE STOKFIYAT SET Ana_Birim_Fiyat=%1 WHERE Stok_ID=%2 AND Fiyat_Sira_No=1"_s
                .arg(fiyat)
                .arg(stok)));
    }
    QJsonArray gecmis(const QStringList &ek = {}) {
        const Program_Sonucu s = calistir(QStringList{u"history"_s, u"--json"_s} + ek);
        return QJsonDocument::fromJson(s.cikis.toUtf8()).array();
    }
    QString yol(const QString &ad) const { return klasor_.filePath(ad); }

private slots:
    void initTestCase() {
        Bolge_Ayarla(yol(u"ayar"_s));
        qputenv("XDG_DATA_HOME", yol(u"veri"_s).toUtf8());
        QVERIFY(
            QFile::copy(Kaynak_Yolu(u"data/designs/Raf Etiketi.ftr"_s), yol(u"Raf Etiketi.ftr"_s)));
        vt_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
    }

    void degisen_fiyatlar() {
        const QString sart = u"STOKKART.Stok_ID<=3"_s, pdf = yol(u"d.pdf"_s);
        const auto yol_ = [](bool dogrudan) {
            return dogrudan ? QStringList{u"--changed"_s, u"--direct"_s}
                            : QStringList{u"--changed"_s};
        };
        // Never printed: all three.
        Program_Sonucu s = bas(pdf, sart, yol_(false));
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        QCOMPARE(Pdf_Metni(pdf).count(u'\f'), 3);
        // Nothing changed since: said on both roads, exit 0, no file.
        for (const bool dogrudan : {false, true}) {
            s = bas(yol(u"yok.pdf"_s), sart, yol_(dogrudan));
            QCOMPARE(s.kod, 0);
            QVERIFY2(s.hata.contains(u"Fiyatı değişen stok yok."_s), qPrintable(s.hata));
            QVERIFY(!QFile::exists(yol(u"yok.pdf"_s)));
        }
        // A refused run records nothing: the item it held stays changed, and only it
        // prints, on each road at its price then.
        fiyatKoy(2, 45);
        QCOMPARE(bas(pdf, u"STOKKART.Stok_ID IN (2,10)"_s, {u"--strict"_s}).kod, 3);
        for (const auto &[dogrudan, fiyat] : {std::pair{true, 45}, {false, 46}}) {
            fiyatKoy(2, fiyat);
            s = bas(pdf, sart, yol_(dogrudan));
            QVERIFY2(s.kod == 0, qPrintable(s.hata));
            const QString metin = Pdf_Metni(pdf);
            QVERIFY2(metin.count(u'\f') == 1 && metin.contains(u"%1,00"_s.arg(fiyat)) &&
                         metin.contains(u"Süzme"_s),
                     qPrintable(metin));
        }
    }

    void yeniden_basim_ve_liste() {
        // Two runs at once both land in the history.
        const int once = int(gecmis().size());
        QProcess a, b;
        Program_Baslat(a, {u"--designs"_s, klasor_.path(), u"print"_s, u"Raf Etiketi"_s,
                           u"--param"_s, u"Raf=B"_s, u"--direct"_s, u"--copies"_s, u"40"_s,
                           u"--out"_s, yol(u"a.pdf"_s), vt_.Satir(u"STOKKART.Stok_ID<=4"_s)});
        Program_Baslat(b, {u"--designs"_s, klasor_.path(), u"print"_s, u"Raf Etiketi"_s,
                           u"--param"_s, u"Raf=B"_s, u"--direct"_s, u"--copies"_s, u"40"_s,
                           u"--out"_s, yol(u"b.pdf"_s), vt_.Satir(u"STOKKART.Stok_ID<=4"_s)});
        QCOMPARE(Program_Bekle(a).kod, 0);
        QCOMPARE(Program_Bekle(b).kod, 0);
        QJsonArray l = gecmis();
        QCOMPARE(l.size(), once + 2);
        const QJsonObject son = l.first().toObject();
        QCOMPARE(son.value(u"stok"_s).toInt(), 4);
        QCOMPARE(son.value(u"etiket"_s).toInt(), 160);
        QCOMPARE(son.value(u"tasarim"_s).toString(), u"Raf Etiketi"_s);
        QVERIFY(QDateTime::fromString(son.value(u"zaman"_s).toString(), Qt::ISODate).isValid());
        // A run printed again: its items and its recorded price, not today's.
        const int no = son.value(u"no"_s).toInt();
        fiyatKoy(1, 99.5);
        const QString pdf = yol(u"yeniden.pdf"_s);
        const Program_Sonucu s = calistir({u"reprint"_s, QString::number(no), u"--out"_s, pdf,
                                           vt_.Satir(u"STOKKART.Stok_ID=1"_s)});
        QVERIFY2(s.kod == 0, qPrintable(s.hata));
        const QString metin = Pdf_Metni(pdf);
        QCOMPARE(metin.count(u'\f'), 160);
        QVERIFY(metin.contains(u"42,50"_s) && !metin.contains(u"99,50"_s));
        l = gecmis({u"--limit"_s, u"1"_s, vt_.Satir(u"x"_s)});
        QCOMPARE(l.size(), 1);
        QCOMPARE(l.first().toObject().value(u"no"_s).toInt(), no + 1);
        QVERIFY(gecmis({u"sqlite:/baska|F|BASKA|x|1|sa|x"_s}).isEmpty());
        QVERIFY(calistir({u"reprint"_s, u"999"_s, u"--out"_s, pdf, vt_.Satir(u"x"_s)})
                    .hata.contains(u"Baskı geçmişinde 999 numaralı basım yok."_s));
    }

    void sutundan_adet() {
        // Labels per item from a column: 3, 0, empty, -2 (told), and 40000 refused.
        TestBaglantisi t(vt_);
        QVERIFY(t.Calistir(u"UPDATE STOKKART SET KDV_Orani=CASE Stok_ID WHEN 1 THEN 3 WHEN 2 "
                           u"THEN 0 WHEN 3 THEN NULL WHEN 4 THEN -2 ELSE 40000 END"_s));
        for (const bool dogrudan : {false, true}) {
            const QStringList ek = QStringList{u"--copies-from"_s, u"KDV_Orani"_s} +
                                   (dogrudan ? QStringList{u"--direct"_s} : QStringList());
            const QString pdf = yol(u"adet.pdf"_s);
            Program_Sonucu s = bas(pdf, u"STOKKART.Stok_ID<=4"_s, ek);
            QVERIFY2(s.kod == 0, qPrintable(s.hata));
            QVERIFY2(s.hata.contains(u"1 stokun etiket adedi eksi; basılmadı: STK-0004"_s),
                     qPrintable(s.hata));
            const QString metin = Pdf_Metni(pdf);
            QCOMPARE(metin.count(u'\f'), 3);
            QCOMPARE(metin.count(u"Şeker"_s), 3);
            QVERIFY(QFile::remove(pdf));
            s = bas(pdf, u"STOKKART.Stok_ID<=5"_s, ek);
            QCOMPARE(s.kod, 1);
            QVERIFY2(s.hata.contains(u"Etiket adedi en çok 32767 olabilir: STK-0005"_s),
                     qPrintable(s.hata));
            QVERIFY(!QFile::exists(pdf));
        }
        QCOMPARE(bas(yol(u"x.pdf"_s), u"1=1"_s, {u"--copies-from"_s, u"KDV; DROP"_s}).kod, 2);
        QVERIFY(t.Calistir(u"UPDATE STOKKART SET KDV_Orani=1"_s));
    }

    void yarim_kalan_kaydedilmez() {
        // A run stopped midway records nothing; a history that cannot be written is one
        // warning, and the print stands.
        const int once = int(gecmis().size());
        QProcess p;
        Program_Baslat(p, {u"--designs"_s, klasor_.path(), u"print"_s, u"Raf Etiketi"_s,
                           u"--param"_s, u"Raf=C"_s, u"--copies"_s, u"30000"_s, u"--out"_s,
                           yol(u"uzun.pdf"_s), vt_.Satir(u"STOKKART.Stok_ID=1"_s)});
        QVERIFY(p.waitForStarted());
        QTest::qWait(400);
        p.terminate();
        QCOMPARE(Program_Bekle(p).kod, 143);
        QCOMPARE(int(gecmis().size()), once);

        QProcess q;
        auto ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(u"XDG_DATA_HOME"_s, u"/proc/varnel-yok"_s);
        q.setProcessEnvironment(ortam);
        Program_Baslat(q, {u"--designs"_s, klasor_.path(), u"print"_s, u"Raf Etiketi"_s,
                           u"--param"_s, u"Raf=C"_s, u"--out"_s, yol(u"g.pdf"_s),
                           vt_.Satir(u"STOKKART.Stok_ID=1"_s)});
        const Program_Sonucu s = Program_Bekle(q);
        QCOMPARE(s.kod, 0);
        QVERIFY(QFile::exists(yol(u"g.pdf"_s)));
        QCOMPARE(s.hata.count(u"Baskı geçmişi açılamadı"_s), 1);
        QVERIFY(s.hata.contains(u"(basım yapıldı, geçmişe yazılmadı)"_s));
    }

    void fiyat_tarihi_gecmisten() {
        // No date in the database: the day the history first saw the price it prints, on
        // both roads; a price the history never saw applies from today.
        QVERIFY(QFile::copy(Kaynak_Yolu(u"data/designs/Raf Etiketi Yönetmelik.ftr"_s),
                            yol(u"Raf Etiketi Yönetmelik.ftr"_s)));
        TestVeritabani t = Sqlite_Demo(klasor_.path(), u"tarih"_s);
        QVERIFY(TestBaglantisi(t).Calistir(u"UPDATE STOKFIYAT SET Degisim_Tarihi=NULL"_s));
        GecmisBasim b;
        b.zaman = QDateTime(QDate(2026, 1, 15), QTime(10, 0));
        b.sunucu = t.sunucu, b.veritabani = t.veritabani, b.tasarim = u"T"_s;
        b.stoklar = {{3, u"STK-0003"_s, 1, {{u"1"_s, 1234.5}}}};
        QVERIFY(!Gecmis().Kaydet(b));
        for (const auto &[fiyat, tarih] :
             {std::pair{1234.5, u"15.01.2026"_s},
              {1300.0, QDate::currentDate().toString(u"dd.MM.yyyy"_s)}}) {
            QVERIFY(TestBaglantisi(t).Calistir(
                u"UPDATE STOKFIYAT SET Ana_Birim_Fiyat=%1 WHERE Stok_ID=3 AND Fiyat_Sira_No=1"_s
                    .arg(fiyat)));
            for (const bool dogrudan : {false, true}) {
                const QString pdf = yol(u"tarih.pdf"_s);
                QStringList arg{u"print"_s, u"Raf Etiketi Yönetmelik"_s, u"--out"_s, pdf};
                if (dogrudan)
                    arg << u"--direct"_s;
                const Program_Sonucu s = calistir(arg << t.Satir(u"STOKKART.Stok_ID=3"_s));
                QVERIFY2(s.kod == 0, qPrintable(s.hata));
                QVERIFY2(Pdf_Metni(pdf).simplified().contains(u"Fiyat Tarihi: "_s + tarih),
                         qPrintable(Pdf_Metni(pdf)));
            }
        }
    }

    void kayit_okuma() {
        // The store itself: prices at full precision, an item's last print wins.
        const Gecmis g(yol(u"birim/Gecmis.db"_s));
        for (const double fiyat : {42.5, 0.1 + 0.2}) {
            GecmisBasim b;
            b.zaman = QDateTime::currentDateTime();
            b.sunucu = u"s"_s, b.veritabani = u"v"_s, b.tasarim = u"T"_s;
            b.parametreler = {{u"Raf"_s, u"A|B=C"_s}};
            b.stoklar = {{7, u"STK-7"_s, 2, {{u"1"_s, fiyat}, {u"3"_s, 1e9}}}};
            QVERIFY(!g.Kaydet(b));
            QVERIFY(b.no > 0);
        }
        const auto son = g.Son_Fiyatlar(u"s"_s, u"v"_s);
        QVERIFY(son);
        QCOMPARE(son->value(7).value(0).second, 0.1 + 0.2);
        const auto b = g.Basim(2);
        QVERIFY(b);
        QCOMPARE(b->parametreler.value(u"Raf"_s), u"A|B=C"_s);
        QCOMPARE(b->etiket_sayisi, 2);
        QCOMPARE(b->stoklar.value(0).fiyatlar.value(1).second, 1e9);
        QVERIFY(g.Son_Fiyatlar(u"s"_s, u"baska"_s)->isEmpty());

        // A run's items as it gathers them: an item's labels in a row count once, codes
        // come back whole (separator and Turkish letters in them), unconfirmed is dropped.
        BasilanStoklar st;
        st.Ekle(9, u"ÇĞ\x1fİ=;"_s, {{u" 2"_s, 1.5}});
        st.Ekle(9, u"ÇĞ\x1fİ=;"_s, {{u" 2"_s, 1.5}});
        st.Ekle(4, QString(), {});
        st.Ekle(9, u"9"_s, {{u"1"_s, 7}}, 3);
        for (const bool onay : {false, true}) {
            GecmisBasim b;
            b.sunucu = u"s"_s, b.veritabani = u"v"_s, b.tasarim = u"T"_s;
            auto yazim = g.Yaz(b, st);
            QVERIFY(yazim);
            if (onay)
                QVERIFY(!(*yazim)->Onayla());
            yazim->reset();
            const auto okunan = g.Basim(b.no);
            QCOMPARE(bool(okunan), onay);
            if (!onay)
                continue;
            QCOMPARE(okunan->etiket_sayisi, 6);
            QCOMPARE(okunan->stoklar.size(), 3);
            QCOMPARE(okunan->stoklar[0].kod, u"ÇĞ\x1fİ=;"_s);
            QCOMPARE(okunan->stoklar[0].adet, 2);
            QCOMPARE(okunan->stoklar[0].fiyatlar, (QList<QPair<QString, double>>{{u"2"_s, 1.5}}));
            QCOMPARE(okunan->stoklar[1].kod, QString());
            QVERIFY(okunan->stoklar[1].fiyatlar.isEmpty());
            QCOMPARE(okunan->stoklar[2].adet, 3);
        }
    }
};

QTEST_GUILESS_MAIN(TstGecmis)
#include "tst_gecmis.moc"
