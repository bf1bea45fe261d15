#pragma once

#include "ZplHedefi.h"

#include <QString>
#include <QStringList>
#include <optional>

// What Varnel keeps for each printer queue, in the file Yazicilar.ini (one group a
// queue, as CUPS names it). Values out of range are refused by name.
struct YaziciAyari {
    enum class Dil { Surucu, ZPL };
    enum class Yazilar { Resim, Yazici }; // texts as pictures, or the printer's font
    Dil dil = Dil::Surucu;
    int cozunurluk = 203;       // 203, 300, 600 dpi
    double sol_kaydirma = 0;    // mm, −10…10
    double ust_kaydirma = 0;    // mm, −10…10
    std::optional<int> koyuluk; // 0…30; nothing: the printer's own
    std::optional<int> hiz;     // 2…12 inches a second
    QString ortam;              // "Bosluk", "Siyah_Isaret", "Surekli"; empty: the printer's own
    Yazilar yazilar = Yazilar::Resim;

    ZplAyarlari Zpl() const;
    bool operator==(const YaziciAyari &) const = default;
};

// $XDG_CONFIG_HOME/varnel/Yazicilar.ini
QString Yazici_Ayarlari_Dosyasi();

struct OkunanAyar {
    YaziciAyari ayar;    // the defaults where a value was refused
    QStringList hatalar; // Turkish, one a refused value
};
OkunanAyar Yazici_Ayari_Oku(const QString &dosya, const QString &yazici);
// The refused values as a run tells them: "Yazicilar.ini [KUYRUK]: …; olağan değer
// kullanıldı."
QStringList Ayar_Uyarilari(const QString &yazici, const OkunanAyar &okunan);
// False when the file could not be written.
bool Yazici_Ayari_Yaz(const QString &dosya, const QString &yazici, const YaziciAyari &ayar);

// A ZPL printer takes one label a page: the refusal of a laser sheet for it; empty when
// the output and the design go together.
QString Zpl_Lazer_Hatasi(bool zpl, bool lazer);

// One line about a queue and its settings, as `varnel printers` lists them.
QString Yazici_Ozeti(const QString &yazici, const YaziciAyari &ayar);
