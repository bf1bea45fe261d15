#include "StokSecimiFrm.h"

#include "DugmeSatiri.h"
#include "core/MesajKutusu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace {

// A filter's list, filled the first time it opens: its values need every item read.
class SuzgecKutusu : public QComboBox {
public:
    SuzgecKutusu(std::function<QStringList()> degerler, QWidget *ust)
        : QComboBox(ust), degerler_(std::move(degerler)) {
        addItem(QStringLiteral("(Tümü)"), QString());
    }
    void showPopup() override {
        if (degerler_) {
            for (const QString &d : std::exchange(degerler_, {})())
                addItem(d, d);
        }
        QComboBox::showPopup();
    }

private:
    std::function<QStringList()> degerler_;
};

} // namespace

StokSecimiFrm::StokSecimiFrm(MesajKutusu &kutu, const Oturum &oturum, QWidget *ust)
    : QDialog(ust), kutu_(kutu), model_(kutu, oturum, this), tablo_(new QTableView(this)),
      degisen_(new QCheckBox(QStringLiteral("Yalnız fiyatı değişenler"), this)) {
    setObjectName(QStringLiteral("StokSecimi"));
    setWindowTitle(QStringLiteral("Stok Seçimi"));
    setAccessibleName(QStringLiteral("Stok Seçimi"));
    resize(900, 600);
    auto *duzen = new QVBoxLayout(this);
    auto *ust_satir = new QHBoxLayout;
    auto *ara = new QLineEdit(this);
    ara->setObjectName(QStringLiteral("Ara"));
    ara->setAccessibleName(QStringLiteral("Ara"));
    ara->setPlaceholderText(QStringLiteral("Stok kodu, adı ya da barkodu"));
    ust_satir->addWidget(new QLabel(QStringLiteral("Ara"), this));
    ust_satir->addWidget(ara, 1);
    connect(ara, &QLineEdit::textChanged, this, [this](const QString &t) { model_.Ara(t); });
    for (const auto &[sutun, ad] : {std::pair{StokSecimModeli::Grup, "Grup"},
                                    {StokSecimModeli::Marka, "Marka"},
                                    {StokSecimModeli::Raf, "Raf"}}) {
        if (!model_.Var(sutun))
            continue;
        auto *c = new SuzgecKutusu([this, s = sutun] { return model_.Degerler(s); }, this);
        c->setObjectName(QString::fromLatin1(ad));
        c->setAccessibleName(QString::fromLatin1(ad));
        ust_satir->addWidget(new QLabel(QString::fromLatin1(ad), this));
        ust_satir->addWidget(c);
        connect(c, &QComboBox::activated, this,
                [this, c, s = sutun](int i) { model_.Suz(s, c->itemData(i).toString()); });
    }
    degisen_->setAccessibleName(degisen_->text());
    ust_satir->addWidget(degisen_);
    connect(degisen_, &QCheckBox::toggled, this, [this](bool acik) {
        if (!acik)
            return model_.Yalniz(std::nullopt);
        const auto l = Degisenler ? Degisenler()
                                  : Sonuc<QList<qint64>>(Hata(
                                        QStringLiteral("Önce bir tasarım seçin: değişen "
                                                       "fiyatlar tasarımın bastığı fiyatlardır.")));
        if (!l) {
            kutu_.MsgBox(*l.Hatasi(), MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Unlem,
                         windowTitle());
            const QSignalBlocker b(degisen_);
            degisen_->setChecked(false);
            return;
        }
        model_.Yalniz(QSet<qint64>(l->begin(), l->end()));
    });
    duzen->addLayout(ust_satir);

    tablo_->setObjectName(QStringLiteral("Stoklar"));
    tablo_->setAccessibleName(QStringLiteral("Stoklar"));
    tablo_->setModel(&model_);
    tablo_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablo_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tablo_->verticalHeader()->hide();
    // Columns as wide as what they show; the name takes the rest.
    tablo_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tablo_->horizontalHeader()->setSectionResizeMode(StokSecimModeli::Ad, QHeaderView::Stretch);
    for (const auto s : {StokSecimModeli::Grup, StokSecimModeli::Marka, StokSecimModeli::Raf})
        tablo_->setColumnHidden(s, !model_.Var(s));
    duzen->addWidget(tablo_, 1);

    auto *alt = new QHBoxLayout;
    for (const auto &[ad, secili] : {std::pair{"Tümünü Seç", true}, {"Seçimi Kaldır", false}}) {
        auto *d = new QPushButton(QString::fromUtf8(ad), this);
        d->setAccessibleName(d->text());
        alt->addWidget(d);
        connect(d, &QPushButton::clicked, this, [this, s = secili] { model_.Hepsini_Sec(s); });
    }
    alt->addStretch();
    const DugmeSatiri d = Dugme_Satiri(this, QStringLiteral("StokTamam"),
                                       QStringLiteral("StokVazgec"), QStringLiteral("Vazgeç"));
    alt->addLayout(d.duzen);
    duzen->addLayout(alt);
    connect(d.tamam, &QPushButton::clicked, this, [this] {
        secim_ = model_.Secilenler();
        if (secim_.isEmpty()) {
            kutu_.MsgBox(QStringLiteral("Hiç stok seçilmedi."), MesajKutusu::Dugmeler::Tamam,
                         MesajKutusu::Simge::Unlem, windowTitle());
            return;
        }
        accept();
    });
    connect(d.vazgec, &QPushButton::clicked, this, &QDialog::reject);
    // The rest of the items come in while the window waits, a step at a time: a search
    // then finds them all without a wait.
    auto *okuyucu = new QTimer(this);
    connect(okuyucu, &QTimer::timeout, this, [this, okuyucu] {
        if (model_.canFetchMore({}))
            model_.fetchMore({});
        else
            okuyucu->stop();
    });
    okuyucu->start(0);
}
