#include "Birimler.h"

#include <QPaintDevice>
#include <QPainter>

#include "SayiMetni.h"

#include <cmath>

qint32 Yuvarla_Cift(double x) { return static_cast<qint32>(std::nearbyint(x)); }

bool Sayi_Oku(const QString &metin, double &sonuc, const Ayiraclar &a) {
    // Ids and counts, read a few times for every label: digits only are read here,
    // exactly as below (fifteen digits are exact in a double), without the separators'
    // rewriting and Qt's locale-aware conversion.
    if (metin.size() > 0 && metin.size() <= 15) {
        qint64 v = 0;
        bool rakam = true;
        for (const QChar c : metin) {
            rakam = c >= u'0' && c <= u'9';
            if (!rakam)
                break;
            v = v * 10 + (c.unicode() - u'0');
        }
        if (rakam) {
            sonuc = double(v);
            return true;
        }
    }
    if (!Sayi_Mi(metin, a))
        return false;
    QString c = metin.trimmed();
    if (!a.basamak.isEmpty()) {
        // Grouping separators may stand only before the decimal separator.
        const qsizetype p = a.ondalik.isEmpty() ? -1 : c.indexOf(a.ondalik);
        QString tam = p < 0 ? c : c.left(p);
        tam.remove(a.basamak);
        c = p < 0 ? tam : tam + c.mid(p);
    }
    if (!a.ondalik.isEmpty())
        c.replace(a.ondalik, QStringLiteral("."));
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

qint32 Twip_Mm(double twip) { return Yuvarla_Cift(twip * Twip_Mm_Carpani); }

qint32 Mm_Twip(double mm) { return Yuvarla_Cift(mm / Mm_Twip_Boleni); }

qreal Birim_Nokta(const QPainter &p) {
    // Taken before any rotation (a turned transform has no m22).
    const QTransform t = p.transform();
    const qreal olcekY = std::hypot(t.m21(), t.m22());
    const qreal dpiY = p.device() ? p.device()->logicalDpiY() : 72;
    return olcekY > 0 ? dpiY / 72.0 / olcekY : 1;
}
