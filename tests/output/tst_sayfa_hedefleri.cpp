#include "common/Araclar.h"
#include "output/ArkaPlanHedefi.h"
#include "output/PdfBirlestirici.h"

#include <QBuffer>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a target on another thread was asked to do, read back by the test.
struct Kayit {
    QMutex kilit;
    QList<int> cizilen; // page numbers, in the order painted
    bool bitti = false, vazgecildi = false;
};

// Paints nothing; refuses page `red` (a paper the printer does not take) and says so.
class SahteHedef : public SayfaHedefi {
public:
    SahteHedef(std::shared_ptr<Kayit> k, int red) : k_(std::move(k)), red_(red) {}
    Hata Sayfa(const RaporSayfasi &s) override {
        if (s.no == 2)
            Uyari_Ekle(u"ikinci sayfada uyarı"_s);
        if (s.no == red_) {
            kagit_ = true;
            return u"kağıt yok"_s;
        }
        const QMutexLocker l(&k_->kilit);
        k_->cizilen.append(s.no);
        return {};
    }
    Hata Bitir() override {
        const QMutexLocker l(&k_->kilit);
        k_->bitti = true;
        return {};
    }
    void Vazgec() override {
        const QMutexLocker l(&k_->kilit);
        k_->vazgecildi = true;
    }

private:
    std::shared_ptr<Kayit> k_;
    int red_;
};

QList<int> sirayla(int n) {
    QList<int> l;
    for (int i = 1; i <= n; ++i)
        l.append(i);
    return l;
}

// A PDF Qt's writer makes of one page a text, the texts written on the pages.
QByteArray pdf(const QStringList &metinler) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    PdfHedefi h(b, u"parça"_s);
    int no = 0;
    for (const QString &m : metinler) {
        RaporSayfasi s;
        s.no = ++no;
        s.boyut = QSizeF(2000, 1000);
        CizimOgesi o;
        o.alan = QRectF(100, 100, 1800, 400);
        o.metin = m;
        s.ogeler.append(o);
        if (h.Sayfa(s))
            return {};
    }
    return h.Bitir() ? QByteArray() : b.data();
}

} // namespace

class TstSayfaHedefleri : public QObject {
    Q_OBJECT

private slots:
    void arka_plan_sirayi_ve_hatayi_korur_data() {
        QTest::addColumn<int>("red");     // the page the target refuses (0: none)
        QTest::addColumn<bool>("vazgec"); // dropped instead of finished
        QTest::addColumn<QList<int>>("cizilen");
        QTest::newRow("every page, in order") << 0 << false << sirayla(300);
        QTest::newRow("refused page: none after it") << 40 << false << sirayla(39);
        QTest::newRow("dropped") << 0 << true << QList<int>();
    }
    void arka_plan_sirayi_ve_hatayi_korur() {
        QFETCH(int, red);
        QFETCH(bool, vazgec);
        QFETCH(QList<int>, cizilen);
        auto k = std::make_shared<Kayit>();
        Hata hata;
        {
            ArkaPlanHedefi h(std::make_unique<SahteHedef>(k, red));
            for (int no = 1; no <= 300 && !hata; ++no) {
                RaporSayfasi s;
                s.no = no;
                hata = h.Sayfa(s);
            }
            if (vazgec) {
                h.Vazgec();
                QVERIFY(k->vazgecildi);
            } else {
                if (!hata)
                    hata = h.Bitir();
                QCOMPARE(h.Kagit_Hatasi(), red > 0);
                QCOMPARE(h.Uyarilar(), QStringList{u"ikinci sayfada uyarı"_s});
            }
        }
        QCOMPARE(hata ? *hata : QString(), red ? u"kağıt yok"_s : QString());
        // A refused page finishes nothing: the caller drops the output.
        QCOMPARE(k->bitti, !vazgec && !red);
        if (!vazgec)
            QCOMPARE(k->cizilen, cizilen);
        else
            QCOMPARE(k->cizilen, sirayla(k->cizilen.size())); // in order, as far as it got
    }

    void pdf_parcalari_birlesir() {
        QTemporaryDir d;
        const QString yol = d.filePath(u"bir.pdf"_s);
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
        PdfBirlestirici b(f);
        b.Baslat();
        for (const QStringList &parca :
             {QStringList{u"Elma"_s, u"Armut"_s}, QStringList{u"Çilek"_s},
              QStringList{u"Şeftali"_s, u"Üzüm"_s, u"İncir"_s}}) {
            const QByteArray p = pdf(parca);
            QVERIFY(!p.isEmpty());
            QVERIFY(!b.Ekle(p));
        }
        QVERIFY(!b.Bitir());
        f.close();
        // Read back by poppler: whole, the pages in the parts' order.
        QProcess info;
        info.start(u"pdfinfo"_s, {yol});
        QVERIFY(info.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(info.readAllStandardError()), QString());
        const QStringList sayfalar = Pdf_Metni(yol).split(u'\f');
        QCOMPARE(sayfalar.size(), 7); // six pages and what follows the last
        const QStringList beklenen{u"Elma"_s,    u"Armut"_s, u"Çilek"_s,
                                   u"Şeftali"_s, u"Üzüm"_s,  u"İncir"_s};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(sayfalar[i].trimmed(), beklenen[i]);
    }

    void bozuk_parca_reddedilir_data() {
        QTest::addColumn<QByteArray>("parca");
        const QByteArray saglam = pdf({u"Elma"_s});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a PDF") << QByteArray("merhaba dünya");
        QTest::newRow("cut short") << saglam.left(saglam.size() / 2);
        QTest::newRow("no table") << QByteArray(saglam).replace("xref\n0 ", "xref\nX ");
        QTest::newRow("offset past the end")
            << QByteArray(saglam).replace("startxref\n", "startxref\n9");
    }
    void bozuk_parca_reddedilir() {
        QFETCH(QByteArray, parca);
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        PdfBirlestirici j(b);
        const Hata h = j.Ekle(parca);
        QCOMPARE(h ? *h : QString(), u"PDF parçası okunamadı; dosya birleştirilemedi."_s);
    }
};

QTEST_MAIN(TstSayfaHedefleri)
#include "tst_sayfa_hedefleri.moc"
