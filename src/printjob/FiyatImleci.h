#pragma once

#include "database/KayitKumesi.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class MesajKutusu;
class VeriBaglantisi;

// One item's prices: level and amount in level order, and the date its level-1
// price changed when the database keeps one.
struct StokFiyatlari {
    QList<QPair<QString, double>> fiyatlar;
    QDate tarih;
};

// The prices of a run's items through one cursor, in item order, walked in step with
// the labels: one statement for the whole run instead of one per item, and memory
// stays flat. An item asked out of order (a start line's own SELECT may sort as it
// likes) is read on its own.
class FiyatImleci {
public:
    // `kimlikler`: a SELECT giving the ids of the run's items (empty: each item is
    // read on its own). `tarihli`: also read the date column.
    FiyatImleci(MesajKutusu &kutu, VeriBaglantisi &b, const QString &kimlikler, bool tarihli);
    // Item `stok`'s prices; nothing when they could not be read.
    std::optional<StokFiyatlari> Oku(qint64 stok);

private:
    bool acik() const;
    std::optional<StokFiyatlari> tekOku(qint64 stok);

    MesajKutusu &kutu_;
    VeriBaglantisi &baglanti_;
    QString kimlikler_;
    bool tarihli_;
    bool basladi_ = false;
    KayitKumesi imlec_;
    qint64 son_ = 0; // the last item asked
};
