#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The program's own command line: global options, a command and its options,
// then the start line made of every remaining argument joined by single blanks.
struct Komut {
    enum class Tur {
        Pencere,
        Yazdir,
        Onizle,
        Denetle,
        Incele,
        Yazicilar,
        Gecmis,
        Yeniden,
        Yardim,
        Surum
    };
    Tur tur = Tur::Pencere;
    QString tasarim_klasoru; // --designs
    QString satir;           // the start line; "-" means: read it from standard input
    // print
    QString tasarim;
    int baslangic = 1;
    int adet = -1; // -1: from the start line
    QList<QPair<QString, QString>> parametreler;
    QString cikti;
    int dpi = 300; // 203 for ZPL unless given
    bool dpi_verildi = false;
    QString yazici;
    bool dogrudan = false;      // --direct: one page per label, the program's own drawing
    bool kati = false;          // --strict: a label whose text does not fit fails the run
    int sorgu_zaman_asimi = 30; // --query-timeout: seconds a statement may wait on the server
    bool degisen = false;       // --changed: only items whose printed price changed
    QString adet_sutunu;        // --copies-from: each item's labels from this column
    // history, reprint
    int sinir = 0; // --limit: at most this many runs (0: all)
    qint64 no = 0; // the run reprint prints again
    // inspect
    QString dosya;
    bool json = false;
    QString yazilacak_dosya; // --write
};

struct Komut_Sonucu {
    bool tamam = false;
    Komut komut;
    QString hata; // Turkish, for standard error
};

// Limits of the numeric options: labels are counted in 16 bits, PNG pages above
// 1200 dpi take gigabytes.
inline constexpr int En_Cok_Adet = 32767;
inline constexpr int En_Az_Dpi = 72;
inline constexpr int En_Cok_Dpi = 1200;
// Whether an output file is ZPL for a thermal printer (else PDF or PNG pages).
bool Zpl_Ciktisi(const QString &yol);
// The exit status of a --strict run that had text not fitting its box.
inline constexpr int Tasma_Cikis_Kodu = 3;

Komut_Sonucu Komut_Coz(const QStringList &argumanlar); // without the program name
QString Kullanim_Metni();

struct Oturum;

// Labels per item of a batch run: --copies, else the session's default (the start
// line's count, else 1). A negative start-line count is refused with the text to show.
struct Toplu_Adet {
    int adet = 1;
    QString hata;
};
Toplu_Adet Toplu_Etiket_Adedi(const Komut &k, const Oturum &oturum);

// The design folder: --designs, else Barkod/ beside the program.
QString Tasarim_Klasoru(const Komut &k);
