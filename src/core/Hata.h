#pragma once

#include <QString>
#include <optional>

// Why a step failed, in Turkish, for the user: the one way the rooms below the windows
// say that something did not work. Empty (false) when it worked. Windows turn it into a
// message box, the command line into a line on standard error.
class Hata {
public:
    Hata() = default;
    Hata(std::nullopt_t) {}
    Hata(const QString &mesaj) : mesaj_(mesaj) {}

    explicit operator bool() const { return !mesaj_.isEmpty(); }
    const QString &operator*() const { return mesaj_; }
    const QString *operator->() const { return &mesaj_; }
    const QString &Mesaj() const { return mesaj_; }

private:
    QString mesaj_;
};
