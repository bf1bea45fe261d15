#pragma once

#include "core/Hata.h"

#include <QString>

// The places a design folder can be.
struct KlasorYerleri {
    QString verilen;   // --designs DIR, or empty
    QString program;   // the program's own folder
    QString kullanici; // the user's data folder for Varnel ($XDG_DATA_HOME/varnel)
    QString ornekler;  // what the package installs: sample designs, field catalogue
};

// Where designs are kept: the folder given; else "Barkod" beside the program when
// it is there (a build tree); else "Barkod" in the user's data folder, made on
// first use and filled with copies of the samples (an installed program cannot
// write beside itself).
QString Tasarim_Klasorunu_Bul(const KlasorYerleri &y);

// The same places for this program: share/varnel/Barkod beside its bin folder
// holds the samples (/usr/share/varnel/Barkod when installed).
KlasorYerleri Program_Klasor_Yerleri(const QString &verilen);

// A picture the user chose, for a design in `klasor`: its path relative to the folder,
// copied first into the folder's Resimler/ when it lies elsewhere. Another file of the
// same name there is kept: the copy gets a number ("logo-2.png").
Sonuc<QString> Resmi_Al(const QString &kaynak, const QString &klasor);
