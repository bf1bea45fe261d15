#pragma once

#include "RaporKontrolleri.h"
#include "document/TasarimKayitlari.h"

#include <QList>
#include <memory>

// The one drawing of a design element, shared by the label report, the design
// window, the preview and direct printing: a design record becomes the report
// control that shows it (twips from the label's top-left corner), and a control
// becomes the drawing items the page painters take (Cizim_Ogesi). So a label
// looks the same on the surface, on paper, in PDF and in PNG.

// Width (or height, turned) of the strip that carries a barcode's number, twips.
inline constexpr double Yazi_Seridi = 190;

// A text, field or line: place, size, font, colours, alignment and turn. Lines
// are filled labels. The caption (the value to show) is the caller's.
RaporEtiketi Nesne_Kontrolu(const NesneKaydi &n);

// A barcode's two controls: the bars, and the strip with its number on the side
// its orientation gives (0: under the bars, 900: left, 1800: above, 2700: right).
struct BarkodKontrolleri {
    RaporBarkodu cubuklar;
    RaporEtiketi yazi;
};
BarkodKontrolleri Barkod_Kontrolleri(const BarkodKaydi &k);

// A design element showing `deger`, ready for the painters.
CizimOgesi Nesne_Cizimi(const NesneKaydi &n, const QString &deger);

// A barcode drawn whole by its symbol, the number under the bars in the element's
// font, in `alan` (twips): direct printing, the preview and the sample data.
CizimOgesi Barkod_Ogesi(const BarkodKaydi &k, std::shared_ptr<const Barkod> sembol,
                        const QRectF &alan);

// A code element showing `sembol` in `alan` (twips): a two-dimensional symbol
// square and centred, a linear one stretched with its text under the bars unless the
// element's strikethrough hides it; turned by the element's Escapement.
CizimOgesi Kod_Ogesi(const NesneKaydi &n, std::shared_ptr<const Barkod> sembol, const QRectF &alan);

// A picture element showing `resim` in `alan` (twips), in proportion, turned by its
// Escapement.
CizimOgesi Resim_Ogesi(const NesneKaydi &n, std::shared_ptr<const Resim> resim, const QRectF &alan);

// The box of an element in twips from the label's corner, as the report lays it.
QRectF Nesne_Alani(const NesneKaydi &n);

// A barcode: the bars of `sembol` (encoded once by the caller and kept) and the
// strip showing `yazi`.
QList<CizimOgesi> Barkod_Cizimi(const BarkodKaydi &k, std::shared_ptr<const Barkod> sembol,
                                const QString &yazi);
