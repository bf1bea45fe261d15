#pragma once

#include <QString>

// GS1 element strings as a label's data writes them: application identifiers in
// round brackets, each followed by its value, "(01)08690000000017(17)261231(10)A12".
struct Gs1Verisi {
    QString zint;  // the same in zint's square brackets, a 13-digit GTIN made 14
    QString metin; // the human-readable form, round brackets
    QString neden; // why the data is no GS1 data ("GS1: …"); empty when it is
};

// Reads and checks the identifiers whose rules a shelf label meets (GTIN and its
// check digit, dates, weights, batch and serial numbers); zint checks the rest.
Gs1Verisi Gs1_Oku(const QString &veri);
