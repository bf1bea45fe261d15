#include "common/SahteMesaj.h"
#include "core/Ayiraclar.h"
#include "startup/Baslangic.h"
#include "startup/BolgeAyar.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString soru = QStringLiteral("Programın Çalışabilmesi için Sistemin Ayarlanması Gerekiyor."
                                    "\rEğer Onaylarsanız Bu ayarlar Yapılacaktır."
                                    "\rOnaylıyormusunuz ?");

} // namespace

class TstBolgeAyar : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> klasor_;

    QString iniYolu() const { return klasor_->path() + u"/varnel/International.ini"_s; }

    // Writes the store directly, as another program would.
    void depola(const QMap<QString, QVariant> &degerler) {
        QSettings s(iniYolu(), QSettings::IniFormat);
        s.beginGroup(u"International"_s);
        for (auto it = degerler.cbegin(); it != degerler.cend(); ++it)
            s.setValue(it.key(), it.value());
        s.sync();
    }
    QString oku(const char *ad) {
        return Kayit_Deger_Oku(KokAnahtar::HKEY_CURRENT_USER, Bolge_Anahtari,
                               QString::fromLatin1(ad));
    }

private slots:
    void init() {
        klasor_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", klasor_->path().toUtf8());
    }

    void kontrol_data() {
        QTest::addColumn<QStringList>("baslangic"); // sDecimal, sThousand, sDate, sShortDate
        QTest::addColumn<bool>("sorulur");
        QTest::newRow("01 already Turkish") << QStringList{",", ".", ".", "dd.MM.yyyy"} << false;
        QTest::newRow("02 only short date") << QStringList{",", ".", ".", "d.M.yyyy"} << true;
        QTest::newRow("03 decimal point") << QStringList{".", ",", "/", "MM/dd/yyyy"} << true;
        QTest::newRow("04 missing date sep")
            << QStringList{",", ".", "<yok>", "dd.MM.yyyy"} << true;
        QTest::newRow("05 empty store") << QStringList{"<yok>", "<yok>", "<yok>", "<yok>"} << true;
        QTest::newRow("06 case matters") << QStringList{",", ".", ".", "DD.MM.YYYY"} << true;
        QTest::newRow("07 thousands blank") << QStringList{",", " ", ".", "dd.MM.yyyy"} << true;
    }
    void kontrol() {
        QFETCH(QStringList, baslangic);
        QFETCH(bool, sorulur);
        const char *adlar[] = {"sDecimal", "sThousand", "sDate", "sShortDate"};
        QMap<QString, QVariant> degerler;
        for (int i = 0; i < 4; ++i)
            if (baslangic[i] != u"<yok>")
                degerler[QString::fromLatin1(adlar[i])] = baslangic[i];
        depola(degerler);

        SahteMesaj kutu;
        Ayiraclar a{u"?"_s, u"?"_s};
        QVERIFY(Bolge_Ayar_Kontrol(kutu, a));
        QCOMPARE(kutu.kutular.size(), sorulur ? 1 : 0);
        if (sorulur) {
            QCOMPARE(kutu.kutular[0].metin, soru);
            QCOMPARE(kutu.kutular[0].dugmeler, MesajKutusu::Dugmeler::EvetHayir);
            QCOMPARE(kutu.kutular[0].simge, MesajKutusu::Simge::Soru);
            QCOMPARE(kutu.kutular[0].baslik, u"Varnel 1.0"_s);
        }
        // All four are in force afterwards, whichever one differed.
        QCOMPARE(oku("sDecimal"), u","_s);
        QCOMPARE(oku("sThousand"), u"."_s);
        QCOMPARE(oku("sDate"), u"."_s);
        QCOMPARE(oku("sShortDate"), u"dd.MM.yyyy"_s);
        QCOMPARE(a.ondalik, u","_s);
        QCOMPARE(a.basamak, u"."_s);
    }

    void hayir_hicbir_sey_yazmaz() {
        depola({{u"sDecimal"_s, u"."_s}, {u"sThousand"_s, u","_s}});
        SahteMesaj kutu;
        kutu.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
        Ayiraclar a;
        QVERIFY(!Bolge_Ayar_Kontrol(kutu, a));
        QCOMPARE(kutu.kutular.size(), 1);
        QCOMPARE(oku("sDecimal"), u"."_s);
        QCOMPARE(oku("sDate"), QString());
        // The separators in force are still recorded before the question.
        QCOMPARE(a.ondalik, u"."_s);
        QCOMPARE(a.basamak, u","_s);
        // Start-up ends there too, before any connection.
        SahteMesaj hayir;
        hayir.cevaplar.enqueue(MesajKutusu::Cevap::Hayir);
        const Baslangic_Sonucu b = Main(hayir, u"x|F|stok|x=1|1|sa|æ"_s);
        QVERIFY(!b.devam && !b.oturum.Baglanti);
    }
};

QTEST_GUILESS_MAIN(TstBolgeAyar)
#include "tst_bolgeayar.moc"
