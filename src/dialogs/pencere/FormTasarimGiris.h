#pragma once

#include "dialogs/StokSecimi.h"

#include <QWidget>
#include <optional>

class MesajKutusu;
struct Oturum;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The design chooser, the first window after start-up: the designs of the design
// folder and the buttons "Yeni", "Sil", "Değiştir", "Seç", "Vazgeç".
class FormTasarimGiris : public QWidget {
    Q_OBJECT
public:
    FormTasarimGiris(MesajKutusu &kutu, const Oturum &oturum, QWidget *ust = nullptr);

    QListWidget *FrmList() const { return liste_; }
    QPushButton *Button(int indeks) const; // 1 to 5
    // "Stok Seç": the items the next "Seç" prints, each with its own count.
    QPushButton *Stok_Sec_Dugmesi() const { return stok_sec_; }
    const std::optional<QList<StokSecimModeli::Secilen>> &Stok_Secimi() const { return secim_; }
    // "Sütundan": the column each item's labels come from (its first entry: asked).
    QComboBox *Adet_Sutunu() const { return adet_sutunu_; }
    void Stok_Sec();
    void Tasarim_Listesi_Doldur();
    void Button_Click(int indeks);

signals:
    // "Yeni" (an empty name) and "Değiştir": the design window opens on the design
    // `ad`; "Vazgeç": the program ends.
    void Tasarim_Ac(const QString &ad);
    void Vazgecildi();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    QString secili() const;

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    QListWidget *liste_;
    QPushButton *stok_sec_;
    QLabel *secim_yazisi_;
    QComboBox *adet_sutunu_;
    std::optional<QList<StokSecimModeli::Secilen>> secim_;
};
