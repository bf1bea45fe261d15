#include "FiyatImleci.h"

#include "RafDegerleri.h"
#include "startup/Sorgu.h"

namespace {

QString fiyatSorgusu(bool tarihli, const QString &sart) {
    return QStringLiteral("SELECT STOKFIYAT.Stok_ID,STOKFIYAT.Fiyat_Sira_No,"
                          "STOKFIYAT.Ana_Birim_Fiyat%1 FROM STOKFIYAT WHERE %2 ORDER BY "
                          "STOKFIYAT.Stok_ID,STOKFIYAT.Fiyat_Sira_No")
        .arg(tarihli ? QStringLiteral(",STOKFIYAT.Degisim_Tarihi") : QString(), sart);
}

// Adds the set's current row to `f`.
void satirEkle(const KayitKumesi &k, bool tarihli, StokFiyatlari &f) {
    f.fiyatlar.append(
        {k.Text(QStringLiteral("Fiyat_Sira_No")), k.Number(QStringLiteral("Ana_Birim_Fiyat"))});
    if (tarihli && f.fiyatlar.last().first.trimmed() == u"1")
        f.tarih = Tarih_Degeri(k.Value(QStringLiteral("Degisim_Tarihi")));
}

} // namespace

FiyatImleci::FiyatImleci(MesajKutusu &kutu, VeriBaglantisi &b, const QString &kimlikler,
                         bool tarihli)
    : kutu_(kutu), baglanti_(b), kimlikler_(kimlikler), tarihli_(tarihli) {}

bool FiyatImleci::acik() const {
    return imlec_.State() == KayitKumesi::Durum::Acik && !imlec_.EOF_();
}

std::optional<StokFiyatlari> FiyatImleci::Oku(qint64 stok) {
    if (kimlikler_.isEmpty() || (basladi_ && stok < son_))
        return tekOku(stok);
    if (!basladi_) {
        basladi_ = true;
        if (!Sorgu_Oku(kutu_, baglanti_, imlec_,
                       fiyatSorgusu(tarihli_,
                                    QStringLiteral("STOKFIYAT.Stok_ID IN (") + kimlikler_ + u')')))
            return std::nullopt;
    }
    son_ = stok;
    StokFiyatlari f;
    const auto kimlik = [this] { return imlec_.Number(QStringLiteral("Stok_ID")); };
    while (acik() && kimlik() < double(stok))
        imlec_.MoveNext();
    for (; acik() && kimlik() == double(stok); imlec_.MoveNext())
        satirEkle(imlec_, tarihli_, f);
    return f;
}

std::optional<StokFiyatlari> FiyatImleci::tekOku(qint64 stok) {
    KayitKumesi k;
    if (!Sorgu_Oku(kutu_, baglanti_, k,
                   fiyatSorgusu(tarihli_, QStringLiteral("STOKFIYAT.Stok_ID=%1").arg(stok))))
        return std::nullopt;
    StokFiyatlari f;
    for (; k.State() == KayitKumesi::Durum::Acik && !k.EOF_(); k.MoveNext())
        satirEkle(k, tarihli_, f);
    return f;
}
