#pragma once

#include "RaporSayfasi.h"

#include <QString>
#include <functional>
#include <memory>

class QPdfWriter;
class QPainter;
class RaporMotoru;

// Where laid-out pages go: a PDF file, PNG files, a printer or the viewer. Every
// one of them paints with Sayfa_Ciz.
class SayfaHedefi {
public:
    virtual ~SayfaHedefi() = default;
    virtual bool Sayfa(const RaporSayfasi &sayfa) = 0;
    virtual bool Bitir() { return true; }
    // Removes what a failed or cancelled run wrote (after Bitir).
    virtual void Vazgec() {}
    QString Hata() const { return hata_; }

protected:
    QString hata_;
};

// One PDF: text stays text, fonts embedded.
class PdfHedefi : public SayfaHedefi {
public:
    explicit PdfHedefi(const QString &yol, int dpi = 1200);
    ~PdfHedefi() override;
    bool Sayfa(const RaporSayfasi &sayfa) override;
    bool Bitir() override;
    void Vazgec() override;

private:
    QString yol_;
    int dpi_;
    std::unique_ptr<QPdfWriter> yazici_;
    std::unique_ptr<QPainter> ressam_;
};

// PNG pages on white paper. One page is written to the given name; more pages
// get the page number before the extension (etiket-0001.png, etiket-0002.png, ...).
class PngHedefi : public SayfaHedefi {
public:
    PngHedefi(const QString &yol, int dpi);
    bool Sayfa(const RaporSayfasi &sayfa) override;
    bool Bitir() override;
    void Vazgec() override;
    QStringList Dosyalar() const { return dosyalar_; }
    static QString Numarali_Ad(const QString &yol, int no);

private:
    QString yol_;
    int dpi_;
    QStringList dosyalar_;
};

// Runs the report into the target page by page. `ilerleme` is told the pages and
// bands done so far; it returns false to cancel. Returns the number of pages, or
// -1 on failure (with the reason in `hata`).
int Rapor_Uret(RaporMotoru &motor, SayfaHedefi &hedef,
               const std::function<bool(int, qint64)> &ilerleme = {}, QString *hata = nullptr);
