#pragma once

#include "components/RaporSayfasi.h"
#include "document/TasarimKayitlari.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class MesajKutusu;
class SayfaHedefi;

// Direct printing: one page per label with the program's own drawing, for every
// item of the stock selection, `adet` copies each (a fraction is not rounded up:
// 2.5 gives 2). Parameters are asked once per name. Pages go to `hedef` one at a
// time; `devam` is asked after each page and may stop the run. Items and prices
// are read over the program's connection.
struct DogrudanSonucu {
    int sayfa = 0;
    QString hata;          // why nothing (or not everything) was printed
    bool kagit = false;    // the target refused the paper: the paper messages were shown
    TasmaListesi tasmalar; // labels whose text did not fit, by item code
};
// An item's prices in level order (level text, price); nothing when they could not
// be read (a label without its prices must not be printed).
std::optional<QList<QPair<QString, double>>> Stok_Fiyatlari(MesajKutusu &kutu, qint64 stok);

// `belge` holds the parameters' answers already: the caller asks them before the
// labels per item.
DogrudanSonucu Dinamik_Bas(MesajKutusu &kutu, const TasarimBelgesi &belge, double adet,
                           SayfaHedefi &hedef, const std::function<bool(int)> &devam = {});

// Asks each parameter's value once per name (case-sensitive, empty on cancel) and
// puts it in the captions of the copy.
void Parametreleri_Sor(MesajKutusu &kutu, TasarimBelgesi &belge);

// The labels-per-item question (design chooser, preview window), Etiket_Adedi
// (1 when it is 0) offered: the number the answer begins with ("." as decimal
// point); 0 prints nothing.
double Adet_Sor(MesajKutusu &kutu);

// The preview window's label: the first item's values drawn on the label area,
// barcodes 4.0 mm and other objects 3.704117 mm to the right, no margins; a
// column the row lacks leaves its object blank. Nothing when the items cannot be
// read (the user was told).
std::optional<RaporSayfasi> Onizleme_Sayfasi(MesajKutusu &kutu, const TasarimBelgesi &belge);

// The page of a direct run: the paper of the design's paper code, or the label
// area for a code no paper has; nothing when neither is known.
std::optional<QSizeF> Dogrudan_Sayfa(const TasarimBelgesi &belge);
