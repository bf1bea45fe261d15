#pragma once

#include "TasarimModeli.h"

#include <QUndoCommand>

// The undo steps of the surface. Each one sets a whole state, so undo and redo
// are exact and a drag that changed the object live is one step.
class ModelKomutu : public QUndoCommand {
public:
    ModelKomutu(TasarimModeli &m, const QString &metin) : QUndoCommand(metin), m_(m) {}

protected:
    void koy(int sira, const YuzeyNesnesi &durum) { m_.durumuKoy(sira, durum); }
    void bolumKoy(const DetayKaydi &b) { m_.bolumuKoy(b); }
    void ayarKoy(const TasarimModeli::Ayarlar &a, const DetayKaydi &b) { m_.ayarlariKoy(a, b); }
    QList<int> &silinenler() { return m_.silinenler_; }
    TasarimModeli &m_;
};

// An object goes from one state to another (create, move, resize, edit, rotate,
// property change).
class DurumKomutu : public ModelKomutu {
public:
    DurumKomutu(TasarimModeli &m, int sira, YuzeyNesnesi once, YuzeyNesnesi sonra,
                const QString &metin)
        : ModelKomutu(m, metin), sira_(sira), once_(std::move(once)), sonra_(std::move(sonra)) {}
    void redo() override { koy(sira_, sonra_); }
    void undo() override { koy(sira_, once_); }

private:
    int sira_;
    YuzeyNesnesi once_, sonra_;
};

// Delete hides the object and pushes it on Silinenler; undoing it shows and
// selects it again and pops it.
class SilmeKomutu : public ModelKomutu {
public:
    SilmeKomutu(TasarimModeli &m, int sira)
        : ModelKomutu(m, QStringLiteral("Sil")), sira_(sira), once_(m.Nesne(sira)) {}
    void redo() override {
        silinenler().append(sira_);
        YuzeyNesnesi n = once_;
        n.Visible = false;
        koy(sira_, n);
        m_.Secimi_Gizle();
    }
    void undo() override {
        YuzeyNesnesi n = once_;
        n.Visible = true;
        koy(sira_, n);
        m_.Nesne_Sec(sira_);
        if (!silinenler().isEmpty())
            silinenler().removeLast();
    }

private:
    int sira_;
    YuzeyNesnesi once_;
};

class BolumKomutu : public ModelKomutu {
public:
    BolumKomutu(TasarimModeli &m, DetayKaydi once, DetayKaydi sonra)
        : ModelKomutu(m, QStringLiteral("Etiket Boyu")), once_(once), sonra_(sonra) {}
    void redo() override { bolumKoy(sonra_); }
    void undo() override { bolumKoy(once_); }

private:
    DetayKaydi once_, sonra_;
};

// The sheet and the section it sizes.
class AyarKomutu : public ModelKomutu {
public:
    struct Durum {
        TasarimModeli::Ayarlar ayar;
        DetayKaydi bolum;
    };
    AyarKomutu(TasarimModeli &m, Durum once, Durum sonra, const QString &metin)
        : ModelKomutu(m, metin), once_(std::move(once)), sonra_(std::move(sonra)) {}
    void redo() override { ayarKoy(sonra_.ayar, sonra_.bolum); }
    void undo() override { ayarKoy(once_.ayar, once_.bolum); }

private:
    Durum once_, sonra_;
};
