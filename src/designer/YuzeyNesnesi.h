#pragma once

#include "core/Birimler.h"
#include "document/TasarimKayitlari.h"

#include <QRectF>
#include <QString>
#include <optional>
#include <variant>

// The object lists of the design surface. Each list has a hidden template at
// index 0 that every new element copies.
enum class Liste { Alan, Etiket, Yatay_Cizgi, Dikey_Cizgi, ZKOD, Resim, Kod };
inline constexpr int Liste_Sayisi = 7;

// The list's name as the surface knows it: "Alan", "Etiket", "Yatay_Cizgi", "Dikey_Cizgi",
// "ZKOD", "Resim", "Kod".
QString Liste_Adi(Liste liste);
// The kind words of the creation routine: "Alan", "Etiket", "YatayCizgi", "DikeyCizgi",
// "Barkod", "Resim", "Kod". Any other word (also "KullaniciTanimliAlan") has no list.
std::optional<Liste> Tur_Listesi(const QString &tur);
QString Tur_Kelimesi(Liste liste);
// The list a record's type letter belongs to ("E", "A", "Y", "D", "R", "K").
std::optional<Liste> Harf_Listesi(const QString &harf);

// Data every barcode on the surface shows: the template's sample value.
inline const QString Ornek_Barkod_Verisi = QStringLiteral("123456789012");

// The selection handles: 75 twips square, in millimetres of the section.
inline constexpr double Tutamac_Boyu = 75 * Twip_Basina_Mm;

// One element of an object list. Texts, fields and lines carry an object record,
// barcodes a barcode record; geometry is millimetres inside the section.
struct YuzeyNesnesi {
    Liste liste = Liste::Etiket;
    int indeks = 0;
    bool Visible = true;
    std::variant<NesneKaydi, BarkodKaydi> kayit;

    bool Barkod_Mu() const { return liste == Liste::ZKOD; }
    bool Cizgi_Mi() const { return liste == Liste::Yatay_Cizgi || liste == Liste::Dikey_Cizgi; }
    // A picture or a code: drawn by the shelf builder, not as a text.
    bool Raf_Mi() const { return liste == Liste::Resim || liste == Liste::Kod; }
    NesneKaydi &Nesne() { return std::get<NesneKaydi>(kayit); }
    const NesneKaydi &Nesne() const { return std::get<NesneKaydi>(kayit); }
    BarkodKaydi &Barkod() { return std::get<BarkodKaydi>(kayit); }
    const BarkodKaydi &Barkod() const { return std::get<BarkodKaydi>(kayit); }

    QRectF Alan() const;
    void Alan_Ayarla(const QRectF &mm);
    // "Etiket(1)", "ZKOD(2)": how screen readers and UI tests address the element.
    QString Tanim() const { return Liste_Adi(liste) + u'(' + QString::number(indeks) + u')'; }
    // What a screen reader says for it.
    QString Erisim_Adi() const;

    bool operator==(const YuzeyNesnesi &) const = default;
};

// The template (index 0) of a list with its defaults and size.
YuzeyNesnesi Sablon(Liste liste);
