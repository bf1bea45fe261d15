#pragma once

#include "MDIView.h"

#include <QObject>
#include <QPointer>

class FormTasarimGiris;
class MesajKutusu;
struct Oturum;

// The road between the windows: the design chooser first; "Yeni" and "Değiştir"
// open the main window on the design; closing it brings the chooser back with
// its list read again; "Vazgeç" ends the program (Bitti).
class PencereAkisi : public QObject {
    Q_OBJECT
public:
    PencereAkisi(MesajKutusu &kutu, const Oturum &oturum, QObject *ust = nullptr);
    ~PencereAkisi() override;

    void Baslat(); // shows the chooser
    FormTasarimGiris *Secici() const { return secici_; }
    MDIView *Ana_Pencere() const { return ana_; }

signals:
    void Bitti();

private:
    void tasarimiAc(const QString &ad);

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    FormTasarimGiris *secici_;
    QPointer<MDIView> ana_;
};
