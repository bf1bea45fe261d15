#include "BarKodOzFrm.h"

#include "DugmeSatiri.h"
#include "core/Birimler.h"
#include "core/MesajKutusu.h"
#include "designer/TasarimModeli.h"
#include "dialogs/EtiketSayfasi.h"
#include "document/TasarimDosyasi.h"
#include "startup/Oturum.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

BarKodOzFrm::BarKodOzFrm(TasarimModeli &model, int sira, MesajKutusu &kutu, QWidget *ust)
    : QDialog(ust), m_(model), sira_(sira), kutu_(kutu) {
    setObjectName(QStringLiteral("BarKodOzFrm"));
    setWindowTitle(QStringLiteral("Barkod Özellikleri"));
    setAttribute(Qt::WA_DeleteOnClose);
    const BarkodKaydi &b = m_.Nesne(sira).Barkod();
    auto *duzen = new QVBoxLayout(this);
    auto *boyutlar = new QGroupBox(QStringLiteral("Boyutlar"), this);
    auto *form = new QFormLayout(boyutlar);
    // Shown in form order (top, left, width, height); kept as the writing order wants.
    const struct {
        int yer;
        const char16_t *ad, *baslik;
        float deger;
    } kutular[] = {{3, u"BRTop", u"Üst Boşluk", b.Top},
                   {2, u"BRLeft", u"Sol Boşluk", b.Left},
                   {1, u"BRGenislik", u"Genişlik", b.Width},
                   {0, u"BRBoy", u"Uzunluk", b.Height}};
    for (const auto &k : kutular) {
        auto *e = new QLineEdit(Kayit_Sayisi(k.deger), boyutlar);
        e->setObjectName(QString::fromUtf16(k.ad));
        e->setAccessibleName(QString::fromUtf16(k.baslik));
        form->addRow(QString::fromUtf16(k.baslik), e);
        kutular_[k.yer] = e;
    }
    duzen->addWidget(boyutlar);
    auto *yonelim = new QGroupBox(QStringLiteral("Yönelim"), this);
    auto *yd = new QHBoxLayout(yonelim);
    for (int i = 0; i < 4; ++i) {
        auto *s = new QRadioButton(QString::number(i * 90), yonelim);
        s->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        yd->addWidget(s);
        secenekler_[i] = s;
    }
    secenekler_[0]->setChecked(true);
    if (b.Orientation % 900 == 0 && b.Orientation >= 0 && b.Orientation <= 2700)
        secenekler_[b.Orientation / 900]->setChecked(true);
    duzen->addWidget(yonelim);

    const DugmeSatiri d = Dugme_Satiri(this, QStringLiteral("TamamBtn"), QStringLiteral("IptalBtn"),
                                       QStringLiteral("İptal"));
    duzen->addLayout(d.duzen);
    connect(d.tamam, &QPushButton::clicked, this, &BarKodOzFrm::TamamBtn_Click);
    connect(d.vazgec, &QPushButton::clicked, this, &QDialog::close);
}

void BarKodOzFrm::TamamBtn_Click() {
    // Height and width, then left and top.
    double d[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto v = i < 2 ? Mm_Oku(kutular_[i]->text(), 0.01, En_Cok_Konum, m_.Ayirac)
                             : Mm_Oku(kutular_[i]->text(), En_Az_Konum, En_Cok_Konum, m_.Ayirac);
        if (v)
            d[i] = *v;
        else {
            kutu_.MsgBox(Gecersiz_Deger_Mesaji, MesajKutusu::Dugmeler::Tamam,
                         MesajKutusu::Simge::Unlem, Program_Basligi);
            kutular_[i]->setFocus();
            kutular_[i]->selectAll();
            return;
        }
    }
    int yon = -1;
    for (int i = 0; i < 4; ++i)
        if (secenekler_[i]->isChecked())
            yon = i * 900;
    m_.Degistir(
        sira_,
        [&](YuzeyNesnesi &n) {
            BarkodKaydi &b = n.Barkod();
            b.Height = float(d[0]), b.Width = float(d[1]), b.Left = float(d[2]);
            b.Top = float(d[3]);
            if (yon >= 0)
                b.Orientation = qint16(yon);
        },
        QStringLiteral("Barkod Özellikleri"));
    close();
}
