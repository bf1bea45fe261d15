#pragma once

#include "core/Dosyalar.h"
#include "core/Hata.h"

#include "drawing/RaporSayfasi.h"

#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPdfWriter;
class PdfSayfaBoyu;
class QPainter;
class QSaveFile;
class RaporMotoru;

// Where laid-out pages go: a PDF file, PNG files, a printer or the viewer. Every
// one of them paints with Sayfa_Ciz.
class SayfaHedefi {
public:
    virtual ~SayfaHedefi() = default;
    // Paints one page; why not, when it could not.
    virtual Hata Sayfa(const RaporSayfasi &sayfa) = 0;
    // No page comes after the last one handed over: what waits to be painted starts.
    virtual void Sayfalar_Bitti() {}
    // Waits until the pages handed over are painted, asking `devam` now and then
    // whether to go on; false when it said no. Bitir then has only the end to write.
    virtual bool Yetis(const std::function<bool()> &devam) { return !devam || devam(); }
    // Makes the output final; why not, when any part of it could not be written.
    virtual Hata Bitir() { return {}; }
    // Drops what a failed or cancelled run wrote; files that were there stay.
    virtual void Vazgec() {}
    // The last failure was the paper: the printer did not take the page's size.
    bool Kagit_Hatasi() const { return kagit_; }
    // What the output could do only in part (each once), told when the run ends.
    const QStringList &Uyarilar() const { return uyarilar_; }
    void Uyari_Ekle(const QString &uyari) {
        if (!uyarilar_.contains(uyari))
            uyarilar_.append(uyari);
    }
    void Uyari_Ekle(const QStringList &uyarilar) {
        for (const QString &u : uyarilar)
            Uyari_Ekle(u);
    }

protected:
    bool kagit_ = false;
    QStringList uyarilar_;
};

// A target opened for a printer, or why it could not be.
using Acilan_Hedef = Sonuc<std::unique_ptr<SayfaHedefi>>;

// Why an output path cannot be written over, or an empty text.
QString Cikti_Yolu_Hatasi(const QString &yol);

// Moves a whole output file into place, or (after a failed write anywhere in it,
// or when `yazildi` is false) drops it with "`tur` dosyası yazılamadı" in `hata`:
// the old file stays. The save file is gone either way.
Hata Dosyayi_Yerlestir(std::unique_ptr<QSaveFile> &dosya, bool yazildi, const char *tur);

// The save file a PDF is written into, beside `yol`; or why there cannot be one.
Sonuc<std::unique_ptr<QSaveFile>> Pdf_Dosyasi_Ac(const QString &yol);

// One PDF: text stays text, fonts embedded. Written beside the target and moved
// into place only when the last page is on disk.
class PdfHedefi : public SayfaHedefi {
public:
    explicit PdfHedefi(const QString &yol, int dpi = 1200);
    // Into `cikti` (open for writing) rather than a file, with the document title `baslik`.
    PdfHedefi(QIODevice &cikti, const QString &baslik, int dpi = 1200);
    ~PdfHedefi() override;
    Hata Sayfa(const RaporSayfasi &sayfa) override;
    Hata Bitir() override;
    void Vazgec() override;

private:
    QString yol_, baslik_;
    QIODevice *cikti_ = nullptr; // a device given instead of a file
    int dpi_;
    std::unique_ptr<QSaveFile> dosya_;
    std::unique_ptr<PdfSayfaBoyu> boy_; // between the writer and the file
    std::unique_ptr<QPdfWriter> yazici_;
    std::unique_ptr<QPainter> ressam_;
};

// PNG pages on white paper. One page is written to the given name; more pages
// get the page number before the extension (etiket-0001.png, etiket-0002.png, ...).
// Pages go to temporary files that take their names only when the run ends well.
// The permissions a new file gets under the process's umask.
QFileDevice::Permissions Yeni_Dosya_Izni();

class PngHedefi : public SayfaHedefi {
public:
    // A page beyond these would take gigabytes before the first pixel.
    static constexpr double En_Cok_Kenar = 20000;
    static constexpr double En_Cok_Piksel = 200e6;

    PngHedefi(const QString &yol, int dpi);
    ~PngHedefi() override;
    Hata Sayfa(const RaporSayfasi &sayfa) override;
    Hata Bitir() override;
    void Vazgec() override;
    QStringList Dosyalar() const { return dosyalar_; }
    static QString Numarali_Ad(const QString &yol, int no);

private:
    QString yol_;
    int dpi_;
    QStringList gecici_;   // written pages, not yet in place
    QStringList dosyalar_; // final names, once in place
};

// The one road from pages to a target: asks `sonraki` for pages until it has none,
// hands each to the target, tells `ilerleme` the pages done (false cancels), asks
// `saglam` whether the run that made them ended well, waits for the target to paint
// what it was handed (asking `ilerleme` meanwhile), then makes the output final.
// Gives the number of pages, or the target's reason (empty when cancelled or not
// sound); the target has then dropped what it wrote.
Sonuc<int> Sayfalari_Gonder(const std::function<bool(RaporSayfasi &)> &sonraki, SayfaHedefi &hedef,
                            const std::function<bool(int)> &ilerleme = {},
                            const std::function<bool()> &saglam = {});

// Runs the report into the target page by page (Sayfalari_Gonder over the engine);
// `ilerleme` also gets the bands done so far. Report end runs before the output is
// made final, and `saglam` is asked after it.
Sonuc<int> Rapor_Uret(RaporMotoru &motor, SayfaHedefi &hedef,
                      const std::function<bool(int, qint64)> &ilerleme = {},
                      const std::function<bool()> &saglam = {});
