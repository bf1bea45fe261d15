#include "SayfaHedefi.h"

#include "PdfSayfaBoyu.h"
#include "layout/RaporMotoru.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString yerel(const QString &yol) { return QDir::toNativeSeparators(yol); }

} // namespace

QFileDevice::Permissions Yeni_Dosya_Izni() {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    const mode_t m = 0666 & ~maske;
    QFileDevice::Permissions p;
    const std::pair<mode_t, QFileDevice::Permissions> bitler[] = {
        {S_IRUSR, QFileDevice::ReadOwner | QFileDevice::ReadUser},
        {S_IWUSR, QFileDevice::WriteOwner | QFileDevice::WriteUser},
        {S_IRGRP, QFileDevice::ReadGroup},
        {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther},
        {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto &[bit, izin] : bitler)
        if (m & bit)
            p |= izin;
    return p;
}

QString Cikti_Yolu_Hatasi(const QString &yol) {
    if (Duzenli_Dosya_Degil(yol))
        return QStringLiteral("Çıktı dosyası düzenli bir dosya değil: ") + yerel(yol);
    return QString();
}

PdfHedefi::PdfHedefi(const QString &yol, int dpi)
    : yol_(yol), baslik_(QFileInfo(yol).completeBaseName()), dpi_(dpi) {}

PdfHedefi::PdfHedefi(QIODevice &cikti, const QString &baslik, int dpi)
    : baslik_(baslik), cikti_(&cikti), dpi_(dpi) {}

Sonuc<std::unique_ptr<QSaveFile>> Pdf_Dosyasi_Ac(const QString &yol) {
    if (const QString h = Cikti_Yolu_Hatasi(yol); !h.isEmpty())
        return Hata(h);
    auto dosya = std::make_unique<QSaveFile>(yol);
    if (!dosya->open(QIODevice::WriteOnly))
        return Hata(QStringLiteral("PDF dosyası yazılamıyor: %1 (%2)")
                        .arg(yerel(yol), dosya->errorString()));
    return dosya;
}

PdfHedefi::~PdfHedefi() { Vazgec(); }

Hata PdfHedefi::Sayfa(const RaporSayfasi &s) {
    if (!yazici_) {
        if (!cikti_) {
            auto dosya = Pdf_Dosyasi_Ac(yol_);
            if (!dosya)
                return dosya.Hatasi();
            dosya_ = std::move(*dosya);
        }
        boy_ = std::make_unique<PdfSayfaBoyu>(cikti_ ? *cikti_ : *dosya_);
        yazici_ = std::make_unique<QPdfWriter>(boy_.get());
        yazici_->setResolution(dpi_);
        yazici_->setCreator(QStringLiteral("Varnel"));
        yazici_->setTitle(baslik_);
        yazici_->setPageMargins(QMarginsF(0, 0, 0, 0));
        yazici_->setPageSize(Twip_Sayfa_Boyu(s.boyut));
        ressam_ = std::make_unique<QPainter>();
        if (!ressam_->begin(yazici_.get()))
            return QStringLiteral("PDF dosyası yazılamıyor: ") + yerel(yol_);
    } else {
        yazici_->setPageSize(Twip_Sayfa_Boyu(s.boyut));
        if (!yazici_->newPage())
            return QStringLiteral("PDF sayfası eklenemedi: ") + yerel(yol_);
    }
    boy_->Sayfa(s.boyut / Nokta_Basina_Twip);
    ressam_->save();
    Twip_Olcegi(*ressam_, dpi_);
    Sayfa_Ciz(*ressam_, s);
    ressam_->restore();
    return {};
}

Hata PdfHedefi::Bitir() {
    if (!dosya_ && !yazici_)
        return {};
    // The painter's end writes the PDF's tail; the save file reports any failed
    // write of the whole run (a full disk) at commit.
    const bool bitti = !ressam_ || !ressam_->isActive() || ressam_->end();
    ressam_.reset();
    yazici_.reset();
    boy_.reset();
    if (!dosya_)
        return bitti ? Hata() : Hata(QStringLiteral("PDF sayfaları yazılamadı."));
    return Dosyayi_Yerlestir(dosya_, bitti, "PDF");
}

Hata Dosyayi_Yerlestir(std::unique_ptr<QSaveFile> &dosya, bool yazildi, const char *tur) {
    // The last buffered bytes go out here: a failure must keep the old file.
    const QString yol = dosya->fileName();
    const bool tamam =
        yazildi && dosya->flush() && dosya->error() == QFileDevice::NoError && dosya->commit();
    Hata h;
    if (!tamam) {
        h = QStringLiteral("%1 dosyası yazılamadı: %2 (disk dolu olabilir)")
                .arg(QLatin1String(tur), yerel(yol));
        dosya->cancelWriting();
    }
    dosya.reset();
    return h;
}

void PdfHedefi::Vazgec() {
    // An uncommitted save file removes its temporary file; the target is untouched.
    if (ressam_ && ressam_->isActive())
        ressam_->end();
    ressam_.reset();
    yazici_.reset();
    boy_.reset();
    if (dosya_)
        dosya_->cancelWriting();
    dosya_.reset();
}

PngHedefi::PngHedefi(const QString &yol, int dpi) : yol_(yol), dpi_(dpi) {
    // Pages of a run that was killed stay behind; a day later they are nobody's.
    const QDir klasor = QFileInfo(yol).absoluteDir();
    const QDateTime sinir = QDateTime::currentDateTime().addDays(-1);
    for (const QFileInfo &f :
         klasor.entryInfoList({QStringLiteral(".varnel-*.png")}, QDir::Files | QDir::Hidden))
        if (f.lastModified() < sinir && f.ownerId() == ::getuid())
            QFile::remove(f.absoluteFilePath());
}

PngHedefi::~PngHedefi() { Vazgec(); }

QString PngHedefi::Numarali_Ad(const QString &yol, int no) {
    const QFileInfo f(yol);
    return f.path() + u'/' + f.completeBaseName() +
           QStringLiteral("-%1.").arg(no, 4, 10, QChar(u'0')) + f.suffix();
}

Hata PngHedefi::Sayfa(const RaporSayfasi &s) {
    // Sized in doubles first: a design's page may ask for more pixels than an int holds.
    const double en = std::max(1.0, std::round(Twip_Piksel(s.boyut.width(), dpi_)));
    const double boy = std::max(1.0, std::round(Twip_Piksel(s.boyut.height(), dpi_)));
    if (!(en <= En_Cok_Kenar && boy <= En_Cok_Kenar && en * boy <= En_Cok_Piksel)) {
        return QStringLiteral("PNG sayfası çok büyük: %1 × %2 piksel (en çok %3 piksel bir "
                              "kenarda, %4 megapiksel); --dpi ile küçültün.")
            .arg(en, 0, 'f', 0)
            .arg(boy, 0, 'f', 0)
            .arg(En_Cok_Kenar)
            .arg(En_Cok_Piksel / 1000000);
    }
    const QSize piksel{int(en), int(boy)};
    QImage resim(piksel, QImage::Format_RGB32);
    if (resim.isNull())
        return QStringLiteral("PNG sayfası için bellek yetmedi: %1 × %2 piksel")
            .arg(piksel.width())
            .arg(piksel.height());
    resim.setDotsPerMeterX(int(std::lround(dpi_ / 0.0254)));
    resim.setDotsPerMeterY(int(std::lround(dpi_ / 0.0254)));
    resim.fill(Qt::white);
    {
        QPainter p(&resim);
        p.setRenderHint(QPainter::TextAntialiasing);
        Twip_Olcegi(p, dpi_);
        Sayfa_Ciz(p, s);
    }
    QTemporaryFile gecici(QFileInfo(yol_).absolutePath() + QStringLiteral("/.varnel-XXXXXX.png"));
    gecici.setAutoRemove(false);
    // The first page is named as the user wrote it: most runs have one.
    const QString hedef = s.no <= 1 ? yol_ : Numarali_Ad(yol_, s.no);
    const QString ad = yerel(hedef);
    if (!gecici.open())
        return QStringLiteral("PNG dosyası yazılamadı: %1 (%2)").arg(ad, gecici.errorString());
    // Encoded in memory first: libpng would report a failed write in English on
    // standard error; the file write's own error names the cause.
    QByteArray kodlu;
    {
        QBuffer tampon(&kodlu);
        tampon.open(QIODevice::WriteOnly);
        if (!resim.save(&tampon, "PNG")) {
            gecici.remove();
            return QStringLiteral("PNG sayfası kodlanamadı: %1").arg(ad);
        }
    }
    errno = 0;
    if (gecici.write(kodlu) != kodlu.size() || !gecici.flush()) {
        const QString neden = errno == ENOSPC || errno == EDQUOT ? QStringLiteral("disk dolu")
                              : errno ? QString::fromLocal8Bit(std::strerror(errno))
                                      : gecici.errorString();
        gecici.remove();
        return QStringLiteral("PNG dosyası yazılamadı: %1 (%2)").arg(ad, neden);
    }
    // A temporary file is private; the output gets what any new file would get
    // (or what the file it replaces had).
    const QFileInfo eski(hedef);
    gecici.setPermissions(eski.isFile() ? eski.permissions() : Yeni_Dosya_Izni());
    gecici_.append(gecici.fileName());
    return {};
}

Hata PngHedefi::Bitir() {
    // A single page keeps the name the user gave.
    QStringList adlar;
    for (int i = 0; i < gecici_.size(); ++i)
        adlar.append(gecici_.size() == 1 ? yol_ : Numarali_Ad(yol_, i + 1));
    for (const QString &ad : adlar)
        if (const QString h = Cikti_Yolu_Hatasi(ad); !h.isEmpty()) {
            Vazgec();
            return h;
        }
    // rename(2) replaces an old file at once; QFile::rename would not replace it.
    for (int i = 0; i < gecici_.size(); ++i)
        if (std::rename(QFile::encodeName(gecici_[i]).constData(),
                        QFile::encodeName(adlar[i]).constData()) != 0) {
            gecici_ = gecici_.mid(i);
            Vazgec();
            return QStringLiteral("PNG dosyası yazılamadı: ") + yerel(adlar[i]);
        }
    gecici_.clear();
    dosyalar_ = adlar;
    return {};
}

void PngHedefi::Vazgec() {
    for (const QString &f : gecici_)
        QFile::remove(f);
    gecici_.clear();
}

Sonuc<int> Sayfalari_Gonder(const std::function<bool(RaporSayfasi &)> &sonraki, SayfaHedefi &hedef,
                            const std::function<bool(int)> &ilerleme,
                            const std::function<bool()> &saglam) {
    RaporSayfasi sayfa;
    int n = 0;
    ::Hata neden;
    bool iptal = false;
    while (!neden && !iptal && sonraki(sayfa)) {
        neden = hedef.Sayfa(sayfa);
        ++n;
        iptal = ilerleme && !ilerleme(n);
    }
    // Asked while the last pages are still being painted: what it does (the print
    // history) takes no time of the run's. A stop request meanwhile is still a stop.
    if (!neden && !iptal)
        hedef.Sayfalar_Bitti();
    const bool saglamMi = !saglam || saglam();
    if (!neden && !iptal && saglamMi)
        iptal = !hedef.Yetis(ilerleme ? std::function<bool()>([&] { return ilerleme(n); })
                                      : std::function<bool()>());
    if (!neden && !iptal && saglamMi && !(neden = hedef.Bitir()))
        return n;
    hedef.Vazgec();
    // A stop request or a broken source is told by the caller.
    return iptal || !saglamMi ? ::Hata() : neden;
}

Sonuc<int> Rapor_Uret(RaporMotoru &motor, SayfaHedefi &hedef,
                      const std::function<bool(int, qint64)> &ilerleme,
                      const std::function<bool()> &saglam) {
    const auto sonraki = [&motor](RaporSayfasi &s) {
        if (motor.Sonraki_Sayfa(s))
            return true;
        motor.Bitir();
        return false;
    };
    return Sayfalari_Gonder(
        sonraki, hedef, [&](int n) { return !ilerleme || ilerleme(n, motor.Bant_Sayisi()); },
        saglam);
}
