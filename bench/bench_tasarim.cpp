// The design window with a design of 200 objects (100 texts and fields, 50 lines,
// 50 barcodes) on an A4 page: time to open it, one mouse-move step of a drag and
// of a resize, a zoom change, the resident memory after opening; with all 200
// selected, one step of dragging them, aligning and distributing them, and
// pasting them.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_tasarim [--resim DIR]
// With --resim, also writes the demo A4 design at 100 % and 200 % with a barcode
// selected as PNG files into DIR.
#include "core/MesajToplu.h"
#include "designer/Pano.h"
#include "designer/TasarimModeli.h"
#include "designer/pencere/BolumGorunumu.h"
#include "designer/pencere/DizaynFrm.h"
#include "document/TasarimDosyasi.h"
#include "startup/Oturum.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>

namespace {

TasarimBelgesi buyukTasarim() {
    TasarimBelgesi b;
    for (int i = 0; i < 100; ++i) {
        NesneKaydi n;
        n.Left = float(5 + (i % 5) * 40), n.Top = float(5 + (i / 5) * 14), n.Width = 35;
        n.Height = 5, n.FontName = "Arial", n.FontSize = 9, n.ForeColor = Varsayilan_Yazi_Rengi;
        n.BackColor = Varsayilan_Arka_Renk, n.Tur = i % 2 ? "A" : "E";
        n.Caption = i % 2 ? "Stok_Adi" : QStringLiteral("Sabit yazı %1").arg(i);
        b.Nesneler.append(n);
    }
    for (int i = 0; i < 50; ++i) {
        NesneKaydi n;
        n.Left = float(5 + (i % 5) * 40), n.Top = float(10.5 + (i / 5) * 28), n.Width = 35;
        n.Height = 0.3f, n.FontName = "Arial", n.FontSize = 8, n.BackColor = 0x404040;
        n.Tur = i % 2 ? "Y" : "D";
        if (n.Tur == "D")
            n.Width = 0.3f, n.Height = 10;
        b.Nesneler.append(n);
    }
    for (int i = 0; i < 50; ++i) {
        BarkodKaydi z;
        z.Left = float(5 + (i % 5) * 40), z.Top = float(11 + (i / 5) * 28), z.Width = 35;
        z.Height = 12, z.FontName = "Arial", z.FontSize = 7, z.ForeColor = Varsayilan_Yazi_Rengi;
        z.BackColor = Varsayilan_Arka_Renk, z.Orientation = qint16((i % 4) * 900);
        b.Barkodlar.append(z);
    }
    b.Detaylar[1] = {true, 16838, 11906};
    return b;
}

long rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray &satir : f.readAll().split('\n'))
        if (satir.startsWith("VmRSS:"))
            return satir.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void fare(QWidget *w, QEvent::Type tur, QPointF p, Qt::MouseButtons tuslar) {
    QMouseEvent e(tur, p, w->mapToGlobal(p), Qt::LeftButton, tuslar, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Mean time of one move step, the repaint it causes included.
double adimSuresi(BolumGorunumu *b, QPointF basla, QPointF adim, int n) {
    fare(b, QEvent::MouseButtonPress, basla, Qt::LeftButton);
    QElapsedTimer t;
    t.start();
    for (int i = 1; i <= n; ++i) {
        fare(b, QEvent::MouseMove, basla + adim * i, Qt::LeftButton);
        QApplication::processEvents(); // paints what the step marked dirty
    }
    const double ms = double(t.nsecsElapsed()) / 1e6 / n;
    fare(b, QEvent::MouseButtonRelease, basla + adim * n, Qt::NoButton);
    return ms;
}

void resimler(const QString &klasor, MesajToplu &kutu) {
    Oturum o;
    o.Tasarim_Klasoru = QStringLiteral(VARNEL_KAYNAK "/data/designs");
    DizaynFrm w(kutu, o, QStringLiteral("A4 Etiket 3x8"));
    w.show();
    TasarimModeli &m = w.Model();
    m.Nesne_Sec(m.Bul(Liste::ZKOD, 1));
    m.Kareli_Ciz(5);
    for (int yuzde : {100, 200}) {
        w.Yakinlastir_Yuzde(m.Yuzde(), yuzde);
        QApplication::processEvents();
        w.Bolum()->grab().save(klasor + QStringLiteral("/tasarim_%1.png").arg(yuzde));
    }
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    MesajToplu kutu;
    const QStringList arg = app.arguments();
    if (const qsizetype i = arg.indexOf(QStringLiteral("--resim")); i > 0 && i + 1 < arg.size())
        resimler(arg[i + 1], kutu);

    QTemporaryDir klasor;
    Oturum oturum;
    oturum.Tasarim_Klasoru = klasor.path();
    if (const auto h = Tasarim_Dosyasi_Yaz(klasor.path(), "Buyuk", buyukTasarim())) {
        std::fprintf(stderr, "%s\n", qPrintable(*h));
        return 1;
    }
    const long once = rssKb();
    QElapsedTimer t;
    t.start();
    auto *w = new DizaynFrm(kutu, oturum, QStringLiteral("Buyuk"));
    w->show();
    w->repaint();
    QApplication::processEvents();
    const double acilis = double(t.nsecsElapsed()) / 1e6;
    const long sonra = rssKb();

    TasarimModeli &m = w->Model();
    BolumGorunumu *b = w->Bolum();
    const QPointF ilk = b->Piksel(m.Nesne(0).Alan()).center();
    const double tasima = adimSuresi(b, ilk, QPointF(2, 1), 100);
    m.Nesne_Sec(0);
    const QPointF tutamac = b->Piksel(m.Tutamaclar()[4]).center();
    const double boyut = adimSuresi(b, tutamac, QPointF(1, 1), 100);
    t.restart();
    w->Yakinlastir_Yuzde(100, 200);
    w->repaint();
    QApplication::processEvents();
    const double yakin = double(t.nsecsElapsed()) / 1e6;
    w->Yakinlastir_Yuzde(200, 100);
    QApplication::processEvents();

    // All 200 selected: a drag step of the block (the outline follows the pointer),
    // then the commands over all of them.
    m.Tumunu_Sec();
    const double blok = adimSuresi(b, b->Piksel(m.Nesne(0).Alan()).center(), QPointF(1, 1), 100);
    const auto sure = [&](auto &&is) {
        QElapsedTimer s;
        s.start();
        is();
        QApplication::processEvents();
        return double(s.nsecsElapsed()) / 1e6;
    };
    m.Tumunu_Sec();
    const double hizala = sure([&] { m.Hizala(TasarimModeli::Hiza::Sol); });
    const double dagit = sure([&] { m.Dagit(false); });
    const QByteArray kayit = Secim_Kaydi(m);
    const double yapistir = sure([&] { Yapistir(m, kayit); });

    std::printf("nesne: %d\nacilis: %.1f ms\ntasima adimi: %.2f ms\nboyutlandirma adimi: %.2f "
                "ms\nyakinlastirma: %.1f ms\nbellek (acik pencere): %ld MB (pencereden once %ld "
                "MB)\n200 nesne tasima adimi: %.2f ms\nhizalama: %.1f ms\ndagitma: %.1f ms\n"
                "200 nesne yapistirma: %.1f ms\n",
                200, acilis, tasima, boyut, yakin, sonra / 1024, once / 1024, blok, hizala, dagit,
                yapistir);
    return 0;
}
