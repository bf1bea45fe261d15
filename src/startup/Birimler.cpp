#include "Birimler.h"

#include "Degiskenler.h"
#include "SayiMetni.h"

#include <cmath>
#include <stdexcept>

qint32 Yuvarla_Cift(double x) { return static_cast<qint32>(std::nearbyint(x)); }

bool Sayi_Oku(const QString &metin, double &sonuc) {
    if (!Sayi_Mi(metin))
        return false;
    QString c = metin.trimmed();
    if (!Degiskenler::Basamak_Ayirac.isEmpty()) {
        // Grouping separators may stand only before the decimal separator.
        const qsizetype p =
            Degiskenler::Ondalik_Ayirac.isEmpty() ? -1 : c.indexOf(Degiskenler::Ondalik_Ayirac);
        QString tam = p < 0 ? c : c.left(p);
        tam.remove(Degiskenler::Basamak_Ayirac);
        c = p < 0 ? tam : tam + c.mid(p);
    }
    if (!Degiskenler::Ondalik_Ayirac.isEmpty())
        c.replace(Degiskenler::Ondalik_Ayirac, QStringLiteral("."));
    bool ok = false;
    sonuc = c.toDouble(&ok);
    return ok;
}

double Bastaki_Sayi(const QString &metin) {
    QString sayi;
    bool nokta = false;
    for (const QChar c : metin) {
        if (c == u' ' || c == u'\t')
            continue;
        if ((c == u'-' || c == u'+') && sayi.isEmpty())
            sayi += c;
        else if (c.isDigit() && c.unicode() < 128)
            sayi += c;
        else if (c == u'.' && !nokta)
            nokta = true, sayi += c;
        else
            break;
    }
    bool tamam = false;
    const double d = sayi.toDouble(&tamam);
    return tamam ? d : 0;
}

qint32 Twip_Mm(double twip) { return Yuvarla_Cift(twip * 1.005 / 57.0); }

qint32 Mm_Twip(double mm) { return Yuvarla_Cift(mm / 0.01764); }

static double sayiyaCevir(const QString &metin) {
    double d = 0;
    if (!Sayi_Oku(metin, d))
        throw std::invalid_argument("sayı değil");
    return d;
}

qint32 Twip_Mm(const QString &twip) { return Twip_Mm(sayiyaCevir(twip)); }

qint32 Mm_Twip(const QString &mm) { return Mm_Twip(sayiyaCevir(mm)); }
