#pragma once

#include <QWidget>

class QListWidget;

// The first window after start-up: which database and company the run is for,
// and the designs in the design folder.
class BaslangicPenceresi : public QWidget {
    Q_OBJECT
public:
    explicit BaslangicPenceresi(QWidget *ust = nullptr);
    QListWidget *Tasarim_Listesi() const { return liste_; }

private:
    QListWidget *liste_;
};
