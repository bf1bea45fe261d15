#include "OutPutFormatFrm.h"

#include "DugmeSatiri.h"
#include "designer/TasarimModeli.h"
#include "document/EtiketIcerigi.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QListWidget *liste(QWidget *ust, const QString &ad, const QString &erisim) {
    auto *l = new QListWidget(ust);
    l->setObjectName(ad);
    l->setAccessibleName(erisim);
    return l;
}

} // namespace

OutPutFormatFrm::OutPutFormatFrm(TasarimModeli &model, int sira, QWidget *ust)
    : QDialog(ust), m_(model), sira_(sira),
      durum_(model.Nesne(sira).Nesne().Tag,
             Nesne_Icerigi(model.Nesne(sira).Nesne()).tur == EtiketIcerigi::Tur::Yaziyla) {
    setObjectName(QStringLiteral("OutPutFormatFrm"));
    setWindowTitle(QStringLiteral("  Yazı Formatı"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *duzen = new QVBoxLayout(this);
    QLabel *baslik = Kalin_Baslik(QStringLiteral("  Yazı Formatı"), this);
    baslik->setObjectName(QStringLiteral("Baslik"));
    duzen->addWidget(baslik);

    auto *listeler = new QHBoxLayout;
    list1_ = liste(this, QStringLiteral("List1"), QStringLiteral("Format Türü"));
    list1_->addItems(durum_.List1());
    listeler->addWidget(list1_);
    frame2_ = new QGroupBox(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto *f2 = new QVBoxLayout(frame2_);
    list2_ = liste(frame2_, QStringLiteral("List2"), QStringLiteral("Format"));
    list2_->addItems(durum_.List2());
    f2->addWidget(list2_);
    listeler->addWidget(frame2_);
    duzen->addLayout(listeler);

    auto *frame1 = new QGroupBox(QStringLiteral("Örnek"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *f1 = new QVBoxLayout(frame1);
    ornek_ = new QLabel(frame1);
    ornek_->setObjectName(QStringLiteral("Ornek_Label"));
    ornek_->setAccessibleName(QStringLiteral("Örnek"));
    f1->addWidget(ornek_);
    duzen->addWidget(frame1);

    const DugmeSatiri d = Dugme_Satiri(this, QStringLiteral("FormatTamam"),
                                       QStringLiteral("FormatVazgec"), QStringLiteral("Vazgeç"));
    duzen->addLayout(d.duzen);
    connect(d.tamam, &QPushButton::clicked, this, &OutPutFormatFrm::FormatTamam_Click);
    connect(d.vazgec, &QPushButton::clicked, this, &QDialog::close);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int r) {
        durum_.List1_Sec(r);
        yansit();
    });
    connect(list2_, &QListWidget::currentRowChanged, this, [this](int r) {
        durum_.List2_Sec(r);
        yansit();
    });
    yansit();
}

void OutPutFormatFrm::yansit() {
    const QSignalBlocker b1(list1_), b2(list2_);
    list1_->setCurrentRow(durum_.List1_Secili());
    if (durum_.List2_Secili() >= 0)
        list2_->setCurrentRow(durum_.List2_Secili());
    else
        list2_->setCurrentRow(-1);
    frame2_->setVisible(durum_.Frame2_Gorunur());
    ornek_->setText(durum_.Ornek(QDate::currentDate(), m_.Ayirac));
}

void OutPutFormatFrm::FormatTamam_Click() {
    if (const auto tag = durum_.Tamam())
        m_.Degistir(
            sira_, [&](YuzeyNesnesi &n) { n.Nesne().Tag = *tag; }, QStringLiteral("Alan Format"));
    close();
}
