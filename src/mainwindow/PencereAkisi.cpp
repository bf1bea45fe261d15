#include "PencereAkisi.h"

#include "MDIView.h"
#include "dialogs/pencere/FormTasarimGiris.h"

PencereAkisi::PencereAkisi(MesajKutusu &kutu, QObject *ust)
    : QObject(ust), kutu_(kutu), secici_(new FormTasarimGiris(kutu)) {
    connect(secici_, &FormTasarimGiris::Vazgecildi, this, &PencereAkisi::Bitti);
    connect(secici_, &FormTasarimGiris::Tasarim_Ac, this, &PencereAkisi::tasarimiAc);
}

PencereAkisi::~PencereAkisi() {
    delete ana_;
    delete secici_;
}

void PencereAkisi::Baslat() { secici_->show(); }

void PencereAkisi::tasarimiAc() {
    auto *ana = new MDIView(kutu_);
    if (!ana->Acildi()) {
        delete ana; // the user was told why
        return;
    }
    ana_ = ana;
    connect(ana, &MDIView::Kapandi, secici_, [this] {
        secici_->Tasarim_Listesi_Doldur();
        secici_->show();
    });
    secici_->hide();
    ana->show();
}
