#include "Gs1.h"

#include "BarkodTipleri.h"

#include <QDate>

namespace {

// GS1's 82 characters of variable-length values (ISO 646 invariant subset).
bool gs1Karakteri(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           QStringLiteral("!\"%&'()*+,-./:;<=>?_").contains(c);
}

// Why the value of `ai` breaks its rule; empty when it keeps it. `deger` may be
// changed (a 13-digit GTIN gets its leading 0).
QString kural(const QString &ai, QString &deger) {
    const QString etiket = u'(' + ai + u')';
    if (ai == u"01" || ai == u"02") {
        if (deger.size() == 13 && Hepsi_Rakam(deger))
            deger.prepend(u'0');
        if (deger.size() != 14 || !Hepsi_Rakam(deger))
            return etiket + QStringLiteral(" 14 rakam olmalı");
        if (Kontrol_Rakami(deger.left(13)) != deger.back().digitValue())
            return etiket + QStringLiteral(" kontrol rakamı yanlış");
        return {};
    }
    if (ai == u"11" || ai == u"13" || ai == u"15" || ai == u"16" || ai == u"17") {
        // YYMMDD; a day of 00 means the month's last day.
        const QDate g(2000 + deger.left(2).toInt(), deger.mid(2, 2).toInt(),
                      deger.mid(4, 2) == u"00" ? 1 : deger.mid(4, 2).toInt());
        if (deger.size() != 6 || !Hepsi_Rakam(deger) || !g.isValid())
            return etiket + QStringLiteral(" geçerli bir tarih değil (YYAAGG)");
        return {};
    }
    if (ai.size() == 4 && (ai.startsWith(u"31") || ai.startsWith(u"32") || ai.startsWith(u"33") ||
                           ai.startsWith(u"34") || ai.startsWith(u"35") || ai.startsWith(u"36"))) {
        if (deger.size() != 6 || !Hepsi_Rakam(deger))
            return etiket + QStringLiteral(" 6 rakam olmalı");
        return {};
    }
    if (ai == u"10" || ai == u"21") {
        if (deger.size() > 20)
            return etiket + QStringLiteral(" en çok 20 karakter olabilir");
        for (QChar c : deger)
            if (!gs1Karakteri(c))
                return etiket + QStringLiteral(" bu karakteri alamaz: \"%1\"").arg(c);
    }
    return {};
}

} // namespace

Gs1Verisi Gs1_Oku(const QString &veri) {
    Gs1Verisi g;
    const QString v = veri.trimmed();
    const auto hata = [&g](const QString &neden) {
        g.neden = QStringLiteral("GS1: ") + neden;
        return g;
    };
    if (!v.startsWith(u'('))
        return hata(QStringLiteral("veri (01) gibi parantez içinde bir uygulama tanımlayıcısıyla "
                                   "başlamalı"));
    for (qsizetype i = 0; i < v.size();) {
        const qsizetype kapa = v.indexOf(u')', i);
        const QString ai = kapa < 0 ? QString() : v.mid(i + 1, kapa - i - 1);
        if (ai.size() < 2 || ai.size() > 4 || !Hepsi_Rakam(ai))
            return hata(QStringLiteral("uygulama tanımlayıcısı geçersiz: %1")
                            .arg(v.mid(i, kapa < 0 ? 6 : kapa - i + 1)));
        qsizetype son = v.indexOf(u'(', kapa + 1);
        if (son < 0)
            son = v.size();
        QString deger = v.mid(kapa + 1, son - kapa - 1);
        if (deger.isEmpty())
            return hata(u'(' + ai + QStringLiteral(") değeri boş"));
        if (const QString n = kural(ai, deger); !n.isEmpty())
            return hata(n);
        g.zint += u'[' + ai + u']' + deger;
        g.metin += u'(' + ai + u')' + deger;
        i = son;
    }
    return g;
}
