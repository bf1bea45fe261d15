#pragma once

#include "SayfaHedefi.h"
#include "core/Hata.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

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

// Where a printer language's bytes go: a file, or a printer's queue.
class BaytCikisi {
public:
    virtual ~BaytCikisi() = default;
    virtual Hata Yaz(const QByteArray &bayt) = 0;
    virtual Hata Bitir() = 0;
    // What was written so far is whole labels: the printer may start on them.
    virtual Hata Ilk_Etiketler() { return {}; }
    // Drops what was written: the file stays as it was, the queue's job is cancelled.
    virtual void Vazgec() = 0;
};
// A file moved into place when the run ends well.
std::unique_ptr<BaytCikisi> Dosya_Cikisi(const QString &yol);

// ZPL labels one after another. From the second label on, what every label so far
// has had alike (fixed texts, lines, the label's settings, and the look of fields
// whose data changes) is sent once as a stored format (`^DF`, data fields as `^FN`
// slots), and each label recalls it (`^XF`) with only its own data; a label that
// differs in a stored part is sent whole.
class ZplHedefi : public SayfaHedefi {
public:
    ZplHedefi(const QString &yol, const ZplAyarlari &ayar);
    ZplHedefi(std::unique_ptr<BaytCikisi> cikis, const ZplAyarlari &ayar);
    ~ZplHedefi() override;
    Hata Sayfa(const RaporSayfasi &sayfa) override;
    Hata Bitir() override;
    void Vazgec() override;

private:
    QByteArray cagir(const ZplParcalari &p) const;

    // How each field goes with the stored format: whole in it, its look in it and its
    // data with each label, or whole with each label.
    enum class Alan : char { Sabit, Veri, Tam };

    std::unique_ptr<BaytCikisi> cikis_;
    ZplAyarlari ayar_;
    std::optional<ZplParcalari> ilk_; // the first label, until the second shows what is alike
    bool karar_ = false;              // the second label came: stored format or not
    QList<Alan> alan_;
    bool bicim_ = false;
};
