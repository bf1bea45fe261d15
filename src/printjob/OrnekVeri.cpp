#include "OrnekVeri.h"

#include "DogrudanBaski.h"
#include "FiyatImleci.h"
#include "database/KayitKumesi.h"
#include "printjob/EtiketDegeri.h"
#include "printjob/Fiyat.h"
#include "startup/Oturum.h"
#include "startup/Sorgu.h"

QList<OrnekStok> Ornek_Stoklar(MesajKutusu &kutu, const Oturum &oturum, int en_cok) {
    QList<OrnekStok> stoklar;
    KayitKumesi rs;
    if (!oturum.Baglanti ||
        !Sorgu_Oku(kutu, *oturum.Baglanti, rs, Stok_Sorgusu(oturum.Stok_Sarti)) ||
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

void Ornek_Stogu_Tamamla(MesajKutusu &kutu, const Oturum &oturum, OrnekStok &s) {
    if (s.tamam || !oturum.Baglanti)
        return;
    s.tamam = true;
    if (auto f = FiyatImleci(kutu, *oturum.Baglanti, QString(),
                             Fiyat_Tarihi_Sutunu_Var(*oturum.Baglanti))
                     .Oku(s.stok)) {
        s.fiyatlar = std::move(f->fiyatlar);
        s.fiyat_tarihi = f->tarih;
    }
    s.barkod = Barkod::Kodla(
        Stok_Barkod_Sembolu(s.sutunlar.value(QStringLiteral("ana_birim_barkod_tipi"))),
        s.sutunlar.value(QStringLiteral("ana_birim_barkod")).trimmed());
}

std::optional<CizimOgesi> Ornek_Raf_Ogesi(const NesneKaydi &n, const QRectF &alan,
                                          const OrnekStok *s, const Ayiraclar &a,
                                          OrnekRaflari &raflar) {
    RafKaynagi r;
    if (s)
        r.deger = [s, &a](const QString &ad) {
            return Kod_Degeri(
                ad, [s](const QString &c) { return s->sutunlar.value(c.toLower()); },
                [s](int seviye, bool milyon) { return Fiyat_Degeri(seviye, milyon, s->fiyatlar); },
                a);
        };
    else
        r.deger = [](const QString &ad) { return u'{' + ad + u'}'; };
    r.resimler = &raflar.resimler;
    r.kodlar = &raflar.kodlar;
    return Raf_Ogesi(n, Nesne_Icerigi(n), alan, r);
}

QString Ornek_Metni(const NesneKaydi &r, const OrnekStok &s, const Oturum &oturum) {
    // The report's own rules, so the surface shows what the report prints.
    const EtiketIcerigi i = Nesne_Icerigi(r);
    const Ayiraclar &a = oturum.ayirac;
    if (i.tur == EtiketIcerigi::Tur::Parametre)
        return i.ad;
    if (!Rapor_Etiketinde_Degisir(i)) {
        RaporSabitleri sabit{{}, oturum.Firma_Unvani, oturum.Veritabani_Adi, {}};
        // The amount in words only for the element that shows it.
        if (i.tur == EtiketIcerigi::Tur::Yaziyla)
            sabit.tutar_yazisi = Fiyat_Yaziyla(Fiyat_Degeri(1, false, s.fiyatlar), a, i.tl_kurus);
        return Rapor_Sabit_Metni(i, sabit);
    }
    RaporKaynagi k;
    k.sutun = [&s](const QString &ad) { return s.sutunlar.value(ad.toLower()); };
    k.fiyat = [&s, &a](const EtiketIcerigi &f) { return Fiyat_Metni(f, s.fiyatlar, a); };
    k.fiyat_degeri = [&s](int seviye) { return Fiyat_Degeri(seviye, false, s.fiyatlar); };
    k.fiyat_tarihi = [&s] {
        return s.fiyat_tarihi.isValid() ? s.fiyat_tarihi : QDate::currentDate();
    };
    k.ayirac = a;
    return Rapor_Etiket_Degeri(i, k);
}
