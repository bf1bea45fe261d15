#include "RafDegerleri.h"

#include "barcode/BarkodTipleri.h"
#include "core/Birimler.h"
#include "database/KayitKumesi.h"
#include "database/VeriBaglantisi.h"
#include "layout/NesneCizimi.h"
#include "startup/Bicim.h"

#include <QDir>

namespace {

// Each unit a net quantity may be given in: its base unit and how many of it make one.
struct Birim {
    const char *ad, *taban;
    double bolen;
};
const Birim birimler[] = {{"g", "kg", 1000}, {"kg", "kg", 1}, {"ml", "lt", 1000},
                          {"cl", "lt", 100}, {"lt", "lt", 1}, {"l", "lt", 1},
                          {"cm", "m", 100},  {"m", "m", 1},   {"adet", "adet", 1}};

} // namespace

std::optional<NetMiktar> Net_Miktar(const QString &miktar, const QString &birim,
                                    const Ayiraclar &a) {
    double m = 0;
    if (!Sayi_Oku(miktar.trimmed(), m, a))
        return std::nullopt;
    if (!(m > 0) || !std::isfinite(m))
        return std::nullopt;
    const QString b = birim.trimmed().toLower();
    for (const Birim &r : birimler)
        if (b == QLatin1String(r.ad))
            return NetMiktar{m / r.bolen, QString::fromLatin1(r.taban)};
    return std::nullopt;
}

QString Birim_Fiyat_Metni(const EtiketIcerigi &i, std::optional<double> fiyat,
                          const std::optional<NetMiktar> &net, const Ayiraclar &a) {
    if (!fiyat || !net || !std::isfinite(*fiyat))
        return {};
    const QString desen = i.desen.isEmpty() ? QStringLiteral("#,##0.00") : i.desen;
    return Sayi_Deseni(*fiyat / net->miktar, desen, a) + QStringLiteral(" TL/") + net->birim;
}

QString Fiyat_Tarihi_Metni(const EtiketIcerigi &i, const QDate &tarih) {
    return i.desen.isEmpty() ? tarih.toString(QStringLiteral("dd.MM.yyyy"))
                             : Tarih_Deseni(tarih.startOfDay(), i.desen);
}

bool Fiyat_Tarihi_Sutunu_Var(VeriBaglantisi &b) {
    return Tablo_Sutunlari(b, QStringLiteral("STOKFIYAT"))
        .contains(QStringLiteral("Degisim_Tarihi"), Qt::CaseInsensitive);
}

QDate Tarih_Degeri(const QVariant &v) {
    if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
        return v.toDate();
    return QDate::fromString(v.toString().trimmed().left(10), Qt::ISODate);
}

void RafEksikleri::Ekle(const RafEksikleri &etiket) {
    for (auto [hedef, kaynak] : {std::pair{&resimsiz, &etiket.resimsiz},
                                 {&birim_fiyatsiz, &etiket.birim_fiyatsiz},
                                 {&gecersiz_kod, &etiket.gecersiz_kod}})
        for (const QString &ad : kaynak->Adlar())
            hedef->Ekle(ad);
}

QString Resim_Okunamadi_Mesaji(const QString &yol) {
    return QStringLiteral("Resim dosyası okunamadı: ") + yol;
}

std::shared_ptr<const Resim> ResimDeposu::Getir(const QString &yol) {
    const auto bulunan = resimler_.constFind(yol);
    if (bulunan != resimler_.cend())
        return *bulunan;
    // A name from the data must not reach outside the design folder.
    const QString tam = QDir(klasor_).filePath(yol);
    const bool icinde = !yol.isEmpty() && !QDir::isAbsolutePath(yol) &&
                        QDir::cleanPath(tam).startsWith(QDir::cleanPath(klasor_) + u'/');
    std::shared_ptr<const Resim> r = icinde ? Resim::Yukle(tam) : nullptr;
    // Items name few pictures again and again; a run over many keeps a bounded set.
    if (resimler_.size() >= 256)
        resimler_.clear();
    resimler_.insert(yol, r);
    return r;
}

QString ResimDeposu::Dosya_Yolu(const EtiketIcerigi &i,
                                const std::function<QString(const QString &)> &sutun) {
    if (!i.sutundan)
        return i.ad;
    const QString ad = sutun(i.ad).trimmed();
    return ad.isEmpty() ? QString() : Resim_Klasoru + u'/' + ad;
}

Hata ResimDeposu::Sabit_Resimler(const TasarimBelgesi &belge) {
    for (const NesneKaydi &n : belge.Nesne_Ogeleri()) {
        const EtiketIcerigi i = Nesne_Icerigi(n);
        if (i.tur == EtiketIcerigi::Tur::Resim && !i.sutundan && !Getir(i.ad))
            return Resim_Okunamadi_Mesaji(i.ad);
    }
    return {};
}

std::shared_ptr<const Barkod> KodOnbellegi::Kodla(Barkod::Sembol sembol, const QString &veri) {
    const QString anahtar = QString::number(int(sembol)) + u'|' + veri;
    if (const auto b = kodlar_.constFind(anahtar); b != kodlar_.cend())
        return *b;
    if (kodlar_.size() >= 256)
        kodlar_.clear();
    return *kodlar_.insert(anahtar, Barkod::Kodla(sembol, veri));
}

std::optional<CizimOgesi> Raf_Ogesi(const NesneKaydi &n, const EtiketIcerigi &i, const QRectF &alan,
                                    const RafKaynagi &k) {
    if (i.tur == EtiketIcerigi::Tur::Resim) {
        const QString yol = ResimDeposu::Dosya_Yolu(i, k.deger);
        if (yol.isEmpty())
            return std::nullopt; // the item names no picture: none is meant
        if (auto r = k.resimler->Getir(yol))
            return Resim_Ogesi(n, std::move(r), alan);
        if (k.eksik)
            k.eksik->resimsiz.Ekle(k.stok);
        return std::nullopt;
    }
    const auto sembol = Kod_Turu_Oku(i.desen);
    if (!sembol)
        return std::nullopt;
    const QString veri = Kod_Verisi(i.ad, k.deger);
    auto b = k.kodlar->Kodla(*sembol, veri);
    if (!b->Gecerli()) {
        if (k.eksik)
            k.eksik->gecersiz_kod.Ekle(k.stok + QStringLiteral(" (") + b->Neden() + u')');
        return std::nullopt;
    }
    return Kod_Ogesi(n, std::move(b), alan);
}
