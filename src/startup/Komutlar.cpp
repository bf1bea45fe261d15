#include "Komutlar.h"

#include "Oturum.h"
#include "TasarimKlasoru.h"
#include "core/Hata.h"
#include "output/ZplHedefi.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace {

bool secenekMi(const QString &a) { return a.startsWith(QLatin1String("--")) && a.size() > 2; }

// Walks the arguments of one command; every parser below reports its first error.
class Cozucu {
public:
    explicit Cozucu(const QStringList &a) : a_(a) {}

    bool bitti() const { return i_ >= a_.size(); }
    const QString &simdiki() const { return a_[i_]; }
    void ilerle() { ++i_; }
    QStringList kalan() const { return a_.mid(i_); }

    // The value after option `a`; false when there is none.
    bool deger(QString &hedef) {
        if (i_ + 1 >= a_.size())
            return false;
        hedef = a_[++i_];
        return true;
    }
    // A whole number in [enAz, enCok] after option `a`.
    Hata sayi(const QString &a, int enAz, int enCok, int &hedef) {
        QString v;
        if (!deger(v))
            return a + QStringLiteral(" bir sayı ister.");
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok)
            return a + QStringLiteral(" için geçersiz sayı: ") + v;
        if (n < enAz)
            return QStringLiteral("%1 en az %2 olmalıdır: %3").arg(a).arg(enAz).arg(v);
        if (n > enCok)
            return QStringLiteral("%1 en çok %2 olabilir: %3").arg(a).arg(enCok).arg(v);
        hedef = int(n);
        return {};
    }

private:
    const QStringList &a_;
    qsizetype i_ = 0;
};

Hata yazdirSecenegi(Cozucu &c, Komut &k) {
    const QString a = c.simdiki();
    QString v;
    if (a == u"--start")
        return c.sayi(a, 1, En_Cok_Adet, k.baslangic);
    if (a == u"--copies")
        return c.sayi(a, 1, En_Cok_Adet, k.adet); // 0 labels is no run
    if (a == u"--dpi") {
        k.dpi_verildi = true;
        auto h = c.sayi(a, 1, 1 << 30, k.dpi);
        if (!h && (k.dpi < En_Az_Dpi || k.dpi > En_Cok_Dpi))
            h = QStringLiteral("--dpi %1 ile %2 arasında olmalıdır: %3")
                    .arg(En_Az_Dpi)
                    .arg(En_Cok_Dpi)
                    .arg(k.dpi);
        return h;
    }
    if (a == u"--param") {
        if (!c.deger(v) || !v.contains(u'='))
            return QStringLiteral("--param AD=DEĞER biçiminde olmalıdır.");
        const qsizetype esit = v.indexOf(u'=');
        k.parametreler.append({v.left(esit), v.mid(esit + 1)});
        return {};
    }
    if (a == u"--out") {
        if (!c.deger(k.cikti))
            return QStringLiteral("--out bir dosya adı ister.");
        const QString kucuk = k.cikti.toLower();
        if (!kucuk.endsWith(QLatin1String(".pdf")) && !kucuk.endsWith(QLatin1String(".png")) &&
            !Zpl_Ciktisi(kucuk))
            return QStringLiteral("--out dosyası .pdf, .png ya da .zpl olmalıdır: ") + k.cikti;
        return {};
    }
    if (a == u"--direct") {
        k.dogrudan = true;
        return {};
    }
    if (a == u"--strict") {
        k.kati = true;
        return {};
    }
    if (a == u"--changed") {
        k.degisen = true;
        return {};
    }
    if (a == u"--copies-from") {
        // A column name goes into a statement: letters, digits and "_" only.
        static const QRegularExpression ad(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
        if (!c.deger(k.adet_sutunu) || !ad.match(k.adet_sutunu).hasMatch())
            return QStringLiteral("--copies-from bir sütun adı ister (harf, rakam ve _).");
        return {};
    }
    if (a == u"--query-timeout")
        return c.sayi(a, 1, 86400, k.sorgu_zaman_asimi);
    if (a == u"--printer") {
        if (!c.deger(k.yazici))
            return QStringLiteral("--printer bir yazıcı adı ister.");
        return {};
    }
    return QStringLiteral("Bilinmeyen seçenek: ") + a;
}

Hata yazdirCoz(Cozucu &c, Komut &k, QStringList &satir) {
    k.tur = Komut::Tur::Yazdir;
    if (c.bitti() || secenekMi(c.simdiki()))
        return QStringLiteral("print bir tasarım adı ister.");
    k.tasarim = c.simdiki();
    if (k.tasarim.trimmed().isEmpty())
        return QStringLiteral("Tasarım adı boş.");
    for (c.ilerle(); !c.bitti(); c.ilerle()) {
        // Options stop at the start line: its words may begin with "--".
        if (secenekMi(c.simdiki()) && satir.isEmpty()) {
            if (auto h = yazdirSecenegi(c, k))
                return h;
        } else {
            satir.append(c.simdiki());
        }
    }
    if (satir.isEmpty())
        return QStringLiteral("print bir başlangıç satırı ister.");
    if (k.dogrudan && k.baslangic != 1)
        return QStringLiteral("--start doğrudan basımda kullanılmaz.");
    if (k.adet >= 0 && !k.adet_sutunu.isEmpty())
        return QStringLiteral("--copies ile --copies-from birlikte kullanılmaz.");
    if (Zpl_Ciktisi(k.cikti)) {
        if (!k.dpi_verildi)
            k.dpi = Zpl_Cozunurlukleri[0];
        else if (std::find(std::begin(Zpl_Cozunurlukleri), std::end(Zpl_Cozunurlukleri), k.dpi) ==
                 std::end(Zpl_Cozunurlukleri))
            return QStringLiteral("--dpi ZPL için 203, 300 ya da 600 olmalıdır: %1").arg(k.dpi);
    }
    return {};
}

// preview takes what print takes, but only a PNG and its resolution.
Hata onizleCoz(Cozucu &c, Komut &k, QStringList &satir) {
    if (c.bitti() || secenekMi(c.simdiki()))
        return QStringLiteral("preview bir tasarım adı ister.");
    if (auto h = yazdirCoz(c, k, satir))
        return QString(*h).replace(QLatin1String("print"), QLatin1String("preview"));
    k.tur = Komut::Tur::Onizle;
    if (k.dogrudan || k.kati || k.degisen || !k.adet_sutunu.isEmpty() || k.adet >= 0 ||
        k.baslangic != 1 || !k.parametreler.isEmpty() || !k.yazici.isEmpty())
        return QStringLiteral("preview yalnızca --out ve --dpi alır.");
    if (!k.cikti.toLower().endsWith(QLatin1String(".png")))
        return QStringLiteral("preview bir --out DOSYA.png ister.");
    return {};
}

// history [--limit N] [--json] [LINE]
Hata gecmisCoz(Cozucu &c, Komut &k, QStringList &satir) {
    k.tur = Komut::Tur::Gecmis;
    for (; !c.bitti(); c.ilerle()) {
        const QString &a = c.simdiki();
        if (a == u"--json" && satir.isEmpty()) {
            k.json = true;
        } else if (a == u"--limit" && satir.isEmpty()) {
            if (auto h = c.sayi(a, 1, 1000000, k.sinir))
                return h;
        } else if (secenekMi(a) && satir.isEmpty()) {
            return QStringLiteral("Bilinmeyen seçenek: ") + a;
        } else {
            satir.append(a);
        }
    }
    return {};
}

// reprint NO [--out FILE | --printer NAME] [--direct] [--dpi N] LINE
Hata yenidenCoz(Cozucu &c, Komut &k, QStringList &satir) {
    bool sayi = false;
    k.no = c.bitti() ? 0 : c.simdiki().toLongLong(&sayi);
    if (!sayi || k.no <= 0)
        return QStringLiteral("reprint bir basım numarası ister (varnel history).");
    if (auto h = yazdirCoz(c, k, satir))
        return QString(*h).replace(QLatin1String("print"), QLatin1String("reprint"));
    k.tur = Komut::Tur::Yeniden;
    k.tasarim.clear(); // the run's own, read from the history
    if (k.degisen || k.adet >= 0 || !k.adet_sutunu.isEmpty() || k.baslangic != 1 ||
        !k.parametreler.isEmpty())
        return QStringLiteral("reprint yalnızca --out, --printer, --direct, --dpi, --strict ve "
                              "--query-timeout alır: basımın kendi değerleri kullanılır.");
    return {};
}

Hata inceleCoz(Cozucu &c, Komut &k) {
    k.tur = Komut::Tur::Incele;
    for (; !c.bitti(); c.ilerle()) {
        const QString &a = c.simdiki();
        if (a == u"--json") {
            k.json = true;
        } else if (a == u"--write") {
            if (!c.deger(k.yazilacak_dosya) || k.yazilacak_dosya.trimmed().isEmpty())
                return QStringLiteral("--write bir dosya adı ister.");
        } else if (secenekMi(a)) {
            return QStringLiteral("Bilinmeyen seçenek: ") + a;
        } else if (k.dosya.isEmpty()) {
            k.dosya = a;
        } else {
            return QStringLiteral("inspect tek bir dosya alır.");
        }
    }
    if (k.dosya.isEmpty())
        return QStringLiteral("inspect bir .ftr dosyası ister.");
    return {};
}

// Global options before the command; true when the answer is already complete.
Hata genelCoz(Cozucu &c, Komut &k, bool &tamam) {
    for (; !c.bitti(); c.ilerle()) {
        const QString &a = c.simdiki();
        if (a == u"--help" || a == u"-h" || a == u"--version") {
            k.tur = a == u"--version" ? Komut::Tur::Surum : Komut::Tur::Yardim;
            tamam = true;
            return {};
        }
        if (a == u"--designs") {
            if (!c.deger(k.tasarim_klasoru))
                return QStringLiteral("--designs bir klasör adı ister.");
        } else if (secenekMi(a)) {
            return QStringLiteral("Bilinmeyen seçenek: ") + a;
        } else {
            break;
        }
    }
    return {};
}

} // namespace

QString Kullanim_Metni() {
    return QStringLiteral(
        "Kullanım:\n"
        "  varnel [--designs KLASÖR] [SATIR]\n"
        "      Pencereleri açar; SATIR \"|\" ile ayrılmış başlangıç satırıdır:\n"
        "      sunucu|firma|veritabanı|stok şartı|etiket adedi|kullanıcı|şifre\n"
        "  varnel [--designs KLASÖR] print TASARIM [--start K] [--copies N]\n"
        "         [--param AD=DEĞER]... [--out DOSYA.pdf | DOSYA.png | DOSYA.zpl] [--dpi N]\n"
        "         [--printer AD] SATIR\n"
        "      Tasarımın etiketlerini pencere açmadan basar (--copies en çok 32767,\n"
        "      --dpi 72 ile 1200 arası).\n"
        "  varnel [--designs KLASÖR] print TASARIM --direct [--copies N]\n"
        "         [--param AD=DEĞER]... [--out DOSYA.pdf | DOSYA.png | DOSYA.zpl] [--dpi N]\n"
        "         [--printer AD] SATIR\n"
        "      Doğrudan basım: her etiket bir sayfa, programın kendi çizimiyle.\n"
        "      DOSYA.zpl: termal yazıcının dili ZPL (--dpi 203, 300 ya da 600; 203 olağan),\n"
        "      yalnız barkod yazıcısı tasarımları için; --printer AD ile o yazıcının\n"
        "      ayarlarıyla.\n"
        "      --strict: yazısı alanına sığmayan, fiyatı, birim fiyatı ya da resmi olmayan\n"
        "      veya kod verisi geçersiz etiket varsa hiçbir şey yazmaz, 3 ile çıkar.\n"
        "      --query-timeout SANİYE: veritabanı bu kadar yanıt vermezse basım durur\n"
        "      (olağan 30).\n"
        "      --copies-from SÜTUN: her stokun etiket adedi STOKKART'ın bu sütunundan\n"
        "      (0, boş ya da eksi: basılmaz; 32767'den büyükse basım yapılmaz).\n"
        "      --changed: yalnız fiyatı son basımdan bu yana değişen (ya da hiç basılmamış)\n"
        "      stoklar basılır; kalmazsa \"Fiyatı değişen stok yok.\" ile 0 döner.\n"
        "  varnel history [--limit N] [--json] [SATIR]\n"
        "      Baskı geçmişi, en yenisi önce (SATIR verilirse yalnız o veritabanınınki).\n"
        "  varnel [--designs KLASÖR] reprint NO [--out DOSYA | --printer AD] [--direct]\n"
        "         SATIR\n"
        "      NO numaralı basımı aynı tasarım, stoklar, adetler ve o günkü fiyatlarla\n"
        "      yeniden basar.\n"
        "  varnel [--designs KLASÖR] preview TASARIM --out DOSYA.png [--dpi N] SATIR\n"
        "      Önizleme penceresinin etiketini ilk stok için resim olarak yazar.\n"
        "  varnel check SATIR\n"
        "      Başlangıç denetimlerini yapar ve veritabanına bağlanır.\n"
        "  varnel inspect DOSYA.ftr [--json] [--write ÇIKTI.ftr]\n"
        "      Bir tasarım dosyasını okur ve gösterir.\n"
        "  varnel printers\n"
        "      Yazıcı kuyruklarını ve Varnel'deki ayarlarını (Yazicilar.ini) listeler.\n"
        "  varnel --help | --version\n"
        "\n"
        "Sunucu alanı veritabanını seçer: sqlite:KLASÖR, postgresql://SUNUCU[:PORT],\n"
        "başka her şey SQL Server (ODBC, FreeTDS) sunucusudur.\n"
        "SATIR yerine \"-\" yazılırsa satır standart girdinin ilk satırından okunur;\n"
        "SQL şifresi böylece süreç listesinde görünmez.\n");
}

Komut_Sonucu Komut_Coz(const QStringList &argumanlar) {
    Komut_Sonucu s;
    Komut &k = s.komut;
    Cozucu c(argumanlar);
    bool tamam = false;
    Hata hata = genelCoz(c, k, tamam);
    QStringList satir;
    if (!hata && !tamam) {
        const QString komut = c.bitti() ? QString() : c.simdiki();
        if (komut == u"print" || komut == u"preview" || komut == u"check" || komut == u"inspect" ||
            komut == u"printers" || komut == u"history" || komut == u"reprint")
            c.ilerle();
        if (komut == u"print") {
            hata = yazdirCoz(c, k, satir);
        } else if (komut == u"preview") {
            hata = onizleCoz(c, k, satir);
        } else if (komut == u"inspect") {
            hata = inceleCoz(c, k);
        } else if (komut == u"history") {
            hata = gecmisCoz(c, k, satir);
        } else if (komut == u"reprint") {
            hata = yenidenCoz(c, k, satir);
        } else if (komut == u"printers") {
            k.tur = Komut::Tur::Yazicilar;
            if (!c.bitti())
                hata = QStringLiteral("printers bir şey almaz: ") + c.simdiki();
        } else {
            k.tur = komut == u"check" ? Komut::Tur::Denetle : Komut::Tur::Pencere;
            satir = c.kalan();
            if (k.tur == Komut::Tur::Denetle && satir.isEmpty())
                hata = QStringLiteral("check bir başlangıç satırı ister.");
        }
    }
    if (hata) {
        s.hata = *hata;
        return s;
    }
    k.satir = satir.join(u' ');
    s.tamam = true;
    return s;
}

bool Zpl_Ciktisi(const QString &yol) {
    return yol.endsWith(QLatin1String(".zpl"), Qt::CaseInsensitive);
}

Toplu_Adet Toplu_Etiket_Adedi(const Komut &k, const Oturum &o) {
    if (k.adet >= 0)
        return {k.adet, {}};
    if (o.Sabit_Etiket_Adedi < 0)
        return {0, QStringLiteral("Başlangıç satırındaki etiket adedi eksi olamaz: %1 "
                                  "(--copies N ile verilebilir).")
                       .arg(o.Sabit_Etiket_Adedi)};
    return {o.Varsayilan_Adet(), {}};
}

QString Tasarim_Klasoru(const Komut &k) {
    return Tasarim_Klasorunu_Bul(Program_Klasor_Yerleri(k.tasarim_klasoru));
}
