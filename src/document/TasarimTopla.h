#pragma once

#include "TasarimKayitlari.h"

#include <QList>
#include <QString>

class MesajKutusu;

// What gathering needs from the design surface. The surface implements it; tests
// use a plain list of controls.
class TasarimYuzeyi {
public:
    // One control of the design window, as gathering sees it.
    struct Kontrol {
        QString ad;              // control name: "Etiket", "Alan", "Yatay_Cizgi", "Secims", ...
        QString kapsayici;       // name of its container ("Bolum" for sections)
        qint16 kapsayici_no = 0; // index of that container
        bool gorunur = true;
        NesneKaydi ozellik; // its properties; Tur and Bolum_No are filled by gathering
    };
    struct Barkod {
        qint16 kapsayici_no = 0;
        bool gorunur = true;
        BarkodKaydi ozellik;
    };
    struct Sayfa {
        double sol = 0, sag = 0, ust = 0, alt = 0; // report engine margins
        qint32 yonlendirme = 1;
        float kagit = 9;
    };

    virtual ~TasarimYuzeyi() = default;
    virtual QList<Kontrol> Kontroller() const = 0; // every control, in window order
    virtual QList<Barkod> Barkodlar() const = 0;   // barcode array elements 1..n
    virtual DetayKaydi Etiket_Alani() const = 0;   // section 0: the label area
    virtual Sayfa Sayfa_Ayari() const = 0;
    // Commits the in-place editor's text to the selected object, if it is open.
    virtual void Duzenleyiciyi_Kapat() {}
};

inline const QString Bos_Tasarim_Mesaji = QStringLiteral("Tasarımı boş olarak kaydedemezsiniz.");

// Rebuilds the lists and page settings of `belge` from the surface. An empty
// design shows a message, returns false and leaves `belge` as it was.
bool Tasarim_Topla(const TasarimYuzeyi &yuzey, TasarimBelgesi &belge, MesajKutusu &kutu);

// Gathers and writes the current design (Tasarim_Adi in the design folder).
// Returns true when the file was written.
bool Tasarim_Yaz(TasarimYuzeyi &yuzey, MesajKutusu &kutu);

// Reads the design named Tasarim_Adi into the program's document. Returns false,
// after telling the user why, when the file cannot be read; the document is then
// unchanged.
bool Tasarim_Oku(MesajKutusu &kutu);

// Opens the stored design `ad` (blanks around it dropped) for printing: not a new
// design; Tasarim_Adi names it and Tasarim_Oku reads it.
bool Tasarimi_Oku(const QString &ad, MesajKutusu &kutu);

// Save as: asks for the name, confirms overwriting, then saves.
bool FarkliKaydet_Btn_Click(TasarimYuzeyi &yuzey, MesajKutusu &kutu);
