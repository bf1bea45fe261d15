#pragma once

#include <QFile>
#include <QImage>
#include <QPointF>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Runs an outside checking tool (zbarimg, pdftotext) and returns its standard output.
inline QString Arac_Calistir(const QString &program, const QStringList &argumanlar,
                             int *cikisKodu = nullptr) {
    QProcess p;
    p.start(program, argumanlar);
    if (!p.waitForFinished(120000))
        p.kill();
    if (cikisKodu)
        *cikisKodu = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A file's bytes; empty when it cannot be read.
inline QByteArray Dosya_Oku(const QString &yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool Dosya_Yaz(const QString &yol, const QByteArray &icerik) {
    QFile f(yol);
    return f.open(QIODevice::WriteOnly) && f.write(icerik) == icerik.size();
}

// What zbarimg reads in the pictures, as "TYPE:data" lines in their order (one run).
inline QStringList Barkod_Coz(const QStringList &resimler) {
    const QString cikti = Arac_Calistir(
        QStringLiteral("zbarimg"),
        QStringList{QStringLiteral("-q"), QStringLiteral("--nodbus"),
                    QStringLiteral("-Supca.enable"), QStringLiteral("-Supce.enable"),
                    QStringLiteral("-Sisbn10.disable"), QStringLiteral("-Sisbn13.disable")} +
            resimler);
    return cikti.split(u'\n', Qt::SkipEmptyParts);
}
inline QStringList Barkod_Coz(const QString &resim) { return Barkod_Coz(QStringList{resim}); }

inline QString Pdf_Metni(const QString &pdf, const QStringList &ek = {}) {
    return Arac_Calistir(QStringLiteral("pdftotext"), QStringList(ek)
                                                          << QStringLiteral("-layout") << pdf
                                                          << QStringLiteral("-"));
}

// A word of a PDF with its page (from 1) and box in points, from pdftotext -bbox.
struct Pdf_Sozcugu {
    int sayfa;
    QRectF kutu;
    QString metin;
};

inline QList<Pdf_Sozcugu> Pdf_Sozcukleri(const QString &pdf) {
    const QString x = Arac_Calistir(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression re(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<Pdf_Sozcugu> s;
    int sayfa = 0;
    for (auto it = re.globalMatch(x); it.hasNext();) {
        const auto e = it.next();
        if (e.captured(0) == u"<page ") {
            ++sayfa;
            continue;
        }
        s.append({sayfa,
                  QRectF(QPointF(e.captured(1).toDouble(), e.captured(2).toDouble()),
                         QPointF(e.captured(3).toDouble(), e.captured(4).toDouble())),
                  e.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&"))});
    }
    return s;
}

// The top-left corner of the first `metin` word in the PDF; far off the page when
// there is none.
inline QPointF Pdf_Yeri(const QString &pdf, const QString &metin) {
    for (const Pdf_Sozcugu &s : Pdf_Sozcukleri(pdf))
        if (s.metin == metin)
            return s.kutu.topLeft();
    return {-1e6, -1e6};
}

// The box around every black run at least `uzun` pixels long, down the columns
// (`dikey`) or along the rows: where a label's bars and lines lie, its letters left out.
inline QRect Uzun_Cizgiler(const QImage &resim, bool dikey, int uzun) {
    const QImage r = resim.convertToFormat(QImage::Format_Grayscale8);
    const int dis = dikey ? r.width() : r.height(), ic = dikey ? r.height() : r.width();
    QRect kutu;
    for (int i = 0; i < dis; ++i) {
        int bas = 0;
        for (int j = 0; j <= ic; ++j) {
            const bool kara = j < ic && qGray(r.pixel(dikey ? i : j, dikey ? j : i)) < 128;
            if (kara)
                continue;
            if (j - bas >= uzun)
                kutu |= dikey ? QRect(i, bas, 1, j - bas) : QRect(bas, i, j - bas, 1);
            bas = j + 1;
        }
    }
    return kutu;
}
