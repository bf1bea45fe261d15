#pragma once

#include "components/RaporSayfasi.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class MesajKutusu;
class SayfaHedefi;

// The preview window: one label of the design in memory filled with the first
// item's values, drawn by the program itself. While Dinamik_Barkod is true its
// activation prints the labels directly, once.
class OnizlemeFrm : public QWidget {
    Q_OBJECT
public:
    explicit OnizlemeFrm(MesajKutusu &kutu, QWidget *ust = nullptr);
    ~OnizlemeFrm() override;

    // Where a direct run prints: the system's printer by default; tests give a file.
    std::function<std::unique_ptr<SayfaHedefi>(QString &hata)> Yazici_Ac;

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
    QWidget *bolum_;
    std::optional<RaporSayfasi> sayfa_;
    int basilan_ = 0;
};
