#pragma once

#include "barcode/Barkod.h"
#include "drawing/DonukYazi.h"
#include "drawing/RaporSayfasi.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

// Controls of a report section. Lengths are twips, angles tenths of a degree,
// colours 32-bit colour values, as the report's users set them.
class RaporKontrolu {
public:
    virtual ~RaporKontrolu() = default;
    QString Name;
    QString Tag;
    bool Visible = true;
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

struct RaporYaziTipi {
    QString Name = QStringLiteral("Arial");
    double Size = 8;
    bool Bold = false, Italic = false, Underline = false, Strikethrough = false;
    int Charset = 0;
};

// "DDActiveReports2.Label"
class RaporEtiketi : public RaporKontrolu {
public:
    QString caption;
    bool MultiLine = false;
    int Angle = 0;
    RaporYaziTipi Font;
    qint32 ForeColor = 0;
    int BackStyle = 0; // 1 opaque
    qint32 BackColor = 0xFFFFFF;
    int Alignment = 0;         // 0 left, 1 right, 2 centre
    int VerticalAlignment = 0; // 0 top, 1 middle, 2 bottom

    YaziGorunumu Gorunum() const;
};

// "DDActiveReports2.Barcode". The symbol is encoded again only when the style or
// the data changes, not on every band.
class RaporBarkodu : public RaporKontrolu {
public:
    int CaptionPosition = 0; // 0: no human-readable text
    int Direction = 0;       // 0 left to right, 2 bottom to top
    int Alignment = 0;
    int BarWidth = 0;
    qint32 BackColor = 0xFFFFFF;
    qint32 ForeColor = 0;

    int Style() const { return stil_; }
    void setStyle(int stil);
    const QString &caption() const { return veri_; }
    void setCaption(const QString &veri);

    std::shared_ptr<const Barkod> Sembol() const;
    Barkod::Gorunum Gorunum() const;

private:
    int stil_ = 0;
    QString veri_;
    mutable std::shared_ptr<const Barkod> sembol_;
};

// A text box bound to a column of the report's data: the engine fills Text and
// DataValue for every row.
class RaporMetinKutusu : public RaporKontrolu {
public:
    QString DataField;
    QString Text;
    QString OutputFormat;
    QVariant DataValue;
};

// A control that draws what it was given for the band (a picture, a code): its box
// is the control's, the rest the item's; nothing when the item is empty.
class RaporOgesi : public RaporKontrolu {
public:
    std::optional<CizimOgesi> oge;
};

// What a visible control draws, placed at `koken` (twips): the one conversion from
// controls to drawing items.
CizimOgesi Cizim_Ogesi(const RaporKontrolu &k, QPointF koken = {});
