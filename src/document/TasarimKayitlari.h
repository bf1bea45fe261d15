#pragma once

#include <QList>
#include <QString>
#include <span>

// The flat design document: what the design file stores and what printing reads.
// Geometry of objects and barcodes is in millimetres; the label area in twips.

inline constexpr qint32 Varsayilan_Yazi_Rengi = -2147483630; // system colour 0x80000012
inline constexpr qint32 Varsayilan_Arka_Renk = -2147483643;  // system colour 0x80000005
// A text with no background of its own ("Saydam Zemin"): no system colour has it.
inline constexpr qint32 Saydam_Arka_Renk = -1;

// What barcode and object records share: their place and size, font and colours.
struct ElemanKaydi {
    qint16 Bolum_No = 0;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    QString FontName;
    float FontSize = 0;
    bool FontBold = false, FontItalic = false, FontUnderline = false, FontStrikethru = false;
    qint32 ForeColor = 0;
    qint32 BackColor = 0;

    bool operator==(const ElemanKaydi &) const = default;
};

// The kind of an object record, read once from its letter ("E" a fixed text, "A" a
// field, "Y" a horizontal line, "D" a vertical one, "R" a picture, "K" a code whose
// symbology the element names; blanks around it ignored): every road, the designer
// and the summary take it from here.
enum class Nesne_Turu { Taninmayan, Yazi, Alan, Yatay_Cizgi, Dikey_Cizgi, Resim, Kod };

struct NesneKaydi : ElemanKaydi {
    qint16 Alignment = 0;
    QString Caption;
    QString Tur; // "E", "A", "Y", "D", "R" or "K", as the file writes it
    QString Tag;
    qint16 Escapement = 0;

    Nesne_Turu Turu() const {
        const QString t = Tur.trimmed();
        return t == u"E"   ? Nesne_Turu::Yazi
               : t == u"A" ? Nesne_Turu::Alan
               : t == u"Y" ? Nesne_Turu::Yatay_Cizgi
               : t == u"D" ? Nesne_Turu::Dikey_Cizgi
               : t == u"R" ? Nesne_Turu::Resim
               : t == u"K" ? Nesne_Turu::Kod
                           : Nesne_Turu::Taninmayan;
    }
    bool Cizgi_Mi() const {
        return Turu() == Nesne_Turu::Yatay_Cizgi || Turu() == Nesne_Turu::Dikey_Cizgi;
    }

    bool operator==(const NesneKaydi &) const = default;
};

// A barcode record's file line has no strikethrough field: it stays false.
struct BarkodKaydi : ElemanKaydi {
    qint16 Orientation = 0; // tenths of a degree

    bool operator==(const BarkodKaydi &) const = default;
};

struct DetayKaydi {
    bool Visible = false;
    float Height = 0; // twips
    float Width = 0;  // twips

    bool operator==(const DetayKaydi &) const = default;
};

struct TasarimBelgesi {
    quint8 Tip = 0; // 0 barcode printer, 1 laser printer (sheets)
    float Etiket_Boy = 0, Etiket_Genislik = 0, Etiket_Yatay = 0, Etiket_Dikey = 0; // mm
    // Numbered from 1: element 0 exists and stays empty.
    QList<NesneKaydi> Nesneler{NesneKaydi()};
    QList<BarkodKaydi> Barkodlar{BarkodKaydi()};
    QList<DetayKaydi> Detaylar{DetayKaydi(), DetayKaydi()};
    qint32 Sol_Bosluk = 0, Sag_Bosluk = 0, Ust_Bosluk = 0, Alt_Bosluk = 0;
    QString Yazici_Durum = QStringLiteral("1"); // a whole number: the orientation
    float Kagit_Boyutu = 9;                     // paper-size code, 9 = A4

    qint32 Nesne_Sayisi() const { return static_cast<qint32>(Nesneler.size()) - 1; }
    qint32 Barkod_Sayisi() const { return static_cast<qint32>(Barkodlar.size()) - 1; }
    // The elements themselves, without the empty one at index 0.
    std::span<const NesneKaydi> Nesne_Ogeleri() const { return ogeler(Nesneler); }
    std::span<const BarkodKaydi> Barkod_Ogeleri() const { return ogeler(Barkodlar); }

    bool operator==(const TasarimBelgesi &) const = default;

private:
    template <typename T> static std::span<const T> ogeler(const QList<T> &l) {
        return l.size() > 1 ? std::span<const T>(l.constData() + 1, size_t(l.size() - 1))
                            : std::span<const T>();
    }
};
