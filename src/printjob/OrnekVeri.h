#pragma once

#include "DogrudanCizim.h"
#include "components/Barkod.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class MesajKutusu;

// One selected item as the design window's sample data shows it: its row, its
// prices and its barcode, read once.
struct OrnekStok {
    QHash<QString, QString> sutunlar; // column names in lower case (looked up as SQL Server does)
    QList<QPair<QString, double>> fiyatlar;
    std::shared_ptr<const Barkod> barkod;
    QString kod; // Stok_Kodu
};

// The items the start line selects, in item order, at most `en_cok` of them;
// prices and barcodes are read for each. Empty when there is no connection or no item.
QList<OrnekStok> Ornek_Stoklar(MesajKutusu &kutu, int en_cok = 200);

// What an element shows for the item, by the label report's rules; a parameter
// shows its name.
QString Ornek_Metni(const NesneKaydi &r, const OrnekStok &s);
