#include "DurumCubugu.h"

#include "designer/OlcuMetni.h"
#include "designer/TasarimModeli.h"

#include <QLabel>

DurumCubugu::DurumCubugu(QWidget *ust) : QStatusBar(ust) {
    setObjectName(QStringLiteral("DurumCubugu"));
    setAccessibleName(QStringLiteral("Durum Çubuğu"));
    const auto etiket = [this](const char *ad, const QString &erisim) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(ad));
        l->setAccessibleName(erisim);
        addPermanentWidget(l);
        return l;
    };
    imlec_ = etiket("Imlec", QStringLiteral("İmleç Konumu"));
    secim_ = etiket("SecimOlcusu", QStringLiteral("Seçimin Ölçüsü"));
    yakinlik_ = etiket("Yakinlik", QStringLiteral("Yakınlaştırma"));
    sayi_ = etiket("SeciliSayisi", QStringLiteral("Seçili Öğe Sayısı"));
}

void DurumCubugu::Modeli_Bagla(TasarimModeli *m) {
    m_ = m;
    connect(m, &TasarimModeli::Secim_Ozeti_Degisti, this, &DurumCubugu::guncelle);
    connect(m, &TasarimModeli::Gorunum_Degisti, this, &DurumCubugu::guncelle);
    guncelle();
}

void DurumCubugu::Imlec(QPointF mm) {
    imlec_->setText(m_ ? Nokta_Metni(mm, m_->Ayirac) : QString());
}

void DurumCubugu::guncelle() {
    if (!m_)
        return;
    const QList<int> s = m_->Secim();
    secim_->setText(s.isEmpty() ? QString() : Alan_Metni(m_->Secim_Alani(), m_->Ayirac));
    yakinlik_->setText(QStringLiteral("%%1").arg(m_->Yuzde()));
    sayi_->setText(s.isEmpty() ? QString() : QStringLiteral("%1 öğe seçili").arg(s.size()));
}
