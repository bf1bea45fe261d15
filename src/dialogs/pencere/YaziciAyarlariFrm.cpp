#include "YaziciAyarlariFrm.h"

#include "output/KalibrasyonEtiketi.h"
#include "output/pencere/Yazicilar.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A control with its caption as its accessible name.
template <class W> W *denetim(QWidget *ust, QFormLayout *form, const QString &baslik) {
    auto *w = new W(ust);
    w->setAccessibleName(baslik);
    form->addRow(baslik, w);
    return w;
}

QDoubleSpinBox *mm(QWidget *ust, QFormLayout *form, const QString &baslik, double en_az,
                   double en_cok, double deger) {
    auto *k = denetim<QDoubleSpinBox>(ust, form, baslik);
    k->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey)); // 2,5 mm
    k->setRange(en_az, en_cok);
    k->setDecimals(1);
    k->setSingleStep(0.1);
    k->setSuffix(QStringLiteral(" mm"));
    k->setValue(deger);
    return k;
}

// A whole number in [en_az, en_cok], or the printer's own (shown below the range).
QSpinBox *secimli(QWidget *ust, QFormLayout *form, const QString &baslik, int en_az, int en_cok) {
    auto *k = denetim<QSpinBox>(ust, form, baslik);
    k->setRange(en_az - 1, en_cok);
    k->setSpecialValueText(QStringLiteral("Yazıcının"));
    return k;
}

const QString ortamlar[] = {QString(), QStringLiteral("Bosluk"), QStringLiteral("Siyah_Isaret"),
                            QStringLiteral("Surekli")};

} // namespace

YaziciAyarlariFrm::YaziciAyarlariFrm(const QStringList &kuyruklar, QWidget *ust) : QDialog(ust) {
    setObjectName(QStringLiteral("YaziciAyarlariFrm"));
    setWindowTitle(QStringLiteral("Yazıcı Ayarları"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *ana = new QVBoxLayout(this);
    auto *ust_satir = new QHBoxLayout;
    ana->addLayout(ust_satir);
    liste_ = new QListWidget(this);
    liste_->setAccessibleName(QStringLiteral("Yazıcılar"));
    liste_->addItems(kuyruklar);
    ust_satir->addWidget(liste_);
    auto *form = new QFormLayout;
    ust_satir->addLayout(form);
    dil_ = denetim<QComboBox>(this, form, QStringLiteral("Dil"));
    dil_->addItems({QStringLiteral("Sürücü"), QStringLiteral("ZPL")});
    cozunurluk_ = denetim<QComboBox>(this, form, QStringLiteral("Çözünürlük"));
    for (const int d : Zpl_Cozunurlukleri)
        cozunurluk_->addItem(QStringLiteral("%1 dpi").arg(d), d);
    sol_ = mm(this, form, QStringLiteral("Sol Kaydırma"), -10, 10, 0);
    ust_ = mm(this, form, QStringLiteral("Üst Kaydırma"), -10, 10, 0);
    koyuluk_ = secimli(this, form, QStringLiteral("Koyuluk"), 0, 30);
    hiz_ = secimli(this, form, QStringLiteral("Hız"), 2, 12);
    hiz_->setSuffix(QStringLiteral(" inç/sn"));
    ortam_ = denetim<QComboBox>(this, form, QStringLiteral("Ortam"));
    ortam_->addItems({QStringLiteral("Yazıcının"), QStringLiteral("Boşluk"),
                      QStringLiteral("Siyah İşaret"), QStringLiteral("Sürekli")});
    yazilar_ = denetim<QComboBox>(this, form, QStringLiteral("Yazılar"));
    yazilar_->addItems({QStringLiteral("Resim"), QStringLiteral("Yazıcının yazı tipi")});
    // The calibration label's size: the labels in the printer.
    en_ = mm(this, form, QStringLiteral("Etiket Genişliği"), 10, 200, 60);
    boy_ = mm(this, form, QStringLiteral("Etiket Yüksekliği"), 10, 300, 40);

    durum_ = new QLabel(this);
    durum_->setWordWrap(true);
    durum_->setAccessibleName(QStringLiteral("Durum"));
    ana->addWidget(durum_);
    auto *dugmeler = new QHBoxLayout;
    ana->addLayout(dugmeler);
    auto *test = new QPushButton(QStringLiteral("Test Etiketi"), this);
    test->setObjectName(QStringLiteral("TestEtiketi"));
    auto *kapat = new QPushButton(QStringLiteral("Kapat"), this);
    kapat->setObjectName(QStringLiteral("Kapat"));
    dugmeler->addStretch();
    dugmeler->addWidget(test);
    dugmeler->addWidget(kapat);
    connect(test, &QPushButton::clicked, this, &YaziciAyarlariFrm::Test_Etiketi);
    connect(kapat, &QPushButton::clicked, this, &QDialog::accept);

    connect(liste_, &QListWidget::currentTextChanged, this, &YaziciAyarlariFrm::goster);
    for (QComboBox *c : {dil_, cozunurluk_, ortam_, yazilar_})
        connect(c, &QComboBox::currentIndexChanged, this, &YaziciAyarlariFrm::yaz);
    for (QDoubleSpinBox *k : {sol_, ust_})
        connect(k, &QDoubleSpinBox::valueChanged, this, &YaziciAyarlariFrm::yaz);
    for (QSpinBox *k : {koyuluk_, hiz_})
        connect(k, &QSpinBox::valueChanged, this, &YaziciAyarlariFrm::yaz);
    if (kuyruklar.isEmpty()) {
        durum_->setText(QStringLiteral("Yazıcı bulunamadı."));
        test->setEnabled(false);
    } else {
        liste_->setCurrentRow(0);
    }
    durumlar();
}

YaziciAyari YaziciAyarlariFrm::Gosterilen() const {
    YaziciAyari a;
    a.dil = dil_->currentIndex() == 1 ? YaziciAyari::Dil::ZPL : YaziciAyari::Dil::Surucu;
    a.cozunurluk = cozunurluk_->currentData().toInt();
    a.sol_kaydirma = sol_->value();
    a.ust_kaydirma = ust_->value();
    if (koyuluk_->value() >= 0)
        a.koyuluk = koyuluk_->value();
    if (hiz_->value() >= 2)
        a.hiz = hiz_->value();
    a.ortam = ortamlar[std::max(0, ortam_->currentIndex())];
    a.yazilar =
        yazilar_->currentIndex() == 1 ? YaziciAyari::Yazilar::Yazici : YaziciAyari::Yazilar::Resim;
    return a;
}

void YaziciAyarlariFrm::goster() {
    kuyruk_ = liste_->currentItem() ? liste_->currentItem()->text() : QString();
    if (kuyruk_.isEmpty())
        return;
    const OkunanAyar o = Yazici_Ayari_Oku(Yazici_Ayarlari_Dosyasi(), kuyruk_);
    const YaziciAyari &a = o.ayar;
    yukleniyor_ = true;
    dil_->setCurrentIndex(a.dil == YaziciAyari::Dil::ZPL ? 1 : 0);
    cozunurluk_->setCurrentIndex(cozunurluk_->findData(a.cozunurluk));
    sol_->setValue(a.sol_kaydirma);
    ust_->setValue(a.ust_kaydirma);
    koyuluk_->setValue(a.koyuluk.value_or(-1));
    hiz_->setValue(a.hiz.value_or(1));
    ortam_->setCurrentIndex(
        int(std::find(std::begin(ortamlar), std::end(ortamlar), a.ortam) - std::begin(ortamlar)));
    yazilar_->setCurrentIndex(a.yazilar == YaziciAyari::Yazilar::Yazici ? 1 : 0);
    yukleniyor_ = false;
    // Values the file had out of range are shown with the defaults taken instead.
    durum_->setText(o.hatalar.join(u'\n'));
    durumlar();
}

void YaziciAyarlariFrm::yaz() {
    durumlar();
    if (yukleniyor_ || kuyruk_.isEmpty())
        return;
    if (!Yazici_Ayari_Yaz(Yazici_Ayarlari_Dosyasi(), kuyruk_, Gosterilen()))
        durum_->setText(QStringLiteral("Ayarlar yazılamadı: ") + Yazici_Ayarlari_Dosyasi());
    else
        durum_->clear();
}

void YaziciAyarlariFrm::durumlar() {
    // Dots, darkness, speed, media and texts are the printer language's alone.
    const bool zpl = dil_->currentIndex() == 1;
    for (QWidget *w :
         std::initializer_list<QWidget *>{cozunurluk_, koyuluk_, hiz_, ortam_, yazilar_})
        w->setEnabled(zpl);
}

void YaziciAyarlariFrm::Test_Etiketi() {
    if (kuyruk_.isEmpty())
        return;
    const YaziciAyari a = Gosterilen();
    auto hedef = Yazici_Hedefi_Ac(kuyruk_, false, &a);
    RaporSayfasi s = Kalibrasyon_Etiketi(QSizeF(en_->value(), boy_->value()), kuyruk_, a);
    bool verildi = false;
    const auto sonraki = [&](RaporSayfasi &sayfa) {
        if (verildi)
            return false;
        sayfa = s;
        return verildi = true;
    };
    const Hata h = !hedef ? hedef.Hatasi() : Sayfalari_Gonder(sonraki, **hedef).Hatasi();
    durum_->setText(h ? QStringLiteral("Test etiketi basılamadı: ") + *h
                      : QStringLiteral("Test etiketi gönderildi: ") + kuyruk_);
}
