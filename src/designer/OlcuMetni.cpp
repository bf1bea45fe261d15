#include "OlcuMetni.h"

#include <cmath>

QString Olcu_Metni(double d, const Ayiraclar &a) {
    // -0,00 would read as a position left of the edge.
    return QString::number(std::abs(d) < 0.005 ? 0.0 : d, 'f', 2).replace(u'.', a.ondalik);
}

QString Nokta_Metni(QPointF p, const Ayiraclar &a) {
    return QStringLiteral("X %1  Y %2 mm").arg(Olcu_Metni(p.x(), a), Olcu_Metni(p.y(), a));
}

QString Alan_Metni(const QRectF &r, const Ayiraclar &a) {
    return QStringLiteral("X %1  Y %2  G %3  Y %4 mm")
        .arg(Olcu_Metni(r.left(), a), Olcu_Metni(r.top(), a), Olcu_Metni(r.width(), a),
             Olcu_Metni(r.height(), a));
}
