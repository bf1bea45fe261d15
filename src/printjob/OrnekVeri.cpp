#include "OrnekVeri.h"

#include "DogrudanBaski.h"
#include "components/KayitKumesi.h"
#include "report/EtiketDegeri.h"
#include "report/Fiyat.h"
#include "startup/Degiskenler.h"
#include "startup/Sorgu.h"

QList<OrnekStok> Ornek_Stoklar(MesajKutusu &kutu, int en_cok) {
    QList<OrnekStok> stoklar;
    KayitKumesi rs;
    if (!Degiskenler::Baglanti || !Sorgu_Oku(kutu, rs, Stok_Sorgusu(Degiskenler::Stok_Sarti)) ||
        rs.State() != KayitKumesi::Durum::Acik)
        return stoklar;
    for (; !rs.EOF_() && stoklar.size() < en_cok; rs.MoveNext()) {
        OrnekStok s;
        for (int i = 0; i < rs.Kayit().count(); ++i)
            s.sutunlar.insert(rs.Kayit().fieldName(i).toLower(), rs.Text(rs.Kayit().fieldName(i)));
        s.stok = qint64(rs.Number(QStringLiteral("Stok_ID")));
        stoklar.append(std::move(s));
    }
    return stoklar;
}

void Ornek_Stogu_Tamamla(MesajKutusu &kutu, OrnekStok &s) {
    if (s.tamam)
        return;
    s.tamam = true;
    s.fiyatlar = Stok_Fiyatlari(kutu, s.stok).value_or(QList<QPair<QString, double>>());
    s.barkod = Barkod::Kodla(
        Stok_Barkod_Sembolu(s.sutunlar.value(QStringLiteral("ana_birim_barkod_tipi"))),
        s.sutunlar.value(QStringLiteral("ana_birim_barkod")).trimmed());
}

QString Ornek_Metni(const NesneKaydi &r, const OrnekStok &s) {
    if (r.Tag.startsWith(QLatin1String("PR_")))
        return r.Tag.mid(3);
    // The report's own rules, so the surface shows what the report prints.
    const QString tag = Rapor_Etiket_Tagi(r);
    if (tag.isEmpty()) {
        // The amount in words only for the element that shows it.
        QString yazi;
        if (r.Caption == u"Yazıyla") {
            const QString tutar = Fiyat_Metni(QStringLiteral("Fiyat1"), -1, s.fiyatlar);
            yazi = Tutar_Yazisi(tutar.isEmpty() ? QStringLiteral("0") : tutar);
        }
        return Rapor_Sabit_Metni(r, {}, yazi);
    }
    RaporKaynagi k;
    k.sutun = [&s](const QString &ad) { return s.sutunlar.value(ad.toLower()); };
    k.fiyat = [&s](const QString &ad, int d) { return Fiyat_Metni(ad, d, s.fiyatlar); };
    return Rapor_Etiket_Degeri(tag, k);
}
