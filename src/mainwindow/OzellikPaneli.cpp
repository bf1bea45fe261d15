#include "OzellikPaneli.h"

#include "barcode/BarkodTipleri.h"
#include "designer/TasarimModeli.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

OzellikPaneli::OzellikPaneli(QWidget *ust) : QWidget(ust) {
    setObjectName(QStringLiteral("OzellikPaneli"));
    setAccessibleName(QStringLiteral("Özellikler"));
    form_ = new QFormLayout(this);
    kutuEkle(Ozellik::X, QStringLiteral("X (mm)"));
    kutuEkle(Ozellik::Y, QStringLiteral("Y (mm)"));
    kutuEkle(Ozellik::Genislik, QStringLiteral("Genişlik (mm)"));
    kutuEkle(Ozellik::Yukseklik, QStringLiteral("Yükseklik (mm)"));

    auto *yazi = new QFontComboBox(this);
    yazi->setAccessibleName(QStringLiteral("Yazı Tipi"));
    secenekler_[Ozellik::Yazi_Tipi] = yazi;
    form_->addRow(QStringLiteral("Yazı Tipi"), yazi);
    connect(yazi, &QComboBox::textActivated, this,
            [this](const QString &t) { yaz(Ozellik::Yazi_Tipi, t); });
    kutuEkle(Ozellik::Boyut, QStringLiteral("Boyut (pt)"));
    isaretEkle(Ozellik::Kalin, QStringLiteral("Kalın"));
    isaretEkle(Ozellik::Italik, QStringLiteral("İtalik"));
    isaretEkle(Ozellik::Alti_Cizili, QStringLiteral("Altı Çizili"));

    const auto secenek = [this](Ozellik o, const QString &baslik, const QStringList &ogeler,
                                const QStringList &degerler) {
        auto *c = new QComboBox(this);
        c->setAccessibleName(baslik);
        for (qsizetype i = 0; i < ogeler.size(); ++i)
            c->addItem(ogeler[i], degerler[i]);
        secenekler_[o] = c;
        form_->addRow(baslik, c);
        connect(c, &QComboBox::activated, this,
                [this, o, c](int i) { yaz(o, c->itemData(i).toString()); });
    };
    secenek(Ozellik::Hiza, QStringLiteral("Hizalama"),
            {QStringLiteral("Sola"), QStringLiteral("Sağa"), QStringLiteral("Ortaya")},
            {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    renkEkle(Ozellik::On_Renk, QStringLiteral("Yazı Rengi"));
    renkEkle(Ozellik::Arka_Renk, QStringLiteral("Zemin Rengi"));
    isaretEkle(Ozellik::Saydam, QStringLiteral("Saydam Zemin"));
    secenek(
        Ozellik::Aci, QStringLiteral("Döndürme"),
        {QStringLiteral("0°"), QStringLiteral("90°"), QStringLiteral("180°"),
         QStringLiteral("270°")},
        {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")});

    kutuEkle(Ozellik::Sutun, QStringLiteral("Sütun"));
    QStringList kodAdlari, kodlar;
    for (const Barkod::Sembol s : Kod_Turleri()) {
        kodAdlari << QString::fromUtf8(Semboloji_Bilgisi(s).kelime);
        kodlar << QString::fromLatin1(Semboloji_Bilgisi(s).kod);
    }
    secenek(Ozellik::Kod_Turu, QStringLiteral("Kod Türü"), kodAdlari, kodlar);
    kutuEkle(Ozellik::Veri, QStringLiteral("Veri"));
    kutuEkle(Ozellik::Resim_Dosyasi, QStringLiteral("Resim Dosyası"));
    resim_ = new QPushButton(QStringLiteral("Resim Seç..."), this);
    resim_->setObjectName(QStringLiteral("ResimSec"));
    resim_->setAccessibleName(QStringLiteral("Resim Seç"));
    form_->addRow(resim_);
    connect(resim_, &QPushButton::clicked, this, [this] {
        if (Resim_Sec)
            if (const auto yol = Resim_Sec())
                yaz(Ozellik::Resim_Dosyasi, *yol);
    });
    bicim_ = new QPushButton(QStringLiteral("Alan Formatı..."), this);
    bicim_->setObjectName(QStringLiteral("AlanFormati"));
    barkod_ = new QPushButton(QStringLiteral("Barkod Özellikleri..."), this);
    barkod_->setObjectName(QStringLiteral("BarkodOzellikleri"));
    form_->addRow(bicim_);
    form_->addRow(barkod_);
    connect(bicim_, &QPushButton::clicked, this, [this] {
        if (Bicim_Ac)
            Bicim_Ac();
    });
    connect(barkod_, &QPushButton::clicked, this, [this] {
        if (Barkod_Ac)
            Barkod_Ac();
    });
    yenile();
}

void OzellikPaneli::kutuEkle(Ozellik o, const QString &baslik) {
    auto *k = new QLineEdit(this);
    k->setAccessibleName(baslik);
    kutular_[o] = k;
    form_->addRow(baslik, k);
    connect(k, &QLineEdit::editingFinished, this, [this, o, k] {
        if (k->isModified()) {
            k->setModified(false);
            yaz(o, k->text());
        }
    });
}

void OzellikPaneli::isaretEkle(Ozellik o, const QString &baslik) {
    auto *c = new QCheckBox(baslik, this);
    c->setAccessibleName(baslik);
    isaretler_[o] = c;
    form_->addRow(c);
    connect(c, &QCheckBox::clicked, this,
            [this, o](bool acik) { yaz(o, acik ? QStringLiteral("1") : QStringLiteral("0")); });
}

void OzellikPaneli::renkEkle(Ozellik o, const QString &baslik) {
    auto *d = new QPushButton(this);
    d->setAccessibleName(baslik);
    renkler_[o] = d;
    form_->addRow(baslik, d);
    connect(d, &QPushButton::clicked, this, [this, o] {
        if (!m_ || !Renk_Sor)
            return;
        const QColor once = QColor::fromString(Ozellik_Metni(*m_, o));
        if (const auto c = Renk_Sor(once.isValid() ? once : QColor(Qt::black)))
            yaz(o, c->name());
    });
}

QLineEdit *OzellikPaneli::Kutu(Ozellik o) const { return kutular_.at(o); }
QCheckBox *OzellikPaneli::Isaret(Ozellik o) const { return isaretler_.at(o); }
QComboBox *OzellikPaneli::Secenek(Ozellik o) const { return secenekler_.at(o); }

void OzellikPaneli::Modeli_Bagla(TasarimModeli *m) {
    m_ = m;
    connect(m, &TasarimModeli::Secim_Ozeti_Degisti, this, &OzellikPaneli::yenile);
    yenile();
}

void OzellikPaneli::yaz(Ozellik o, const QString &deger) {
    if (!m_ || yenileniyor_)
        return;
    if (!Ozellik_Yaz(*m_, o, deger) && Uyari)
        Uyari(Gecersiz_Deger_Mesaji);
    yenile();
}

void OzellikPaneli::yenile() {
    yenileniyor_ = true;
    const bool secili = m_ && !m_->Secim().isEmpty();
    const auto var = [&](Ozellik o) { return secili && Ozellik_Var(*m_, o); };
    // Empty where no selected element has the property.
    const auto metin = [&](Ozellik o) { return secili ? Ozellik_Metni(*m_, o) : QString(); };
    for (const auto &[o, k] : kutular_) {
        k->setEnabled(var(o));
        k->setText(metin(o));
    }
    for (const auto &[o, c] : isaretler_) {
        c->setEnabled(var(o));
        c->setChecked(metin(o) == u"1");
    }
    for (const auto &[o, c] : secenekler_) {
        c->setEnabled(var(o));
        const QString d = metin(o);
        const int i = o == Ozellik::Yazi_Tipi ? c->findText(d) : c->findData(d);
        c->setCurrentIndex(d.isEmpty() ? -1 : i);
        if (o == Ozellik::Yazi_Tipi && i < 0)
            c->setEditText(d);
    }
    for (const auto &[o, d] : renkler_) {
        d->setEnabled(var(o));
        const QString r = metin(o);
        d->setText(r);
        d->setStyleSheet(r.isEmpty() ? QString() : QStringLiteral("background:%1").arg(r));
    }
    const int tek = secili && m_->Secim().size() == 1 ? m_->Secim().first() : -1;
    bicim_->setVisible(tek >= 0 && m_->Nesne(tek).liste == Liste::Alan);
    barkod_->setVisible(tek >= 0 && m_->Nesne(tek).Barkod_Mu());
    resim_->setEnabled(var(Ozellik::Resim_Dosyasi));
    // Rows only pictures and codes have show when one of them is selected.
    for (const Ozellik o : {Ozellik::Kod_Turu, Ozellik::Veri, Ozellik::Resim_Dosyasi}) {
        QWidget *w =
            o == Ozellik::Kod_Turu ? static_cast<QWidget *>(secenekler_.at(o)) : kutular_.at(o);
        form_->setRowVisible(w, var(o));
    }
    form_->setRowVisible(resim_, var(Ozellik::Resim_Dosyasi));
    yenileniyor_ = false;
}
