#include "Komutlar.h"

namespace {

bool secenekMi(const QString &a) { return a.startsWith(QLatin1String("--")) && a.size() > 2; }

} // namespace

QString Kullanim_Metni() {
    return QStringLiteral(
        "Kullanım:\n"
        "  varnel [--designs KLASÖR] [SATIR]\n"
        "      Pencereleri açar; SATIR \"|\" ile ayrılmış başlangıç satırıdır:\n"
        "      sunucu|firma|veritabanı|stok şartı|etiket adedi|kullanıcı|şifre\n"
        "  varnel [--designs KLASÖR] print TASARIM [--start K] [--copies N]\n"
        "         [--param AD=DEĞER]... [--out DOSYA.pdf | DOSYA.png] [--dpi N]\n"
        "         [--printer AD] SATIR\n"
        "      Tasarımın etiketlerini pencere açmadan basar.\n"
        "  varnel check SATIR\n"
        "      Başlangıç denetimlerini yapar ve veritabanına bağlanır.\n"
        "  varnel inspect DOSYA.ftr [--json] [--write ÇIKTI.ftr]\n"
        "      Bir tasarım dosyasını okur ve gösterir.\n"
        "  varnel --help | --version\n"
        "\n"
        "Sunucu alanı veritabanını seçer: sqlite:KLASÖR, postgresql://SUNUCU[:PORT],\n"
        "başka her şey SQL Server (ODBC, FreeTDS) sunucusudur.\n");
}

Komut_Sonucu Komut_Coz(const QStringList &argumanlar) {
    Komut_Sonucu s;
    Komut &k = s.komut;
    qsizetype i = 0;
    const auto hata = [&s](const QString &metin) {
        s.tamam = false;
        s.hata = metin;
        return s;
    };
    const auto deger = [&](const QString &secenek, QString &hedef) -> bool {
        if (i + 1 >= argumanlar.size())
            return false;
        hedef = argumanlar[++i];
        Q_UNUSED(secenek);
        return true;
    };

    // Global options.
    for (; i < argumanlar.size(); ++i) {
        const QString &a = argumanlar[i];
        if (a == u"--help" || a == u"-h") {
            k.tur = Komut::Tur::Yardim;
            s.tamam = true;
            return s;
        }
        if (a == u"--version") {
            k.tur = Komut::Tur::Surum;
            s.tamam = true;
            return s;
        }
        if (a == u"--designs") {
            if (!deger(a, k.tasarim_klasoru))
                return hata(QStringLiteral("--designs bir klasör adı ister."));
            continue;
        }
        if (secenekMi(a))
            return hata(QStringLiteral("Bilinmeyen seçenek: ") + a);
        break;
    }

    QStringList satir;
    const QString komut = i < argumanlar.size() ? argumanlar[i] : QString();
    if (komut == u"print") {
        k.tur = Komut::Tur::Yazdir;
        ++i;
        if (i >= argumanlar.size() || secenekMi(argumanlar[i]))
            return hata(QStringLiteral("print bir tasarım adı ister."));
        k.tasarim = argumanlar[i++];
        for (; i < argumanlar.size(); ++i) {
            const QString &a = argumanlar[i];
            QString v;
            if (a == u"--start" || a == u"--copies" || a == u"--dpi") {
                bool ok = false;
                if (!deger(a, v))
                    return hata(a + QStringLiteral(" bir sayı ister."));
                const int n = v.toInt(&ok);
                if (!ok || n < (a == u"--copies" ? 0 : 1))
                    return hata(a + QStringLiteral(" için geçersiz sayı: ") + v);
                (a == u"--start" ? k.baslangic : a == u"--copies" ? k.adet : k.dpi) = n;
            } else if (a == u"--param") {
                if (!deger(a, v) || !v.contains(u'='))
                    return hata(QStringLiteral("--param AD=DEĞER biçiminde olmalıdır."));
                const qsizetype esit = v.indexOf(u'=');
                k.parametreler.append({v.left(esit), v.mid(esit + 1)});
            } else if (a == u"--out") {
                if (!deger(a, k.cikti))
                    return hata(QStringLiteral("--out bir dosya adı ister."));
                const QString kucuk = k.cikti.toLower();
                if (!kucuk.endsWith(QLatin1String(".pdf")) &&
                    !kucuk.endsWith(QLatin1String(".png")))
                    return hata(QStringLiteral("--out dosyası .pdf ya da .png olmalıdır: ") +
                                k.cikti);
            } else if (a == u"--printer") {
                if (!deger(a, k.yazici))
                    return hata(QStringLiteral("--printer bir yazıcı adı ister."));
            } else if (secenekMi(a) && satir.isEmpty()) {
                return hata(QStringLiteral("Bilinmeyen seçenek: ") + a);
            } else {
                satir.append(a);
            }
        }
    } else if (komut == u"check") {
        k.tur = Komut::Tur::Denetle;
        satir = argumanlar.mid(i + 1);
    } else if (komut == u"inspect") {
        k.tur = Komut::Tur::Incele;
        for (++i; i < argumanlar.size(); ++i) {
            const QString &a = argumanlar[i];
            if (a == u"--json") {
                k.json = true;
            } else if (a == u"--write") {
                if (!deger(a, k.yaz))
                    return hata(QStringLiteral("--write bir dosya adı ister."));
            } else if (secenekMi(a)) {
                return hata(QStringLiteral("Bilinmeyen seçenek: ") + a);
            } else if (k.dosya.isEmpty()) {
                k.dosya = a;
            } else {
                return hata(QStringLiteral("inspect tek bir dosya alır."));
            }
        }
        if (k.dosya.isEmpty())
            return hata(QStringLiteral("inspect bir .ftr dosyası ister."));
    } else {
        k.tur = Komut::Tur::Pencere;
        satir = argumanlar.mid(i);
    }
    k.satir = satir.join(u' ');
    if (k.tur == Komut::Tur::Denetle && k.satir.isEmpty())
        return hata(QStringLiteral("check bir başlangıç satırı ister."));
    if (k.tur == Komut::Tur::Yazdir && k.satir.isEmpty())
        return hata(QStringLiteral("print bir başlangıç satırı ister."));
    s.tamam = true;
    return s;
}
