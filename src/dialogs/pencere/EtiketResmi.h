#pragma once

#include <QWidget>

// Picture1 of the label sheet dialog: a sheet's top-left corner with two labels
// side by side and two below, and the four distances the boxes mean marked on it.
class EtiketResmi : public QWidget {
public:
    explicit EtiketResmi(QWidget *ust = nullptr);
    QSize sizeHint() const override { return {220, 190}; }

protected:
    void paintEvent(QPaintEvent *e) override;
};
