#include "BarkodTipleri.h"

namespace {

using S = Barkod::Sembol;
using M = Motor_Stili;

struct Satir {
    int tip;
    std::optional<Motor_Stili> rapor;
    Barkod::Sembol dogrudan;
};

const Satir tablo[] = {
    {0, M::Yok, S::Yok},       {1, M::EAN13, S::EAN13},    {2, M::EAN8, S::EAN8},
    {3, M::Code39, S::Code39}, {4, M::Code93, S::Code93},  {5, M::Code128, S::Code128A},
    {6, M::UPCA, S::UPCA},     {7, std::nullopt, S::UPCE}, {8, std::nullopt, S::EAN13},
    {9, std::nullopt, S::Yok},
};

} // namespace

Stok_Barkod_Tipi Stok_Barkod_Tipi_Oku(int tip) {
    for (const Satir &s : tablo)
        if (s.tip == tip)
            return {s.rapor, s.dogrudan};
    return {std::nullopt, S::EAN13};
}
