#pragma once

#include "core/Birimler.h"

#include "DonukYazi.h"
#include "Resim.h"
#include "barcode/Barkod.h"

#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <memory>
#include <optional>

class QPainter;

// What one laid-out page draws, in twips from the paper's top-left corner. Pages
// are cheap values: the engine hands them out one at a time.
struct CizimOgesi {
    QRectF alan;
    QString metin;                        // text items
    YaziGorunumu yazi;                    // text items
    std::shared_ptr<const Barkod> barkod; // barcode items (shared, encoded once)
    std::optional<YaziSigdirma> sigdirma; // text items: worked out when the page was laid out
    Barkod::Gorunum barkod_gorunum;
    std::shared_ptr<const Resim> resim; // picture items (shared, read once)
    int resim_aci = 0;                  // degrees, counter-clockwise
};

struct RaporSayfasi {
    int no = 0;   // 1-based
    QSizeF boyut; // twips
    QList<CizimOgesi> ogeler;
};

// The one draw path for every output: paints the page so that one painter unit is
// one twip of paper. The caller sets the painter's scale.
void Sayfa_Ciz(QPainter &p, const RaporSayfasi &sayfa);
// One item of a page, the same way (the design window paints only what changed).
void Oge_Ciz(QPainter &p, const CizimOgesi &oge);
// Works out how a text item meets its box, keeps it in the item, and says whether
// the text does not fit even at the smallest size.
bool Yazi_Tasiyor(CizimOgesi &oge);
bool Yazi_Tasiyor(const CizimOgesi &oge);

// Labels that did not show what they should, counted over a run: how many, and the
// names of the first few (item codes), told once at its end.
class TasmaListesi {
public:
    // What went wrong on them: "yazı alanına sığmadı" (text that did not fit),
    // "fiyat yok" (a price field printed empty or zero).
    explicit TasmaListesi(const QString &konu = QStringLiteral("yazı alanına sığmadı"))
        : konu_(konu) {}
    void Ekle(const QString &ad);
    qint64 Sayi() const { return sayi_; }
    bool Bos() const { return sayi_ == 0; }
    // The first few names, each once.
    const QStringList &Adlar() const { return adlar_; }
    // "12 etikette yazı alanına sığmadı: STK-0005, STK-0011, …"
    QString Mesaj() const;

private:
    QString konu_;
    qint64 sayi_ = 0;
    QStringList adlar_;
};
inline const QString Fiyat_Yok = QStringLiteral("fiyat yok");

// The page size of a paper given in twips.
QPageSize Twip_Sayfa_Boyu(const QSizeF &twip,
                          QPageSize::SizeMatchPolicy eslesme = QPageSize::ExactMatch);

// A page size in twips as it was given, in the unit it was given in: QPageSize::size()
// rounds an inch to two decimals (58 mm would come back as 57,91).
QSizeF Sayfa_Twip_Boyu(const QPageSize &boyut);

// Scales a painter whose device has `dpi` dots per inch to twips.
void Twip_Olcegi(QPainter &p, qreal dpi);
