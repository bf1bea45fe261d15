#include "PencereAkisi.h"

#include "MDIView.h"
#include "dialogs/pencere/FormTasarimGiris.h"

PencereAkisi::PencereAkisi(MesajKutusu &kutu, const Oturum &oturum, QObject *ust)
    : QObject(ust), kutu_(kutu), oturum_(oturum), secici_(new FormTasarimGiris(kutu, oturum)) {
    connect(secici_, &FormTasarimGiris::Vazgecildi, this, &PencereAkisi::Bitti);
    connect(secici_, &FormTasarimGiris::Tasarim_Ac, this, &PencereAkisi::tasarimiAc);
}

PencereAkisi::~PencereAkisi() {
    delete ana_;
    delete secici_;
}

void PencereAkisi::Baslat() { secici_->show(); }

void PencereAkisi::tasarimiAc(const QString &ad) {
    auto *ana = new MDIView(kutu_, oturum_, ad);
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
