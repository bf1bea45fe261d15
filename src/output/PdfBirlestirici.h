#pragma once

#include "core/Hata.h"

#include <QByteArray>
#include <QList>

class QIODevice;

// Joins PDF files Qt's PDF writer made, in order, into one written to `hedef`: every
// object of every part is kept (renumbered), the parts' pages go under one page tree,
// the document information is the first part's. Objects are copied whole, their
// streams untouched: joining costs what copying the bytes costs.
//
// Written here rather than taken from a PDF library: the parts are Qt's own plain
// output (a cross-reference table, direct dictionaries), and the join has to keep pace
// with painting; a general library would parse and write every object again.
class PdfBirlestirici {
public:
    explicit PdfBirlestirici(QIODevice &hedef) : hedef_(hedef) {}
    // The file's header, written before any part is ready: the parts' own (Qt writes
    // PDF 1.4).
    void Baslat();
    // Adds the next part; what is wrong with it, when it is not a PDF Qt wrote.
    Hata Ekle(const QByteArray &parca);
    // Writes the page tree, the catalogue and the cross-reference table.
    Hata Bitir();

private:
    void yaz(const QByteArray &b);

    QIODevice &hedef_;
    qint64 konum_ = 0; // bytes written so far
    // Where each object starts, by its new number: 0 is the free head, 1 to 3 the
    // information, catalogue and page tree written at the end.
    QList<qint64> yerler_ = {0, 0, 0, 0};
    QList<int> sayfalar_;        // the new numbers of the pages, in order
    QByteArray bilgi_, katalog_; // the first part's, numbered for the whole file
};
