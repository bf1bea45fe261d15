#include "OlcuMetni.h"

namespace {

QString mm(double d, const Ayiraclar &a) {
    // -0,00 would read as a position left of the edge.
    return QString::number(std::abs(d) < 0.005 ? 0.0 : d, 'f', 2).replace(u'.', a.ondalik);
}

} // namespace

QString Nokta_Metni(QPointF p, const Ayiraclar &a) {
    return QStringLiteral("X %1  Y %2 mm").arg(mm(p.x(), a), mm(p.y(), a));
}

QString Alan_Metni(const QRectF &r, const Ayiraclar &a) {
    return QStringLiteral("X %1  Y %2  G %3  Y %4 mm")
        .arg(mm(r.left(), a), mm(r.top(), a), mm(r.width(), a), mm(r.height(), a));
}
