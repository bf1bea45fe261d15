#include "Yazdirma.h"

#include "GenelForm.h"
#include "components/MesajToplu.h"
#include "components/RaporMotoru.h"
#include "components/SayfaHedefi.h"
#include "document/TasarimTopla.h"
#include "startup/Baslangic.h"
#include "startup/Degiskenler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// Set by Ctrl+C or a termination request; the run then stops after the page in
// hand and still empties the work table.
volatile std::sig_atomic_t iptalIstendi = 0;

void iptalEt(int) { iptalIstendi = 1; }

void yaz(const QString &metin) {
    std::fputs(metin.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

QString Parametre_Istemi(const QString &ad) {
    return ad + QStringLiteral(" Parametresinin Basım İçinOlan Değerini Giriniz");
}

int Etiket_Bas(const Komut &k, MesajToplu &kutu, const Yazici_Hedefi_Yapici &yazici) {
    using namespace Degiskenler;
    const Baslangic_Sonucu s = Main(kutu, k.satir);
    if (!s.devam)
        return s.cikis_kodu;

    Dinamik_Barkod = true;
    Yeni_Tasarim = false;
    Tasarim_Adi = k.tasarim.trimmed();
    if (!Tasarim_Oku(kutu))
        return 1;
    Baslangic_Etiketi = qint16(qBound(-32768, k.baslangic, 32767));
    // The chooser asks the count only when the start line did not fix it; its
    // question defaults to 1.
    Etiket_Adedi = k.adet >= 0               ? qint16(qMin(k.adet, 32767))
                   : Sabit_Etiket_Adedi != 0 ? Sabit_Etiket_Adedi
                                             : qint16(1);

    // Every parameter of the design needs its value on the command line.
    QStringList eksik;
    for (const NesneKaydi &n : Belge.Nesneler) {
        if (!n.Tag.startsWith(QLatin1String("PR_")))
            continue;
        const QString ad = n.Tag.mid(3);
        bool var = false;
        for (const auto &p : k.parametreler)
            var = var || p.first == ad;
        if (!var && !eksik.contains(ad))
            eksik << ad;
    }
    if (!eksik.isEmpty()) {
        for (const QString &ad : eksik)
            yaz(QStringLiteral("Parametre değeri verilmedi: %1 (--param \"%1=DEĞER\")").arg(ad));
        return 2;
    }
    for (const auto &p : k.parametreler)
        kutu.Girdi_Cevabi(Parametre_Istemi(p.first), p.second);

    GenelForm form(kutu);
    const bool dosya = !k.cikti.isEmpty();
    form.Yazici_Gerekli = !dosya;
    if (!k.yazici.isEmpty())
        form.Yazici_Adi = k.yazici;
    std::unique_ptr<SayfaHedefi> hedef;
    QString hata;
    if (dosya) {
        const QString yol = QFileInfo(k.cikti).absoluteFilePath();
        if (!QFileInfo(QFileInfo(yol).path()).isDir()) {
            yaz(QStringLiteral("Çıktı klasörü bulunamadı: ") + QFileInfo(yol).path());
            return 1;
        }
        if (yol.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            hedef = std::make_unique<PdfHedefi>(yol);
        else
            hedef = std::make_unique<PngHedefi>(yol, k.dpi);
    } else {
        hedef = yazici(form, form.Yazici_Adi, hata);
        if (!hedef) {
            yaz(hata);
            return 1;
        }
    }

    RaporMotoru motor(form);
    if (!motor.Baslat(&hata) || !form.Hata().isEmpty()) {
        yaz(form.Hata().isEmpty() ? hata : form.Hata());
        motor.Bitir();
        return 1;
    }
    const bool terminal = isatty(fileno(stderr));
    const auto ilerleme = [&](int sayfa, qint64 bant) {
        if (terminal && sayfa % 10 == 0)
            std::fprintf(stderr, "\r%lld etiket, %d sayfa...", static_cast<long long>(bant), sayfa);
        return iptalIstendi == 0;
    };
    iptalIstendi = 0;
    const auto oncekiInt = std::signal(SIGINT, iptalEt);
    const auto oncekiTerm = std::signal(SIGTERM, iptalEt);
    const int sayfa = Rapor_Uret(motor, *hedef, ilerleme, &hata);
    std::signal(SIGINT, oncekiInt);
    std::signal(SIGTERM, oncekiTerm);
    if (terminal)
        std::fputs("\r\033[K", stderr);
    motor.Bitir();
    if (iptalIstendi) {
        yaz(QStringLiteral("Basım iptal edildi."));
        hedef->Vazgec();
        return 130;
    }
    if (sayfa < 0) {
        yaz(hata);
        hedef->Vazgec();
        return 1;
    }
    if (form.Etiket_Sayisi() == 0) {
        yaz(QStringLiteral("Basılacak etiket yok: stok şartına uyan stok kartı bulunamadı."));
        hedef->Vazgec();
        return 1;
    }
    std::printf("%lld etiket, %d sayfa: %s\n", static_cast<long long>(form.Etiket_Sayisi()), sayfa,
                qPrintable(dosya ? QDir::toNativeSeparators(QFileInfo(k.cikti).absoluteFilePath())
                                 : form.Printer.DeviceName));
    return 0;
}
