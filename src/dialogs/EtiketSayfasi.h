#pragma once

#include "designer/TasarimModeli.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// The label sheet dialog's work without its window.

// A sheet of the catalogue: a grid of labels on A4, millimetres.
struct EtiketKagidi {
    int sutun = 1, satir = 1;
    double en = 0, boy = 0, yatay = 0, dikey = 0;
    // "A4 — 3 × 8, 70 × 37 mm" with the regional decimal separator.
    QString Ad(const Ayiraclar &a) const;
    // The margins (whole twips) that centre the grid on A4 and give the report
    // exactly `satir` rows and `sutun` columns.
    RaporSayfaAyari Kenarlar() const;
    bool operator==(const EtiketKagidi &o) const;
};

// The catalogue sheet a design's settings are, if any (the dialog shows its name
// again rather than "Özel").
std::optional<EtiketKagidi> Katalog_Kagidi(const TasarimModeli::Ayarlar &a);

// The catalogue kept with the program (data/etiket_kagitlari.txt).
QList<EtiketKagidi> Etiket_Kagitlari();
QList<EtiketKagidi> Etiket_Kagitlari_Oku(const QString &metin);

// How many labels of the section's size fit the printable area: each size
// rounded to whole twips, whole-number division, with the report engine's allowance
// for a label overhanging the page.
struct SayfaBasina {
    qint64 yatay = 0, dikey = 0;
};
SayfaBasina Sayfa_Basina(double alan_en, double alan_boy, double bolum_en, double bolum_boy);
// The message with its carriage returns; the message window shows them as line breaks.
QString Sayfa_Basina_Mesaji(const SayfaBasina &s);

inline const QString Sigmiyor_Mesaji =
    QStringLiteral("Bu ölçülerle sayfaya hiç etiket sığmıyor; etiket ya da kağıt ayarlarını "
                   "değiştiriniz.");

// A millimetre box: a plain decimal with the regional decimal separator (no
// grouping, no exponent) within [en_az, en_cok]; nothing otherwise.
std::optional<double> Mm_Oku(const QString &metin, double en_az, double en_cok, const Ayiraclar &a);

// The index of Etiket_Ayari's answer when the boxes are numbers but no label fits.
inline constexpr int Sigmayan_Yerlesim = -1;

// "Tamam": the four boxes (height, width, horizontal, vertical) read as millimetres
// into the sheet, with the chosen catalogue sheet's margins and paper. The index of
// the first box out of its range (sizes 1…2000 mm, gaps 0…500 mm) when they cannot
// be taken, Sigmayan_Yerlesim when not one label fits the printable area.
std::variant<TasarimModeli::Ayarlar, int> Etiket_Ayari(const TasarimModeli::Ayarlar &ayar,
                                                       const QStringList &kutular,
                                                       const std::optional<EtiketKagidi> &kagit,
                                                       const Ayiraclar &ayirac);
