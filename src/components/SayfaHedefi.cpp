#include "SayfaHedefi.h"

#include "RaporMotoru.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

PdfHedefi::PdfHedefi(const QString &yol, int dpi) : yol_(yol), dpi_(dpi) {}

PdfHedefi::~PdfHedefi() = default;

bool PdfHedefi::Sayfa(const RaporSayfasi &s) {
    if (!yazici_) {
        yazici_ = std::make_unique<QPdfWriter>(yol_);
        yazici_->setResolution(dpi_);
        yazici_->setCreator(QStringLiteral("Varnel"));
        yazici_->setTitle(QFileInfo(yol_).completeBaseName());
        yazici_->setPageMargins(QMarginsF(0, 0, 0, 0));
        yazici_->setPageSize(Twip_Sayfa_Boyu(s.boyut));
        ressam_ = std::make_unique<QPainter>();
        if (!ressam_->begin(yazici_.get())) {
            hata_ = QStringLiteral("PDF dosyası yazılamıyor: ") + yol_;
            return false;
        }
    } else {
        yazici_->setPageSize(Twip_Sayfa_Boyu(s.boyut));
        if (!yazici_->newPage()) {
            hata_ = QStringLiteral("PDF sayfası eklenemedi: ") + yol_;
            return false;
        }
    }
    ressam_->save();
    Twip_Olcegi(*ressam_, dpi_);
    Sayfa_Ciz(*ressam_, s);
    ressam_->restore();
    return true;
}

bool PdfHedefi::Bitir() {
    if (ressam_ && ressam_->isActive() && !ressam_->end()) {
        hata_ = QStringLiteral("PDF dosyası yazılamadı: ") + yol_;
        return false;
    }
    ressam_.reset();
    yazici_.reset();
    return true;
}

void PdfHedefi::Vazgec() { QFile::remove(yol_); }

PngHedefi::PngHedefi(const QString &yol, int dpi) : yol_(yol), dpi_(dpi) {}

QString PngHedefi::Numarali_Ad(const QString &yol, int no) {
    const QFileInfo f(yol);
    return f.path() + u'/' + f.completeBaseName() +
           QStringLiteral("-%1.").arg(no, 4, 10, QChar(u'0')) + f.suffix();
}

bool PngHedefi::Sayfa(const RaporSayfasi &s) {
    const QSize piksel(qMax(1, int(std::lround(s.boyut.width() * dpi_ / 1440.0))),
                       qMax(1, int(std::lround(s.boyut.height() * dpi_ / 1440.0))));
    QImage resim(piksel, QImage::Format_RGB32);
    resim.setDotsPerMeterX(int(std::lround(dpi_ / 0.0254)));
    resim.setDotsPerMeterY(int(std::lround(dpi_ / 0.0254)));
    resim.fill(Qt::white);
    {
        QPainter p(&resim);
        p.setRenderHint(QPainter::TextAntialiasing);
        Twip_Olcegi(p, dpi_);
        Sayfa_Ciz(p, s);
    }
    const QString ad = Numarali_Ad(yol_, s.no);
    if (!resim.save(ad, "PNG")) {
        hata_ = QStringLiteral("PNG dosyası yazılamadı: ") + ad;
        return false;
    }
    dosyalar_.append(ad);
    return true;
}

bool PngHedefi::Bitir() {
    // A single page keeps the name the user gave.
    if (dosyalar_.size() == 1) {
        QFile::remove(yol_);
        if (!QFile::rename(dosyalar_[0], yol_)) {
            hata_ = QStringLiteral("PNG dosyası yazılamadı: ") + yol_;
            return false;
        }
        dosyalar_[0] = yol_;
    }
    return true;
}

void PngHedefi::Vazgec() {
    for (const QString &f : dosyalar_)
        QFile::remove(f);
    dosyalar_.clear();
}

int Rapor_Uret(RaporMotoru &motor, SayfaHedefi &hedef,
               const std::function<bool(int, qint64)> &ilerleme, QString *hata) {
    RaporSayfasi sayfa;
    int n = 0;
    while (motor.Sonraki_Sayfa(sayfa)) {
        if (!hedef.Sayfa(sayfa)) {
            if (hata)
                *hata = hedef.Hata();
            hedef.Bitir();
            return -1;
        }
        ++n;
        if (ilerleme && !ilerleme(n, motor.Bant_Sayisi()))
            break;
    }
    if (!hedef.Bitir()) {
        if (hata)
            *hata = hedef.Hata();
        return -1;
    }
    return n;
}
