#include "MesajPencere.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

MesajKutusu::Cevap MesajPencere::MsgBox(const QString &metin, Dugmeler dugmeler, Simge simge,
                                        const QString &baslik) {
    QMessageBox kutu(ust_);
    QString satirlar = metin;
    satirlar.replace(u'\r', u'\n');
    kutu.setText(satirlar);
    kutu.setWindowTitle(baslik);
    switch (simge) {
    case Simge::Yok:
        kutu.setIcon(QMessageBox::NoIcon);
        break;
    case Simge::Kritik:
        kutu.setIcon(QMessageBox::Critical);
        break;
    case Simge::Soru:
        kutu.setIcon(QMessageBox::Question);
        break;
    case Simge::Unlem:
        kutu.setIcon(QMessageBox::Warning);
        break;
    case Simge::Bilgi:
        kutu.setIcon(QMessageBox::Information);
        break;
    }
    switch (dugmeler) {
    case Dugmeler::Tamam:
        kutu.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        break;
    case Dugmeler::TamamIptal:
        kutu.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        kutu.addButton(QStringLiteral("İptal"), QMessageBox::RejectRole);
        break;
    case Dugmeler::EvetHayir:
        kutu.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
        kutu.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
        break;
    case Dugmeler::EvetHayirIptal:
        kutu.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
        kutu.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
        kutu.addButton(QStringLiteral("İptal"), QMessageBox::RejectRole);
        break;
    }
    kutu.exec();
    switch (kutu.buttonRole(kutu.clickedButton())) {
    case QMessageBox::YesRole:
        return Cevap::Evet;
    case QMessageBox::NoRole:
        return Cevap::Hayir;
    case QMessageBox::RejectRole:
        return Cevap::Iptal;
    default:
        // Closing a Yes/No box without a choice counts as No.
        return dugmeler == Dugmeler::EvetHayir ? Cevap::Hayir : Cevap::Tamam;
    }
}

void MesajPencere::Ayrintili(const QString &metin, const QStringList &ayrintilar,
                             const QString &baslik) {
    QMessageBox kutu(ust_);
    kutu.setIcon(QMessageBox::Critical);
    kutu.setWindowTitle(baslik);
    kutu.setText(metin);
    kutu.setDetailedText(ayrintilar.join(QStringLiteral("\n\n")));
    kutu.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    // The details button is Qt's own, outside buttons(); it is named in English
    // until Qt's Turkish translation is loaded.
    for (QPushButton *d : kutu.findChildren<QPushButton *>())
        if (!kutu.buttons().contains(d)) {
            d->setText(QStringLiteral("Ayrıntılar"));
            d->setAccessibleName(QStringLiteral("Ayrıntılar"));
        }
    kutu.exec();
}

std::optional<QString> MesajPencere::InputBox(const QString &istem, const QString &baslik,
                                              const QString &varsayilan) {
    QInputDialog d(ust_);
    d.setWindowTitle(baslik);
    d.setLabelText(istem);
    d.setTextValue(varsayilan);
    d.setOkButtonText(QStringLiteral("Tamam"));
    d.setCancelButtonText(QStringLiteral("İptal"));
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}
