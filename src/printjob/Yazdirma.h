#pragma once

#include "output/SayfaHedefi.h"
#include "printjob/BaskiIsi.h"
#include "startup/Baslangic.h"
#include "startup/Komutlar.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

class GenelForm;
class MesajToplu;
class SayfaHedefi;
class VeriBaglantisi;
struct TasarimBelgesi;

// The printer road of `varnel print`: makes the target for the chosen printer, or
// says why not. Provided by the windows side.
using Yazici_Hedefi_Yapici = std::function<Acilan_Hedef(GenelForm &form, const QString &yazici)>;

// Every parameter of the design needs its value on the command line (a missing
// one is named on standard error); nothing when one is missing.
std::optional<QHash<QString, QString>> Parametreleri_Ver(const Komut &k,
                                                         const TasarimBelgesi &belge);

// What a print command starts from: start-up's session and the job the command
// line describes (its design read, its labels per item and parameters checked), or
// the exit status after the reason was told. Without `baski` only the design is
// read (the preview command).
struct KomutIsi {
    Baslangic_Sonucu baslangic;
    BaskiIsi is;
    int kod = 0;
    bool bos = false; // --changed found nothing to print: told, nothing to do (kod 0)
};
KomutIsi Komut_Isi(const Komut &k, MesajToplu &kutu, bool baski = true);

// The file target of --out (PDF, PNG pages or ZPL, with --printer in that printer's
// settings); nothing, with the reason on
// standard error, when the path cannot be written.
std::unique_ptr<SayfaHedefi> Dosya_Hedefi(const Komut &k);

// ZPL (a .zpl file, or a printer whose settings say ZPL) is for barcode-printer designs
// only: the refusal for a laser sheet, or empty.
QString Zpl_Tasarim_Hatasi(const Komut &k, const TasarimBelgesi &belge);

inline const QString Etiket_Yok_Mesaji =
    QStringLiteral("Basılacak etiket yok: stok şartına uyan stok kartı bulunamadı.");

// The exit status of a command-line run that failed, its reason told on standard
// error: a stop request's (128 + the signal), or 1 (a silent server told once).
int Basarisiz_Kod(const VeriBaglantisi *baglanti, const QString &neden);

// Prints a design's labels without windows, the same road as the design chooser's
// "Seç": start-up checks, reading the design, start position, labels per item,
// parameters, then the label report into a PDF, PNG pages or a printer.
// Returns the exit status: 0 only when labels were produced; 128 + the signal when
// Ctrl+C (130) or a termination request (143) stopped the run.
int Etiket_Bas(const Komut &komut, MesajToplu &kutu, const Yazici_Hedefi_Yapici &yazici);

// "2 stokun etiket adedi eksi; basılmadı: STK-0004, STK-0007"
QString Eksi_Adet_Mesaji(const QStringList &kodlar);

// `varnel history`: the finished runs, newest first (of the start line's database when
// one is given), as lines or as JSON. Returns the exit status.
int Gecmis_Komutu(const Komut &komut);
