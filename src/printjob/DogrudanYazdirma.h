#pragma once

#include "output/SayfaHedefi.h"

#include "startup/Komutlar.h"

#include <QString>
#include <functional>
#include <memory>

class MesajToplu;

// The printer for `varnel print --direct`: the named one, or the system's default
// for an empty name, or why not. Provided by the windows side.
using Yazici_Acici = std::function<Acilan_Hedef(const QString &ad, bool lazer)>;

// `varnel print DESIGN --direct`: start-up, the design, its parameters from
// --param, labels per item from --copies (else the start line's count, else 1),
// then one page per label into the PDF, PNG pages or the printer. Returns the
// exit status (2 for a missing parameter).
int Dogrudan_Bas_Komutu(const Komut &komut, MesajToplu &kutu, const Yazici_Acici &yazici);

// `varnel preview DESIGN --out FILE.png`: the preview window's label for the
// first item as a picture.
int Onizleme_Komutu(const Komut &komut, MesajToplu &kutu);
