#include "EtiketDegeri.h"

#include "Fiyat.h"
#include "components/KayitKumesi.h"
#include "startup/Bicim.h"
#include "startup/Degiskenler.h"
#include "startup/SayiMetni.h"

#include <cmath>

namespace {

// Decimals a pattern asks for: the digits after its point; -1 without one.
int ondalikSayisi(const QString &bicim) {
    const qsizetype nokta = bicim.indexOf(u'.');
    return nokta < 0 ? -1 : int(bicim.size() - nokta - 1);
}

} // namespace

QString Rapor_Etiket_Tagi(const NesneKaydi &n) {
    if (n.Tur.trimmed() != u"A" || n.Caption == u"Yazıyla")
        return QString();
    if (n.Tag.startsWith(QLatin1String("F_")))
        return n.Caption + u';' + n.Tag.mid(2);
    if (n.Tag.startsWith(QLatin1String("O_"))) {
        const QString kod = n.Tag.mid(2).trimmed();
        if (kod == u"Firma_Kod" || kod == u"Firma_Ad" || kod == u"Tarih" || kod == u"Saat")
            return QString();
        return u';' + n.Tag;
    }
    return n.Caption;
}

QString Rapor_Sabit_Metni(const NesneKaydi &n, const QHash<QString, QString> &parametreler,
                          const QString &tutar_yazisi) {
    const QString tur = n.Tur.trimmed();
    if (tur == u"E")
        return n.Tag.startsWith(QLatin1String("PR_")) ? parametreler.value(n.Tag.mid(3))
                                                      : n.Caption;
    if (tur != u"A")
        return QString();
    if (n.Caption == u"Yazıyla")
        return tutar_yazisi;
    const QString kod = n.Tag.mid(2).trimmed();
    if (kod == u"Firma_Kod")
        return Degiskenler::Veritabani_Adi;
    if (kod == u"Firma_Ad")
        return Degiskenler::Firma_Unvani;
    if (kod == u"Tarih")
        return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    if (kod == u"Saat")
        return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    return QString();
}

QString Rapor_Etiket_Degeri(const QString &tag, const RaporKaynagi &k) {
    const qsizetype ayirac = tag.indexOf(u';');
    const QString alan = ayirac < 0 ? tag : tag.left(ayirac);
    const QString bicim = ayirac < 0 ? QString() : tag.mid(ayirac + 1);
    const int d = ondalikSayisi(bicim);
    if (alan.contains(QLatin1String("Fiyat")))
        return k.fiyat(alan, d);
    if (alan.isEmpty())
        return Tarih_Deseni(k.an, bicim.mid(7));
    const QString v = k.sutun(alan);
    if (d == -1)
        return v;
    qint16 dd = qint16(d);
    return Sayi_Bicimle(Sayi_Yuvarla(v, dd), dd);
}

QString Fiyat_Metni(const QString &alan, int ondalik,
                    const QList<QPair<QString, double>> &fiyatlar) {
    const std::optional<double> p = Fiyat_Degeri(alan, fiyatlar);
    return p ? Fiyat_Metni(*p, ondalik) : QString();
}

QString Fiyat_Metni(double fiyat, int ondalik) {
    if (!std::isfinite(fiyat))
        return QString();
    const QString metin = Deger_Metni(QVariant(fiyat), Degiskenler::Ondalik_Ayirac);
    if (ondalik == -1)
        return metin;
    qint16 d = qint16(ondalik);
    return Sayi_Bicimle(Sayi_Yuvarla(metin, d), d);
}
