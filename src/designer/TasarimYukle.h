#pragma once

#include "document/TasarimKayitlari.h"

#include <QList>
#include <QString>
#include <QStringList>

class TasarimModeli;

// Puts a read design on an empty surface: section size, one object per record
// (barcodes first), sheet and page settings. A record whose type letter is unknown
// is skipped and counted; a record of another section lands in section 0.
// Returns how many records were skipped.
int Tasarim_Yukle(TasarimModeli &model, const TasarimBelgesi &belge);

// The design window's opening on a model: the stored design (or, for a new one,
// only its printer kind and label size), then the zoom at 100 %, the selection of
// the last object made and an empty history. Returns how many records were skipped.
int Tasarim_Ac(TasarimModeli &model, const TasarimBelgesi &belge, bool yeni = false);

// The field catalogue: one row per line up to "<end>", each line without its
// last character, cells split at tabs. A missing file gives no rows.
QList<QStringList> Baslik_Oku(const QString &yol);
