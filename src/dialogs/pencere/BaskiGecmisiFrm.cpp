#include "BaskiGecmisiFrm.h"

#include "DugmeSatiri.h"
#include "core/MesajKutusu.h"
#include "document/TasarimTopla.h"
#include "printjob/BaskiIsi.h"
#include "printjob/EtiketDegeri.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/pencere/RaporPenceresi.h"
#include "startup/Oturum.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget *tablo(QWidget *ust, const QString &ad, const QStringList &basliklar) {
    auto *t = new QTableWidget(0, int(basliklar.size()), ust);
    t->setObjectName(ad);
    t->setAccessibleName(ad);
    t->setHorizontalHeaderLabels(basliklar);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void satirYaz(QTableWidget *t, int satir, const QStringList &degerler) {
    for (qsizetype i = 0; i < degerler.size(); ++i)
        t->setItem(satir, int(i), new QTableWidgetItem(degerler[i]));
}

} // namespace

BaskiGecmisiFrm::BaskiGecmisiFrm(MesajKutusu &kutu, const Oturum &oturum, const Gecmis &gecmis,
                                 QWidget *ust)
    : QDialog(ust), kutu_(kutu), oturum_(oturum), gecmis_(gecmis) {
    setObjectName(QStringLiteral("BaskiGecmisi"));
    setWindowTitle(QStringLiteral("Baskı Geçmişi"));
    setAccessibleName(windowTitle());
    resize(760, 520);
    auto *duzen = new QVBoxLayout(this);
    basimlar_ = tablo(this, QStringLiteral("Basımlar"),
                      {QStringLiteral("No"), QStringLiteral("Zaman"), QStringLiteral("Tasarım"),
                       QStringLiteral("Stok"), QStringLiteral("Etiket"), QStringLiteral("Çıktı")});
    stoklar_ =
        tablo(this, QStringLiteral("Basımın Stokları"),
              {QStringLiteral("Stok Kodu"), QStringLiteral("Adet"), QStringLiteral("Fiyatlar")});
    duzen->addWidget(basimlar_, 3);
    duzen->addWidget(
        new QLabel(QStringLiteral("Seçili basımın stokları ve bastığı fiyatlar"), this));
    duzen->addWidget(stoklar_, 2);
    const auto l = gecmis_.Basimlar(oturum_.Sunucu_Adi, oturum_.Veritabani_Adi, 500);
    if (!l)
        kutu_.MsgBox(*l.Hatasi(), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                     windowTitle());
    else
        liste_ = *l;
    basimlar_->setRowCount(int(liste_.size()));
    for (int i = 0; i < liste_.size(); ++i) {
        const GecmisBasim &b = liste_[i];
        satirYaz(basimlar_, i,
                 {QString::number(b.no), b.zaman.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                  b.tasarim, QString::number(b.stok_sayisi), QString::number(b.etiket_sayisi),
                  b.cikti});
    }
    connect(basimlar_, &QTableWidget::itemSelectionChanged, this, &BaskiGecmisiFrm::stoklariGoster);
    const DugmeSatiri d = Dugme_Satiri(this, QStringLiteral("YenidenBas"), QStringLiteral("Kapat"),
                                       QStringLiteral("Kapat"));
    d.tamam->setText(QStringLiteral("Yeniden Bas"));
    d.tamam->setAccessibleName(QStringLiteral("Yeniden Bas"));
    duzen->addLayout(d.duzen);
    connect(d.tamam, &QPushButton::clicked, this, &BaskiGecmisiFrm::Yeniden_Bas);
    connect(d.vazgec, &QPushButton::clicked, this, &QDialog::close);
    if (!liste_.isEmpty())
        basimlar_->selectRow(0);
}

void BaskiGecmisiFrm::stoklariGoster() {
    stoklar_->setRowCount(0);
    const int satir = basimlar_->currentRow();
    if (satir < 0 || satir >= liste_.size())
        return;
    const auto b = gecmis_.Basim(liste_[satir].no);
    if (!b)
        return;
    stoklar_->setRowCount(int(b->stoklar.size()));
    for (int i = 0; i < b->stoklar.size(); ++i) {
        const GecmisStok &s = b->stoklar[i];
        QStringList fiyatlar;
        for (const auto &[sira, fiyat] : s.fiyatlar)
            fiyatlar << QStringLiteral("Fiyat%1: %2")
                            .arg(sira.trimmed(), Fiyat_Metni(fiyat, 2, oturum_.ayirac));
        satirYaz(stoklar_, i,
                 {s.kod, QString::number(s.adet), fiyatlar.join(QStringLiteral(", "))});
    }
}

void BaskiGecmisiFrm::Yeniden_Bas() {
    const int satir = basimlar_->currentRow();
    if (satir < 0 || satir >= liste_.size())
        return;
    const auto uyar = [this](const QString &m, MesajKutusu::Simge s) {
        kutu_.MsgBox(m, MesajKutusu::Dugmeler::Tamam, s, windowTitle());
    };
    const auto b = gecmis_.Basim(liste_[satir].no);
    if (!b)
        return uyar(*b.Hatasi(), MesajKutusu::Simge::Kritik);
    auto belge = Basilacak_Tasarim(oturum_.Tasarim_Klasoru, b->tasarim, kutu_);
    if (!belge)
        return;
    BaskiIsi is;
    is.Belge = std::move(*belge);
    is.Tasarim_Adi = b->tasarim;
    is.Baslangic_Etiketi = b->dogrudan ? 1 : b->baslangic;
    is.Etiket_Adedi = b->adet;
    bool degisti = false;
    if (const Hata h = Yeniden_Hazirla(*b, oturum_, is, degisti))
        return uyar(*h, MesajKutusu::Simge::Kritik);
    if (degisti)
        uyar(Tasarim_Degisti_Mesaji.arg(b->tasarim), MesajKutusu::Simge::Bilgi);
    Rapor_Goster(kutu_, oturum_, is, this);
}
