#include "EtiketDegeri.h"

#include "Fiyat.h"
#include "RafDegerleri.h"
#include "core/SayiMetni.h"
#include "database/KayitKumesi.h"
#include "startup/Bicim.h"

#include <cmath>

using Tur = EtiketIcerigi::Tur;

bool Rapor_Etiketinde_Degisir(const EtiketIcerigi &i) {
    return i.tur == Tur::Sutun || i.tur == Tur::Fiyat || i.tur == Tur::Birim_Fiyat ||
           i.tur == Tur::Fiyat_Tarihi || (i.tur == Tur::Tarih && !i.desen.trimmed().isEmpty());
}

QString Rapor_Sabit_Metni(const EtiketIcerigi &i, const RaporSabitleri &s) {
    switch (i.tur) {
    case Tur::Sabit_Yazi:
        return i.ad; // the report shows a fixed text as written, pattern or not
    case Tur::Parametre:
        return s.parametreler.value(i.ad);
    case Tur::Yaziyla:
        return s.tutar_yazisi;
    case Tur::Firma_Kodu:
        return s.firma_kodu;
    case Tur::Firma_Adi:
        return s.firma_adi;
    case Tur::Tarih:
        return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    case Tur::Saat:
        return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    default:
        return QString();
    }
}

QString Rapor_Etiket_Degeri(const EtiketIcerigi &i, const RaporKaynagi &k) {
    // Text a number pattern ends in ("TL", "₺") follows the number in its box.
    const auto ekli = [&i](const QString &v) {
        return v.trimmed().isEmpty() ? v : v + Desen_Son_Eki(i.desen);
    };
    if (i.tur == Tur::Fiyat)
        return ekli(k.fiyat(i));
    if (i.tur == Tur::Tarih)
        return Tarih_Deseni(k.an.isValid() ? k.an : QDateTime::currentDateTime(), i.desen);
    if (i.tur == Tur::Fiyat_Tarihi)
        return Fiyat_Tarihi_Metni(i, k.fiyat_tarihi());
    if (i.tur == Tur::Birim_Fiyat)
        return Birim_Fiyat_Metni(i, k.fiyat_degeri(i.seviye),
                                 Net_Miktar(k.sutun(QStringLiteral("Net_Miktar")),
                                            k.sutun(QStringLiteral("Net_Birim")), k.ayirac),
                                 k.ayirac);
    // The report reads the column as the design names it, "TL_" and all.
    const QString v = k.sutun(i.ad);
    if (i.ondalik == -1)
        return v;
    qint16 d = qint16(i.ondalik);
    return ekli(Sayi_Bicimle(Sayi_Yuvarla(v, d, k.ayirac), d, k.ayirac));
}

QString Kod_Degeri(const QString &ad, const std::function<QString(const QString &)> &sutun,
                   const std::function<std::optional<double>(int seviye, bool milyon)> &fiyat,
                   const Ayiraclar &a) {
    const EtiketIcerigi i = Alan_Icerigi(ad);
    if (i.tur != Tur::Fiyat)
        return sutun(ad).trimmed();
    const auto p = fiyat(i.seviye, i.milyon);
    return p ? Fiyat_Metni(*p, -1, a) : QString();
}

QString Fiyat_Metni(const EtiketIcerigi &i, const QList<QPair<QString, double>> &fiyatlar,
                    const Ayiraclar &a) {
    const std::optional<double> p = Fiyat_Degeri(i.seviye, i.milyon, fiyatlar);
    return p ? Fiyat_Metni(*p, i.ondalik, a) : QString();
}

QString Fiyat_Metni(double fiyat, int ondalik, const Ayiraclar &a) {
    if (!std::isfinite(fiyat))
        return QString();
    const QString metin = Deger_Metni(QVariant(fiyat), a.ondalik);
    if (ondalik == -1)
        return metin;
    qint16 d = qint16(ondalik);
    return Sayi_Bicimle(Sayi_Yuvarla(metin, d, a), d, a);
}

QString Fiyat_Yaziyla(std::optional<double> fiyat, const Ayiraclar &a, bool tl_kurus) {
    const QString tutar = fiyat ? Fiyat_Metni(*fiyat, -1, a) : QString();
    return Tutar_Yazisi(tutar.isEmpty() ? QStringLiteral("0") : tutar, a, tl_kurus);
}
