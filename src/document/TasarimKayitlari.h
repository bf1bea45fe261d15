#pragma once

#include <QList>
#include <QString>

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

struct NesneKaydi : ElemanKaydi {
    qint16 Alignment = 0;
    QString Caption;
    QString Tur; // "E", "A", "Y" or "D"
    QString Tag;
    qint16 Escapement = 0;

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

    bool operator==(const TasarimBelgesi &) const = default;
};
