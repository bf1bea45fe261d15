#pragma once

#include "designer/pencere/BolumGorunumu.h"
#include "designer/pencere/DizaynFrm.h"
#include "mainwindow/AlanGrd.h"
#include "mainwindow/MDIView.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>

// Drags row `satir` of the field list, held `tut` pixels into its cell, and drops
// it on the section at (x, y) mm. Returns what was dragged; empty when the drag
// never started or the section refused it.
inline std::unique_ptr<QMimeData> Alan_Birak(MDIView &w, int satir, QPointF mm,
                                             QPoint tut = {10, 5}) {
    AlanGrd *g = w.Alan_Listesi();
    std::unique_ptr<QMimeData> veri;
    g->Surukle = [&](QMimeData *v, const QPixmap &, QPoint) { veri.reset(v); };
    QTest::mousePress(g->viewport(), Qt::LeftButton, {},
                      g->visualRect(g->model()->index(satir, 0)).topLeft() + tut);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton);
    if (!veri)
        return veri;
    BolumGorunumu *b = w.Tasarim()->Bolum();
    const QPoint p = (mm * b->Piksel_Mm()).toPoint();
    QDragEnterEvent giris(p, Qt::CopyAction, veri.get(), Qt::LeftButton, {});
    QApplication::sendEvent(b, &giris);
    if (!giris.isAccepted())
        return nullptr;
    QDropEvent birak(p, Qt::CopyAction, veri.get(), Qt::LeftButton, {});
    QApplication::sendEvent(b, &birak);
    return veri;
}
