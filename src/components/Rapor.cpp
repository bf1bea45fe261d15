#include "Rapor.h"

namespace {

constexpr double mm = 1440.0 / 25.4;

} // namespace

RaporKontrolu *RaporBolumu::Ekle(const QString &turAdi) {
    if (turAdi == u"DDActiveReports2.Label")
        return Ekle_<RaporEtiketi>();
    if (turAdi == u"DDActiveReports2.Barcode")
        return Ekle_<RaporBarkodu>();
    if (turAdi == u"DDActiveReports2.TextBox")
        return Ekle_<RaporMetinKutusu>();
    return nullptr;
}

QSizeF Kagit_Boyutu_Twip(int kod) {
    switch (kod) {
    case 1: // Letter
        return {8.5 * 1440, 11 * 1440};
    case 3: // Tabloid
        return {11 * 1440, 17 * 1440};
    case 5: // Legal
        return {8.5 * 1440, 14 * 1440};
    case 7: // Executive
        return {7.25 * 1440, 10.5 * 1440};
    case 8: // A3
        return {297 * mm, 420 * mm};
    case 9: // A4
        return {210 * mm, 297 * mm};
    case 11: // A5
        return {148 * mm, 210 * mm};
    case 12: // B4 (JIS)
        return {257 * mm, 364 * mm};
    case 13: // B5 (JIS)
        return {182 * mm, 257 * mm};
    case 20: // Envelope #10
        return {4.125 * 1440, 9.5 * 1440};
    case 27: // Envelope DL
        return {110 * mm, 220 * mm};
    case 28: // Envelope C5
        return {162 * mm, 229 * mm};
    case 34: // Envelope B5
        return {176 * mm, 250 * mm};
    case 70: // A6
        return {105 * mm, 148 * mm};
    default:
        return {};
    }
}

QSizeF RaporYazicisi::Kagit() const {
    QSizeF s = Kagit_Boyutu_Twip(PaperSize);
    if (s.isEmpty())
        s = OzelKagit.isEmpty() ? Kagit_Boyutu_Twip(9) : OzelKagit;
    return Orientation == 2 ? s.transposed() : s;
}

double RaporYazicisi::PaperWidth() const { return Kagit().width(); }

double RaporYazicisi::PaperHeight() const { return Kagit().height(); }

Rapor::Rapor() : PrintWidth(Printer.PaperWidth() - 2880) {}

bool Rapor::Yazici_Sec(const QString &ad) {
    if (!Yazici_Var || !Yazici_Var(ad))
        return false;
    Printer.DeviceName = ad;
    return true;
}
