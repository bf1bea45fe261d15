#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The OK and cancel buttons at the foot of a dialog, right-aligned, with their
// control names.
struct DugmeSatiri {
    QHBoxLayout *duzen;
    QPushButton *tamam, *vazgec;
};
DugmeSatiri Dugme_Satiri(QWidget *ust, const QString &tamam_adi, const QString &vazgec_adi,
                         const QString &vazgec_metni);

// A bold line of text that heads a window.
QLabel *Kalin_Baslik(const QString &metin, QWidget *ust);
