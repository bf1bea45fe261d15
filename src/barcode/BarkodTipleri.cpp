#include "BarkodTipleri.h"

#include <QList>
#include <QString>
#include <zint.h>

namespace {

using S = Barkod::Sembol;
using M = Motor_Stili;

bool hepsiAlir(QChar) { return true; }
// Code 93's full-ASCII shifts and Code 128's ">" invocations are commands to the
// printer; control bytes too.
bool kod128Alir(QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E && c != u'>'; }
// Data Matrix reads "~" (and GS1 Data Matrix "_", its FNC1 sign here) as its own escape;
// letters beyond ASCII each printer encodes its own way.
bool dataMatrixAlir(QChar c) {
    return c != u'~' && c != u'_' && c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

const Semboloji semboller[] = {
    {S::Yok, "", M::Yok, 0, 0, 0, false, nullptr, nullptr},
    {S::EAN13, "EAN-13", M::EAN13, BARCODE_EANX, BARCODE_EANX_CHK, 12, true, "^BE%1,%2,%3,N",
     hepsiAlir, "EAN13", "EAN-13"},
    {S::EAN8, "EAN-8", M::EAN8, BARCODE_EANX, BARCODE_EANX_CHK, 7, true, "^B8%1,%2,%3,N", hepsiAlir,
     "EAN8", "EAN-8"},
    {S::UPCA, "UPC-A", M::UPCA, BARCODE_UPCA, BARCODE_UPCA_CHK, 11, false, "^BU%1,%2,%3,N,Y",
     hepsiAlir, "UPCA", "UPC-A"},
    {S::UPCE, "UPC-E", std::nullopt, BARCODE_UPCE, BARCODE_UPCE_CHK, 7, false, nullptr, nullptr},
    {S::Code39, "Code 39", M::Code39, BARCODE_CODE39, 0, 0, false, "^B3%1,N,%2,%3,N", hepsiAlir,
     "CODE39", "Code 39"},
    {S::Code93, "Code 93", M::Code93, BARCODE_CODE93, 0, 0, false, "^BA%1,%2,%3,N,N",
     Kod39_Karakteri, "CODE93", "Code 93"},
    {S::Code128A, "Code 128 A kümesi", M::Code128, BARCODE_CODE128, 0, 0, false,
     "^BC%1,%2,%3,N,N,A", kod128Alir},
    {S::Code128, "Code 128", std::nullopt, BARCODE_CODE128, 0, 0, false, "^BC%1,%2,%3,N,N,A",
     kod128Alir, "CODE128", "Code 128"},
    // The printer's UCC/EAN mode puts the FNC1s and chooses the subsets itself.
    {S::GS1_128, "GS1-128", std::nullopt, BARCODE_GS1_128, 0, 0, false, "^BC%1,%2,%3,N,N,D",
     kod128Alir, "GS1-128", "GS1-128 (parti, son kullanma)", false, true},
    // Model 2, error correction M, input chosen by the printer ("MA," before the data).
    {S::QR, "QR", std::nullopt, BARCODE_QRCODE, 0, 0, false, "^BQ%1,2,%2", hepsiAlir, "QR",
     "QR Kod", true, false, true},
    {S::DataMatrix, "DataMatrix", std::nullopt, BARCODE_DATAMATRIX, 0, 0, false, "^BX%1,%2,200",
     dataMatrixAlir, "DATAMATRIX", "DataMatrix", true, false, true},
    {S::GS1_DataMatrix, "GS1 DataMatrix", std::nullopt, BARCODE_DATAMATRIX, 0, 0, false,
     "^BX%1,%2,200,,,,_", dataMatrixAlir, "GS1-DATAMATRIX", "GS1 DataMatrix", true, true},
    {S::PDF417, "PDF417", std::nullopt, BARCODE_PDF417, 0, 0, false, nullptr, nullptr, "PDF417",
     "PDF417", true, false, true},
};

// The order the designer lists code kinds in: the shelf's own first.
const S kodSirasi[] = {S::QR,   S::EAN13, S::GS1_128, S::DataMatrix, S::GS1_DataMatrix, S::PDF417,
                       S::EAN8, S::UPCA,  S::Code128, S::Code39,     S::Code93};

struct StokTipi {
    int tip;
    std::optional<Motor_Stili> rapor;
    Barkod::Sembol dogrudan;
};
const StokTipi stokTipleri[] = {
    {0, M::Yok, S::Yok},       {1, M::EAN13, S::EAN13},    {2, M::EAN8, S::EAN8},
    {3, M::Code39, S::Code39}, {4, M::Code93, S::Code93},  {5, M::Code128, S::Code128A},
    {6, M::UPCA, S::UPCA},     {7, std::nullopt, S::UPCE}, {8, std::nullopt, S::EAN13},
    {9, std::nullopt, S::Yok},
};

} // namespace

const Semboloji &Semboloji_Bilgisi(Barkod::Sembol sembol) {
    for (const Semboloji &s : semboller)
        if (s.sembol == sembol)
            return s;
    return semboller[0];
}

Barkod::Sembol Stil_Sembolu(int stil) {
    for (const Semboloji &s : semboller)
        if (s.stil && s.stil != M::Yok && int(*s.stil) == stil)
            return s.sembol;
    return S::Yok;
}

std::optional<Barkod::Sembol> Kod_Turu_Oku(const QString &tag) {
    const QString t = tag.trimmed();
    for (const Semboloji &s : semboller)
        if (s.kod && t.compare(QLatin1String(s.kod), Qt::CaseInsensitive) == 0)
            return s.sembol;
    return std::nullopt;
}

QList<Barkod::Sembol> Kod_Turleri() { return QList<S>(std::begin(kodSirasi), std::end(kodSirasi)); }

Stok_Barkod_Tipi Stok_Barkod_Tipi_Oku(int tip) {
    for (const StokTipi &s : stokTipleri)
        if (s.tip == tip)
            return {s.rapor, s.dogrudan};
    return {std::nullopt, S::EAN13};
}

bool Kod39_Karakteri(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ||
           QStringLiteral("-. $/+%").contains(c);
}

bool Hepsi_Rakam(const QString &s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

int Kontrol_Rakami(const QString &govde) {
    int toplam = 0;
    for (qsizetype i = 0; i < govde.size(); ++i) {
        const int rakam = govde[govde.size() - 1 - i].digitValue();
        toplam += rakam * (i % 2 == 0 ? 3 : 1);
    }
    return (10 - toplam % 10) % 10;
}
