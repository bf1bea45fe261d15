#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct BaskiIsi;
struct Oturum;

class MesajKutusu;

// The design chooser's work without its window.

// Design names of the folder's "*.ftr" files: each file name up to its first ".",
// in the file system's order.
QStringList Tasarim_Adlari(const QString &klasor);

// Deletes the design `ad` after asking; false when the user said no or there was
// no such file (a name cut at its first "." may name none).
bool Tasarim_Sil(const QString &klasor, const QString &ad, MesajKutusu &kutu);

// "Seç" up to the report: reads the design and asks the start position and,
// unless the start line fixed it, the labels per item. Nothing to print when the
// file cannot be read, the start is no number or the count is 0.
// With `adet_sutunu`, each item's labels come from that STOKKART column instead of the
// question (negatives are told, a count over 32,767 refuses the run).
std::optional<BaskiIsi> Hemen_Bas_Hazirla(const QString &ad, const Oturum &oturum,
                                          MesajKutusu &kutu, const QString &adet_sutunu = {});

// The columns of STOKKART, for "Sütundan".
QStringList Stok_Sutunlari(const Oturum &oturum);
