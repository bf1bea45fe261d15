#pragma once

#include "TasarimKayitlari.h"

#include <QString>
#include <optional>

class MesajKutusu;

// Saving and opening designs by name in a design folder, with the user told why
// when it fails.

inline const QString Bos_Tasarim_Mesaji = QStringLiteral("Tasarımı boş olarak kaydedemezsiniz.");

// False, after saying so, for a design without a barcode or an object.
bool Tasarim_Dolu(const TasarimBelgesi &belge, MesajKutusu &kutu);

// Writes the design `ad` of `klasor`: a bad name or an empty design is refused
// first. True when the file was written.
bool Tasarim_Yaz(const TasarimBelgesi &belge, const QString &klasor, const QString &ad,
                 MesajKutusu &kutu);

// Reads the design file `ad` of `klasor` into `belge` for editing. False, after
// telling the user why, when the file cannot be read; `belge` is then unchanged.
bool Tasarim_Dosyasini_Ac(const QString &klasor, const QString &ad, TasarimBelgesi &belge,
                          MesajKutusu &kutu);

// The stored design `ad` (blanks around it dropped) for a print run. Records no
// list takes are left out with a word to the user; nothing when it cannot be read.
std::optional<TasarimBelgesi> Basilacak_Tasarim(const QString &klasor, const QString &ad,
                                                MesajKutusu &kutu);

// "Farklı Kaydet": asks the name, confirms overwriting, then writes. The name the
// design was saved under; nothing when it was not.
std::optional<QString> FarkliKaydet_Btn_Click(const TasarimBelgesi &belge, const QString &klasor,
                                              MesajKutusu &kutu);
