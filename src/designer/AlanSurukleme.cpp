#include "AlanSurukleme.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

QMimeData *Alan_Verisi(const SuruklenenAlan &alan) {
    auto *v = new QMimeData;
    const QJsonObject o{{"ad", alan.ad}, {"tutma_x", alan.tutma_x}, {"tutma_y", alan.tutma_y}};
    v->setData(Alan_Mime_Turu, QJsonDocument(o).toJson(QJsonDocument::Compact));
    v->setText(alan.ad);
    return v;
}

std::optional<SuruklenenAlan> Alan_Verisi_Oku(const QMimeData &veri) {
    if (!veri.hasFormat(Alan_Mime_Turu))
        return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(veri.data(Alan_Mime_Turu)).object();
    const QString ad = o.value(QLatin1String("ad")).toString();
    if (ad.isEmpty())
        return std::nullopt;
    return SuruklenenAlan{ad, o.value(QLatin1String("tutma_x")).toDouble(),
                          o.value(QLatin1String("tutma_y")).toDouble()};
}
