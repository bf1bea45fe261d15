#pragma once

#include "Barkod.h"

#include <optional>

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
