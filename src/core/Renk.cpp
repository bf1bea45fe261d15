#include "Renk.h"

#include <array>

namespace {

// The classic system palette, by system colour index, so that a design shows the
// same colours on every machine.
constexpr std::array<QRgb, 31> sistemRenkleri = {
    0xFFC8C8C8, // 0 scroll bar
    0xFF3A6EA5, // 1 desktop
    0xFF000080, // 2 active caption
    0xFF808080, // 3 inactive caption
    0xFFD4D0C8, // 4 menu
    0xFFFFFFFF, // 5 window
    0xFF000000, // 6 window frame
    0xFF000000, // 7 menu text
    0xFF000000, // 8 window text
    0xFFFFFFFF, // 9 caption text
    0xFFD4D0C8, // 10 active border
    0xFFD4D0C8, // 11 inactive border
    0xFF808080, // 12 application workspace
    0xFF0A246A, // 13 highlight
    0xFFFFFFFF, // 14 highlight text
    0xFFD4D0C8, // 15 button face
    0xFF808080, // 16 button shadow
    0xFF808080, // 17 grey text
    0xFF000000, // 18 button text
    0xFFD4D0C8, // 19 inactive caption text
    0xFFFFFFFF, // 20 button highlight
    0xFF404040, // 21 3D dark shadow
    0xFFD4D0C8, // 22 3D light
    0xFF000000, // 23 tooltip text
    0xFFFFFFE1, // 24 tooltip background
    0xFFB5B5B5, // 25 (unused)
    0xFF0000FF, // 26 hot-tracked item
    0xFFA6CAF0, // 27 gradient active caption
    0xFFC0C0C0, // 28 gradient inactive caption
    0xFF316AC5, // 29 menu highlight
    0xFFECE9D8, // 30 menu bar
};

} // namespace

QColor Renk_Cevir(qint32 deger) {
    const quint32 u = static_cast<quint32>(deger);
    if (u & 0x80000000u) {
        const quint32 indeks = u & 0xFFu;
        return QColor::fromRgb(indeks < sistemRenkleri.size() ? sistemRenkleri[indeks]
                                                              : 0xFF000000);
    }
    return QColor(int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF));
}

qint32 Renk_Degeri(const QColor &renk) {
    return qint32(quint32(renk.red()) | quint32(renk.green()) << 8 | quint32(renk.blue()) << 16);
}
