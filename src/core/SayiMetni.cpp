#include "SayiMetni.h"

namespace {

bool basliyor(const QString &s, qsizetype i, const QString &parca) {
    return !parca.isEmpty() && QStringView(s).mid(i).startsWith(parca);
}

QString sifirlar(qint16 ondalik, const Ayiraclar &a) {
    QString s = QStringLiteral("0");
    if (ondalik >= 1)
        s += a.ondalik + QString(ondalik, u'0');
    return s;
}

bool sifirdanFarkliRakamVar(QStringView s) {
    for (QChar c : s)
        if (c.isDigit() && c != u'0')
            return true;
    return false;
}

} // namespace

QString Sayi_Temizle(const QString &deger, const Ayiraclar &a) {
    const QString &ayirac = a.ondalik;
    // Mostly a number already (every price of every label): nothing to drop.
    const auto temizMi = [&] {
        bool ayiracGoruldu = false;
        for (qsizetype i = 0; i < deger.size(); ++i) {
            const QChar c = deger[i];
            if ((c >= u'0' && c <= u'9') || (c == u'-' && i == 0))
                continue;
            if (ayiracGoruldu || !basliyor(deger, i, ayirac))
                return false;
            ayiracGoruldu = true;
            i += ayirac.size() - 1;
        }
        return true;
    };
    if (!deger.isEmpty() && temizMi())
        return deger;
    QString temiz;
    temiz.reserve(deger.size());
    bool ayiracGoruldu = false;
    for (qsizetype i = 0; i < deger.size(); ++i) {
        const QChar c = deger[i];
        if (c >= u'0' && c <= u'9') {
            temiz += c;
        } else if (c == u'-' && i == 0) {
            temiz += c;
        } else if (basliyor(deger, i, ayirac)) {
            if (!ayiracGoruldu)
                temiz += ayirac;
            ayiracGoruldu = true;
            i += ayirac.size() - 1;
        }
    }
    return temiz;
}

bool Sayi_Mi(const QString &deger, const Ayiraclar &a) {
    const QString s = deger.trimmed();
    const QString &ondalik = a.ondalik;
    const QString &basamak = a.basamak;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    int tamRakam = 0;
    while (i < s.size()) {
        if (s[i] >= u'0' && s[i] <= u'9') {
            ++tamRakam;
            ++i;
        } else if (tamRakam > 0 && basliyor(s, i, basamak) && i + basamak.size() < s.size() &&
                   s[i + basamak.size()].isDigit()) {
            i += basamak.size();
        } else {
            break;
        }
    }
    int kesirRakam = 0;
    if (basliyor(s, i, ondalik)) {
        i += ondalik.size();
        while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
            ++kesirRakam;
            ++i;
        }
    }
    if (tamRakam + kesirRakam == 0)
        return false;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
            ++i;
        int us = 0;
        while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
            ++us;
            ++i;
        }
        if (us == 0)
            return false;
    }
    return i == s.size();
}

QString Basamak_Grupla(const QString &tamKisim, const Ayiraclar &a) {
    const bool eksi = tamKisim.startsWith(u'-');
    QStringView rakamlar = QStringView(tamKisim).mid(eksi ? 1 : 0);
    while (rakamlar.size() > 1 && rakamlar.front() == u'0')
        rakamlar = rakamlar.mid(1);
    if (rakamlar.isEmpty())
        return QString();
    if (rakamlar == u"0")
        return QStringLiteral("0");
    QString sonuc;
    sonuc.reserve(rakamlar.size() + rakamlar.size() / 3 * a.basamak.size() + 1);
    if (eksi)
        sonuc += u'-';
    const qsizetype ilk = rakamlar.size() % 3 == 0 ? 3 : rakamlar.size() % 3;
    sonuc += rakamlar.left(ilk);
    for (qsizetype i = ilk; i < rakamlar.size(); i += 3) {
        sonuc += a.basamak;
        sonuc += rakamlar.mid(i, 3);
    }
    return sonuc;
}

QString Sayi_Bicimle(const QString &deger, qint16 &ondalik, const Ayiraclar &a) {
    if (ondalik == -1)
        ondalik = 2;
    if (deger.isEmpty())
        return QString();
    const QString &ayirac = a.ondalik;
    const QString temiz = Sayi_Temizle(deger, a);
    const qsizetype p = ayirac.isEmpty() ? -1 : temiz.indexOf(ayirac);
    if (p < 0)
        return Basamak_Grupla(temiz, a);
    QString tam = temiz.left(p);
    if (tam != u"0" && tam != u"-0")
        tam = Basamak_Grupla(tam, a);
    const QString kesir = temiz.mid(p + ayirac.size(), qMax<qint16>(ondalik, 0));
    return tam + ayirac + kesir;
}

QString Yukari_Yuvarla(const QString &s, qsizetype p, qint16 ondalik, const Ayiraclar &a) {
    const qsizetype son = qMin(s.size(), p - 1 + a.ondalik.size() + ondalik);
    QString sonuc = s.left(son);
    bool elde = true;
    for (qsizetype i = son - 1; i >= 0 && elde; --i) {
        const QChar c = sonuc[i];
        if (c < u'0' || c > u'9')
            continue; // separator and sign pass the carry on
        if (c == u'9') {
            sonuc[i] = u'0';
        } else {
            sonuc[i] = QChar(c.unicode() + 1);
            elde = false;
        }
    }
    if (elde)
        sonuc.insert(sonuc.startsWith(u'-') ? 1 : 0, u'1');
    return sonuc;
}

QString Sayi_Yuvarla(const QString &deger, qint16 &ondalik, const Ayiraclar &a) {
    QString s = deger.trimmed();
    if (ondalik == -1)
        ondalik = 2;
    const qint16 d = qMax<qint16>(ondalik, 0);
    const QString &ayirac = a.ondalik;
    const QString &basamak = a.basamak;

    if (!Sayi_Mi(s, a)) {
        if (!basamak.isEmpty() && s.startsWith(basamak))
            s = QStringLiteral("0") + ayirac + s.mid(basamak.size());
        else
            return sifirlar(d, a);
    }
    s = Sayi_Temizle(s, a);
    if (basliyor(s, 0, ayirac))
        s.prepend(u'0');
    else if (s.startsWith(u'-') && basliyor(s, 1, ayirac))
        s.insert(1, u'0');

    qsizetype p = ayirac.isEmpty() ? -1 : s.indexOf(ayirac);
    if (p >= 0) {
        const qsizetype kesirBasi = p + ayirac.size();
        const QStringView kesir = QStringView(s).mid(kesirBasi);
        if (kesir.size() > d) {
            const QChar atilan = kesir[d];
            bool artir = atilan > u'5';
            if (atilan == u'5') {
                // Exact ties stay down; only digits beyond the first dropped one round up.
                // For two decimals only the fourth and fifth places count.
                if (d == 2)
                    artir = kesir.size() > 3 && sifirdanFarkliRakamVar(kesir.mid(3, 2));
                else
                    artir = sifirdanFarkliRakamVar(kesir.mid(d + 1));
            }
            if (artir)
                s = Yukari_Yuvarla(s, p + 1, d, a);
        }
        p = s.indexOf(ayirac);
        const qsizetype kesirUzunlugu = s.size() - p - ayirac.size();
        if (kesirUzunlugu > d)
            s.truncate(p + ayirac.size() + d);
        else
            s += QString(d - kesirUzunlugu, u'0');
    } else {
        s += ayirac + QString(d, u'0');
    }
    return s;
}

QString Tek_Metni(float deger, const Ayiraclar &a) {
    QString s = QString::number(double(deger), 'g', 7);
    if (s.contains(u'e'))
        s = QString::number(double(deger), 'f', 7);
    return s.replace(u'.', a.ondalik);
}
