#pragma once

#include <QStringList>
#include <QTableWidget>
#include <functional>

class QMimeData;

// The field list: one row per field of the catalogue. Pressing on a row starts a
// drag of its field name, holding the grab point inside the cell, which the design
// section turns into a field under the pointer.
class AlanGrd : public QTableWidget {
    Q_OBJECT
public:
    explicit AlanGrd(QWidget *ust = nullptr);
    void Doldur(const QList<QStringList> &satirlar);
    // Runs the drag (a QDrag by default); tests take the data instead.
    std::function<void(QMimeData *, const QPixmap &, QPoint)> Surukle;

protected:
    void mousePressEvent(QMouseEvent *e) override;
};
