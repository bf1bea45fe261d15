#include "common/BolgeAyari.h"
#include "common/SahteMesaj.h"
#include "common/Tablo.h"
#include "common/TestVeritabani.h"
#include "dialogs/StokSecimi.h"
#include "dialogs/pencere/BaskiGecmisiFrm.h"
#include "dialogs/pencere/FormTasarimGiris.h"
#include "dialogs/pencere/StokSecimiFrm.h"
#include "output/pencere/RaporGoruntuleyici.h"
#include "startup/Baslangic.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// "Stok Seçimi": its model over the demo items (search by Turkish case rules, filters,
// ticks and counts), and the window from the design chooser to a report of the chosen.
class TstStokSecimi : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;
    TestVeritabani vt_;
    Oturum o_;

    static QStringList kodlar(const StokSecimModeli &m) {
        QStringList l;
        for (int i = 0; i < m.rowCount(); ++i)
            l << m.index(i, StokSecimModeli::Kod).data().toString();
        return l;
    }

private slots:
    void initTestCase() {
        Bolge_Ayarla(klasor_.filePath(u"ayar"_s));
        QVERIFY(QFile::copy(Kaynak_Yolu(u"data/designs/Raf Etiketi.ftr"_s),
                            klasor_.filePath(u"Raf Etiketi.ftr"_s)));
        vt_ = Sqlite_Demo(klasor_.path());
        QVERIFY2(vt_.hata.isEmpty(), qPrintable(vt_.hata));
        SahteMesaj kutu;
        Baslangic_Sonucu s = Main(kutu, vt_.Satir(u"STOKKART.Stok_ID>0"_s, 1), klasor_.path());
        QVERIFY(s.devam);
        o_ = std::move(s.oturum);
    }

    void arama_ve_suzgecler() {
        SahteMesaj kutu;
        StokSecimModeli m(kutu, o_);
        QCOMPARE(m.rowCount(), 42);
        QVERIFY(m.Var(StokSecimModeli::Grup) && m.Var(StokSecimModeli::Raf));
        QCOMPARE(m.index(0, StokSecimModeli::Fiyat).data().toString(), u"42,50"_s);
        QCOMPARE(m.index(2, StokSecimModeli::Fiyat).data().toString(), u"1.234,50"_s);
        // I and ı, İ and i are pairs of their own.
        const struct {
            const char *ara;
            QStringList kodlar;
        } tablo[] = {
            {"şeker", {"STK-0001"}},
            {"ŞEKER", {"STK-0001"}},
            {"irmik", {"STK-0006"}},
            {"İRMİK", {"STK-0006"}},
            {"IRMIK", {}},
            {"KIRMIZI", {"STK-0004"}},
            {"8690000000012", {"STK-0001"}},
            {"stk-004", {"STK-0040", "STK-0041", "STK-0042"}},
        };
        for (const auto &t : tablo) {
            const Satir_Izi iz(QString::fromUtf8(t.ara));
            m.Ara(QString::fromUtf8(t.ara));
            QCOMPARE(kodlar(m), t.kodlar);
        }
        m.Ara({});
        QVERIFY(m.Degerler(StokSecimModeli::Grup).contains(u"Temizlik"_s));
        m.Suz(StokSecimModeli::Grup, u"Temizlik"_s);
        QCOMPARE(m.rowCount(), 5);
        m.Suz(StokSecimModeli::Marka, u"Efsane"_s);
        QCOMPARE(kodlar(m), (QStringList{u"STK-0009"_s, u"STK-0039"_s}));
        m.Suz(StokSecimModeli::Grup, {});
        m.Suz(StokSecimModeli::Marka, {});
        m.Yalniz(QSet<qint64>{3, 2});
        QCOMPARE(kodlar(m), (QStringList{u"STK-0002"_s, u"STK-0003"_s}));
    }

    void secim_ve_adetler() {
        SahteMesaj kutu;
        StokSecimModeli m(kutu, o_);
        const auto adet = [&m](int satir, const char *deger) {
            return m.setData(m.index(satir, StokSecimModeli::Adet), QString::fromLatin1(deger));
        };
        QVERIFY(m.setData(m.index(4, StokSecimModeli::Sec), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(adet(1, "5")); // a count ticks its item
        for (const char *kotu : {"-1", "abc", "40000"})
            QVERIFY(!adet(2, kotu));
        QVERIFY(adet(4, ""));
        auto s = m.Secilenler();
        QCOMPARE(s.size(), 2);
        QCOMPARE(s[0].id, 2);
        QCOMPARE(s[0].adet, std::optional(5));
        QCOMPARE(s[1].id, 5);
        QVERIFY(!s[1].adet);
        QCOMPARE(Secim_Sarti(s), u"STOKKART.Stok_ID IN (2,5)"_s);
        // "Tümünü Seç" ticks what is shown only.
        m.Ara(u"reçel"_s);
        m.Hepsini_Sec(true);
        m.Ara({});
        QCOMPARE(m.Secilenler().size(), 4);
        m.Hepsini_Sec(false);
        QVERIFY(m.Secilenler().isEmpty());
    }

    void pencereden_basim() {
        // From the chooser: "Stok Seç", search, tick (or give a count), "Tamam"; "Seç"
        // prints the chosen item only, as many labels as its count, or as its column
        // says with "Sütundan".
        const struct {
            const char *ara, *adet, *sutun, *ad;
            int sayfa;
        } tablo[] = {{"stk-0002", "3", "", "Süzme Yoğurt 1 kg", 3},
                     {"stk-0009", "", "KDV_Orani", "Kağıt Havlu 6'lı", 20}};
        for (const auto &t : tablo) {
            const Satir_Izi iz(QString::fromLatin1(t.ara));
            SahteMesaj kutu;
            FormTasarimGiris secici(kutu, o_);
            secici.show();
            QVERIFY(QTest::qWaitForWindowExposed(&secici));
            QCOMPARE(secici.Stok_Sec_Dugmesi()->accessibleName(), u"Stok Seç"_s);
            QTest::mouseClick(secici.Stok_Sec_Dugmesi(), Qt::LeftButton);
            auto *f = secici.findChild<StokSecimiFrm *>();
            QTRY_VERIFY(f && f->isVisible());
            auto *ara = f->findChild<QLineEdit *>(u"Ara"_s);
            QCOMPARE(ara->accessibleName(), u"Ara"_s);
            QTest::keyClicks(ara, QString::fromLatin1(t.ara));
            QCOMPARE(f->Model().rowCount(), 1);
            if (*t.adet)
                f->Model().setData(f->Model().index(0, StokSecimModeli::Adet), t.adet);
            else
                f->Model().setData(f->Model().index(0, StokSecimModeli::Sec), Qt::Checked,
                                   Qt::CheckStateRole);
            QTest::mouseClick(f->findChild<QPushButton *>(u"StokTamam"_s), Qt::LeftButton);
            QCOMPARE(secici.findChild<QLabel *>(u"StokSecimi"_s)->text(),
                     u"Stoklar: 1 stok seçili"_s);
            QComboBox *c = secici.Adet_Sutunu();
            QCOMPARE(c->accessibleName(), u"Sütundan"_s);
            c->setCurrentIndex(c->findData(QString::fromLatin1(t.sutun)));
            secici.FrmList()->setCurrentItem(
                secici.FrmList()->findItems(u"Raf Etiketi"_s, Qt::MatchExactly).value(0));
            kutu.girdi_cevaplari << u"1"_s << u"1"_s << u"A"_s;
            QTest::mouseClick(secici.Button(4), Qt::LeftButton);
            auto *r = secici.findChild<RaporGoruntuleyici *>();
            QVERIFY(r);
            QTRY_VERIFY(r->Dizim_Bitti());
            QCOMPARE(r->Sayfa_Sayisi(), t.sayfa);
            QCOMPARE(kutu.girdiler.size(), 2); // the start and the parameter (the line fixes 1)
            QStringList metinler;
            for (const CizimOgesi &o : r->Sayfa(0).ogeler)
                metinler << o.metin;
            QVERIFY(metinler.contains(QString::fromUtf8(t.ad)));
            r->close();
        }
    }

    void sartsiz_baslangic() {
        // A start line without a condition: the chooser opens "Stok Seçimi" at once, and
        // "Seç" asks for items again while none is chosen.
        SahteMesaj kutu;
        Baslangic_Sonucu b = Main(kutu, vt_.Satir(QString(), 1), klasor_.path());
        QVERIFY(b.devam);
        FormTasarimGiris secici(kutu, b.oturum);
        secici.show();
        QTRY_VERIFY(secici.findChild<StokSecimiFrm *>());
        auto *f = secici.findChild<StokSecimiFrm *>();
        QTest::mouseClick(f->findChild<QPushButton *>(u"StokVazgec"_s), Qt::LeftButton);
        QTRY_VERIFY(!f->isVisible());
        QTest::mouseClick(secici.Button(4), Qt::LeftButton);
        const auto acik = [&secici] {
            const auto l = secici.findChildren<StokSecimiFrm *>();
            return std::any_of(l.begin(), l.end(), [](auto *w) { return w->isVisible(); });
        };
        QTRY_VERIFY(acik());
        QVERIFY(!secici.findChild<RaporGoruntuleyici *>());
    }

    void baski_gecmisi() {
        // The runs of this database newest first, a run's items, and "Yeniden Bas" with
        // the prices it printed (the database has another now).
        const Gecmis g(klasor_.filePath(u"gecmis/Gecmis.db"_s));
        for (const int adet : {2, 1}) {
            GecmisBasim b;
            b.zaman = QDateTime::currentDateTime();
            b.sunucu = o_.Sunucu_Adi, b.veritabani = o_.Veritabani_Adi;
            b.tasarim = u"Raf Etiketi"_s, b.adet = qint16(adet);
            b.parametreler = {{u"Raf"_s, u"B-7"_s}};
            b.stoklar = {{1, u"STK-0001"_s, adet, {{u"1"_s, 11.25}}}};
            QVERIFY(!g.Kaydet(b));
        }
        GecmisBasim baska;
        baska.sunucu = u"x"_s, baska.veritabani = u"y"_s, baska.tasarim = u"T"_s;
        QVERIFY(!g.Kaydet(baska));
        SahteMesaj kutu;
        BaskiGecmisiFrm w(kutu, o_, g);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.Basimlar()->rowCount(), 2);
        QCOMPARE(w.Basimlar()->item(0, 0)->text(), u"2"_s);
        QCOMPARE(w.Basimlar()->item(0, 4)->text(), u"1"_s);
        w.Basimlar()->selectRow(1);
        QCOMPARE(w.Stoklar()->item(0, 0)->text(), u"STK-0001"_s);
        QCOMPARE(w.Stoklar()->item(0, 1)->text(), u"2"_s);
        auto *d = w.findChild<QPushButton *>(u"YenidenBas"_s);
        QCOMPARE(d->accessibleName(), u"Yeniden Bas"_s);
        QTest::mouseClick(d, Qt::LeftButton);
        auto *r = w.findChild<RaporGoruntuleyici *>();
        QVERIFY(r);
        QTRY_VERIFY(r->Dizim_Bitti());
        QCOMPARE(r->Sayfa_Sayisi(), 2);
        QStringList metinler;
        for (const CizimOgesi &o : r->Sayfa(0).ogeler)
            metinler << o.metin;
        QVERIFY2(metinler.contains(u"11,25"_s) && metinler.contains(u"B-7"_s),
                 qPrintable(metinler.join(u'|')));
        QVERIFY(kutu.girdiler.isEmpty());
        r->close();
    }
};

QTEST_MAIN(TstStokSecimi)
#include "tst_stok_secimi.moc"
