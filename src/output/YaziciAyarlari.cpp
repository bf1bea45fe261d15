#include "YaziciAyarlari.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QStringList ortamlar = {QStringLiteral("Bosluk"), QStringLiteral("Siyah_Isaret"),
                              QStringLiteral("Surekli")};

// A number in [en_az, en_cok] (a decimal comma or point), or the reason.
std::optional<double> sayi(const QSettings &s, const char *ad, double en_az, double en_cok,
                           QStringList &hatalar) {
    // An unquoted "-2,5" reads as a list in INI files: its parts are the number.
    const QVariant v = s.value(QLatin1String(ad));
    const QString metin =
        (v.typeId() == QMetaType::QStringList ? v.toStringList().join(u',') : v.toString())
            .trimmed();
    bool ok = false;
    const double d = QString(metin).replace(u',', u'.').toDouble(&ok);
    if (ok && d >= en_az && d <= en_cok)
        return d;
    hatalar << QStringLiteral("%1 %2 ile %3 arasında olmalıdır: %4")
                   .arg(QLatin1String(ad))
                   .arg(en_az)
                   .arg(en_cok)
                   .arg(metin);
    return std::nullopt;
}

} // namespace

ZplAyarlari YaziciAyari::Zpl() const {
    ZplAyarlari z;
    z.dpi = cozunurluk;
    z.sol_mm = sol_kaydirma, z.ust_mm = ust_kaydirma;
    z.koyuluk = koyuluk.value_or(-1);
    z.hiz = hiz.value_or(-1);
    z.ortam = ortam;
    z.yazici_fontu = yazilar == Yazilar::Yazici;
    return z;
}

QString Yazici_Ayarlari_Dosyasi() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/varnel/Yazicilar.ini");
}

OkunanAyar Yazici_Ayari_Oku(const QString &dosya, const QString &yazici) {
    OkunanAyar o;
    QSettings s(dosya, QSettings::IniFormat);
    s.beginGroup(yazici);
    YaziciAyari &a = o.ayar;
    QStringList &h = o.hatalar;
    const QString dil = s.value(QStringLiteral("Dil"), QStringLiteral("Surucu")).toString();
    if (dil == u"ZPL")
        a.dil = YaziciAyari::Dil::ZPL;
    else if (dil != u"Surucu")
        h << QStringLiteral("Dil Surucu ya da ZPL olmalıdır: ") + dil;
    if (s.contains(QStringLiteral("Cozunurluk"))) {
        const int d = s.value(QStringLiteral("Cozunurluk")).toString().toInt();
        if (std::find(std::begin(Zpl_Cozunurlukleri), std::end(Zpl_Cozunurlukleri), d) !=
            std::end(Zpl_Cozunurlukleri))
            a.cozunurluk = d;
        else
            h << QStringLiteral("Cozunurluk 203, 300 ya da 600 olmalıdır: ") +
                     s.value(QStringLiteral("Cozunurluk")).toString();
    }
    for (const auto &[ad, hedef] :
         {std::pair{"Sol_Kaydirma", &a.sol_kaydirma}, {"Ust_Kaydirma", &a.ust_kaydirma}})
        if (s.contains(QLatin1String(ad)))
            *hedef = sayi(s, ad, -10, 10, h).value_or(0);
    if (s.contains(QStringLiteral("Koyuluk")))
        if (const auto d = sayi(s, "Koyuluk", 0, 30, h))
            a.koyuluk = int(*d);
    if (s.contains(QStringLiteral("Hiz")))
        if (const auto d = sayi(s, "Hiz", 2, 12, h))
            a.hiz = int(*d);
    const QString ortam = s.value(QStringLiteral("Ortam")).toString();
    if (ortamlar.contains(ortam))
        a.ortam = ortam;
    else if (!ortam.isEmpty())
        h << QStringLiteral("Ortam Bosluk, Siyah_Isaret ya da Surekli olmalıdır: ") + ortam;
    const QString yazilar = s.value(QStringLiteral("Yazilar"), QStringLiteral("Resim")).toString();
    if (yazilar == u"Yazici")
        a.yazilar = YaziciAyari::Yazilar::Yazici;
    else if (yazilar != u"Resim")
        h << QStringLiteral("Yazilar Resim ya da Yazici olmalıdır: ") + yazilar;
    return o;
}

bool Yazici_Ayari_Yaz(const QString &dosya, const QString &yazici, const YaziciAyari &a) {
    QDir().mkpath(QFileInfo(dosya).absolutePath());
    QSettings s(dosya, QSettings::IniFormat);
    s.beginGroup(yazici);
    s.setValue(QStringLiteral("Dil"),
               a.dil == YaziciAyari::Dil::ZPL ? QStringLiteral("ZPL") : QStringLiteral("Surucu"));
    s.setValue(QStringLiteral("Cozunurluk"), a.cozunurluk);
    s.setValue(QStringLiteral("Sol_Kaydirma"), a.sol_kaydirma);
    s.setValue(QStringLiteral("Ust_Kaydirma"), a.ust_kaydirma);
    const auto yaz = [&s](const char *ad, const std::optional<int> &d) {
        if (d)
            s.setValue(QLatin1String(ad), *d);
        else
            s.remove(QLatin1String(ad));
    };
    yaz("Koyuluk", a.koyuluk);
    yaz("Hiz", a.hiz);
    if (a.ortam.isEmpty())
        s.remove(QStringLiteral("Ortam"));
    else
        s.setValue(QStringLiteral("Ortam"), a.ortam);
    s.setValue(QStringLiteral("Yazilar"), a.yazilar == YaziciAyari::Yazilar::Yazici
                                              ? QStringLiteral("Yazici")
                                              : QStringLiteral("Resim"));
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

QString Yazici_Ozeti(const QString &yazici, const YaziciAyari &a) {
    QString s = yazici + QStringLiteral(": ");
    if (a.dil == YaziciAyari::Dil::Surucu)
        s += QStringLiteral("sürücü");
    else
        s += QStringLiteral("ZPL, %1 dpi, yazılar %2")
                 .arg(a.cozunurluk)
                 .arg(a.yazilar == YaziciAyari::Yazilar::Resim ? QStringLiteral("resim")
                                                               : QStringLiteral("yazıcının"));
    s += QStringLiteral(", kaydırma sol %1 mm, üst %2 mm")
             .arg(QString::number(a.sol_kaydirma).replace(u'.', u','),
                  QString::number(a.ust_kaydirma).replace(u'.', u','));
    if (a.koyuluk)
        s += QStringLiteral(", koyuluk %1").arg(*a.koyuluk);
    if (a.hiz)
        s += QStringLiteral(", hız %1").arg(*a.hiz);
    if (!a.ortam.isEmpty())
        s += QStringLiteral(", ortam ") + a.ortam;
    return s;
}

QString Zpl_Lazer_Hatasi(bool zpl, bool lazer) {
    return zpl && lazer
               ? QStringLiteral("ZPL yalnız barkod yazıcısı tasarımlarında kullanılabilir.")
               : QString();
}

QStringList Ayar_Uyarilari(const QString &yazici, const OkunanAyar &o) {
    QStringList l;
    for (const QString &h : o.hatalar)
        l << QStringLiteral("Yazicilar.ini [%1]: %2; olağan değer kullanıldı.").arg(yazici, h);
    return l;
}
