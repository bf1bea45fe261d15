#include "PdfSayfaBoyu.h"

#include <QByteArray>

namespace {

// `sayi` in `uzunluk` characters at most, right-aligned: a page size in points has as
// many digits before its point as Qt's rounded one, or fewer.
QByteArray ayni_boyda(double sayi, qsizetype uzunluk) {
    QByteArray s = QByteArray::number(sayi, 'f', 6);
    while (s.size() > uzunluk && s.contains('.'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s.size() > uzunluk ? QByteArray() : s.rightJustified(uzunluk, ' ');
}

} // namespace

qint64 PdfSayfaBoyu::writeData(const char *veri, qint64 uzunluk) {
    static const QByteArray isaret("/MediaBox [0 0 ");
    QByteArray parca(veri, uzunluk);
    for (qsizetype i = parca.indexOf(isaret); i >= 0; i = parca.indexOf(isaret, i + 1)) {
        if (boylar_.isEmpty())
            break;
        const qsizetype bas = i + isaret.size(), ara = parca.indexOf(' ', bas),
                        son = parca.indexOf(']', bas);
        if (ara < 0 || son < 0 || ara > son)
            continue; // not whole in this write: Qt's size stays
        const QSizeF boy = boylar_.dequeue();
        const QByteArray en = ayni_boyda(boy.width(), ara - bas),
                         boy_ = ayni_boyda(boy.height(), son - ara - 1);
        if (en.isEmpty() || boy_.isEmpty())
            continue;
        parca.replace(bas, en.size(), en);
        parca.replace(ara + 1, boy_.size(), boy_);
    }
    return hedef_.write(parca) == uzunluk ? uzunluk : -1;
}
