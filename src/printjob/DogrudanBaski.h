#pragma once

#include "drawing/RaporSayfasi.h"
#include "history/Gecmis.h"
#include "printjob/BaskiIsi.h"
#include "printjob/RafDegerleri.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class MesajKutusu;
struct Oturum;
class SayfaHedefi;
class VeriBaglantisi;

// Direct printing: one page per label with the program's own drawing, for every
// item of the stock selection, the job's labels per item each. Pages go to `hedef`
// one at a time; `devam` is asked after each page and may stop the run. Items and
// prices are read over the session's connection.
struct DogrudanSonucu {
    int sayfa = 0;
    QString hata;          // why nothing (or not everything) was printed
    bool kagit = false;    // the target refused the paper: the paper messages were shown
    TasmaListesi tasmalar; // labels whose text did not fit, by item code
    TasmaListesi fiyatsizlar{Fiyat_Yok}; // labels whose price printed empty
    RafEksikleri raf;                    // pictures, unit prices and codes missing
    BasilanStoklar basilanlar;           // the items printed and their prices
    // What is told after the run: every list that is not empty.
    QStringList Eksikler() const;
};

// The job holds every parameter's answer already: the caller asks them before the
// labels per item.
DogrudanSonucu Dinamik_Bas(MesajKutusu &kutu, const Oturum &oturum, const BaskiIsi &is,
                           SayfaHedefi &hedef, const std::function<bool(int)> &devam = {});

// The preview window's label: the first item's values drawn on the label area,
// barcodes 4.0 mm and other objects 3.704117 mm to the right, no margins; a
// column the row lacks leaves its object blank. Nothing when the items cannot be
// read (the user was told).
std::optional<RaporSayfasi> Onizleme_Sayfasi(MesajKutusu &kutu, const Oturum &oturum,
                                             const TasarimBelgesi &belge);

// The page of a direct run: the paper of the design's paper code, or the label
// area for a code no paper has; nothing when neither is known.
std::optional<QSizeF> Dogrudan_Sayfa(const TasarimBelgesi &belge);
