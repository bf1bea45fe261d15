#pragma once

#include "document/TasarimKayitlari.h"
#include "drawing/RaporSayfasi.h"
#include "output/SayfaHedefi.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class MesajKutusu;
struct Oturum;

// The preview window: one label of the design it was given filled with the first
// item's values, drawn by the program itself. After Dogrudan_Bas_Iste its next
// activation prints the labels directly, once.
class OnizlemeFrm : public QWidget {
    Q_OBJECT
public:
    OnizlemeFrm(MesajKutusu &kutu, const Oturum &oturum, const TasarimBelgesi &belge,
                QWidget *ust = nullptr);
    ~OnizlemeFrm() override;
    // The design's name, for the print history (empty for a design not saved yet).
    QString Tasarim_Adi;

    // Where a direct run prints: the system's printer by default; tests give a file.
    std::function<Acilan_Hedef(bool lazer)> Yazici_Ac;

    // The design to show from the next activation on.
    void Belge_Ayarla(const TasarimBelgesi &belge) { belge_ = belge; }
    const TasarimBelgesi &Belge() const { return belge_; }
    // The next activation prints the labels directly.
    void Dogrudan_Bas_Iste() { dogrudan_ = true; }
    // Activation: the label again, then the direct run when one was asked for.
    void Etkinlestir();
    void Barkod_Onizleme();
    const std::optional<RaporSayfasi> &Sayfa() const { return sayfa_; }
    QWidget *Bolum() const { return bolum_; }
    int Basilan_Sayfa() const { return basilan_; }

signals:
    // A barcode was clicked: its width and height in twips, for Label1.
    void Barkod_Olcusu(const QString &metin);
    void Kapandi();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Dinamik_Bas();

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    TasarimBelgesi belge_;
    bool dogrudan_ = false;
    QWidget *bolum_;
    std::optional<RaporSayfasi> sayfa_;
    int basilan_ = 0;
};
