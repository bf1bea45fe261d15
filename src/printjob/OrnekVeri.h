#pragma once

#include "DogrudanCizim.h"
#include "barcode/Barkod.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class MesajKutusu;
struct Oturum;

// One selected item as the design window's sample data shows it: its row, and its
// prices and barcode once it has been shown.
struct OrnekStok {
    QHash<QString, QString> sutunlar; // column names in lower case (looked up as SQL Server does)
    qint64 stok = 0;                  // Stok_ID
    bool tamam = false;               // prices and barcode read
    QList<QPair<QString, double>> fiyatlar;
    QDate fiyat_tarihi; // of the level-1 price, when the database keeps it
    std::shared_ptr<const Barkod> barkod;
};

// The items the start line selects, in item order, at most `en_cok` of them, rows
// only. Empty when there is no connection or no item.
QList<OrnekStok> Ornek_Stoklar(MesajKutusu &kutu, const Oturum &oturum, int en_cok = 200);
// Reads the item's prices and encodes its barcode, the first time it is shown.
void Ornek_Stogu_Tamamla(MesajKutusu &kutu, const Oturum &oturum, OrnekStok &s);

// What an element shows for the item, by the label report's rules; a parameter
// shows its name.
QString Ornek_Metni(const NesneKaydi &r, const OrnekStok &s, const Oturum &oturum);

// The pictures and codes the design window shows, read and encoded once.
struct OrnekRaflari {
    explicit OrnekRaflari(const QString &klasor) : resimler(klasor) {}
    ResimDeposu resimler;
    KodOnbellegi kodlar;
};
// A picture or code element in `alan` (twips) as the design window shows it: with the
// item's values, or without an item (`s` null) its template as written; nothing when
// it shows nothing.
std::optional<CizimOgesi> Ornek_Raf_Ogesi(const NesneKaydi &n, const QRectF &alan,
                                          const OrnekStok *s, const Ayiraclar &a,
                                          OrnekRaflari &raflar);
