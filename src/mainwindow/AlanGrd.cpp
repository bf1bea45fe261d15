#include "AlanGrd.h"

#include "core/Birimler.h"

#include "designer/AlanSurukleme.h"

#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

AlanGrd::AlanGrd(QWidget *ust) : QTableWidget(ust) {
    setObjectName(QStringLiteral("AlanGrd"));
    setAccessibleName(QStringLiteral("Alanlar"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    Surukle = [this](QMimeData *veri, const QPixmap &resim, QPoint tutma) {
        auto *d = new QDrag(this);
        d->setMimeData(veri);
        d->setPixmap(resim);
        d->setHotSpot(tutma);
        d->exec(Qt::CopyAction);
    };
}

void AlanGrd::Doldur(const QList<QStringList> &satirlar) {
    clear();
    qsizetype sutun = 1;
    for (const QStringList &s : satirlar)
        sutun = std::max(sutun, s.size());
    setColumnCount(int(sutun));
    setHorizontalHeaderLabels({QStringLiteral("Alanlar")});
    setRowCount(int(satirlar.size()));
    for (int r = 0; r < satirlar.size(); ++r)
        for (int c = 0; c < satirlar[r].size(); ++c)
            setItem(r, c, new QTableWidgetItem(satirlar[r][c]));
}

void AlanGrd::mousePressEvent(QMouseEvent *e) {
    QTableWidget::mousePressEvent(e);
    const QModelIndex i = indexAt(e->position().toPoint());
    if (e->button() != Qt::LeftButton || !i.isValid())
        return;
    const QString ad = item(i.row(), 0) ? item(i.row(), 0)->text() : QString();
    if (ad.isEmpty())
        return;
    // The grab point inside the cell, in twips, as the drop keeps it.
    const QRect hucre = visualRect(i);
    const QPoint tutma = e->position().toPoint() - hucre.topLeft();
    const double twip = Piksel_Twip(1, logicalDpiX());
    QMimeData *veri = Alan_Verisi({ad, tutma.x() * twip, tutma.y() * twip});
    Surukle(veri, viewport()->grab(hucre), tutma);
}
