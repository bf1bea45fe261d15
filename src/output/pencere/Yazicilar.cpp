#include "Yazicilar.h"

#include "layout/Rapor.h"
#include "output/ArkaPlanHedefi.h"
#include "output/KuyrukCikisi.h"
#include "output/YaziciAyarlari.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPageSize sayfaBoyu(const RaporYazicisi &y) {
    if (const auto kimlik = Kagit_Kimligi(y.PaperSize))
        return QPageSize(*kimlik);
    const QSizeF s = y.OzelKagit.isEmpty() ? Kagit_Boyutu_Twip(9) : y.OzelKagit;
    return Twip_Sayfa_Boyu(s);
}

} // namespace

std::optional<QString> Yazici_Bul(const QString &ad) {
    for (const QPrinterInfo &y : QPrinterInfo::availablePrinters())
        if (y.printerName() == ad || y.description() == ad)
            return y.printerName();
    return std::nullopt;
}

QStringList Yazici_Adlari() { return QPrinterInfo::availablePrinterNames(); }

std::optional<QString> Varsayilan_Yazici() {
    const QPrinterInfo y = QPrinterInfo::defaultPrinter();
    return y.isNull() ? std::nullopt : std::optional(y.printerName());
}

YaziciHedefi::YaziciHedefi(QPrinter &yazici, QPointF kayma_mm)
    : yazici_(yazici), kayma_mm_(kayma_mm) {}

YaziciHedefi::YaziciHedefi(std::unique_ptr<QPrinter> yazici, QPointF kayma_mm)
    : sahip_(std::move(yazici)), yazici_(*sahip_), kayma_mm_(kayma_mm) {}

YaziciHedefi::~YaziciHedefi() = default;

Hata YaziciHedefi::Sayfa(const RaporSayfasi &s) {
    const QPageSize boyut = Twip_Sayfa_Boyu(s.boyut, QPageSize::FuzzyMatch);
    yazici_.setFullPage(true);
    if (!yazici_.setPageSize(boyut)) {
        kagit_ = true;
        return QStringLiteral("Yazıcı bu kağıt boyutunu kabul etmedi: %1").arg(boyut.name());
    }
    if (!ressam_) {
        ressam_ = std::make_unique<QPainter>();
        if (!ressam_->begin(&yazici_))
            return QStringLiteral("Yazıcıya yazılamıyor: ") + yazici_.printerName();
    } else if (!yazici_.newPage()) {
        return QStringLiteral("Yazıcıya sayfa gönderilemedi: ") + yazici_.printerName();
    }
    ressam_->save();
    Twip_Olcegi(*ressam_, yazici_.resolution());
    ressam_->translate(kayma_mm_ * Mm_Basina_Twip);
    Sayfa_Ciz(*ressam_, s);
    ressam_->restore();
    return {};
}

Hata YaziciHedefi::Bitir() {
    if (ressam_ && ressam_->isActive() && !ressam_->end())
        return QStringLiteral("Yazdırma tamamlanamadı.");
    ressam_.reset();
    return {};
}

namespace {

// Paper, orientation and margins. Margins go in millimetres: a layout in points
// keeps whole points only (10 mm would come back as 9,88).
void sayfaDuzeni(QPrinter &yazici, const Rapor &r) {
    yazici.setPageSize(sayfaBoyu(r.Printer));
    yazici.setPageOrientation(r.Printer.Orientation == 2 ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
    const auto &a = r.PageSettings;
    yazici.setPageMargins(QMarginsF(a.LeftMargin, a.TopMargin, a.RightMargin, a.BottomMargin) /
                              Mm_Basina_Twip,
                          QPageLayout::Millimeter);
}

} // namespace

void Yaziciyi_Hazirla(QPrinter &yazici, const Rapor &r) {
    // The report names the printer as the user knows it; the system wants its queue.
    if (!r.Printer.DeviceName.isEmpty())
        yazici.setPrinterName(Yazici_Bul(r.Printer.DeviceName).value_or(r.Printer.DeviceName));
    sayfaDuzeni(yazici, r);
}

bool Sayfa_Ayari_Goster(Rapor &r, QWidget *ust) {
    // A printer of no queue: a queue's own paper list would turn A5, Letter and A3
    // into its default, and the dialog must give back the paper it was given.
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setOutputFormat(QPrinter::PdfFormat);
    sayfaDuzeni(yazici, r);
    QPageSetupDialog d(&yazici, ust);
    d.setWindowTitle(QStringLiteral("Sayfa Yapısı"));
    if (d.exec() != QDialog::Accepted)
        return false;
    const QPageLayout duzen = yazici.pageLayout();
    const QMarginsF m = duzen.margins(QPageLayout::Millimeter) * Mm_Basina_Twip;
    // Whole twips, as the design file keeps them.
    r.PageSettings = {double(qRound(m.left())), double(qRound(m.right())), double(qRound(m.top())),
                      double(qRound(m.bottom()))};
    r.Printer.Orientation = duzen.orientation() == QPageLayout::Landscape ? 2 : 1;
    const QPageSize::PageSizeId id = duzen.pageSize().id();
    r.Printer.PaperSize = Kagit_Kodu(id);
    if (r.Printer.PaperSize == 256)
        r.Printer.OzelKagit = Sayfa_Twip_Boyu(duzen.pageSize());
    return true;
}

namespace {

// The queue's settings (the given ones, else the file's); nothing, with the refusal,
// for a laser sheet to a ZPL printer.
struct KuyrukAyari {
    YaziciAyari ayar;
    QStringList uyarilar; // the file's refused values, told once by the run
};
Sonuc<KuyrukAyari> kuyrukAyari(const QString &kuyruk, bool lazer, const YaziciAyari *verilen) {
    KuyrukAyari k;
    if (verilen) {
        k.ayar = *verilen;
    } else {
        const OkunanAyar o = Yazici_Ayari_Oku(Yazici_Ayarlari_Dosyasi(), kuyruk);
        k.ayar = o.ayar;
        k.uyarilar = Ayar_Uyarilari(kuyruk, o);
    }
    if (const QString h = Zpl_Lazer_Hatasi(k.ayar.dil == YaziciAyari::Dil::ZPL, lazer);
        !h.isEmpty())
        return Hata(h);
    return k;
}

// Painted on a thread of its own while the next pages are laid out.
std::unique_ptr<SayfaHedefi> uyarili(std::unique_ptr<SayfaHedefi> h, const KuyrukAyari &k) {
    h = Arka_Planda(std::move(h));
    h->Uyari_Ekle(k.uyarilar);
    return h;
}

std::unique_ptr<SayfaHedefi> zplHedefi(const QString &kuyruk, const YaziciAyari &ayar) {
    return std::make_unique<ZplHedefi>(Kuyruk_Cikisi(kuyruk, QStringLiteral("Varnel")), ayar.Zpl());
}

QPointF kayma(const YaziciAyari &ayar) { return {ayar.sol_kaydirma, ayar.ust_kaydirma}; }

} // namespace

Acilan_Hedef Yazici_Hedefi(QPrinter &yazici, bool lazer, const YaziciAyari *verilen) {
    auto k = kuyrukAyari(yazici.printerName(), lazer, verilen);
    if (!k)
        return k.Hatasi();
    if (k->ayar.dil == YaziciAyari::Dil::ZPL)
        return uyarili(zplHedefi(yazici.printerName(), k->ayar), *k);
    return uyarili(std::make_unique<YaziciHedefi>(yazici, kayma(k->ayar)), *k);
}

Acilan_Hedef Yazici_Hedefi_Ac(const QString &ad, bool lazer, const YaziciAyari *ayar) {
    const std::optional<QString> kuyruk = ad.isEmpty() ? Varsayilan_Yazici() : Yazici_Bul(ad);
    if (!kuyruk) {
        if (Hata h = Yazdirma_Sunucusu_Hatasi())
            return h;
        return Hata(ad.isEmpty() ? QStringLiteral("Sistemde tanımlı bir yazıcı bulunamadı.")
                                 : QStringLiteral("Yazıcı bulunamadı: ") + ad);
    }
    auto k = kuyrukAyari(*kuyruk, lazer, ayar);
    if (!k)
        return k.Hatasi();
    if (k->ayar.dil == YaziciAyari::Dil::ZPL) // raw bytes to the queue: no printer object
        return uyarili(zplHedefi(*kuyruk, k->ayar), *k);
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setPrinterName(*kuyruk);
    return uyarili(std::make_unique<YaziciHedefi>(std::move(p), kayma(k->ayar)), *k);
}
