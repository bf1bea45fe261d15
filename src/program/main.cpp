#include "core/MesajToplu.h"
#include "core/pencere/MesajPencere.h"
#include "database/VeriBaglantisi.h"
#include "document/TasarimDosyasi.h"
#include "document/TasarimOzeti.h"
#include "drawing/YaziTipleri.h"
#include "mainwindow/PencereAkisi.h"
#include "output/KuyrukCikisi.h"
#include "output/YaziciAyarlari.h"
#include "output/pencere/Yazicilar.h"
#include "printjob/DogrudanYazdirma.h"
#include "printjob/GenelForm.h"
#include "printjob/Yazdirma.h"
#include "startup/Baslangic.h"
#include "startup/Komutlar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QJsonDocument>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>

namespace {

void yaz(FILE *f, const QString &metin) { Satir_Yaz(f, metin, true); }

bool ekranVar() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int denetle(const Komut &k) {
    MesajToplu kutu;
    const Baslangic_Sonucu s = Main(kutu, k.satir);
    if (!s.devam)
        return s.cikis_kodu;
    const Oturum &o = s.oturum;
    yaz(stdout, QStringLiteral("Bağlantı kuruldu: ") +
                    (o.Baglanti ? o.Baglanti->Tanim() : QStringLiteral("yok")));
    yaz(stdout, QStringLiteral("Firma: ") + o.Firma_Unvani);
    yaz(stdout, QStringLiteral("Stok şartı: ") + o.Stok_Sarti);
    return 0;
}

int incele(const Komut &k) {
    TasarimBelgesi belge;
    if (const auto h = Tasarim_Dosyasi_Oku(k.dosya, belge)) {
        yaz(stderr, *h);
        return 1;
    }
    if (const QStringList l = Taninmayan_Kayit_Listesi(belge); !l.isEmpty())
        yaz(stderr, Atlanan_Kayit_Mesaji.arg(l.size()) + u'\n' + l.join(u'\n'));
    if (k.json)
        yaz(stdout,
            QString::fromUtf8(QJsonDocument(Tasarim_Json(belge)).toJson(QJsonDocument::Indented)));
    else
        yaz(stdout, Tasarim_Ozeti(belge));
    if (k.yazilacak_dosya.isEmpty())
        return 0;
    // The design writer adds ".ftr" to a name; say which file that was.
    const QFileInfo hedef(k.yazilacak_dosya);
    QString ad = hedef.fileName();
    if (ad.endsWith(QLatin1String(".ftr"), Qt::CaseInsensitive))
        ad.chop(4);
    if (const auto h = Tasarim_Dosyasi_Yaz(hedef.absolutePath(), ad, belge)) {
        yaz(stderr, *h);
        return 1;
    }
    yaz(stderr, QStringLiteral("Yazıldı: ") +
                    QDir::toNativeSeparators(Tasarim_Yolu(hedef.absolutePath(), ad)));
    return 0;
}

// Batch runs tell the user in their own words; what the drivers say on the way
// (a lost server makes libpq repeat itself for every statement) stays out of it.
void surucuUyarilariniGizle(QtMsgType tur, const QMessageLogContext &, const QString &metin) {
    if (tur == QtFatalMsg || tur == QtCriticalMsg)
        yaz(stderr, metin);
}

int yazdir(int argc, char **argv, const Komut &k) {
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qInstallMessageHandler(surucuUyarilariniGizle);
    // Labels are painted without windows: no display is needed.
    if (!ekranVar())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Yazi_Tiplerini_Yukle();
    MesajToplu kutu;
    const auto yazici = [](GenelForm &form, const QString &ad) -> Acilan_Hedef {
        form.Yazici_Var = [](const QString &n) { return Yazici_Bul(n).has_value(); };
        auto hedef = Yazici_Hedefi_Ac(ad, form.Belge().Tip == 1);
        // The queue or the server that is missing, under the program's own words.
        if (!hedef && !form.Yazici_Var(ad))
            return Hata(QStringLiteral("Lütfen Barkod Yazıcısını Tanımlayın.\n") + *hedef.Hatasi());
        return hedef;
    };
    const auto dogrudan = [](const QString &ad, bool lazer) { return Yazici_Hedefi_Ac(ad, lazer); };
    const int kod = k.tur == Komut::Tur::Onizle ? Onizleme_Komutu(k, kutu)
                    : k.dogrudan                ? Dogrudan_Bas_Komutu(k, kutu, dogrudan)
                                                : Etiket_Bas(k, kutu, yazici);
    return kod;
}

// `varnel printers`: the queues the system has, each with Varnel's settings for it.
int yazicilar(int argc, char **argv) {
    if (!ekranVar())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList adlar = Yazici_Adlari();
    if (adlar.isEmpty()) {
        if (const auto h = Yazdirma_Sunucusu_Hatasi()) {
            yaz(stderr, *h);
            return 1;
        }
        yaz(stdout, QStringLiteral("Yazıcı bulunamadı."));
        return 0;
    }
    const QString dosya = Yazici_Ayarlari_Dosyasi();
    for (const QString &ad : adlar) {
        const OkunanAyar o = Yazici_Ayari_Oku(dosya, ad);
        yaz(stdout, Yazici_Ozeti(ad, o.ayar));
        for (const QString &h : o.hatalar)
            yaz(stderr, ad + QStringLiteral(": ") + h);
    }
    return 0;
}

int pencereler(int argc, char **argv, const Komut &k) {
    if (!ekranVar()) {
        yaz(stderr, QStringLiteral("Ekran bulunamadı; pencereler açılamıyor. Etiketleri pencere "
                                   "açmadan basmak için: varnel print (varnel --help)"));
        return 1;
    }
    QApplication app(argc, argv);
    // Title bars read "<window> — Varnel <version>"; the windows keep their own titles.
    app.setApplicationVersion(QStringLiteral(VARNEL_SURUM));
    app.setApplicationDisplayName(QStringLiteral("Varnel ") + QStringLiteral(VARNEL_SURUM));
    app.setDesktopFileName(QStringLiteral("varnel"));
    // Qt's own dialogs (page setup, print, colour, font) and buttons in Turkish.
    QTranslator ceviri;
    if (ceviri.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&ceviri);
    Yazi_Tiplerini_Yukle();
    MesajPencere kutu;
    const Baslangic_Sonucu s = Main(kutu, k.satir, Tasarim_Klasoru(k));
    if (!s.devam)
        return s.cikis_kodu;
    // The chooser comes back whenever the main window closes; only its "Vazgeç"
    // (or closing it) ends the program.
    app.setQuitOnLastWindowClosed(false);
    PencereAkisi akis(kutu, s.oturum);
    QObject::connect(&akis, &PencereAkisi::Bitti, &app, &QApplication::quit);
    akis.Baslat();
    return app.exec();
}

} // namespace

// Qt wants a private runtime folder; without one it warns on every start.
static void calismaKlasoru() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString klasor =
        QDir::tempPath() + QStringLiteral("/varnel-runtime-") + QString::number(getuid());
    QDir().mkpath(klasor);
    QFile::setPermissions(klasor,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", klasor.toLocal8Bit());
}

// A start line of "-" comes from the first line of standard input, so the SQL
// password never shows in the process list.
static bool satiriGirdidenOku(Komut &k) {
    if (k.satir != u"-")
        return true;
    k.satir = QTextStream(stdin).readLine(); // without its "\n" or "\r\n"
    return !k.satir.trimmed().isEmpty();
}

// Every PDF page compresses its stream with a fresh zlib state of a few hundred
// KB; above glibc's default threshold each one is a new mmap, zeroed page by page
// and given back at once, which costs more than drawing the page. Keeping such
// blocks in the heap makes page output about three times faster. Qt's writer also
// takes two buffers of 16 MB a page to compress it, barely touched: the heap keeps up
// to 48 MB free rather than hand them back (madvise, and the other threads' TLBs
// flushed) and fault them in again for the next page, which cost a sixth of the CPU
// of a label-a-page run at 32 MB. Each painting thread has a heap of its own.
static void bellekAyari() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 48 << 20);
#endif
}

int main(int argc, char **argv) {
    bellekAyari();
    // Qt's PDF writer lists the fonts of a file in the order of a hash: a seed fixed
    // for every run makes the same input give the same bytes, whatever the run.
    QHashSeed::setDeterministicGlobalSeed();
    calismaKlasoru();
    QStringList argumanlar;
    for (int i = 1; i < argc; ++i)
        argumanlar.append(QString::fromLocal8Bit(argv[i]));
    Komut_Sonucu c = Komut_Coz(argumanlar);
    if (!c.tamam) {
        yaz(stderr, c.hata);
        yaz(stderr, QStringLiteral("Kullanım için: varnel --help"));
        return 2;
    }
    if (!satiriGirdidenOku(c.komut)) {
        yaz(stderr, QStringLiteral("Standart girdiden başlangıç satırı okunamadı: ilk satır boş."));
        return 2;
    }
    const Komut &k = c.komut;
    switch (k.tur) {
    case Komut::Tur::Yardim:
        yaz(stdout, Kullanim_Metni());
        return 0;
    case Komut::Tur::Surum:
        yaz(stdout, QStringLiteral("Varnel ") + QStringLiteral(VARNEL_SURUM));
        return 0;
    case Komut::Tur::Denetle: {
        QCoreApplication app(argc, argv);
        return denetle(k);
    }
    case Komut::Tur::Incele: {
        QCoreApplication app(argc, argv);
        return incele(k);
    }
    case Komut::Tur::Yazicilar:
        return yazicilar(argc, argv);
    case Komut::Tur::Yazdir:
    case Komut::Tur::Yeniden:
    case Komut::Tur::Onizle:
        return yazdir(argc, argv, k);
    case Komut::Tur::Gecmis: {
        QCoreApplication app(argc, argv);
        return Gecmis_Komutu(k);
    }
    case Komut::Tur::Pencere:
        return pencereler(argc, argv, k);
    }
    return 2;
}
