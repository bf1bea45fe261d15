#pragma once

#include "RaporKontrolleri.h"
#include "core/Hata.h"

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A section of a report: its height, its columns (Detail) and its controls.
class RaporBolumu {
public:
    double Height = 0;
    bool Visible = true;
    qint16 ColumnCount = 1;
    double ColumnSpacing = 0;

    // Adds a control by the engine's type name ("DDActiveReports2.Label",
    // "DDActiveReports2.Barcode", "DDActiveReports2.TextBox"); nullptr for others.
    RaporKontrolu *Ekle(const QString &turAdi);
    template <typename T> T *Ekle_(const QString &ad = QString()) { return Ekle_(T(), ad); }
    // Adds a control made elsewhere (a design element's control).
    template <typename T> T *Ekle_(T deger, const QString &ad) {
        auto k = std::make_unique<T>(std::move(deger));
        k->Name = ad;
        T *p = k.get();
        kontroller_.push_back(std::move(k));
        return p;
    }
    int Count() const { return int(kontroller_.size()); }
    RaporKontrolu *Item(int i) const { return kontroller_.at(size_t(i)).get(); }
    void Temizle() { kontroller_.clear(); }

private:
    std::vector<std::unique_ptr<RaporKontrolu>> kontroller_;
};

// Page and printer settings of a report, in twips.
struct RaporSayfaAyari {
    double LeftMargin = 1440, RightMargin = 1440, TopMargin = 1440, BottomMargin = 1440;
    bool operator==(const RaporSayfaAyari &) const = default;
};

struct RaporYazicisi {
    QString DeviceName;
    int Orientation = 1;  // 1 portrait, 2 landscape
    int PaperSize = 9;    // paper-size code, 9 = A4
    QSizeF OzelKagit;     // twips; used when the code is not a known paper
    QSizeF Kagit() const; // the paper as it lies: orientation applied
    double PaperWidth() const;
    double PaperHeight() const;
    bool operator==(const RaporYazicisi &) const = default;
};

// Twips of a paper-size code (portrait); an empty size for an unknown code.
QSizeF Kagit_Boyutu_Twip(int kod);
// The page size of a paper-size code, and back (256, custom, for any other size).
std::optional<QPageSize::PageSizeId> Kagit_Kimligi(int kod);
int Kagit_Kodu(QPageSize::PageSizeId kimlik);

// The report engine's report object: three sections, a data control, page and
// printer settings, and the events the engine raises while it runs.
class Rapor {
public:
    Rapor();
    virtual ~Rapor() = default;

    RaporBolumu PageHeader, Detail, PageFooter;
    RaporSayfaAyari PageSettings;
    RaporYazicisi Printer;
    double PrintWidth = 0;

    struct VeriKontrolu {
        QString ConnectionString;
        QString Source;
    } Data1;
    // When set, the data control reads through this open connection (and sees its
    // open transaction) instead of opening its own from ConnectionString.
    class VeriBaglantisi *Veri_Baglantisi = nullptr;
    // The column whose value names a Detail band in the list of bands whose text
    // did not fit (the item code on labels).
    QString Tasma_Anahtari;

    // Selects a printer by name; false when no such printer exists.
    bool Yazici_Sec(const QString &ad);
    // How printers are looked up (the windows side knows the system's printers).
    std::function<bool(const QString &)> Yazici_Var;

    // The engine's events, in the order it raises them.
    virtual void ActiveReport_Initialize() {}
    // Why the report cannot start, or nothing.
    virtual Hata ActiveReport_ReportStart() { return {}; }
    virtual void Detail_Format() {}
    virtual void Detail_BeforePrint() {}
    virtual void PageHeader_BeforePrint() {}
    virtual void PageFooter_BeforePrint() {}
    virtual void ActiveReport_ReportEnd() {}
    virtual void ActiveReport_Terminate() {}
};
