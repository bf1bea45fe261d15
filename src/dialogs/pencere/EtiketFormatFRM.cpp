#include "EtiketFormatFRM.h"

#include "DugmeSatiri.h"
#include "EtiketResmi.h"
#include "core/MesajKutusu.h"
#include "core/SayiMetni.h"
#include "designer/TasarimModeli.h"
#include "dialogs/EtiketSayfasi.h"
#include "startup/Oturum.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EtiketFormatFRM::EtiketFormatFRM(TasarimModeli &model, MesajKutusu &kutu, QWidget *ust)
    : QDialog(ust), m_(model), kutu_(kutu), kagit_(new QComboBox(this)),
      kagitlar_(Etiket_Kagitlari()) {
    setObjectName(QStringLiteral("EtiketFormatFRM"));
    setWindowTitle(QStringLiteral("  Etiket Ayarları"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(
        Kalin_Baslik(QStringLiteral("Lütfen Etiket Ayarlarınızı Buradan Belirleyiniz."), this));

    auto *form = new QFormLayout;
    kagit_->setObjectName(QStringLiteral("Hazir_Etiket_Kagidi"));
    kagit_->setAccessibleName(QStringLiteral("Hazır Etiket Kağıdı"));
    kagit_->addItem(QStringLiteral("Özel"));
    for (const EtiketKagidi &k : kagitlar_)
        kagit_->addItem(k.Ad(m_.Ayirac));
    // A design set from the catalogue shows that sheet's name again.
    if (const auto k = Katalog_Kagidi(m_.Ayar))
        kagit_->setCurrentIndex(int(kagitlar_.indexOf(*k)) + 1);
    form->addRow(QStringLiteral("Hazır Etiket Kağıdı"), kagit_);
    const char16_t *adlar[][2] = {{u"ETBoy", u"Etiket Boyu"},
                                  {u"ETGenislik", u"Etiket Genişliği"},
                                  {u"ETYatay", u"Yatay Aralık"},
                                  {u"ETDikey", u"Dikey Aralık"}};
    const float degerler[] = {m_.Ayar.Etiket_Boy, m_.Ayar.Etiket_Genislik, m_.Ayar.Etiket_Yatay,
                              m_.Ayar.Etiket_Dikey};
    for (int i = 0; i < 4; ++i) {
        auto *k = new QLineEdit(Tek_Metni(degerler[i], m_.Ayirac), this);
        k->setObjectName(QString::fromUtf16(adlar[i][0]));
        k->setAccessibleName(QString::fromUtf16(adlar[i][1]));
        // A box edited by hand is no catalogue sheet any more.
        connect(k, &QLineEdit::textEdited, kagit_, [this] { kagit_->setCurrentIndex(0); });
        form->addRow(QString::fromUtf16(adlar[i][1]), k);
        kutular_[i] = k;
    }
    connect(kagit_, &QComboBox::activated, this, [this](int i) {
        if (i < 1 || i > kagitlar_.size())
            return;
        const EtiketKagidi &k = kagitlar_[i - 1];
        const double d[] = {k.boy, k.en, k.yatay, k.dikey};
        for (int j = 0; j < 4; ++j)
            kutular_[j]->setText(Tek_Metni(float(d[j]), m_.Ayirac));
    });
    auto *orta = new QHBoxLayout;
    orta->addLayout(form);
    orta->addWidget(new EtiketResmi(this));
    duzen->addLayout(orta);
    duzen->addWidget(new QLabel(QStringLiteral("* Girilecek Değerler mm Cinsindendir.")));

    const DugmeSatiri d = Dugme_Satiri(this, QStringLiteral("FormatTamam"),
                                       QStringLiteral("FormatVazgec"), QStringLiteral("Vazgeç"));
    d.tamam->setDefault(true);
    duzen->addLayout(d.duzen);
    connect(d.tamam, &QPushButton::clicked, this, &EtiketFormatFRM::FormatTamam_Click);
    connect(d.vazgec, &QPushButton::clicked, this, &QDialog::reject);
}

void EtiketFormatFRM::FormatTamam_Click() {
    QStringList metinler;
    for (QLineEdit *k : kutular_)
        metinler << k->text();
    const int secili = kagit_->currentIndex();
    const auto kagit = secili > 0 && secili <= kagitlar_.size()
                           ? std::optional(kagitlar_[secili - 1])
                           : std::nullopt;
    const auto sonuc = Etiket_Ayari(m_.Ayar, metinler, kagit, m_.Ayirac);
    if (const int *hatali = std::get_if<int>(&sonuc)) {
        const int i = *hatali == Sigmayan_Yerlesim ? 0 : *hatali;
        kutu_.MsgBox(*hatali == Sigmayan_Yerlesim ? Sigmiyor_Mesaji : Gecersiz_Deger_Mesaji,
                     MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem, Program_Basligi);
        kutular_[i]->setFocus();
        kutular_[i]->selectAll();
        return;
    }
    m_.Ayar_Degistir(std::get<TasarimModeli::Ayarlar>(sonuc), QStringLiteral("Etiket Ayarları"));
    // The window is the printable area; the section one label.
    const RaporSayfaAyari &a = m_.Ayar.PageSettings;
    const SayfaBasina s =
        Sayfa_Basina(m_.Ayar.Printer.PaperWidth() - (a.LeftMargin + a.RightMargin),
                     m_.Ayar.Printer.PaperHeight() - (a.TopMargin + a.BottomMargin),
                     m_.Bolum().Width, m_.Bolum().Height);
    kutu_.MsgBox(Sayfa_Basina_Mesaji(s), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Yok,
                 Program_Basligi);
    accept();
}
