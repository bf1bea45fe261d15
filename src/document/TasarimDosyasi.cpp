#include "TasarimDosyasi.h"

#include "KayitAlanlari.h"
#include "Kodlama.h"
#include "core/Birimler.h"
#include "core/Dosyalar.h"
#include "core/SayiMetni.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <charconv>
#include <cmath>

namespace {

const Ayiraclar dosyaBicimi;

// ---- number forms ----------------------------------------------------------

// Shortest decimal text of a single-precision value, "." as the point.
QString kisaMetin(float x) {
    // Always fixed: the number forms have no exponent, and an exponent read back
    // through the digit cleaning would change the value.
    char tampon[128];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed);
    return QString::fromLatin1(tampon, r.ptr - tampon);
}

// A number on a line of its own: sign position, shortest text without a zero
// before a leading decimal separator, one trailing blank.
QString yazdirmaBicimi(double x) {
    QString s = kisaMetin(static_cast<float>(std::fabs(x)));
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    s.replace(u'.', dosyaBicimi.ondalik);
    return (x < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + s + u' ';
}

QString yazdirmaBicimi(qint64 x) {
    return (x < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(x < 0 ? -x : x) +
           u' ';
}

QString alanBicimi(float x) { return Kayit_Sayisi(x); }

QString alanBicimi(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

// Texts are trimmed; ";" would split the record, so it is written as ",".
QString alanMetni(const QString &s) {
    QString t = s.trimmed();
    t.replace(u';', u',');
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    return t;
}

void satir(QByteArray &cikti, const QString &s) {
    cikti += Cp1254_Kodla(s);
    cikti += "\r\n";
}

QString yaziciDurumuMetni(const QString &v) {
    QString s = v;
    s.remove(u' ');
    double d = 0;
    if (Sayi_Oku(s, d, dosyaBicimi))
        return yazdirmaBicimi(d);
    return u' ' + s + u' ';
}

template <typename K, size_t N> QString kayitSatiri(const K &k, const KayitAlani<K> (&alanlar)[N]) {
    QStringList parcalar;
    for (const KayitAlani<K> &a : alanlar)
        std::visit(
            [&](auto uye) {
                using T = std::remove_cvref_t<decltype(k.*uye)>;
                if constexpr (std::is_same_v<T, QString>)
                    parcalar << alanMetni(k.*uye);
                else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, bool>)
                    parcalar << alanBicimi(k.*uye);
                else
                    parcalar << QString::number(k.*uye);
            },
            a.uye);
    return parcalar.join(u';') + u';';
}

} // namespace

QByteArray Tasarim_Metni(const TasarimBelgesi &b) {
    QByteArray c;
    satir(c, QStringLiteral("Tip_"));
    satir(c, yazdirmaBicimi(qint64(b.Tip)));
    if (b.Tip == 1)
        for (float v : {b.Etiket_Boy, b.Etiket_Genislik, b.Etiket_Yatay, b.Etiket_Dikey})
            satir(c, yazdirmaBicimi(double(v)));
    satir(c, QStringLiteral("Barkod_"));
    satir(c, QString::number(b.Barkod_Sayisi()));
    for (const BarkodKaydi &k : b.Barkod_Ogeleri())
        satir(c, kayitSatiri(k, Barkod_Alanlari));
    satir(c, QStringLiteral("Nesneler_"));
    satir(c, QString::number(b.Nesne_Sayisi()));
    for (const NesneKaydi &n : b.Nesne_Ogeleri())
        satir(c, kayitSatiri(n, Nesne_Alanlari));
    satir(c, QStringLiteral("Detaylar_"));
    const DetayKaydi d = b.Detaylar.value(1);
    satir(c,
          alanBicimi(d.Visible) + u';' + alanBicimi(d.Height) + u';' + alanBicimi(d.Width) + u';');
    const QList<QPair<const char *, qint32>> bosluklar = {{"Sol_Bosluk_", b.Sol_Bosluk},
                                                          {"Sag_Bosluk_", b.Sag_Bosluk},
                                                          {"Ust_Bosluk_", b.Ust_Bosluk},
                                                          {"Alt_Bosluk_", b.Alt_Bosluk}};
    for (const auto &[isaret, deger] : bosluklar) {
        satir(c, QLatin1String(isaret));
        satir(c, yazdirmaBicimi(qint64(deger)));
    }
    satir(c, QStringLiteral("Yazici_Durum_"));
    satir(c, yaziciDurumuMetni(b.Yazici_Durum));
    satir(c, QStringLiteral("Kagit_Boyutu_"));
    satir(c, yazdirmaBicimi(double(b.Kagit_Boyutu)));
    satir(c, QStringLiteral("<end>"));
    return c;
}

QString Kayit_Sayisi(float x) {
    QString s = kisaMetin(x);
    s.replace(u'.', dosyaBicimi.ondalik);
    qint16 ondalik = 2;
    return Sayi_Bicimle(s, ondalik, dosyaBicimi);
}

QString Tasarim_Yolu(const QString &klasor, const QString &ad) {
    return klasor + u'/' + ad + QStringLiteral(".ftr");
}

Hata Tasarim_Adi_Hatasi(const QString &ad) {
    if (ad.isEmpty())
        return QStringLiteral("Tasarım adı boş olamaz.");
    // Names are listed and opened trimmed; a hidden file is never listed.
    if (ad != ad.trimmed())
        return QStringLiteral("Tasarım adı boşlukla başlayamaz ya da bitemez.");
    if (ad.startsWith(u'.'))
        return QStringLiteral("Tasarım adı nokta ile başlayamaz.");
    QString yasak = QStringLiteral("/");
    yasak += QChar(0);
#ifdef Q_OS_WIN
    yasak += QStringLiteral("\\:*?\"<>|");
#endif
    for (QChar c : ad)
        if (yasak.contains(c) || c.unicode() < 32)
            return QStringLiteral("Tasarım adında kullanılamayan bir karakter var: \"%1\"").arg(c);
    if (ad == u"." || ad == u"..")
        return QStringLiteral("Tasarım adı \"%1\" olamaz.").arg(ad);
    // A file name holds 255 bytes; ".ftr" and the temporary name of a save take 11.
    if (ad.toUtf8().size() > En_Uzun_Tasarim_Adi)
        return QStringLiteral("Tasarım adı çok uzun: en çok %1 bayt olabilir (Türkçe harfler "
                              "2 bayt sayılır), bu ad %2 bayt.")
            .arg(En_Uzun_Tasarim_Adi)
            .arg(ad.toUtf8().size());
    return std::nullopt;
}

Hata Tasarim_Dosyasi_Oku(const QString &yol, TasarimBelgesi &belge) {
    QFile f(yol);
    const QFileInfo bilgi(yol);
    if (!bilgi.exists())
        return QStringLiteral("Tasarım dosyası bulunamadı: %1").arg(QDir::toNativeSeparators(yol));
    // A pipe would hang the read and a device never end it.
    if (!bilgi.isFile())
        return QStringLiteral("Tasarım dosyası düzenli bir dosya değil: %1")
            .arg(QDir::toNativeSeparators(yol));
    if (bilgi.size() > En_Buyuk_Tasarim_Dosyasi)
        return QStringLiteral("Tasarım dosyası çok büyük (en çok %1 MB): %2")
            .arg(En_Buyuk_Tasarim_Dosyasi / (1024 * 1024))
            .arg(QDir::toNativeSeparators(yol));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("Tasarım dosyası açılamadı: %1 (%2)")
            .arg(QDir::toNativeSeparators(yol), f.errorString());
    const QByteArray bayt = f.read(En_Buyuk_Tasarim_Dosyasi + 1);
    if (const auto h = Tasarim_Coz(bayt, belge); h && h->satir == 0)
        return QStringLiteral("%1 %2").arg(QDir::toNativeSeparators(yol), h->neden);
    else if (h)
        return QStringLiteral("Tasarım dosyası okunamadı: %1, satır %2: %3")
            .arg(QDir::toNativeSeparators(yol))
            .arg(h->satir)
            .arg(h->neden);
    return std::nullopt;
}

Hata Tasarim_Siniri_Hatasi(qsizetype barkod, qsizetype nesne, qint64 bayt) {
    if (barkod > En_Cok_Nesne || nesne > En_Cok_Nesne)
        return Tasarim_Dolu_Mesaji;
    if (bayt > En_Buyuk_Tasarim_Dosyasi)
        return QStringLiteral("Tasarım dosyası en çok %1 MB olabilir; bu tasarım %2 MB tutar.")
            .arg(En_Buyuk_Tasarim_Dosyasi / (1024 * 1024))
            .arg(QString::number(double(bayt) / (1024 * 1024), 'f', 1).replace(u'.', u','));
    return std::nullopt;
}

Hata Tasarim_Dosyasi_Yaz(const QString &klasor, const QString &ad, const TasarimBelgesi &belge) {
    if (const auto h = Tasarim_Adi_Hatasi(ad))
        return h;
    if (!QFileInfo(klasor).isDir())
        return QStringLiteral("Tasarım klasörü bulunamadı: %1")
            .arg(QDir::toNativeSeparators(klasor));
    const QString yol = Tasarim_Yolu(klasor, ad);
    if (Duzenli_Dosya_Degil(yol))
        return QStringLiteral("Tasarım kaydedilemedi: %1 düzenli bir dosya değil.")
            .arg(QDir::toNativeSeparators(yol));
    // A design the reader would refuse must not replace a good one: the bytes are
    // read back before anything is written.
    const QByteArray bayt = Tasarim_Metni(belge);
    Hata sinir =
        Tasarim_Siniri_Hatasi(belge.Barkodlar.size() - 1, belge.Nesneler.size() - 1, bayt.size());
    if (TasarimBelgesi okunan; !sinir)
        if (const auto h = Tasarim_Coz(bayt, okunan))
            sinir = h->neden;
    if (sinir)
        return QStringLiteral("Tasarım kaydedilmedi; dosya değiştirilmedi: %1").arg(*sinir);
    QSaveFile f(yol);
    // Unbuffered: a short write (a full disk) shows here; a buffered one failing at
    // commit's flush would still replace the design with a cut file.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("Tasarım kaydedilemedi: %1 (%2)")
            .arg(QDir::toNativeSeparators(yol), f.errorString());
    if (f.write(bayt) != bayt.size() || f.error() != QFileDevice::NoError || !f.commit()) {
        f.cancelWriting();
        return QStringLiteral("Tasarım kaydedilemedi: %1 (dosya yazılamadı; disk dolu olabilir)")
            .arg(QDir::toNativeSeparators(yol));
    }
    return std::nullopt;
}

int Taninmayan_Kayitlar(const TasarimBelgesi &belge) {
    return int(Taninmayan_Kayit_Listesi(belge).size());
}

QStringList Taninmayan_Kayit_Listesi(const TasarimBelgesi &belge) {
    QStringList l;
    for (qsizetype i = 1; i < belge.Nesneler.size(); ++i) {
        const NesneKaydi &n = belge.Nesneler[i];
        if (n.Turu() == Nesne_Turu::Taninmayan)
            l << QStringLiteral("Nesneler, %1. kayıt: tür \"%2\", \"%3\"")
                     .arg(i)
                     .arg(n.Tur, n.Caption.left(40));
    }
    return l;
}

QByteArray Dosya_Ozeti(const QString &yol) {
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return h.result();
}
