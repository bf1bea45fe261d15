// The user's roads through the windows on the demo database (SQLite):
//   1. from start-up (regional check, start line, connection) to the design chooser
//      painted on screen;
//   2. from "Seç" to the first report page on screen for about 10,000 labels (30
//      items x 334), and the longest stall of the event loop while the rest is
//      laid out;
//   3. opening the preview window on the demo A4 design.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_pencereler
#include "common/BolgeAyari.h"
#include "core/MesajToplu.h"
#include "dialogs/pencere/FormTasarimGiris.h"
#include "drawing/YaziTipleri.h"
#include "mainwindow/MDIView.h"
#include "output/pencere/RaporGoruntuleyici.h"
#include "startup/Baslangic.h"
#include "startup/BolgeAyar.h"
#include "startup/Oturum.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// Answers the chooser's questions: start at 1, 334 labels per item.
class Cevaplar : public MesajToplu {
public:
    std::optional<QString> InputBox(const QString &istem, const QString &,
                                    const QString &) override {
        return istem.startsWith(QStringLiteral("Kaçıncı")) ? QStringLiteral("1")
                                                           : QStringLiteral("334");
    }
};

} // namespace

int main(int argc, char **argv) {
    QTemporaryDir klasor;
    qputenv("XDG_CONFIG_HOME", klasor.filePath(QStringLiteral("ayar")).toUtf8());
    // The demo database, made with the sqlite3 tool from the project's scripts.
    const QString db = klasor.filePath(QStringLiteral("DEMO.db"));
    const QString betik =
        QStringLiteral("cat '" VARNEL_KAYNAK "/data/sql/sema_sqlite.sql' '" VARNEL_KAYNAK
                       "/data/demo/demo_veri.sql' | sqlite3 '%1'")
            .arg(db);
    if (std::system(betik.toLocal8Bit().constData()) != 0) {
        std::fprintf(stderr, "demo veritabanı kurulamadı (sqlite3 gerekli)\n");
        return 1;
    }
    for (const char *ad : {"A4 Etiket 3x8.ftr", "Raf Etiketi.ftr"})
        QFile::copy(QStringLiteral(VARNEL_KAYNAK "/data/designs/") + QString::fromUtf8(ad),
                    klasor.filePath(QString::fromUtf8(ad)));
    Bolge_Ayarla({}); // in the settings folder set above

    // From here on what the program does from its start line to the chooser.
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    Yazi_Tiplerini_Yukle();
    Cevaplar kutu;
    const QString satir =
        QStringLiteral("sqlite:%1|Demo Ticaret A.Ş.|DEMO|STOKKART.Stok_ID<=30|0|sa|x")
            .arg(klasor.path());
    Baslangic_Sonucu b = Main(kutu, satir, klasor.path());
    if (!b.devam)
        return 1;
    const Oturum &oturum = b.oturum;
    FormTasarimGiris secici(kutu, oturum);
    secici.show();
    secici.repaint();
    QApplication::processEvents();
    const double acilis = double(t.nsecsElapsed()) / 1e6;

    secici.FrmList()->setCurrentRow(0);
    QElapsedTimer olcu;
    qint64 son = 0, en_uzun = 0;
    RaporGoruntuleyici *w = nullptr;
    QTimer nabiz;
    nabiz.setInterval(5);
    QObject::connect(&nabiz, &QTimer::timeout, [&] {
        const qint64 simdi = olcu.elapsed();
        en_uzun = std::max(en_uzun, simdi - son);
        if (qEnvironmentVariableIsSet("DURAKLAMALAR") && simdi - son > 30)
            std::fprintf(stderr, "duraklama %lld ms, %lld ms'de (sayfa %d)\n", simdi - son, simdi,
                         w ? w->Sayfa_Sayisi() : -1);
        son = simdi;
    });
    double ilk_sayfa = -1, bitis = -1;
    t.restart();
    secici.Button_Click(4);
    w = secici.findChild<RaporGoruntuleyici *>();
    if (!w)
        return 1;
    olcu.start();
    nabiz.start();
    while (!w->Dizim_Bitti()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (ilk_sayfa < 0 && w->Sayfa_Sayisi() > 0)
            ilk_sayfa = double(t.nsecsElapsed()) / 1e6;
    }
    bitis = double(t.nsecsElapsed()) / 1e6;
    std::printf("secici ekranda: %.0f ms (uygulama, yazi tipleri, baslangic, baglanti, pencere)\n"
                "Sec -> ilk sayfa: %.0f ms\nbutun sayfalar: %.0f ms, %d sayfa\nen uzun olay "
                "dongusu duraklamasi: %lld ms\n",
                acilis, ilk_sayfa, bitis, w->Sayfa_Sayisi(), en_uzun);
    w->close();

    // 3. The preview window on the demo A4 design, from the menu to its picture.
    MDIView ana(kutu, oturum, QStringLiteral("A4 Etiket 3x8"));
    ana.show();
    QApplication::processEvents();
    t.restart();
    ana.Menu_Click(QStringLiteral("MNEtiketOnizleme"));
    ana.repaint();
    QApplication::processEvents();
    std::printf("onizleme penceresi: %.0f ms\n", double(t.nsecsElapsed()) / 1e6);
    return 0;
}
