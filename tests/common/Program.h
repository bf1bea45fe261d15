#pragma once

#include <QProcess>

// The program itself, started as a user or a stock application starts it (the
// test's CMake target defines VARNEL_PROGRAM).
struct Program_Sonucu {
    int kod = -1;
    QString cikis, hata;
};

// With `kb`, files the program writes may grow to that many KiB only: every write
// past it fails as on a full disk.
inline void Program_Baslat(QProcess &p, const QStringList &argumanlar, int kb = 0) {
    if (kb <= 0)
        return p.start(QStringLiteral(VARNEL_PROGRAM), argumanlar);
    p.start(QStringLiteral("bash"),
            QStringList{QStringLiteral("-c"),
                        QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(kb),
                        QStringLiteral(VARNEL_PROGRAM)} +
                argumanlar);
}

inline Program_Sonucu Program_Bekle(QProcess &p, int ms = 120000) {
    if (!p.waitForFinished(ms))
        p.kill();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
