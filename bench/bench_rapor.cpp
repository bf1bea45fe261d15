// Renders N label bands (an EAN-13 and four texts each, 3 x 8 on A4) to one PDF.
//   build/bench/bench_rapor N [out.pdf]
// Prints the wall time; measure peak memory with /usr/bin/time -v.
#include "layout/Rapor.h"
#include "layout/RaporMotoru.h"
#include "output/SayfaHedefi.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr double mm = 1440.0 / 25.4;

class EtiketRaporu : public Rapor {
public:
    RaporMetinKutusu *ad = nullptr, *kod = nullptr, *fiyat = nullptr;
    RaporEtiketi *yazilar[4] = {};
    RaporBarkodu *barkod = nullptr;

    Hata ActiveReport_ReportStart() override {
        for (auto [alan, hedef] : {std::pair{"AD", &ad}, {"KOD", &kod}, {"FIYAT", &fiyat}}) {
            *hedef = Detail.Ekle_<RaporMetinKutusu>();
            (*hedef)->DataField = QString::fromLatin1(alan);
            (*hedef)->Visible = false;
        }
        for (int i = 0; i < 4; ++i) {
            auto *e =
                static_cast<RaporEtiketi *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Label")));
            e->Left = 3 * mm;
            e->Top = (1 + i * 5) * mm;
            e->Width = 64 * mm;
            e->Height = 5 * mm;
            e->Font.Size = 9;
            yazilar[i] = e;
        }
        barkod =
            static_cast<RaporBarkodu *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Barcode")));
        barkod->Left = 3 * mm;
        barkod->Top = 21 * mm;
        barkod->Width = 50 * mm;
        barkod->Height = 15 * mm;
        barkod->CaptionPosition = 1;
        barkod->setStyle(18);
        return {};
    }
    void Detail_Format() override {
        yazilar[0]->caption = ad->Text;
        yazilar[1]->caption = fiyat->Text + QStringLiteral(" TL");
        yazilar[2]->caption = kod->Text;
        yazilar[3]->caption = QStringLiteral("Demo Ticaret A.Ş.");
        barkod->setCaption(kod->Text);
    }
};

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir klasor;
    const QString cikti =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : klasor.filePath(QStringLiteral("b.pdf"));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("yap"));
        db.setDatabaseName(klasor.filePath(QStringLiteral("b.db")));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE E (ID INTEGER, AD TEXT, KOD TEXT, FIYAT TEXT)"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO E VALUES (?, ?, ?, ?)"));
        for (int i = 1; i <= n; ++i) {
            q.addBindValue(i);
            q.addBindValue(QStringLiteral("Çilek Reçeli Şölen %1 ğüşıöç").arg(i));
            q.addBindValue(QStringLiteral("869%1").arg(i, 9, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("%1,50").arg(i));
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("yap"));

    QElapsedTimer t;
    t.start();
    EtiketRaporu r;
    r.PageSettings = {0, 0, 0, 0};
    r.PrintWidth = 210 * mm;
    r.Detail.ColumnCount = 3;
    r.Detail.Height = 37 * mm;
    r.Data1 = {QStringLiteral("User ID=sa;Password=;Initial Catalog=b;Data Source=sqlite:") +
                   klasor.path(),
               QStringLiteral("SELECT * FROM E ORDER BY ID")};
    RaporMotoru m(r);
    if (m.Baslat())
        return 1;
    PdfHedefi hedef(cikti);
    const auto uretilen = Rapor_Uret(m, hedef);
    const int sayfa = uretilen ? *uretilen : -1;
    std::printf("%d bant, %d sayfa, %lld ms\n", n, sayfa, static_cast<long long>(t.elapsed()));
    return 0;
}
