#pragma once

#include "TasarimModeli.h"

#include <QString>

// What the properties panel shows and edits, over the whole selection.
enum class Ozellik {
    X,
    Y,
    Genislik,
    Yukseklik, // mm
    Yazi_Tipi,
    Boyut, // pt
    Kalin,
    Italik,
    Alti_Cizili, // "1" or "0"
    Hiza,        // 0 left, 1 right, 2 centre
    On_Renk,
    Arka_Renk,     // "#rrggbb"
    Saydam,        // "1": no background
    Aci,           // 0, 90, 180, 270
    Sutun,         // a field's column
    Kod_Turu,      // a code's symbology, as its tag names it ("QR")
    Veri,          // a code's data template ("{Stok_Kodu}")
    Resim_Dosyasi, // a picture's file, relative to the design folder
};

// The value every selected element shares, as the panel shows it (numbers with two
// decimals and the regional separator); empty when they differ, nothing is
// selected, or no selected element has the property.
QString Ozellik_Metni(const TasarimModeli &m, Ozellik o);
// Whether some selected element has the property (a line has no font or angle).
bool Ozellik_Var(const TasarimModeli &m, Ozellik o);
// A typed value for every selected element that has the property, as one undo
// step. False, with nothing changed, when the text is no value or an element
// cannot take it (outside the label, no size, a size of type outside 1…500 pt).
bool Ozellik_Yaz(TasarimModeli &m, Ozellik o, const QString &deger);
