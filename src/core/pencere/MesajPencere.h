#pragma once

#include "core/MesajKutusu.h"

class QWidget;

// Message and input boxes as windows.
class MesajPencere : public MesajKutusu {
public:
    explicit MesajPencere(QWidget *ust = nullptr) : ust_(ust) {}
    Cevap MsgBox(const QString &metin, Dugmeler dugmeler, Simge simge,
                 const QString &baslik) override;
    void Ayrintili(const QString &metin, const QStringList &ayrintilar,
                   const QString &baslik) override;
    std::optional<QString> InputBox(const QString &istem, const QString &baslik,
                                    const QString &varsayilan) override;

private:
    QWidget *ust_;
};
