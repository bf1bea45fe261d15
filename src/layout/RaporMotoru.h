#pragma once

#include "core/Hata.h"
#include "database/KayitKumesi.h"
#include "drawing/RaporSayfasi.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <memory>

class VeriBaglantisi;
class Rapor;
class RaporBolumu;

// Runs a report: raises its events in order, walks the data control's rows (one
// Detail band per row), places bands across in columns and down the page, and
// hands out finished pages one at a time so memory does not grow with the run.
class RaporMotoru {
public:
    static constexpr double Satir_Payi = 5; // twips
    explicit RaporMotoru(Rapor &rapor);
    ~RaporMotoru(); // ends the run if the caller did not

    // Initialize, report start, then opens the data control's source; why not, when
    // the source cannot be read.
    Hata Baslat();
    // Lays out the next page; false when every row has been placed.
    bool Sonraki_Sayfa(RaporSayfasi &sayfa);
    // Report end and terminate, once.
    void Bitir();

    qint64 Bant_Sayisi() const { return bant_; }
    // Detail bands whose text did not fit, named by the report's Tasma_Anahtari.
    const TasmaListesi &Tasmalar() const { return tasmalar_; }
    int Sayfa_Sayisi() const { return sayfa_; }
    // Where the bands of the last page went, in twips (for layout checks).
    const QList<QRectF> &Son_Bantlar() const { return sonBantlar_; }

private:
    void satiriBagla();
    void bolumuCiz(const RaporBolumu &b, QPointF koken, double genislik, RaporSayfasi &s) const;

    Rapor &r_;
    std::unique_ptr<VeriBaglantisi> ozelBaglanti_;
    VeriBaglantisi *baglanti_ = nullptr;
    KayitKumesi veri_;
    bool basladi_ = false, bitti_ = false;
    qint64 bant_ = 0;
    int sayfa_ = 0;
    QList<QRectF> sonBantlar_;
    TasmaListesi tasmalar_;
};
