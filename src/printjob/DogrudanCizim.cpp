#include "DogrudanCizim.h"

#include "barcode/BarkodTipleri.h"
#include "core/Birimler.h"
#include "core/Renk.h"
#include "database/KayitKumesi.h"
#include "layout/NesneCizimi.h"
#include "printjob/EtiketDegeri.h"
#include "printjob/Fiyat.h"
#include "printjob/RafDegerleri.h"
#include "startup/Bicim.h"

#include <cmath>

Barkod::Sembol Stok_Barkod_Sembolu(const QString &tip) {
    return Stok_Barkod_Tipi_Oku(qint16(tip.toInt())).dogrudan;
}

namespace {

QString bosIseBlank(const QString &s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

using Tur = EtiketIcerigi::Tur;

// The value of a field object (Tur "A").
QString alanMetni(const NesneKaydi &r, const EtiketIcerigi &i, const EtiketKaynagi &k,
                  QString *eksik) {
    const auto fiyat = [&k](int seviye, bool milyon) {
        return k.fiyat ? k.fiyat(seviye, milyon) : std::nullopt;
    };
    const auto an = [&k] { return k.an.isValid() ? k.an : QDateTime::currentDateTime(); };
    switch (i.tur) {
    case Tur::Tarih:
        return Tarih_Deseni(an(), i.desen);
    case Tur::Saat:
        return an().time().toString(QStringLiteral("HH:mm:ss"));
    case Tur::Firma_Adi:
        return k.firma_adi;
    case Tur::Firma_Kodu:
        return k.firma_kodu;
    case Tur::Yaziyla:
        return Fiyat_Yaziyla(fiyat(1, false), k.ayirac, i.tl_kurus);
    case Tur::Fiyat_Tarihi:
        return Fiyat_Tarihi_Metni(i, k.fiyat_tarihi ? k.fiyat_tarihi() : QDate::currentDate());
    case Tur::Birim_Fiyat: {
        const auto sutun = [&k](const char *ad) {
            return k.sutun ? k.sutun(QString::fromLatin1(ad)).value_or(QString()) : QString();
        };
        const QString v = Birim_Fiyat_Metni(
            i, fiyat(i.seviye, false),
            Net_Miktar(sutun("Net_Miktar"), sutun("Net_Birim"), k.ayirac), k.ayirac);
        if (v.isEmpty() && k.eksik)
            k.eksik->birim_fiyatsiz.Ekle(k.stok);
        return v;
    }
    default:
        break;
    }
    QString v;
    if (i.tur == Tur::Fiyat) {
        if (const auto p = fiyat(i.seviye, i.milyon))
            v = Deger_Metni(QVariant(*p), k.ayirac.ondalik);
    } else {
        const auto s = k.sutun ? k.sutun(i.Sutun()) : std::nullopt;
        if (!s) {
            if (eksik)
                *eksik = r.Caption;
            return {};
        }
        v = s->trimmed();
        double d = 0;
        if (i.milyon && Sayi_Oku(v, d, k.ayirac))
            v = Deger_Metni(QVariant(d * 1000000), k.ayirac.ondalik);
    }
    return Desen_Uygula(bosIseBlank(v), i.desen, k.ayirac);
}

} // namespace

QString Nesne_Metni(const NesneKaydi &r, const EtiketKaynagi &k, QString *eksik) {
    return Nesne_Metni(r, Nesne_Icerigi(r), k, eksik);
}

QString Nesne_Metni(const NesneKaydi &r, const EtiketIcerigi &i, const EtiketKaynagi &k,
                    QString *eksik) {
    switch (i.tur) {
    case Tur::Hic:
    case Tur::Resim:
    case Tur::Kod:
        return {};
    case Tur::Parametre:
        return k.parametreler ? k.parametreler->value(i.ad) : r.Caption;
    case Tur::Sabit_Yazi:
        // Direct printing applies a fixed text's tag as its pattern; the report does not.
        return Desen_Uygula(r.Caption, i.desen, k.ayirac);
    default:
        return alanMetni(r, i, k, eksik);
    }
}

CizimOgesi Metin_Bas(const NesneKaydi &r, const QString &metin, QPointF sol_ust) {
    CizimOgesi o = Nesne_Cizimi(r, metin);
    // Direct printing's own millimetre (56.7 twips) places the box, as it always has.
    o.alan = QRectF(sol_ust, QSizeF(double(r.Width), double(r.Height)) * Dogrudan_Twip);
    return o;
}

QList<CizimOgesi> Dogrudan_Etiket(const TasarimBelgesi &belge, const EtiketKaynagi &k,
                                  const EtiketYeri &yer, BarkodOnbellegi &barkodlar) {
    QList<CizimOgesi> ogeler;
    const double t = Dogrudan_Twip;
    const auto tip = k.sutun ? k.sutun(QStringLiteral("Ana_Birim_Barkod_Tipi")) : std::nullopt;
    const auto no = k.sutun ? k.sutun(QStringLiteral("Ana_Birim_Barkod")) : std::nullopt;
    const QString veri = no.value_or(QString()).trimmed();
    const Barkod::Sembol sembol = Stok_Barkod_Sembolu(tip.value_or(QString()));
    const QString anahtar = QString::number(int(sembol)) + u'|' + veri;
    if (!barkodlar.contains(anahtar)) {
        // Items come one after another: a few recent numbers are all that repeat,
        // and a run's memory must not grow with its items.
        if (barkodlar.size() >= 64)
            barkodlar.clear();
        barkodlar.insert(anahtar, Barkod::Kodla(sembol, veri));
    }
    for (const BarkodKaydi &b : belge.Barkod_Ogeleri()) {
        ogeler.append(Barkod_Ogesi(b, barkodlar.value(anahtar),
                                   QRectF((double(b.Left) + yer.barkod_sol) * t,
                                          (double(b.Top) + yer.ust) * t, double(b.Width) * t,
                                          double(b.Height) * t)));
    }
    for (const NesneKaydi &n : belge.Nesne_Ogeleri())
        ogeler.append(Nesne_Bas(n, k, yer));
    return ogeler;
}

QList<CizimOgesi> Nesne_Bas(const NesneKaydi &r, const EtiketKaynagi &k, const EtiketYeri &yer) {
    const double t = Dogrudan_Twip;
    const QPointF sol_ust((double(r.Left) + yer.nesne_sol) * t, (double(r.Top) + yer.ust) * t);
    const EtiketIcerigi i = Nesne_Icerigi(r);
    if (i.tur != Tur::Resim && i.tur != Tur::Kod)
        return {Metin_Bas(r, Nesne_Metni(r, i, k), sol_ust)};
    if (!k.resimler || !k.kodlar)
        return {};
    RafKaynagi raf;
    raf.deger = [&k](const QString &ad) {
        return Kod_Degeri(
            ad,
            [&k](const QString &s) { return k.sutun ? k.sutun(s).value_or(QString()) : QString(); },
            [&k](int seviye, bool milyon) {
                return k.fiyat ? k.fiyat(seviye, milyon) : std::nullopt;
            },
            k.ayirac);
    };
    raf.resimler = k.resimler;
    raf.kodlar = k.kodlar;
    raf.eksik = k.eksik;
    raf.stok = k.stok;
    const QRectF alan(sol_ust, QSizeF(double(r.Width), double(r.Height)) * t);
    if (auto o = Raf_Ogesi(r, i, alan, raf))
        return {*o};
    return {};
}
