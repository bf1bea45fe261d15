#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's title, on every box where the program speaks.
inline const QString Program_Basligi = QStringLiteral("Varnel 1.0");

// Every question and message of the program goes through this interface, so the
// same start-up and printing logic runs with windows, in batch mode and in tests.
class MesajKutusu {
public:
    enum class Simge { Yok, Kritik, Soru, Unlem, Bilgi };
    enum class Dugmeler { Tamam, TamamIptal, EvetHayir, EvetHayirIptal };
    enum class Cevap { Tamam, Iptal, Evet, Hayir };

    virtual ~MesajKutusu() = default;

    virtual Cevap MsgBox(const QString &metin, Dugmeler dugmeler = Dugmeler::Tamam,
                         Simge simge = Simge::Yok, const QString &baslik = QString()) = 0;

    // A failure told in one box: the message first, the texts behind it (driver
    // text, statement …) under "Ayrıntılar"; batch writes each on a line of its own.
    virtual void Ayrintili(const QString &metin, const QStringList &ayrintilar,
                           const QString &baslik) = 0;

    // Returns nothing when the user cancels.
    virtual std::optional<QString> InputBox(const QString &istem, const QString &baslik,
                                            const QString &varsayilan = QString()) = 0;
};
