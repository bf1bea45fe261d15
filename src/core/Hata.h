#pragma once

#include <QString>
#include <optional>
#include <utility>

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

private:
    QString mesaj_;
};

// A value, or why there is none.
template <typename T> class Sonuc {
public:
    Sonuc(T deger) : deger_(std::move(deger)) {}
    Sonuc(Hata hata) : hata_(std::move(hata)) {}

    explicit operator bool() const { return deger_.has_value(); }
    T &operator*() { return *deger_; }
    const T &operator*() const { return *deger_; }
    T *operator->() { return &*deger_; }
    const T *operator->() const { return &*deger_; }
    const Hata &Hatasi() const { return hata_; }

private:
    std::optional<T> deger_;
    Hata hata_;
};
