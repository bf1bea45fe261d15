#include "Bicim.h"

#include "core/Birimler.h"
#include "core/SayiMetni.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct SayiDeseni {
    QString onEk, sonEk;
    bool grupla = false;
    int enAzTam = 0;   // '0' placeholders before the point
    int enAzKesir = 0; // '0' placeholders after the point
    int enCokKesir = 0;
};

SayiDeseni deseniCoz(const QString &desen) {
    SayiDeseni d;
    qsizetype bas = -1, son = -1;
    for (qsizetype i = 0; i < desen.size(); ++i) {
        const QChar c = desen[i];
        if (c == u'#' || c == u'0') {
            if (bas < 0)
                bas = i;
            son = i;
        }
    }
    if (bas < 0) {
        d.onEk = desen;
        return d;
    }
    // Text in double quotes is printed without them: `#,##0.00 "TL"`.
    d.onEk = desen.left(bas).remove(u'"');
    d.sonEk = desen.mid(son + 1).remove(u'"');
    bool kesirde = false;
    for (qsizetype i = bas; i <= son; ++i) {
        const QChar c = desen[i];
        if (c == u'.') {
            kesirde = true;
        } else if (c == u',' && !kesirde) {
            d.grupla = true;
        } else if (c == u'0') {
            kesirde ? (++d.enAzKesir, ++d.enCokKesir) : ++d.enAzTam;
        } else if (c == u'#' && kesirde) {
            ++d.enCokKesir;
        }
    }
    return d;
}

// Decimal digits of |x| (whole, fraction) with 15 significant digits, so that
// 2.675 is seen as written and not as its binary neighbour; from 10^15 on, every
// digit of the shortest exact form (15 would change the whole part).
void ondalikRakamlar(double x, QString &tam, QString &kesir) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.14e", std::fabs(x));
    const QString m = std::fabs(x) < 1e15
                          ? QString::fromLatin1(tampon)
                          : QString::number(std::fabs(x), 'e', QLocale::FloatingPointShortest);
    const qsizetype e = m.indexOf(u'e');
    QString rakamlar = m.left(e);
    rakamlar.remove(u'.');
    const int us = m.mid(e + 1).toInt();
    const int tamUzunluk = us + 1;
    if (tamUzunluk <= 0) {
        tam = QStringLiteral("0");
        kesir = QString(-tamUzunluk, u'0') + rakamlar;
    } else if (tamUzunluk >= rakamlar.size()) {
        tam = rakamlar + QString(tamUzunluk - rakamlar.size(), u'0');
        kesir.clear();
    } else {
        tam = rakamlar.left(tamUzunluk);
        kesir = rakamlar.mid(tamUzunluk);
    }
}

// Rounds the decimal text half away from zero to `basamak` fraction digits.
void yuvarla(QString &tam, QString &kesir, int basamak) {
    if (kesir.size() <= basamak) {
        return;
    }
    const bool yukari = kesir[basamak] >= u'5';
    kesir.truncate(basamak);
    if (!yukari)
        return;
    QString hepsi = tam + kesir;
    qsizetype i = hepsi.size() - 1;
    for (; i >= 0; --i) {
        if (hepsi[i] == u'9') {
            hepsi[i] = u'0';
        } else {
            hepsi[i] = QChar(hepsi[i].unicode() + 1);
            break;
        }
    }
    if (i < 0)
        hepsi.prepend(u'1');
    tam = hepsi.left(hepsi.size() - basamak);
    kesir = hepsi.right(basamak);
}

} // namespace

QString Desen_Son_Eki(const QString &desen) { return deseniCoz(desen).sonEk; }

bool Sayi_Deseni_Mi(const QString &desen) { return desen.contains(u'#') || desen.contains(u'0'); }

QString Sayi_Deseni(double deger, const QString &desen, const Ayiraclar &a) {
    const SayiDeseni d = deseniCoz(desen);
    if (!std::isfinite(deger))
        return QString(); // no digits stand for an infinity
    QString tam, kesir;
    ondalikRakamlar(deger, tam, kesir);
    yuvarla(tam, kesir, d.enCokKesir);
    if (kesir.size() < d.enAzKesir)
        kesir += QString(d.enAzKesir - kesir.size(), u'0');
    while (kesir.size() > d.enAzKesir && kesir.endsWith(u'0'))
        kesir.chop(1);
    while (tam.size() > 1 && tam.startsWith(u'0'))
        tam.remove(0, 1);
    if (tam == u"0" && d.enAzTam == 0)
        tam.clear();
    if (tam.size() < d.enAzTam)
        tam = QString(d.enAzTam - tam.size(), u'0') + tam;
    const auto sifirdanBaska = [](QChar c) { return c >= u'1' && c <= u'9'; };
    const bool sifir = std::none_of(tam.begin(), tam.end(), sifirdanBaska) &&
                       std::none_of(kesir.begin(), kesir.end(), sifirdanBaska);
    if (d.grupla && !tam.isEmpty())
        tam = Basamak_Grupla(tam, a);
    QString sonuc = d.onEk;
    if (deger < 0 && !sifir)
        sonuc += u'-';
    sonuc += tam;
    if (!kesir.isEmpty())
        sonuc += a.ondalik + kesir;
    return sonuc + d.sonEk;
}

QString Tarih_Deseni(const QDateTime &an, const QString &desen) {
    const QDate g = an.date();
    const QTime s = an.time();
    QString sonuc;
    for (qsizetype i = 0; i < desen.size();) {
        const QChar c = desen[i].toLower();
        qsizetype n = 1;
        while (i + n < desen.size() && desen[i + n].toLower() == c)
            ++n;
        auto iki = [n](int v) {
            return n >= 2 ? QString::number(v).rightJustified(2, u'0') : QString::number(v);
        };
        switch (c.unicode()) {
        case u'd':
            sonuc += iki(g.day());
            break;
        case u'm':
            sonuc += iki(g.month());
            break;
        case u'y':
            sonuc += n >= 3 ? QString::number(g.year()).rightJustified(4, u'0')
                            : QString::number(g.year() % 100).rightJustified(2, u'0');
            break;
        case u'h':
            sonuc += iki(s.hour());
            break;
        case u'n':
            sonuc += iki(s.minute());
            break;
        case u's':
            sonuc += iki(s.second());
            break;
        default:
            sonuc += desen.mid(i, n);
        }
        i += n;
    }
    return sonuc;
}

QString Desen_Uygula(const QString &deger, const QString &desen, const Ayiraclar &a) {
    if (desen.isEmpty())
        return deger;
    double d = 0;
    if (Sayi_Deseni_Mi(desen) && Sayi_Oku(deger, d, a))
        return Sayi_Deseni(d, desen, a);
    const QDateTime an =
        QDateTime::fromString(deger.trimmed(), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    if (an.isValid())
        return Tarih_Deseni(an, desen);
    const QDate gun = QDate::fromString(deger.trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (gun.isValid())
        return Tarih_Deseni(gun.startOfDay(), desen);
    return deger;
}
