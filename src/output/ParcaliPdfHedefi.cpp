#include "ParcaliPdfHedefi.h"

#include "PdfBirlestirici.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QThreadPool>

namespace {

Sonuc<QByteArray> parcaCiz(QList<RaporSayfasi> sayfalar, const QString &baslik, int dpi) {
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    PdfHedefi pdf(tampon, baslik, dpi);
    for (RaporSayfasi &s : sayfalar) {
        if (const Hata h = pdf.Sayfa(s))
            return h;
        s = {}; // its items and barcodes go as soon as it is painted
    }
    if (const Hata h = pdf.Bitir())
        return h;
    return tampon.data();
}

} // namespace

ParcaliPdfHedefi::ParcaliPdfHedefi(const QString &yol, int is_parcacigi, int dpi)
    : yol_(yol), dpi_(dpi), is_parcacigi_(qMax(1, is_parcacigi)) {
    if (is_parcacigi_ > 1) {
        havuz_ = std::make_unique<QThreadPool>();
        havuz_->setMaxThreadCount(is_parcacigi_);
    }
}

ParcaliPdfHedefi::~ParcaliPdfHedefi() { Vazgec(); }

void ParcaliPdfHedefi::parcaGonder() {
    if (toplanan_.isEmpty())
        return;
    const QString baslik = QFileInfo(yol_).completeBaseName();
    auto is = std::make_shared<std::packaged_task<Sonuc<QByteArray>()>>(
        [sayfalar = std::move(toplanan_), baslik, dpi = dpi_]() mutable {
            return parcaCiz(std::move(sayfalar), baslik, dpi);
        });
    toplanan_ = {};
    oge_ = 0;
    ++gonderilen_;
    parcalar_.push_back(is->get_future());
    if (havuz_)
        havuz_->start([is] { (*is)(); });
    else
        (*is)();
}

Hata ParcaliPdfHedefi::bitenleriYaz(qsizetype kalan) {
    while (qsizetype(parcalar_.size()) > kalan ||
           (!parcalar_.empty() &&
            parcalar_.front().wait_for(std::chrono::seconds(0)) == std::future_status::ready)) {
        Sonuc<QByteArray> parca = parcalar_.front().get();
        parcalar_.pop_front();
        if (!parca)
            return parca.Hatasi();
        if (const Hata h = birlestirici_->Ekle(*parca))
            return h;
    }
    return {};
}

Hata ParcaliPdfHedefi::Sayfa(const RaporSayfasi &sayfa) {
    if (!dosya_) {
        // The file is there from the first page on, as with any other output.
        auto dosya = Pdf_Dosyasi_Ac(yol_);
        if (!dosya)
            return dosya.Hatasi();
        dosya_ = std::move(*dosya);
        birlestirici_ = std::make_unique<PdfBirlestirici>(*dosya_);
        birlestirici_->Baslat();
        dosya_->flush();
    }
    toplanan_.append(sayfa);
    oge_ += sayfa.ogeler.size() + 1;
    // The first parts are smaller: every thread has a part to paint soon after the
    // run starts, not once a whole part is laid out.
    if (oge_ < std::min(Parca_Ogesi, Ilk_Parca_Ogesi << std::min<qsizetype>(gonderilen_, 16)))
        return {};
    parcaGonder();
    // A part a thread at a time, so memory stays flat on any length of run.
    return bitenleriYaz(is_parcacigi_);
}

bool ParcaliPdfHedefi::Yetis(const std::function<bool()> &devam) {
    parcaGonder();
    while (!parcalar_.empty() && !hata_) {
        if (devam && !devam())
            return false;
        parcalar_.front().wait_for(std::chrono::milliseconds(50));
        hata_ = bitenleriYaz(parcalar_.size());
    }
    return true;
}

Hata ParcaliPdfHedefi::Bitir() {
    if (!dosya_)
        return {}; // no page
    parcaGonder();
    Hata h = hata_ ? hata_ : bitenleriYaz(0);
    if (!h)
        h = birlestirici_->Bitir();
    birlestirici_.reset();
    if (h) {
        Vazgec();
        return h;
    }
    return Dosyayi_Yerlestir(dosya_, true, "PDF");
}

void ParcaliPdfHedefi::Vazgec() {
    // Parts being painted finish on their threads (the pool waits for them as it
    // goes); nothing of them is written.
    parcalar_.clear();
    hata_ = {};
    toplanan_.clear();
    oge_ = 0;
    gonderilen_ = 0;
    birlestirici_.reset();
    if (dosya_)
        dosya_->cancelWriting();
    dosya_.reset();
}
