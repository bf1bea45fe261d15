#pragma once

#include <QDialog>

#include "dialogs/EtiketSayfasi.h"

class MesajKutusu;
class QComboBox;
class QLineEdit;
class TasarimModeli;

// "  Etiket Ayarları": the size of one label on a sheet and the gaps between
// labels, in millimetres, with a catalogue of common sheets. "Tamam" stores them
// as one undo step, sizes the section to one label and says how many labels fit
// a page.
class EtiketFormatFRM : public QDialog {
    Q_OBJECT
public:
    EtiketFormatFRM(TasarimModeli &model, MesajKutusu &kutu, QWidget *ust = nullptr);

    QLineEdit *Kutu(int i) const { return kutular_[i]; } // ETBoy, ETGenislik, ETYatay, ETDikey
    QComboBox *Hazir_Kagit() const { return kagit_; }
    void FormatTamam_Click();

private:
    TasarimModeli &m_;
    MesajKutusu &kutu_;
    QLineEdit *kutular_[4];
    QComboBox *kagit_;
    const QList<EtiketKagidi> kagitlar_;
};
