#pragma once

#include "designer/Ozellikler.h"

#include <QWidget>
#include <functional>
#include <map>
#include <optional>

class QCheckBox;
class QColor;
class QComboBox;
class QLineEdit;
class QPushButton;
class TasarimModeli;

// "Özellikler": the selection's place, size, font, colours, alignment and turn as
// values to type. Each change is one undo step for every selected element; a value
// an element cannot take is refused and the box shows the value again.
class OzellikPaneli : public QWidget {
    Q_OBJECT
public:
    explicit OzellikPaneli(QWidget *ust = nullptr);
    void Modeli_Bagla(TasarimModeli *m);

    QLineEdit *Kutu(Ozellik o) const;
    QCheckBox *Isaret(Ozellik o) const;
    QComboBox *Secenek(Ozellik o) const;
    // The refusal ("Lütfen geçerli bir değer giriniz."), the colour dialog, and the
    // settings dialogs of a field or a barcode; the main window provides them.
    std::function<void(const QString &)> Uyari;
    std::function<std::optional<QColor>(const QColor &)> Renk_Sor;
    std::function<void()> Bicim_Ac, Barkod_Ac;
    // "Resim Seç...": the picture file for the selected pictures, relative to the design
    // folder; nothing when none was chosen.
    std::function<std::optional<QString>()> Resim_Sec;

private:
    void yenile();
    void yaz(Ozellik o, const QString &deger);
    void kutuEkle(Ozellik o, const QString &baslik);
    void isaretEkle(Ozellik o, const QString &baslik);
    void renkEkle(Ozellik o, const QString &baslik);

    TasarimModeli *m_ = nullptr;
    bool yenileniyor_ = false;
    std::map<Ozellik, QLineEdit *> kutular_;
    std::map<Ozellik, QCheckBox *> isaretler_;
    std::map<Ozellik, QComboBox *> secenekler_;
    std::map<Ozellik, QPushButton *> renkler_;
    QPushButton *bicim_, *barkod_, *resim_;
    class QFormLayout *form_;
};
