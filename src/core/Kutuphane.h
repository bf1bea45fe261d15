#pragma once

#include <QLibrary>
#include <QString>

// A C library opened when first needed rather than linked, so that a run that does not
// need it starts without it and the libraries it brings. Stays loaded.
class Kutuphane {
public:
    Kutuphane(const QString &ad, int surum) : l_(ad, surum), tamam_(l_.load()) {}

    // `f` gets the function named `ad`; one missing makes the library unusable.
    template <typename F> Kutuphane &operator()(F &f, const char *ad) {
        f = reinterpret_cast<F>(l_.resolve(ad));
        tamam_ = tamam_ && f;
        return *this;
    }
    bool Tamam() const { return tamam_; }

private:
    QLibrary l_;
    bool tamam_;
};
