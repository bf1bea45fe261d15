#include "Kodlama.h"

#include <QList>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// Converts with one iconv descriptor; an unconvertible or invalid input
// character becomes `yedek` and conversion goes on.
QByteArray cevir(const char *hedef, const char *kaynak, const QByteArray &girdi, int birim,
                 const QByteArray &yedek) {
    iconv_t cd = iconv_open(hedef, kaynak);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QByteArray();
    QByteArray cikti;
    cikti.resize(girdi.size() * 4 + 16);
    char *gir = const_cast<char *>(girdi.constData());
    size_t girKalan = static_cast<size_t>(girdi.size());
    char *cik = cikti.data();
    size_t cikKalan = static_cast<size_t>(cikti.size());
    while (girKalan > 0) {
        if (iconv(cd, &gir, &girKalan, &cik, &cikKalan) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            break; // cannot happen with the size above
        // EILSEQ / EINVAL: skip one input unit and put the replacement.
        const size_t atla = qMin<size_t>(static_cast<size_t>(birim), girKalan);
        gir += atla;
        girKalan -= atla;
        if (cikKalan >= static_cast<size_t>(yedek.size())) {
            memcpy(cik, yedek.constData(), static_cast<size_t>(yedek.size()));
            cik += yedek.size();
            cikKalan -= static_cast<size_t>(yedek.size());
        }
    }
    iconv_close(cd);
    cikti.resize(cik - cikti.data());
    return cikti;
}

} // namespace

QByteArray Cp1254_Kodla(const QString &metin) {
    // UTF-32 input makes "skip one character" a fixed four bytes.
    QByteArray utf32;
    const QList<uint> kodlar = metin.toUcs4();
    utf32.resize(kodlar.size() * 4);
    memcpy(utf32.data(), kodlar.constData(), static_cast<size_t>(utf32.size()));
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const char *kaynak = "UTF-32LE";
#else
    const char *kaynak = "UTF-32BE";
#endif
    return cevir("CP1254", kaynak, utf32, 4, QByteArrayLiteral("?"));
}

QString Cp1254_Coz(const QByteArray &bayt) {
    const QByteArray utf8 = cevir("UTF-8", "CP1254", bayt, 1, QByteArrayLiteral("\xEF\xBF\xBD"));
    return QString::fromUtf8(utf8);
}
