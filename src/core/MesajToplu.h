#pragma once

#include "MesajKutusu.h"

#include <QStringList>
#include <cstdio>

// Writes one message as one line: control characters from item data (an escape
// sequence, a bell) show as \xNN and cannot clear or retitle the terminal; line
// breaks inside the message are kept when `satirlar`, else joined with blanks.
void Satir_Yaz(FILE *f, const QString &metin, bool satirlar = false);

// Batch mode: messages go to standard error one per line; a question is answered
// yes (or OK), an input box is cancelled: every value a batch run needs comes on
// its command line.
class MesajToplu : public MesajKutusu {
public:
    explicit MesajToplu(FILE *cikis = stderr) : cikis_(cikis) {}

    Cevap MsgBox(const QString &metin, Dugmeler dugmeler, Simge simge,
                 const QString &baslik) override;
    void Ayrintili(const QString &metin, const QStringList &ayrintilar,
                   const QString &baslik) override;
    std::optional<QString> InputBox(const QString &istem, const QString &baslik,
                                    const QString &varsayilan) override;

private:
    FILE *cikis_;
};
