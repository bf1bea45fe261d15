#pragma once

#include "core/Ayiraclar.h"
#include "core/Hata.h"
#include "document/EtiketIcerigi.h"
#include "drawing/RaporSayfasi.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class VeriBaglantisi;

// The shelf label's own values, the same on the report road and in direct printing:
// unit prices, the price date, codes and pictures, and what a run tells about them
// when it ends.

// An item's net quantity (`miktar` in the unit `birim`: g, kg, ml, cl, lt, cm, m,
// adet) in its base unit (kg, lt, m, adet); nothing when it is missing, no positive
// number or in a unit not listed.
struct NetMiktar {
    double miktar = 0;
    QString birim;
};
std::optional<NetMiktar> Net_Miktar(const QString &miktar, const QString &birim,
                                    const Ayiraclar &a);

// A unit price field's text: `fiyat` per base unit through the field's pattern (two
// decimals without one), then " TL/" and the unit: "85,00 TL/kg". Empty without a
// price or a usable net quantity.
QString Birim_Fiyat_Metni(const EtiketIcerigi &i, std::optional<double> fiyat,
                          const std::optional<NetMiktar> &net, const Ayiraclar &a);

// The price date through the field's date pattern, or in the regional short form.
QString Fiyat_Tarihi_Metni(const EtiketIcerigi &i, const QDate &tarih);

// Pictures of a run, read once each from the design folder.
class ResimDeposu {
public:
    explicit ResimDeposu(const QString &klasor) : klasor_(klasor) {}
    // The picture at `yol` (relative to the design folder); nothing when unreadable.
    std::shared_ptr<const Resim> Getir(const QString &yol);
    // The file a picture element shows for the item: its own, or Resimler/ and the
    // value of its column.
    static QString Dosya_Yolu(const EtiketIcerigi &i,
                              const std::function<QString(const QString &)> &sutun);
    // Why the design's own pictures (those not named by a column) cannot print.
    Hata Sabit_Resimler(const TasarimBelgesi &belge);

private:
    QString klasor_;
    QHash<QString, std::shared_ptr<const Resim>> resimler_;
};

// What the shelf elements of a run could not show, told after it (and refused with
// --strict): pictures, unit prices and codes, by item code.
struct RafEksikleri {
    TasmaListesi resimsiz{QStringLiteral("resim yok")};
    TasmaListesi birim_fiyatsiz{QStringLiteral("birim fiyat yok")};
    TasmaListesi gecersiz_kod{QStringLiteral("kod verisi geçersiz")};
    QList<const TasmaListesi *> Listeler() const {
        return {&resimsiz, &birim_fiyatsiz, &gecersiz_kod};
    }
    // One more label with what `etiket` (one label's) lacked.
    void Ekle(const RafEksikleri &etiket);
};

// Encoded codes of the last items: a datum that repeats is encoded once.
class KodOnbellegi {
public:
    std::shared_ptr<const Barkod> Kodla(Barkod::Sembol sembol, const QString &veri);

private:
    QHash<QString, std::shared_ptr<const Barkod>> kodlar_;
};

// What a shelf element (picture or code) draws for one item in its box (twips),
// built by the one builder; nothing when it shows nothing for the item, which
// `eksik` then tells under the item code `stok`.
struct RafKaynagi {
    std::function<QString(const QString &ad)> deger; // a column, or a price level's text
    ResimDeposu *resimler = nullptr;
    KodOnbellegi *kodlar = nullptr;
    RafEksikleri *eksik = nullptr;
    QString stok;
};
std::optional<CizimOgesi> Raf_Ogesi(const NesneKaydi &n, const EtiketIcerigi &i, const QRectF &alan,
                                    const RafKaynagi &k);

// "Resim dosyası okunamadı: Resimler/x.png", which stops a run.
QString Resim_Okunamadi_Mesaji(const QString &yol);

// Whether STOKFIYAT has the column Degisim_Tarihi (the date a price applies from).
bool Fiyat_Tarihi_Sutunu_Var(VeriBaglantisi &b);
// A date column's value as the database gives it (a date, or ISO text).
QDate Tarih_Degeri(const QVariant &v);
