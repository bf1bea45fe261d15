#pragma once

#include <QIODevice>
#include <QQueue>
#include <QSizeF>

// Qt's PDF engine writes every page's size in whole points (58 mm comes out as 57,86):
// this device passes the PDF through to `hedef` and writes each page's MediaBox with
// the size the page was laid out at, to the hundredth of a point. The numbers keep the
// length Qt gave them (padded with blanks), so no offset of the file moves.
class PdfSayfaBoyu : public QIODevice {
public:
    explicit PdfSayfaBoyu(QIODevice &hedef) : hedef_(hedef) { open(QIODevice::WriteOnly); }
    // The next page's size in points, in page order.
    void Sayfa(QSizeF nokta) { boylar_.enqueue(nokta); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *veri, qint64 uzunluk) override;

private:
    QIODevice &hedef_;
    QQueue<QSizeF> boylar_;
};
