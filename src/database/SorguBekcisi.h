#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Watches the statement a connection waits on, from a thread of its own: a stop
// request (Ctrl+C, SIGTERM) or a server silent for longer than the time-out cancels
// it, so that no run hangs on a database. The thread lives while statements come
// and sleeps when none has come for a while.
class SorguBekcisi {
public:
    enum class Neden { Yok, Sinyal, ZamanAsimi };
    // Called from the watching thread: stage 0 asks the server to cancel, stage 1
    // (half a second later, if the statement still runs) cuts the connection.
    using Iptalci = std::function<void(int asama)>;

    SorguBekcisi() = default;
    ~SorguBekcisi();
    SorguBekcisi(const SorguBekcisi &) = delete;
    SorguBekcisi &operator=(const SorguBekcisi &) = delete;

    void Basla(int saniye, const Iptalci &iptal);
    // The statement ended: why it was cancelled, if it was.
    Neden Bitir();

private:
    void izle();

    std::mutex m_;
    std::condition_variable cv_;
    std::thread t_;
    bool son_ = false, calisiyor_ = false, uyuyor_ = false;
    int asama_ = 0;
    std::chrono::steady_clock::time_point bas_, iptal_ani_;
    std::chrono::milliseconds sure_{0};
    Iptalci iptal_;
    Neden neden_ = Neden::Yok;
};
