#pragma once

#include <QString>
#include <optional>

class QMimeData;

// A field dragged from the main window's field list to the design section: the
// field's name and where inside the dragged label the pointer holds it (twips),
// which the drop keeps (Tutma_X, Tutma_Y).
inline const QString Alan_Mime_Turu = QStringLiteral("application/x-varnel-alan");

struct SuruklenenAlan {
    QString ad;
    double tutma_x = 0, tutma_y = 0;
};

QMimeData *Alan_Verisi(const SuruklenenAlan &alan);
std::optional<SuruklenenAlan> Alan_Verisi_Oku(const QMimeData &veri);
