#pragma once

#include "core/MesajKutusu.h"

#include <QList>
#include <QQueue>
#include <QString>

// Records every box and answers from queues; an empty queue answers with the
// first button (OK / Yes) or cancels an input box.
class SahteMesaj : public MesajKutusu {
public:
    struct Kutu {
        QString metin;
        Dugmeler dugmeler;
        Simge simge;
        QString baslik;
        QStringList ayrintilar;
    };
    struct Girdi {
        QString istem;
        QString baslik;
        QString varsayilan;
    };

    QList<Kutu> kutular;
    QList<Girdi> girdiler;
    QQueue<Cevap> cevaplar;
    QQueue<std::optional<QString>> girdi_cevaplari;

    Cevap MsgBox(const QString &metin, Dugmeler dugmeler, Simge simge,
                 const QString &baslik) override {
        kutular.append({metin, dugmeler, simge, baslik, {}});
        if (!cevaplar.isEmpty())
            return cevaplar.dequeue();
        return dugmeler == Dugmeler::EvetHayir || dugmeler == Dugmeler::EvetHayirIptal
                   ? Cevap::Evet
                   : Cevap::Tamam;
    }

    void Ayrintili(const QString &metin, const QStringList &ayrintilar,
                   const QString &baslik) override {
        kutular.append({metin, Dugmeler::Tamam, Simge::Kritik, baslik, ayrintilar});
    }

    std::optional<QString> InputBox(const QString &istem, const QString &baslik,
                                    const QString &varsayilan) override {
        girdiler.append({istem, baslik, varsayilan});
        if (!girdi_cevaplari.isEmpty())
            return girdi_cevaplari.dequeue();
        return std::nullopt;
    }

    QStringList metinler() const {
        QStringList m;
        for (const Kutu &k : kutular)
            m.append(k.metin);
        return m;
    }
};
