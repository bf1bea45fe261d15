#pragma once

#include "SayfaHedefi.h"

#include <QMutex>
#include <QWaitCondition>
#include <atomic>
#include <deque>
#include <memory>
#include <vector>

class QThread;

// How many threads a run may use: VARNEL_THREADS when set (1: everything on the
// caller's thread), else the machine's cores.
int Is_Parcacigi_Sayisi();

// Hands pages to `hedef` on a thread of its own, in order, while the caller lays out
// the next ones: the output is the same bytes as when the caller paints them itself.
// Only so many pages wait, so memory stays flat. A page the target refused is told
// at the next page or at the end; the pages after it are dropped.
class ArkaPlanHedefi : public SayfaHedefi {
public:
    explicit ArkaPlanHedefi(std::unique_ptr<SayfaHedefi> hedef);
    ~ArkaPlanHedefi() override;
    Hata Sayfa(const RaporSayfasi &sayfa) override;
    void Sayfalar_Bitti() override;
    bool Yetis(const std::function<bool()> &devam) override;
    Hata Bitir() override;
    void Vazgec() override;

private:
    enum class Komut { Sayfa, Bitir, Vazgec, Son };
    struct Is {
        Komut komut;
        RaporSayfasi sayfa;
    };
    // Pages are taken over in batches: each side wakes the other only when it waits,
    // not for every page (a label a page would otherwise spend its time in wake-ups).
    // Pages wait up to a few megabytes of drawing items: enough for the caller to
    // finish its own work at the end of a run (the print history) while the last
    // pages are painted.
    static constexpr qsizetype En_Cok_Oge = 16384, En_Cok_Sayfa = 1024;
    // A waiting thread is woken for a batch this big, or when no page follows.
    static constexpr qsizetype Uyandiran_Oge = 2048, Uyandiran_Sayfa = 64;

    void calis();               // the thread's loop
    Hata komutVer(Komut komut); // waits until the thread has done it
    void durumuAl();            // what the target told, taken over after a step
    void uyandir();             // the thread, when it waits and pages wait

    std::unique_ptr<SayfaHedefi> hedef_; // used and destroyed on the thread only
    QMutex kilit_;
    QWaitCondition isGeldi_, yerAcildi_;
    bool isciBekliyor_ = false, verenBekliyor_ = false;
    bool ciziyor_ = false; // the thread has pages in hand
    std::deque<Is> isler_;
    // Pages painted, freed by the caller: their items were made on its thread, and
    // freeing them on this one would make both threads contend for the caller's heap.
    std::vector<RaporSayfasi> boyanan_;
    qsizetype bekleyenOge_ = 0;      // drawing items of the pages in isler_
    std::atomic_bool birak_ = false; // pages taken over but not painted are dropped
    qint64 verilen_ = 0, biten_ = 0; // commands other than pages, handed over and done
    Hata sayfaHatasi_;               // the first page the target refused
    Hata sonuc_;                     // of the last Bitir
    bool kagitHatasi_ = false;
    QStringList hedefUyarilari_;
    std::unique_ptr<QThread> is_;
};

// `hedef` on a thread of its own when the run may use more than one; else itself.
std::unique_ptr<SayfaHedefi> Arka_Planda(std::unique_ptr<SayfaHedefi> hedef);
