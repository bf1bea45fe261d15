#include "RaporPenceresi.h"

#include "core/MesajKutusu.h"
#include "database/VeriBaglantisi.h"
#include "layout/RaporMotoru.h"
#include "output/pencere/RaporGoruntuleyici.h"
#include "output/pencere/Yazicilar.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/GenelForm.h"
#include "startup/Oturum.h"

#include <QToolButton>

namespace {

// Keeps the report and its run alive exactly as long as the viewer.
class RaporSahibi : public QObject {
public:
    RaporSahibi(MesajKutusu &kutu, const Oturum &oturum, const BaskiIsi &is)
        : form(kutu, oturum, is), motor(form) {
        form.Yazici_Var = [](const QString &ad) { return Yazici_Bul(ad).has_value(); };
    }
    GenelForm form;
    RaporMotoru motor;
};

} // namespace

RaporGoruntuleyici *Rapor_Goster(MesajKutusu &kutu, const Oturum &oturum, const BaskiIsi &is,
                                 QWidget *ust) {
    if (!oturum.Baglanti) {
        kutu.MsgBox(QStringLiteral("Veritabanı bağlantısı yok; etiketler basılamıyor."),
                    MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik, Program_Basligi);
        return nullptr;
    }
    auto sahip = std::make_unique<RaporSahibi>(kutu, oturum, is);
    oturum.Baglanti->Bildirildi = false;
    if (const Hata h = sahip->motor.Baslat()) {
        sahip->motor.Bitir();
        // A failed statement was told in its own box, with its details: one is enough.
        if (!oturum.Baglanti->Bildirildi)
            kutu.MsgBox(*h, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                        Program_Basligi);
        return nullptr;
    }
    auto *w = new RaporGoruntuleyici(sahip->form, sahip->motor, ust);
    w->Lazer = sahip->form.Belge().Tip == 1;
    // Text that did not fit and missing prices are told once, when every page is laid out.
    const RaporMotoru *motor = &sahip->motor;
    const GenelForm *form = &sahip->form;
    QObject::connect(w, &RaporGoruntuleyici::Dizim_Tamamlandi, w, [&kutu, motor, form] {
        QStringList m;
        for (const TasmaListesi *t :
             QList<const TasmaListesi *>{&motor->Tasmalar()} + form->Eksik_Listeleri())
            if (!t->Bos())
                m << t->Mesaj();
        if (!m.isEmpty())
            kutu.MsgBox(m.join(u'\n'), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                        Program_Basligi);
    });
    // A finished print goes into the print history; a failure to record is said.
    const Oturum *o = &oturum;
    QObject::connect(w, &RaporGoruntuleyici::Basildi, w, [&kutu, o, form](const QString &cikti) {
        if (const auto uyari = Basimi_Kaydet(*o, form->Is(), cikti, false, form->Basilanlar))
            kutu.MsgBox(*uyari, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                        Program_Basligi);
    });
    sahip.release()->setParent(w); // destroyed after the viewer's own destructor
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowFlag(Qt::Window);
    if (is.yazdir) {
        QObject::connect(w, &RaporGoruntuleyici::Dizim_Tamamlandi, w, [w] {
            if (QToolButton *d = w->Dugme(QStringLiteral("yazdir")); d && d->isEnabled())
                d->click();
        });
    }
    w->show();
    return w;
}
