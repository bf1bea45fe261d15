#pragma once

#include "dialogs/CiktiFormati.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class TasarimModeli;

// "  Yazı Formatı": how a field prints (plain, money with 0 to 4 decimals, or a
// date pattern). "Tamam" writes the field's tag as one undo step.
class OutPutFormatFrm : public QDialog {
    Q_OBJECT
public:
    OutPutFormatFrm(TasarimModeli &model, int sira, QWidget *ust = nullptr);

    QListWidget *List1() const { return list1_; }
    QListWidget *List2() const { return list2_; }
    QGroupBox *Frame2() const { return frame2_; }
    QLabel *Ornek_Label() const { return ornek_; }
    void FormatTamam_Click();

private:
    void yansit();

    TasarimModeli &m_;
    int sira_;
    CiktiFormati durum_;
    QListWidget *list1_, *list2_;
    QGroupBox *frame2_;
    QLabel *ornek_;
};
