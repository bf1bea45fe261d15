#include "BaslangicPenceresi.h"

#include "components/VeriBaglantisi.h"
#include "document/TasarimDegiskenleri.h"
#include "startup/Degiskenler.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BaslangicPenceresi::BaslangicPenceresi(QWidget *ust) : QWidget(ust), liste_(new QListWidget(this)) {
    setWindowTitle(Degiskenler::Program_Basligi);
    auto *duzen = new QVBoxLayout(this);
    auto *firma = new QLabel(Degiskenler::Firma_Unvani, this);
    QFont kalin = firma->font();
    kalin.setBold(true);
    firma->setFont(kalin);
    duzen->addWidget(firma);
    if (Degiskenler::Baglanti)
        duzen->addWidget(new QLabel(Degiskenler::Baglanti->Tanim(), this));
    duzen->addWidget(new QLabel(QStringLiteral("Tasarımlar:"), this));
    const QStringList tasarimlar =
        QDir(Degiskenler::Tasarim_Klasoru)
            .entryList({QStringLiteral("*.ftr")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &t : tasarimlar)
        liste_->addItem(t.chopped(4));
    duzen->addWidget(liste_);
    auto *cikis = new QPushButton(QStringLiteral("Çıkış"), this);
    connect(cikis, &QPushButton::clicked, this, &QWidget::close);
    duzen->addWidget(cikis);
    resize(420, 360);
}
