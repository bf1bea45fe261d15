#pragma once

#include "TasarimKayitlari.h"

#include <variant>

// The fields of a record line of the design file, in file order: the reader and
// the writer both walk these tables, so a field is added in one place.
template <typename K> struct KayitAlani {
    std::variant<qint16 K::*, qint32 K::*, float K::*, QString K::*, bool K::*> uye;
    bool yukseklik = false;   // read through the two-decimal cut heights get
    bool cizgide_yok = false; // a line's value is not read (it may be anything)
};

template <typename K, typename T> KayitAlani<K> alan_(T ElemanKaydi::*u, bool yukseklik = false) {
    return {static_cast<T K::*>(u), yukseklik};
}

inline const KayitAlani<BarkodKaydi> Barkod_Alanlari[] = {
    alan_<BarkodKaydi>(&ElemanKaydi::Bolum_No),
    alan_<BarkodKaydi>(&ElemanKaydi::Left),
    alan_<BarkodKaydi>(&ElemanKaydi::Top),
    alan_<BarkodKaydi>(&ElemanKaydi::Width),
    alan_<BarkodKaydi>(&ElemanKaydi::Height, true),
    alan_<BarkodKaydi>(&ElemanKaydi::FontName),
    alan_<BarkodKaydi>(&ElemanKaydi::FontUnderline),
    alan_<BarkodKaydi>(&ElemanKaydi::FontItalic),
    alan_<BarkodKaydi>(&ElemanKaydi::FontBold),
    alan_<BarkodKaydi>(&ElemanKaydi::FontSize),
    alan_<BarkodKaydi>(&ElemanKaydi::ForeColor),
    alan_<BarkodKaydi>(&ElemanKaydi::BackColor),
    {&BarkodKaydi::Orientation},
};

inline const KayitAlani<NesneKaydi> Nesne_Alanlari[] = {
    alan_<NesneKaydi>(&ElemanKaydi::Bolum_No),
    {&NesneKaydi::Caption},
    alan_<NesneKaydi>(&ElemanKaydi::Width),
    {&NesneKaydi::Alignment},
    alan_<NesneKaydi>(&ElemanKaydi::Left),
    {&NesneKaydi::Tur},
    alan_<NesneKaydi>(&ElemanKaydi::Top),
    alan_<NesneKaydi>(&ElemanKaydi::FontName),
    alan_<NesneKaydi>(&ElemanKaydi::FontUnderline),
    alan_<NesneKaydi>(&ElemanKaydi::FontItalic),
    alan_<NesneKaydi>(&ElemanKaydi::FontBold),
    alan_<NesneKaydi>(&ElemanKaydi::FontStrikethru),
    alan_<NesneKaydi>(&ElemanKaydi::FontSize),
    alan_<NesneKaydi>(&ElemanKaydi::ForeColor),
    alan_<NesneKaydi>(&ElemanKaydi::Height, true),
    alan_<NesneKaydi>(&ElemanKaydi::BackColor),
    {&NesneKaydi::Tag},
    {&NesneKaydi::Escapement, false, true},
};

// Whether a record is a line (its turn is not stored).
inline bool Cizgi_Kaydi(const BarkodKaydi &) { return false; }
inline bool Cizgi_Kaydi(const NesneKaydi &n) { return n.Cizgi_Mi(); }
