#pragma once

#include "SayfaHedefi.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QSaveFile;

// The resolutions thermal printers come in.
inline constexpr int Zpl_Cozunurlukleri[] = {203, 300, 600};

// What a thermal printer's own language needs besides the pages.
struct ZplAyarlari {
    int dpi = 203;     // the printer's dots: 203, 300 or 600
    double sol_mm = 0; // the printer's own offset of the label, −10…10 mm
    double ust_mm = 0;
    int koyuluk = -1; // ~SD 0…30; -1: the printer's own
    int hiz = -1;     // ^PR 2…12 inches a second; -1: the printer's own
    QString ortam;    // ^MN: "Bosluk", "Siyah_Isaret", "Surekli"; empty: the printer's own
    // Texts in the printer's scalable font (^A0, UTF-8) instead of pictures: bytes
    // instead of kilobytes, the printer's letter shapes instead of the design's font.
    bool yazici_fontu = false;
};

// A label's ZPL in parts: what goes before its fields (size, offsets, speed, media;
// `~SD` before `^XA`), and each page item's field(s).
struct ZplParcalari {
    QByteArray onu;  // "~SD..\n" or empty
    QByteArray ayar; // ^CI28^PW..^LL..(^LH..)(^PR..)(^MN.)
    QList<QByteArray> alanlar;
};
ZplParcalari Zpl_Parcalari(const RaporSayfasi &sayfa, const ZplAyarlari &ayar,
                           QStringList *uyarilar = nullptr);

// The ZPL II of a page: one label `^XA … ^XZ`, the page's size in dots, barcodes as
// the printer's own symbols with a module of whole dots, dark rectangles as boxes,
// everything else (texts, turned or not) as the graphic the one draw path paints.
// `uyarilar` gets a line for each barcode whose module is narrower than 2 dots.
QByteArray Zpl_Etiketi(const RaporSayfasi &sayfa, const ZplAyarlari &ayar,
                       QStringList *uyarilar = nullptr);

// ZPL's compressed hex of a 1-bit picture (rows of `satir_bayti` bytes, 1 = black):
// repeat counts, "," for a row ending in white, "!" for one ending in black, ":" for
// a row like the one before.
QByteArray Zpl_Sikistir(const QByteArray &bitler, int satir_bayti);

// A ZPL file: the labels one after another, moved into place at the end. From the
// second label on, what every label so far has had alike (fixed texts, lines, the
// label's settings) is sent once as a stored format (`^DF`), and each label recalls
// it (`^XF`) with only its own fields; a label that differs in a stored part is sent
// whole.
class ZplHedefi : public SayfaHedefi {
public:
    ZplHedefi(const QString &yol, const ZplAyarlari &ayar);
    ~ZplHedefi() override;
    bool Sayfa(const RaporSayfasi &sayfa) override;
    bool Bitir() override;
    void Vazgec() override;
    QStringList Uyarilar() const override { return uyarilar_; }

private:
    bool yaz(const QByteArray &z);
    QByteArray cagir(const ZplParcalari &p) const;

    QString yol_;
    ZplAyarlari ayar_;
    std::unique_ptr<QSaveFile> dosya_;
    QStringList uyarilar_;
    std::optional<ZplParcalari> ilk_; // the first label, until the second shows what is alike
    bool karar_ = false;              // the second label came: stored format or not
    QList<bool> sabit_;               // per field: in the stored format
    bool bicim_ = false;
};
