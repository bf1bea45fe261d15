#include "OrnekVeri.h"

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
        s.kod = s.sutunlar.value(QStringLiteral("stok_kodu")).trimmed();
        KayitKumesi f;
        if (Sorgu_Oku(kutu, f,
                      QStringLiteral("SELECT Fiyat_Sira_No, Ana_Birim_Fiyat FROM STOKFIYAT WHERE "
                                     "Stok_ID=%1 ORDER BY Fiyat_Sira_No")
                          .arg(qint64(rs.Number(QStringLiteral("Stok_ID"))))))
            for (; f.State() == KayitKumesi::Durum::Acik && !f.EOF_(); f.MoveNext())
                s.fiyatlar.append({f.Text(QStringLiteral("Fiyat_Sira_No")),
                                   f.Number(QStringLiteral("Ana_Birim_Fiyat"))});
        const qint16 tip =
            qint16(s.sutunlar.value(QStringLiteral("ana_birim_barkod_tipi")).toInt());
        s.barkod = Barkod::Kodla(Barkod::Yuzey_Kodu(Barkod_Tipi_Cevir(tip)),
                                 s.sutunlar.value(QStringLiteral("ana_birim_barkod")).trimmed());
        stoklar.append(std::move(s));
    }
    return stoklar;
}

QString Ornek_Metni(const NesneKaydi &r, const OrnekStok &s) {
    if (r.Tag.startsWith(QLatin1String("PR_")))
        return r.Tag.mid(3);
    // The report's own rules, so the surface shows what the report prints.
    const QString tag = Rapor_Etiket_Tagi(r);
    if (tag.isEmpty()) {
        const QString tutar = Fiyat_Metni(QStringLiteral("Fiyat1"), -1, s.fiyatlar);
        return Rapor_Sabit_Metni(r, {},
                                 Tutar_Yazisi(tutar.isEmpty() ? QStringLiteral("0") : tutar));
    }
    RaporKaynagi k;
    k.sutun = [&s](const QString &ad) { return s.sutunlar.value(ad.toLower()); };
    k.fiyat = [&s](const QString &ad, int d) { return Fiyat_Metni(ad, d, s.fiyatlar); };
    return Rapor_Etiket_Degeri(tag, k);
}
