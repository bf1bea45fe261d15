#pragma once

#include "YaziciAyarlari.h"
#include "drawing/RaporSayfasi.h"

#include <QSizeF>
#include <QString>

// The label a printer is set up by: a frame 1 mm inside the label's edge, a cross at
// its centre, millimetre ticks along the top and left edges (longer every 5 and 10),
// and the printer's name and settings. Where the frame lands on the paper shows the
// offsets the printer needs. `mm`: the label's size.
RaporSayfasi Kalibrasyon_Etiketi(QSizeF mm, const QString &yazici, const YaziciAyari &ayar);
