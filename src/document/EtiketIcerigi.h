#pragma once

#include "TasarimKayitlari.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What an element prints, read once from its kind, caption and tag. Every road
// (report, direct printing, preview, sample data, inspect, the format dialog and
// the designer's new elements) reads an element through this and nothing else.
struct EtiketIcerigi {
    enum class Tur {
        Hic,        // a line, or a kind that prints no text
        Sabit_Yazi, // the caption; `desen` is the tag of a fixed text, if it has one
        Parametre,  // the value typed for the parameter `ad`
        Sutun,      // column `ad` of the item's row, through the field pattern `desen`
        Fiyat,      // price level `seviye` (0: the first price there is), through `desen`
        Yaziyla,    // the level-1 price in words
        Tarih,      // the date through the pattern `desen` (no pattern: dd.MM.yyyy)
        Saat,       // the time, HH:mm:ss
        Firma_Adi,
        Firma_Kodu,
        // A price level `seviye` per base unit of the item's net quantity ("BF_Fiyat1").
        Birim_Fiyat,
        // The date the level-1 price applies from, through the date pattern `desen`.
        Fiyat_Tarihi,
        // A picture: the file `ad` (relative to the design folder), or, with
        // `sutundan`, the file the item's column `ad` names under Resimler/.
        Resim,
        // A code of the symbology the tag `desen` names, its data the template `ad`
        // ("{Column}" stands for the item's value).
        Kod,
    };
    Tur tur = Tur::Hic;
    QString ad; // as the design writes it (a price or column field's caption)
    // A field's output pattern (its tag without "F_"), a date's pattern, or the
    // whole tag of a fixed text (direct printing applies it, the report does not).
    QString desen;
    int ondalik = -1; // decimals the pattern asks for; -1 without a point
    int seviye = 0;   // price level 1..10
    // "TL_": the value is in the old lira, printed ×1,000,000.
    bool milyon = false;
    bool sutundan = false; // a picture named by a column
    bool tl_kurus = false; // the amount in words in today's lira, "TL" and "Kuruş"

    // The column a field reads: its name without "TL_".
    QString Sutun() const { return milyon ? ad.mid(3) : ad; }
};

EtiketIcerigi Nesne_Icerigi(const NesneKaydi &n);
// What a field captioned `ad` prints (a code's "{Fiyat1}", "{Stok_Kodu}").
EtiketIcerigi Alan_Icerigi(const QString &ad);
// A price of level `seviye` as stored (the amount in words reads level 1).
EtiketIcerigi Fiyat_Icerigi(int seviye);

// Tags the designer writes for what it creates.
QString Parametre_Etiketi(const QString &ad);
QString Tarih_Etiketi(const QString &desen);
inline const QString Yeni_Tarih_Deseni = QStringLiteral("dd.mm.yyyy");
QString Alan_Desen_Etiketi(const QString &desen);
QString Firma_Adi_Etiketi();
QString Firma_Kodu_Etiketi();
QString Saat_Etiketi();
// The tag of an amount in words spelled in "TL" and "Kuruş".
QString Tl_Kurus_Etiketi();
// The tag of a picture whose file an item's column names.
QString Resim_Sutunu_Etiketi(const QString &sutun);
// Resimler/: where a design's pictures lie, below the design folder.
inline const QString Resim_Klasoru = QStringLiteral("Resimler");
// The pattern a field's tag carries ("F_…"), or nothing when the tag carries none.
std::optional<QString> Alan_Deseni(const QString &tag);
bool Tarih_Etiketi_Mi(const QString &tag);

// The label's own price: the lowest level a price field (or the amount in words,
// level 1) of the design prints; 0 is "the first price there is"; -1 when the design
// prints no price. A label whose own price prints empty has no price; other levels
// (a second price, a campaign price) may be missing for some items.
int Ana_Fiyat_Seviyesi(const TasarimBelgesi &belge);
// Whether the element prints the label's own price (level `ana`).
bool Ana_Fiyat_Mi(const EtiketIcerigi &i, int ana);

// A code's data: its template with every "{Name}" replaced by `deger(Name)`; a "{"
// without its "}" stays as written.
QString Kod_Verisi(const QString &sablon, const std::function<QString(const QString &)> &deger);
// The names a code's template asks for, each once, in order.
QStringList Kod_Adlari(const QString &sablon);

// The price levels the design prints (0: the first price there is), each once: price
// fields, unit prices, the amount in words (level 1), codes' "{FiyatN}".
QList<int> Basilan_Fiyat_Seviyeleri(const TasarimBelgesi &belge);

// Whether the design prints a price date.
bool Fiyat_Tarihi_Var(const TasarimBelgesi &belge);

// The parameter names of a design, each once (names differ by case), in element order.
QStringList Parametre_Adlari(const TasarimBelgesi &belge);
