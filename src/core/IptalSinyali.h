#pragma once

// While one lives, Ctrl+C and a termination request do not end the process: they
// are noted, and the batch run stops at its next page, cleans up and leaves with
// 128 + the signal's number. The previous handlers come back when it goes.
class Iptal_Dinleyici {
public:
    Iptal_Dinleyici();
    ~Iptal_Dinleyici();
    Iptal_Dinleyici(const Iptal_Dinleyici &) = delete;
    Iptal_Dinleyici &operator=(const Iptal_Dinleyici &) = delete;

    // The signal that asked to stop, or 0.
    static int Sinyal();

private:
    void (*oncekiInt_)(int);
    void (*oncekiTerm_)(int);
};
