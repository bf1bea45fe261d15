#pragma once

#include "TasarimKayitlari.h"

#include <QString>

// The design document and the values that travel with it: program-wide for the
// whole run, like the start-up values.
namespace Degiskenler {

inline TasarimBelgesi Belge;
inline QString Tasarim_Adi;
// Set when a save was refused (an empty design); the save routines return it too.
inline bool Kayit_Iptal = false;
inline bool Yeni_Tasarim = false;
inline bool Dinamik_Barkod = false;
inline qint16 Baslangic_Etiketi = 1;

// The design folder: Barkod/ beside the program unless --designs names another.
inline QString Tasarim_Klasoru;

} // namespace Degiskenler
