#pragma once

#include "core/Ayiraclar.h"

#include <QPointF>
#include <QRectF>
#include <QString>

// The designer's readouts in millimetres, two decimals, the regional separator:
// "X 12,50  Y 4,00 mm" for a point, "X 12,50  Y 4,00  G 30,00  Y 6,35 mm" for a box.
QString Nokta_Metni(QPointF mm, const Ayiraclar &a);
// One value so: "12,50" (also a font size in points).
QString Olcu_Metni(double d, const Ayiraclar &a);
QString Alan_Metni(const QRectF &mm, const Ayiraclar &a);
