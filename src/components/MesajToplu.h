#pragma once

#include "MesajKutusu.h"

#include <QHash>
#include <QStringList>
#include <cstdio>

// Batch mode: messages go to standard error one per line; questions are answered
// with a fixed answer and input boxes from answers given on the command line.
class MesajToplu : public MesajKutusu {
public:
    explicit MesajToplu(FILE *cikis = stderr) : cikis_(cikis) {}

    void Soru_Cevabi(Cevap cevap) { soruCevabi_ = cevap; }
    void Girdi_Cevabi(const QString &istem, const QString &cevap) { girdiler_[istem] = cevap; }

    // Prompts that were asked but had no answer, in the order asked.
    const QStringList &Cevapsiz_Istemler() const { return cevapsiz_; }

    Cevap MsgBox(const QString &metin, Dugmeler dugmeler, Simge simge,
                 const QString &baslik) override;
    void Ayrintili(const QString &metin, const QStringList &ayrintilar,
                   const QString &baslik) override;
    std::optional<QString> InputBox(const QString &istem, const QString &baslik,
                                    const QString &varsayilan) override;

private:
    FILE *cikis_;
    Cevap soruCevabi_ = Cevap::Evet;
    QHash<QString, QString> girdiler_;
    QStringList cevapsiz_;
};
