#include "Rapor.h"

RaporKontrolu *RaporBolumu::Ekle(const QString &turAdi) {
    if (turAdi == u"DDActiveReports2.Label")
        return Ekle_<RaporEtiketi>();
    if (turAdi == u"DDActiveReports2.Barcode")
        return Ekle_<RaporBarkodu>();
    if (turAdi == u"DDActiveReports2.TextBox")
        return Ekle_<RaporMetinKutusu>();
    return nullptr;
}

namespace {

// The paper-size codes the engine knows and their sizes.
const QList<QPair<int, QPageSize::PageSizeId>> kagitlar = {
    {1, QPageSize::Letter},    {3, QPageSize::Tabloid}, {5, QPageSize::Legal},
    {7, QPageSize::Executive}, {8, QPageSize::A3},      {9, QPageSize::A4},
    {11, QPageSize::A5},       {12, QPageSize::JisB4},  {13, QPageSize::JisB5},
    {20, QPageSize::Comm10E},  {27, QPageSize::DLE},    {28, QPageSize::C5E},
    {34, QPageSize::B5},       {70, QPageSize::A6},
};

} // namespace

std::optional<QPageSize::PageSizeId> Kagit_Kimligi(int kod) {
    for (const auto &k : kagitlar)
        if (k.first == kod)
            return k.second;
    return std::nullopt;
}

int Kagit_Kodu(QPageSize::PageSizeId kimlik) {
    for (const auto &k : kagitlar)
        if (k.second == kimlik)
            return k.first;
    return 256;
}

QSizeF Kagit_Boyutu_Twip(int kod) {
    const auto kimlik = Kagit_Kimligi(kod);
    if (!kimlik)
        return {};
    // Defined sizes are exact (millimetres or inches), unlike the rounded points.
    const QPageSize boyut(*kimlik);
    const QSizeF s = boyut.definitionSize();
    const double carpan =
        boyut.definitionUnits() == QPageSize::Inch ? Inc_Basina_Twip : Mm_Basina_Twip;
    return s * carpan;
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
