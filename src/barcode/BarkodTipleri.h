#pragma once

#include "Barkod.h"

#include <QChar>
#include <optional>

// Every fact about a symbology, in one table: the report engine's style number, the
// stock card's type codes, zint's symbology, the check-digit rule, the printer's own
// command. No other file maps one of these to another.

// The report engine's barcode styles (RaporBarkodu::Style).
enum class Motor_Stili : int {
    Yok = 0,
    Code39 = 6,
    Code128 = 8, // set A
    Code93 = 12,
    EAN8 = 17,  // the number without its check digit
    EAN13 = 18, // the number without its check digit
    UPCA = 19,
};

struct Semboloji {
    Barkod::Sembol sembol;
    const char *ad; // as reasons name it: "EAN-13", "Code 128 A kümesi"
    std::optional<Motor_Stili> stil;
    // zint's symbology for the data as given, and for a number that carries its check
    // digit (EAN, UPC); 0: none.
    int zint, zint_kontrollu;
    // Digits of the number before its check digit (EAN, UPC); 0 for the text symbologies.
    int govde;
    // The report engine's style takes the number without its check digit.
    bool stil_govde_alir;
    // The printer's own command (ZPL, %1 turn, %2 height, %3 interpretation line; for a
    // two-dimensional symbol %2 is the module in dots) and the characters it takes as
    // data and no more; a symbol it cannot take is a picture.
    const char *zpl;
    bool (*zpl_alir)(QChar);
    // A code element's name for it (its Tag), and the designer's words for it.
    const char *kod = nullptr;
    const char *kelime = nullptr;
    // Rows as well as columns (kept in proportion, no text strip).
    bool iki_boyutlu = false;
    // GS1 data: application identifiers in brackets, checked by their rules.
    bool gs1 = false;
    // The data is text in UTF-8 (the two-dimensional symbols), not Latin-1 bytes.
    bool utf8 = false;
};

// The row of a symbol; Yok has an empty one.
const Semboloji &Semboloji_Bilgisi(Barkod::Sembol sembol);
// The symbol a report engine style number shows; any other number: Yok.
Barkod::Sembol Stil_Sembolu(int stil);
// The symbol a code element's tag names ("QR", "GS1-128", …; blanks around it and case
// ignored); nothing for any other tag.
std::optional<Barkod::Sembol> Kod_Turu_Oku(const QString &tag);
// The symbols code elements may name, in the order the designer offers them.
QList<Barkod::Sembol> Kod_Turleri();

// The stock card's barcode type (Ana_Birim_Barkod_Tipi) as each road prints it.
struct Stok_Barkod_Tipi {
    // The label report's style; nothing: the control keeps the style it has (EAN-13
    // as laid out, or what an earlier label of the run set).
    std::optional<Motor_Stili> rapor;
    // Direct printing, the preview window and the design window's sample data.
    Barkod::Sembol dogrudan = Barkod::Sembol::Yok;
};

// Types 1 to 6 and 0 mean the same on both roads. Types 7, 8, 9 and any other
// number have always differed, and are kept as they are: the report leaves the
// control's style, direct printing prints 7 as UPC-E, 8 and unknown numbers as
// EAN-13, 9 as none. Each road reads the column its own way too (see its caller).
Stok_Barkod_Tipi Stok_Barkod_Tipi_Oku(int tip);

// The 43 characters of Code 39, which Code 93 also carries without shifts.
bool Kod39_Karakteri(QChar c);

// Whether the text is digits only, and not empty.
bool Hepsi_Rakam(const QString &s);

// The EAN/UPC check digit of a number without it.
int Kontrol_Rakami(const QString &govde);
