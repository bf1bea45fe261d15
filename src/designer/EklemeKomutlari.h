#pragma once

#include "core/Ayiraclar.h"

#include <QString>
#include <optional>

#include "YuzeyNesnesi.h"

class TasarimModeli;
struct YuzeyNesnesi;

// The main window's insert commands: "MNEtiket", "MNYatayCizgi", "MNDikeyCizgi",
// "MNBarkod", "MNKod", "MNParametre", "MNFirma_Adi", "MNFirma_Kodu", "MNTarih", "MNSaat".
// Each creates its object with its caption and tag as one undo step; false for
// any other name.
bool Ekleme_Komutu(TasarimModeli &model, const QString &ad);
// The list an insert command adds to; nothing for any other name.
std::optional<Liste> Eklenecek_Liste(const QString &ad);

// "Kullanıcı Tn.Alan": a field showing any column the user names. Nothing for an
// empty name.
bool Kullanici_Alani(TasarimModeli &model, const QString &ad);

// "Resim": a picture element showing the file `yol` (relative to the design folder).
bool Resim_Ekle(TasarimModeli &model, const QString &yol);

// What the tool bar shows for a selected object.
struct AracDurumu {
    qint32 BackColor = 0, ForeColor = 0;
    bool kalin = false, italik = false, alti_cizili = false;
    QString yazi_tipi;
    float yazi_boyu = 8;       // points
    std::optional<qint16> aci; // none for lines: the box keeps what it shows
    QString konum;             // "Left  /  Top"
};
AracDurumu Arac_Durumu(const YuzeyNesnesi &n, const Ayiraclar &a);
