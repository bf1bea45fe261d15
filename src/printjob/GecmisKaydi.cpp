#include "GecmisKaydi.h"

#include "BaskiIsi.h"
#include "Fiyat.h"
#include "database/KayitKumesi.h"
#include "document/EtiketIcerigi.h"
#include "document/TasarimDosyasi.h"
#include "startup/Oturum.h"
#include "startup/Sorgu.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>

QByteArray Tasarim_Ozeti(const QString &klasor, const QString &ad) {
    QFile f(QDir(klasor).filePath(ad + QStringLiteral(".ftr")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

namespace {

QString gecmisUyarisi(const Hata &h) {
    return *h + QStringLiteral(" (basım yapıldı, geçmişe yazılmadı)");
}

} // namespace

BasimKaydi Basimi_Yaz(const Oturum &o, const BaskiIsi &is, const QString &cikti, bool dogrudan,
                      const BasilanStoklar &stoklar, const Gecmis &gecmis) {
    GecmisBasim b;
    b.zaman = QDateTime::currentDateTime();
    b.sunucu = o.Sunucu_Adi, b.veritabani = o.Veritabani_Adi;
    b.tasarim = is.Tasarim_Adi;
    b.tasarim_ozeti = Tasarim_Ozeti(o.Tasarim_Klasoru, is.Tasarim_Adi);
    b.cikti = cikti, b.dogrudan = dogrudan;
    b.baslangic = is.Baslangic_Etiketi, b.adet = is.Etiket_Adedi;
    b.parametreler = is.Parametre_Degerleri;
    auto yazim = gecmis.Yaz(b, stoklar);
    if (!yazim)
        return {nullptr, gecmisUyarisi(yazim.Hatasi())};
    return {std::move(*yazim), std::nullopt};
}

std::optional<QString> Basimi_Onayla(BasimKaydi &kayit) {
    if (kayit.yazim)
        if (const Hata h = kayit.yazim->Onayla())
            return gecmisUyarisi(h);
    return kayit.uyari;
}

std::optional<QString> Basimi_Kaydet(const Oturum &o, const BaskiIsi &is, const QString &cikti,
                                     bool dogrudan, const BasilanStoklar &stoklar,
                                     const Gecmis &gecmis) {
    BasimKaydi kayit = Basimi_Yaz(o, is, cikti, dogrudan, stoklar, gecmis);
    return Basimi_Onayla(kayit);
}

Sonuc<QList<qint64>> Fiyati_Degisenler(MesajKutusu &kutu, const Oturum &o,
                                       const TasarimBelgesi &belge, const Gecmis &gecmis) {
    const auto son = gecmis.Son_Fiyatlar(o.Sunucu_Adi, o.Veritabani_Adi);
    if (!son)
        return son.Hatasi();
    KayitKumesi stoklar, fiyatlar;
    if (!o.Baglanti ||
        !Sorgu_Oku(kutu, *o.Baglanti, stoklar,
                   QStringLiteral("SELECT STOKKART.Stok_ID FROM STOKKART WHERE ") +
                       Sart_Metni(o.Stok_Sarti) + QStringLiteral(" ORDER BY STOKKART.Stok_ID")) ||
        !Sorgu_Oku(kutu, *o.Baglanti, fiyatlar,
                   QStringLiteral("SELECT STOKFIYAT.Stok_ID,STOKFIYAT.Fiyat_Sira_No,"
                                  "STOKFIYAT.Ana_Birim_Fiyat FROM STOKFIYAT WHERE "
                                  "STOKFIYAT.Stok_ID IN (SELECT STOKKART.Stok_ID FROM STOKKART "
                                  "WHERE ") +
                       Sart_Metni(o.Stok_Sarti) +
                       QStringLiteral(") ORDER BY STOKFIYAT.Stok_ID,STOKFIYAT.Fiyat_Sira_No")))
        return Hata(QStringLiteral("Stok kartları okunamadı; basım yapılmadı."));
    QHash<qint64, QList<QPair<QString, double>>> bugun;
    for (; fiyatlar.State() == KayitKumesi::Durum::Acik && !fiyatlar.EOF_(); fiyatlar.MoveNext())
        bugun[qint64(fiyatlar.Number(QStringLiteral("Stok_ID")))].append(
            {fiyatlar.Text(QStringLiteral("Fiyat_Sira_No")),
             fiyatlar.Number(QStringLiteral("Ana_Birim_Fiyat"))});
    const QList<int> seviyeler = Basilan_Fiyat_Seviyeleri(belge);
    QList<qint64> degisen;
    for (; stoklar.State() == KayitKumesi::Durum::Acik && !stoklar.EOF_(); stoklar.MoveNext()) {
        const qint64 id = qint64(stoklar.Number(QStringLiteral("Stok_ID")));
        const auto eski = son->constFind(id);
        bool farkli = eski == son->cend();
        for (const int s : seviyeler)
            farkli =
                farkli || Fiyat_Degeri(s, false, bugun.value(id)) != Fiyat_Degeri(s, false, *eski);
        if (farkli && !degisen.contains(id))
            degisen.append(id);
    }
    return degisen;
}

Sonuc<QHash<qint64, int>> Sutun_Adetleri(MesajKutusu &kutu, const Oturum &o, const QString &sutun,
                                         QStringList &eksiler) {
    KayitKumesi rs;
    if (!o.Baglanti ||
        !Sorgu_Oku(kutu, *o.Baglanti, rs,
                   QStringLiteral("SELECT STOKKART.Stok_ID,STOKKART.Stok_Kodu,STOKKART.%1 AS "
                                  "Adet FROM STOKKART WHERE ")
                           .arg(sutun) +
                       Sart_Metni(o.Stok_Sarti)) ||
        rs.State() != KayitKumesi::Durum::Acik)
        return Hata(QStringLiteral("Etiket adedi %1 sütunundan okunamadı.").arg(sutun));
    QHash<qint64, int> adetler;
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QVariant v = rs.Value(QStringLiteral("Adet"));
        bool sayi = false;
        const double d = v.toDouble(&sayi);
        const QString kod = rs.Text(QStringLiteral("Stok_Kodu")).trimmed();
        if (sayi && d > 32767)
            return Hata(QStringLiteral("Etiket adedi en çok 32767 olabilir: %1 (%2: %3)")
                            .arg(kod, sutun, v.toString()));
        if (sayi && d <= -1)
            eksiler << kod;
        adetler.insert(qint64(rs.Number(QStringLiteral("Stok_ID"))), sayi && d >= 1 ? int(d) : 0);
    }
    return adetler;
}

Hata Yeniden_Hazirla(const GecmisBasim &b, const Oturum &o, BaskiIsi &is, bool &degisti) {
    if (b.sunucu != o.Sunucu_Adi || b.veritabani != o.Veritabani_Adi)
        return QStringLiteral("%1 numaralı basım başka bir veritabanına ait: %2|%3")
            .arg(b.no)
            .arg(b.sunucu, b.veritabani);
    auto fiyatlar = std::make_shared<QHash<qint64, QList<QPair<QString, double>>>>();
    auto adetler = std::make_shared<QHash<qint64, int>>();
    QList<qint64> idler;
    for (const GecmisStok &s : b.stoklar) {
        idler.append(s.id);
        fiyatlar->insert(s.id, s.fiyatlar);
        adetler->insert(s.id, s.adet);
    }
    is.Stok_Sarti = Stok_Listesi_Sarti(QStringLiteral("1=1"), idler);
    is.Kayitli_Fiyatlar = fiyatlar;
    is.Stok_Adetleri = adetler;
    is.Parametre_Degerleri = b.parametreler;
    degisti = Tasarim_Ozeti(o.Tasarim_Klasoru, b.tasarim) != b.tasarim_ozeti;
    return {};
}

QDate Gecmisten_Fiyat_Tarihi(const QHash<qint64, Gecmis::GorulenFiyat> &gorulen, qint64 stok,
                             std::optional<double> fiyat) {
    const auto g = gorulen.constFind(stok);
    return g != gorulen.cend() && fiyat && *fiyat == g->fiyat && g->ilk.isValid()
               ? g->ilk
               : QDate::currentDate();
}

QHash<qint64, Gecmis::GorulenFiyat> Gorulen_Fiyatlar(const Oturum &o, const Gecmis &gecmis) {
    const auto g = gecmis.Fiyat_Gorulme_Tarihleri(o.Sunucu_Adi, o.Veritabani_Adi);
    return g ? *g : QHash<qint64, Gecmis::GorulenFiyat>();
}

QString Stok_Listesi_Sarti(const QString &sart, const QList<qint64> &idler) {
    QStringList l;
    for (const qint64 id : idler)
        l << QString::number(id);
    return Sart_Metni(sart) + QStringLiteral(" AND STOKKART.Stok_ID IN (") + l.join(u',') + u')';
}
