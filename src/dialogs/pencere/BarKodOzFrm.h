#pragma once

#include <QDialog>

class MesajKutusu;
class QLineEdit;
class QRadioButton;
class TasarimModeli;

// "Barkod Özellikleri": a barcode's position, size (mm) and turning typed as
// numbers. "Tamam" writes them as one undo step.
class BarKodOzFrm : public QDialog {
    Q_OBJECT
public:
    BarKodOzFrm(TasarimModeli &model, int sira, MesajKutusu &kutu, QWidget *ust = nullptr);

    // BRBoy, BRGenislik, BRLeft, BRTop.
    QLineEdit *Kutu(int i) const { return kutular_[i]; }
    QRadioButton *Option(int i) const { return secenekler_[i - 1]; } // 1 to 4
    void TamamBtn_Click();

private:
    TasarimModeli &m_;
    int sira_;
    MesajKutusu &kutu_;
    QLineEdit *kutular_[4];
    QRadioButton *secenekler_[4];
};
