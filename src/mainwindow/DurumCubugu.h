#pragma once

#include <QPointF>
#include <QStatusBar>

class QLabel;
class TasarimModeli;

// The main window's status bar: the pointer over the section, the selection's box,
// the zoom and how many elements are selected, kept up with the design model.
class DurumCubugu : public QStatusBar {
    Q_OBJECT
public:
    explicit DurumCubugu(QWidget *ust = nullptr);
    void Modeli_Bagla(TasarimModeli *m);
    void Imlec(QPointF mm);
    QLabel *Secim_Etiketi() const { return secim_; }

private:
    void guncelle();

    TasarimModeli *m_ = nullptr;
    QLabel *imlec_, *secim_, *yakinlik_, *sayi_;
};
