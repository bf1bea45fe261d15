// "Stok Seçimi" on a stock of N items (default 100,000), SQLite:
//   the window open with its first rows on screen, a search by Turkish letters over
//   every item, and scrolling the table to its end, each timed.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_stok_secimi [N]
#include "common/BolgeAyari.h"
#include "core/MesajToplu.h"
#include "dialogs/pencere/StokSecimiFrm.h"
#include "startup/Baslangic.h"
#include "startup/Oturum.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir klasor;
    Bolge_Ayarla(klasor.filePath(QStringLiteral("ayar")));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("k"));
        db.setDatabaseName(klasor.filePath(QStringLiteral("STOK.db")));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE STOKKART (Stok_ID INTEGER PRIMARY KEY, Stok_Kodu TEXT, "
                              "Stok_Adi TEXT, Ana_Birim_Barkod TEXT, Ana_Birim_Barkod_Tipi "
                              "INTEGER, Grup TEXT, Marka TEXT, Raf TEXT)"));
        q.exec(QStringLiteral("CREATE TABLE STOKFIYAT (Stok_ID INTEGER, Fiyat_Sira_No INTEGER, "
                              "Ana_Birim_Fiyat REAL)"));
        q.exec(QStringLiteral("CREATE TABLE BARKODID (ID INTEGER)"));
        db.transaction();
        const char *adlar[] = {"Şeker", "Irmık", "İrmik", "Çay", "Ölçü Kabı", "Güneş Kremi"};
        for (int i = 1; i <= n; ++i) {
            q.exec(QStringLiteral("INSERT INTO STOKKART VALUES (%1,'STK-%1','%2 %1','869%1',1,"
                                  "'Grup %3','Marka %4','R-%5')")
                       .arg(i)
                       .arg(QString::fromUtf8(adlar[i % 6]))
                       .arg(i % 20)
                       .arg(i % 50)
                       .arg(i % 300));
            q.exec(QStringLiteral("INSERT INTO STOKFIYAT VALUES (%1,1,%2)").arg(i).arg(i * 0.37));
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("k"));
    MesajToplu kutu;
    Baslangic_Sonucu b =
        Main(kutu, QStringLiteral("sqlite:%1|B|STOK|1=1|1|sa|x").arg(klasor.path()), klasor.path());
    if (!b.devam)
        return 1;
    QElapsedTimer t;
    t.start();
    StokSecimiFrm f(kutu, b.oturum);
    f.show();
    QApplication::processEvents();
    const double acilis = double(t.nsecsElapsed()) / 1e6;
    // The rest of the items come in while the window waits: the longest step is the stall.
    double okuma = 0, en_uzun = 0;
    while (f.Model().canFetchMore({})) {
        t.restart();
        QApplication::processEvents();
        const double adim = double(t.nsecsElapsed()) / 1e6;
        okuma += adim, en_uzun = std::max(en_uzun, adim);
    }
    QScrollBar *s = f.Tablo()->verticalScrollBar();
    t.restart();
    s->setValue(s->maximum());
    QApplication::processEvents();
    const double kaydirma = double(t.nsecsElapsed()) / 1e6;
    t.restart();
    f.Model().Ara(QStringLiteral("ırmık"));
    const double arama = double(t.nsecsElapsed()) / 1e6;
    const int bulunan = f.Model().rowCount();
    std::printf("%d stok: pencere ve ilk satırlar %.0f ms; kalanlar %.0f ms içinde geldi (en "
                "uzun adım %.0f ms); sona kaydırma %.0f ms; arama %.0f ms (%d bulundu)\n",
                n, acilis, okuma, en_uzun, kaydirma, arama, bulunan);
    return 0;
}
