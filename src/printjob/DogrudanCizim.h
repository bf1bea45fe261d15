#pragma once

#include "core/Ayiraclar.h"
#include "document/EtiketIcerigi.h"
#include "drawing/RaporSayfasi.h"
#include "printjob/RafDegerleri.h"

#include <QDateTime>
#include <QFont>
#include <QHash>
#include <functional>
#include <optional>

// The program's own drawing of a label, shared by the preview window and direct
// printing: design records become page items in twips (56.7 to the millimetre)
// for the same painters as the report and the design window.

// The symbology an item's barcode type column (Ana_Birim_Barkod_Tipi) names on
// this road: read as a whole number, anything else is type 0.
Barkod::Sembol Stok_Barkod_Sembolu(const QString &tip);

inline constexpr double Nesne_Kaydirma = 3.704117; // mm, texts and lines
inline constexpr double Barkod_Kaydirma = 4.0;     // mm, barcodes in the preview

// Where one item's values come from.
struct EtiketKaynagi {
    // A column of the item's row; nothing when the row has no such column.
    std::function<std::optional<QString>(const QString &)> sutun;
    // The item's price of a level (0: the first there is), ×1,000,000 for `milyon`.
    std::function<std::optional<double>(int seviye, bool milyon)> fiyat;
    QDateTime an; // invalid: now, read when a label shows it
    // The run's values: the parameters' answers (none: a parameter shows its
    // caption, as in the preview), the company, the separators.
    const QHash<QString, QString> *parametreler = nullptr;
    QString firma_adi, firma_kodu;
    Ayiraclar ayirac;
    // The date the item's level-1 price applies from; none: today.
    std::function<QDate()> fiyat_tarihi;
    // Pictures and codes: where they come from, and what the label lacked (by `stok`).
    ResimDeposu *resimler = nullptr;
    KodOnbellegi *kodlar = nullptr;
    RafEksikleri *eksik = nullptr;
    QString stok;
};

// The text an object shows for the item. `eksik` names the column the row
// lacked (the text is then empty).
QString Nesne_Metni(const NesneKaydi &r, const EtiketKaynagi &k, QString *eksik = nullptr);
// The same for an element whose content was read already.
QString Nesne_Metni(const NesneKaydi &r, const EtiketIcerigi &i, const EtiketKaynagi &k,
                    QString *eksik = nullptr);

// Placement of a label on its page, millimetres: barcodes at Left + barkod_sol,
// other objects at Left + nesne_sol, every object at Top + ust.
struct EtiketYeri {
    double barkod_sol = 0, nesne_sol = 0, ust = 0;
};

// Encoded barcodes of the last items: copies of a label are encoded once.
using BarkodOnbellegi = QHash<QString, std::shared_ptr<const Barkod>>;

// One label: the visible barcodes first, then every object record, each drawn as
// the preview and direct printing draw them.
QList<CizimOgesi> Dogrudan_Etiket(const TasarimBelgesi &belge, const EtiketKaynagi &k,
                                  const EtiketYeri &yer, BarkodOnbellegi &barkodlar);

// The drawing of an object showing `metin` in its own box from `sol_ust` (twips):
// the same font, alignment, colours, turn and fitting as the report's, so the
// preview and direct printing show what the report prints.
CizimOgesi Metin_Bas(const NesneKaydi &r, const QString &metin, QPointF sol_ust);

// One object on the page: its rectangle filled with its back colour (all a line
// is) and its text, if it has one.
QList<CizimOgesi> Nesne_Bas(const NesneKaydi &r, const EtiketKaynagi &k, const EtiketYeri &yer);
