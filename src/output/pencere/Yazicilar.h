#pragma once

#include "output/SayfaHedefi.h"

#include <QPainter>
#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;
class Rapor;
struct YaziciAyari;

// The system's printer whose queue name or description equals `ad` (a CUPS queue
// name cannot hold blanks, so "Barkod Yazıcı" is found by its description).
std::optional<QString> Yazici_Bul(const QString &ad);
// The system's printer queues, by name.
QStringList Yazici_Adlari();
// The system's default printer queue, if there is one.
std::optional<QString> Varsayilan_Yazici();

// Pages to a printer through its driver, each page at its own paper size, moved by
// the printer's offsets (mm).
class YaziciHedefi : public SayfaHedefi {
public:
    explicit YaziciHedefi(QPrinter &yazici, QPointF kayma_mm = {});
    // The target keeps the printer as long as it prints.
    YaziciHedefi(std::unique_ptr<QPrinter> yazici, QPointF kayma_mm);
    ~YaziciHedefi() override;
    Hata Sayfa(const RaporSayfasi &sayfa) override;
    Hata Bitir() override;

private:
    std::unique_ptr<QPrinter> sahip_; // before yazici_: it may refer to it
    QPrinter &yazici_;
    QPointF kayma_mm_;
    std::unique_ptr<QPainter> ressam_;
};

// A target that prints on the named printer, or on the system's default one for an
// empty name, in the language its settings (Yazicilar.ini) name: ZPL raw to its
// queue, or its driver moved by the settings' offsets. Why not, when there is no such
// printer or a laser sheet would go to a ZPL printer. With `ayar`: those settings
// instead of the file's.
Acilan_Hedef Yazici_Hedefi_Ac(const QString &ad, bool lazer, const YaziciAyari *ayar = nullptr);
// The same for a printer already set up (the print dialog's choice); the target
// prints on `yazici`, which must outlive it.
Acilan_Hedef Yazici_Hedefi(QPrinter &yazici, bool lazer, const YaziciAyari *ayar = nullptr);

// Prepares a printer for the report's settings (device, paper, orientation, margins).
void Yaziciyi_Hazirla(QPrinter &yazici, const Rapor &rapor);

// The page-setup dialog over the report's margins, orientation and paper size.
// Returns true when the user accepted it (the report then holds the new values).
bool Sayfa_Ayari_Goster(Rapor &rapor, QWidget *ust = nullptr);
