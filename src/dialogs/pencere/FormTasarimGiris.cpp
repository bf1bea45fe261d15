#include "FormTasarimGiris.h"

#include "DugmeSatiri.h"

#include "core/MesajKutusu.h"
#include "core/pencere/PencereYeri.h"
#include "database/VeriBaglantisi.h"
#include "dialogs/TasarimSecimi.h"
#include "dialogs/pencere/StokSecimiFrm.h"
#include "document/TasarimTopla.h"
#include "printjob/BaskiIsi.h"
#include "printjob/GecmisKaydi.h"
#include "printjob/pencere/RaporPenceresi.h"
#include "startup/Oturum.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

FormTasarimGiris::FormTasarimGiris(MesajKutusu &kutu, const Oturum &oturum, QWidget *ust)
    : QWidget(ust), kutu_(kutu), oturum_(oturum), liste_(new QListWidget(this)),
      stok_sec_(new QPushButton(QStringLiteral("Stok Seç"), this)), secim_yazisi_(new QLabel(this)),
      adet_sutunu_(new QComboBox(this)) {
    setObjectName(QStringLiteral("FormTasarimGiris"));
    setWindowTitle(Program_Basligi);
    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(Kalin_Baslik(oturum_.Firma_Unvani, this));
    // The second line: the database, and the folder the designs are in.
    auto *yer = new QLabel(
        (oturum_.Baglanti ? oturum_.Baglanti->Tanim() + QStringLiteral("  ·  ") : QString()) +
            QStringLiteral("Tasarım klasörü: ") + QDir::toNativeSeparators(oturum_.Tasarim_Klasoru),
        this);
    yer->setObjectName(QStringLiteral("TasarimKlasoru"));
    yer->setWordWrap(true);
    duzen->addWidget(yer);

    liste_->setObjectName(QStringLiteral("FrmList"));
    liste_->setAccessibleName(QStringLiteral("Tasarımlar"));
    liste_->setViewMode(QListView::IconMode);
    liste_->setResizeMode(QListView::Adjust);
    liste_->setMovement(QListView::Static);
    liste_->setGridSize(QSize(110, 76));
    liste_->setIconSize(QSize(32, 32));
    liste_->setWordWrap(true);
    duzen->addWidget(liste_);
    connect(liste_, &QListWidget::itemActivated, this, [this] { Button_Click(4); });

    auto *secim = new QHBoxLayout;
    stok_sec_->setObjectName(QStringLiteral("StokSec"));
    stok_sec_->setAccessibleName(QStringLiteral("Stok Seç"));
    stok_sec_->setAutoDefault(false);
    connect(stok_sec_, &QPushButton::clicked, this, &FormTasarimGiris::Stok_Sec);
    secim_yazisi_->setObjectName(QStringLiteral("StokSecimi"));
    secim_yazisi_->setText(QStringLiteral("Stoklar: başlangıç satırının şartı"));
    secim->addWidget(stok_sec_);
    secim->addWidget(secim_yazisi_, 1);
    adet_sutunu_->setObjectName(QStringLiteral("AdetSutunu"));
    adet_sutunu_->setAccessibleName(QStringLiteral("Sütundan"));
    adet_sutunu_->addItem(QStringLiteral("Adet sorulsun"), QString());
    for (const QString &s : Stok_Sutunlari(oturum_))
        adet_sutunu_->addItem(QStringLiteral("Sütundan: ") + s, s);
    secim->addWidget(new QLabel(QStringLiteral("Etiket adedi"), this));
    secim->addWidget(adet_sutunu_);
    duzen->addLayout(secim);
    auto *dugmeler = new QHBoxLayout;
    const char16_t *basliklar[] = {u"Yeni", u"Sil", u"Değiştir", u"Seç", u"Vazgeç"};
    for (int i = 1; i <= 5; ++i) {
        auto *d = new QPushButton(QString::fromUtf16(basliklar[i - 1]), this);
        d->setObjectName(QStringLiteral("Button(%1)").arg(i));
        d->setAutoDefault(false);
        connect(d, &QPushButton::clicked, this, [this, i] { Button_Click(i); });
        dugmeler->addWidget(d);
    }
    duzen->addLayout(dugmeler);
    Tasarim_Listesi_Doldur();
    // A start line without a condition: the items are chosen here first.
    if (oturum_.Stok_Sarti.trimmed().isEmpty() && oturum_.Baglanti)
        QTimer::singleShot(0, this, &FormTasarimGiris::Stok_Sec);
    resize(520, 380);
    Pencere_Yerini_Yukle(this, QStringLiteral("TasarimSecimi"));
}

QPushButton *FormTasarimGiris::Button(int indeks) const {
    return findChild<QPushButton *>(QStringLiteral("Button(%1)").arg(indeks));
}

void FormTasarimGiris::Tasarim_Listesi_Doldur() {
    liste_->clear();
    const QIcon simge = style()->standardIcon(QStyle::SP_FileIcon);
    QStringList adlar = Tasarim_Adlari(oturum_.Tasarim_Klasoru);
    // Listed by name, as a file list shows them.
    adlar.sort(Qt::CaseInsensitive);
    for (const QString &ad : adlar) {
        auto *o = new QListWidgetItem(simge, ad, liste_);
        o->setData(Qt::UserRole, QStringLiteral("Key") + oturum_.Tasarim_Klasoru + u'/' + ad);
    }
    if (liste_->count() > 0)
        liste_->setCurrentRow(0);
}

QString FormTasarimGiris::secili() const {
    const QListWidgetItem *o = liste_->currentItem();
    return o && o->isSelected() ? o->text() : QString();
}

void FormTasarimGiris::Button_Click(int indeks) {
    const QString ad = secili();
    switch (indeks) {
    case 1:
        emit Tasarim_Ac(QString());
        break;
    case 2:
        if (!ad.isEmpty() && Tasarim_Sil(oturum_.Tasarim_Klasoru, ad, kutu_))
            Tasarim_Listesi_Doldur();
        break;
    case 3:
        if (ad.isEmpty())
            break;
        emit Tasarim_Ac(ad.trimmed());
        break;
    case 4:
        if (ad.isEmpty())
            break;
        if (!secim_ && oturum_.Stok_Sarti.trimmed().isEmpty() && oturum_.Baglanti) {
            Stok_Sec(); // nothing to print yet: choose the items
            break;
        }
        if (auto is =
                Hemen_Bas_Hazirla(ad, oturum_, kutu_, adet_sutunu_->currentData().toString())) {
            if (secim_) {
                // The chosen items, each with its own count or the one asked.
                auto adetler = std::make_shared<QHash<qint64, int>>();
                for (const auto &s : *secim_)
                    adetler->insert(s.id, s.adet.value_or(is->Adet(s.id)));
                is->Stok_Adetleri = adetler;
                is->Stok_Sarti = Secim_Sarti(*secim_);
            }
            Rapor_Goster(kutu_, oturum_, *is, this);
        }
        break;
    case 5:
        emit Vazgecildi();
        break;
    }
}

void FormTasarimGiris::Stok_Sec() {
    auto *f = new StokSecimiFrm(kutu_, oturum_, this);
    f->setAttribute(Qt::WA_DeleteOnClose);
    // Changed prices are those the selected design prints.
    f->Degisenler = [this]() -> Sonuc<QList<qint64>> {
        const QString ad = secili();
        if (ad.isEmpty())
            return Hata(QStringLiteral("Önce bir tasarım seçin: değişen fiyatlar tasarımın "
                                       "bastığı fiyatlardır."));
        const auto belge = Basilacak_Tasarim(oturum_.Tasarim_Klasoru, ad, kutu_);
        if (!belge)
            return Hata(QStringLiteral("Tasarım okunamadı: ") + ad);
        return Fiyati_Degisenler(kutu_, oturum_, *belge);
    };
    connect(f, &QDialog::accepted, this, [this, f] {
        secim_ = f->Secim();
        secim_yazisi_->setText(QStringLiteral("Stoklar: %1 stok seçili").arg(secim_->size()));
    });
    f->open();
}

void FormTasarimGiris::keyPressEvent(QKeyEvent *e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && liste_->hasFocus())
        return Button_Click(4);
    QWidget::keyPressEvent(e);
}

void FormTasarimGiris::hideEvent(QHideEvent *e) {
    Pencere_Yerini_Kaydet(this, QStringLiteral("TasarimSecimi"));
    QWidget::hideEvent(e);
}

void FormTasarimGiris::closeEvent(QCloseEvent *e) {
    QWidget::closeEvent(e);
    emit Vazgecildi(); // closing the chooser is "Vazgeç"
}
