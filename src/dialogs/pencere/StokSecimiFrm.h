#pragma once

#include "core/Hata.h"
#include "dialogs/StokSecimi.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;

// "Stok Seçimi": search, filter and tick the items to print, each with its own count.
class StokSecimiFrm : public QDialog {
    Q_OBJECT
public:
    StokSecimiFrm(MesajKutusu &kutu, const Oturum &oturum, QWidget *ust = nullptr);

    // "Yalnız fiyatı değişenler": the items whose printed price changed (unset: the
    // box is off).
    std::function<Sonuc<QList<qint64>>()> Degisenler;

    StokSecimModeli &Model() { return model_; }
    QTableView *Tablo() const { return tablo_; }
    // After "Tamam": the ticked items and their counts.
    const QList<StokSecimModeli::Secilen> &Secim() const { return secim_; }

private:
    MesajKutusu &kutu_;
    StokSecimModeli model_;
    QTableView *tablo_;
    QCheckBox *degisen_;
    QList<StokSecimModeli::Secilen> secim_;
};
