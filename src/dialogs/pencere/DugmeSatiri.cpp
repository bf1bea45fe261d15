#include "DugmeSatiri.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

DugmeSatiri Dugme_Satiri(QWidget *ust, const QString &tamam_adi, const QString &vazgec_adi,
                         const QString &vazgec_metni) {
    DugmeSatiri d{new QHBoxLayout, new QPushButton(QStringLiteral("Tamam"), ust),
                  new QPushButton(vazgec_metni, ust)};
    d.tamam->setObjectName(tamam_adi);
    d.vazgec->setObjectName(vazgec_adi);
    d.duzen->addStretch();
    d.duzen->addWidget(d.tamam);
    d.duzen->addWidget(d.vazgec);
    return d;
}

QLabel *Kalin_Baslik(const QString &metin, QWidget *ust) {
    auto *l = new QLabel(metin, ust);
    QFont kalin = l->font();
    kalin.setBold(true);
    l->setFont(kalin);
    return l;
}
