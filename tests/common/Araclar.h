#pragma once

#include <QProcess>
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

// Every symbol zbarimg finds in an image, as "TYPE:data" lines.
inline QStringList Barkod_Coz(const QString &resim) {
    const QString cikti = Arac_Calistir(
        QStringLiteral("zbarimg"),
        {QStringLiteral("-q"), QStringLiteral("--nodbus"), QStringLiteral("-Supca.enable"),
         QStringLiteral("-Supce.enable"), QStringLiteral("-Sisbn10.disable"),
         QStringLiteral("-Sisbn13.disable"), resim});
    return cikti.split(u'\n', Qt::SkipEmptyParts);
}

inline QString Pdf_Metni(const QString &pdf, const QStringList &ek = {}) {
    return Arac_Calistir(QStringLiteral("pdftotext"), QStringList(ek)
                                                          << QStringLiteral("-layout") << pdf
                                                          << QStringLiteral("-"));
}
