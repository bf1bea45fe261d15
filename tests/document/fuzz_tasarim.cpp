// libFuzzer target for the design-file reader. A file the reader accepts must
// write back to bytes that read again to the same document and the same bytes.
#include "document/TasarimDosyasi.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *veri, size_t boyut) {
    const QByteArray girdi(reinterpret_cast<const char *>(veri), static_cast<qsizetype>(boyut));
    TasarimBelgesi belge;
    const TasarimBelgesi bos = belge;
    if (Tasarim_Coz(girdi, belge)) {
        if (!(belge == bos))
            std::abort(); // a refused file must leave the document alone
        return 0;
    }
    const QByteArray yazilan = Tasarim_Metni(belge);
    TasarimBelgesi ikinci;
    if (Tasarim_Coz(yazilan, ikinci))
        std::abort(); // what the writer writes must read back
    if (Tasarim_Metni(ikinci) != yazilan)
        std::abort();
    return 0;
}
