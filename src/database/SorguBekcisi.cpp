#include "SorguBekcisi.h"

#include "core/IptalSinyali.h"

using namespace std::chrono_literals;

SorguBekcisi::~SorguBekcisi() {
    if (!t_.joinable())
        return;
    {
        const std::lock_guard l(m_);
        son_ = true;
    }
    cv_.notify_all();
    t_.join();
}

void SorguBekcisi::Basla(int saniye, const Iptalci &iptal) {
    std::unique_lock l(m_);
    calisiyor_ = true;
    asama_ = 0;
    neden_ = Neden::Yok;
    bas_ = std::chrono::steady_clock::now();
    sure_ = std::chrono::seconds(std::max(1, saniye));
    iptal_ = iptal;
    if (!t_.joinable()) {
        t_ = std::thread([this] { izle(); });
    } else if (uyuyor_) {
        l.unlock();
        cv_.notify_all();
    }
}

SorguBekcisi::Neden SorguBekcisi::Bitir() {
    const std::lock_guard l(m_);
    calisiyor_ = false;
    iptal_ = nullptr;
    return neden_;
}

void SorguBekcisi::izle() {
    std::unique_lock l(m_);
    int bos = 0; // ticks without a statement
    while (!son_) {
        // A statement comes with every label of a run: checking ten times a second
        // costs less than waking this thread for each one.
        if (bos > 10) {
            uyuyor_ = true;
            cv_.wait(l, [this] { return son_ || calisiyor_; });
            uyuyor_ = false;
            bos = 0;
            continue;
        }
        cv_.wait_for(l, 100ms);
        if (!calisiyor_) {
            ++bos;
            continue;
        }
        bos = 0;
        const auto simdi = std::chrono::steady_clock::now();
        int asama = -1;
        if (neden_ == Neden::Yok) {
            if (Iptal_Dinleyici::Sinyal())
                neden_ = Neden::Sinyal;
            else if (simdi - bas_ > sure_)
                neden_ = Neden::ZamanAsimi;
            if (neden_ != Neden::Yok) {
                asama = asama_ = 0;
                iptal_ani_ = simdi;
            }
        } else if (asama_ == 0 && simdi - iptal_ani_ > 500ms) {
            asama = asama_ = 1;
        }
        if (asama >= 0 && iptal_) {
            const Iptalci iptal = iptal_;
            l.unlock();
            iptal(asama);
            l.lock();
        }
    }
}
