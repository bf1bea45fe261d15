#pragma once

#include "output/YaziciAyarlari.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSpinBox;

// "Yazıcı Ayarları": Varnel's settings for each print queue (its language, dots,
// offsets, darkness, speed, media, how texts go), written to Yazicilar.ini as they
// are changed; "Test Etiketi" prints the calibration label with what is shown.
class YaziciAyarlariFrm : public QDialog {
    Q_OBJECT
public:
    explicit YaziciAyarlariFrm(const QStringList &kuyruklar, QWidget *ust = nullptr);

    QListWidget *Kuyruklar() const { return liste_; }
    QComboBox *Dil() const { return dil_; }
    QComboBox *Cozunurluk() const { return cozunurluk_; }
    QDoubleSpinBox *Sol() const { return sol_; }
    QDoubleSpinBox *Ust() const { return ust_; }
    QSpinBox *Koyuluk() const { return koyuluk_; }
    QSpinBox *Hiz() const { return hiz_; }
    QComboBox *Ortam() const { return ortam_; }
    QComboBox *Yazilar() const { return yazilar_; }
    QLabel *Durum() const { return durum_; }

    // The settings as the window shows them.
    YaziciAyari Gosterilen() const;
    void Test_Etiketi();

private:
    void goster();
    void yaz();
    void durumlar();

    QString kuyruk_;
    bool yukleniyor_ = false;
    QListWidget *liste_;
    QComboBox *dil_, *cozunurluk_, *ortam_, *yazilar_;
    QDoubleSpinBox *sol_, *ust_, *en_, *boy_;
    QSpinBox *koyuluk_, *hiz_;
    QLabel *durum_;
};
