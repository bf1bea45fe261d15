#include "ArkaPlanHedefi.h"

#include <QMutexLocker>
#include <QThread>
#include <algorithm>
#include <iterator>

int Is_Parcacigi_Sayisi() {
    bool var = false;
    const int n = qEnvironmentVariableIntValue("VARNEL_THREADS", &var);
    if (var && n >= 1)
        return n;
    return std::max(1, QThread::idealThreadCount());
}

std::unique_ptr<SayfaHedefi> Arka_Planda(std::unique_ptr<SayfaHedefi> hedef) {
    if (!hedef || Is_Parcacigi_Sayisi() < 2)
        return hedef;
    return std::make_unique<ArkaPlanHedefi>(std::move(hedef));
}

ArkaPlanHedefi::ArkaPlanHedefi(std::unique_ptr<SayfaHedefi> hedef) : hedef_(std::move(hedef)) {
    // Qt's objects the target makes (a PDF writer, a painter) live and die on the
    // thread that paints with them.
    is_.reset(QThread::create([this] { calis(); }));
    is_->start();
}

ArkaPlanHedefi::~ArkaPlanHedefi() {
    {
        const QMutexLocker k(&kilit_);
        birak_ = true; // pages not painted yet are dropped with the target
        isler_.clear();
        bekleyenOge_ = 0;
        isler_.push_back({Komut::Son, {}});
        isGeldi_.wakeAll();
    }
    is_->wait();
}

void ArkaPlanHedefi::calis() {
    std::deque<Is> elde;
    std::vector<RaporSayfasi> boyanan;
    for (;;) {
        {
            const QMutexLocker k(&kilit_);
            std::move(boyanan.begin(), boyanan.end(), std::back_inserter(boyanan_));
            boyanan.clear();
            ciziyor_ = false;
            while (isler_.empty()) {
                yerAcildi_.wakeAll(); // all painted, for Yetis
                isciBekliyor_ = true;
                isGeldi_.wait(&kilit_);
            }
            isciBekliyor_ = false;
            ciziyor_ = true;
            elde.swap(isler_);
            bekleyenOge_ = 0;
            if (verenBekliyor_)
                yerAcildi_.wakeAll();
        }
        for (; !elde.empty(); elde.pop_front()) {
            Is &is = elde.front();
            switch (is.komut) {
            case Komut::Sayfa:
                // After a refused page, or once the run is dropped, the output goes anyway.
                if (!birak_)
                    if (Hata h = hedef_->Sayfa(is.sayfa)) {
                        const QMutexLocker k(&kilit_);
                        sayfaHatasi_ = h;
                        kagitHatasi_ = hedef_->Kagit_Hatasi();
                        hedefUyarilari_ = hedef_->Uyarilar();
                        birak_ = true;
                    }
                boyanan.push_back(std::move(is.sayfa));
                continue;
            case Komut::Son:
                hedef_.reset();
                return;
            case Komut::Bitir: {
                // A refused page is written only on this thread: no lock to read it.
                Hata h = sayfaHatasi_ ? sayfaHatasi_ : hedef_->Bitir();
                const QMutexLocker k(&kilit_);
                sonuc_ = h;
                break;
            }
            case Komut::Vazgec: {
                hedef_->Vazgec();
                const QMutexLocker k(&kilit_);
                sayfaHatasi_ = {}; // the target starts afresh
                birak_ = false;
                break;
            }
            }
            const QMutexLocker k(&kilit_);
            kagitHatasi_ = hedef_->Kagit_Hatasi();
            hedefUyarilari_ = hedef_->Uyarilar();
            ++biten_;
            yerAcildi_.wakeAll();
        }
    }
}

void ArkaPlanHedefi::durumuAl() {
    kagit_ = kagitHatasi_;
    Uyari_Ekle(hedefUyarilari_);
}

Hata ArkaPlanHedefi::Sayfa(const RaporSayfasi &sayfa) {
    std::vector<RaporSayfasi> boyanan; // freed here, after the lock
    const QMutexLocker k(&kilit_);
    boyanan.swap(boyanan_);
    while ((bekleyenOge_ >= En_Cok_Oge || qsizetype(isler_.size()) >= En_Cok_Sayfa) &&
           !sayfaHatasi_) {
        verenBekliyor_ = true;
        yerAcildi_.wait(&kilit_);
    }
    verenBekliyor_ = false;
    if (sayfaHatasi_) {
        durumuAl();
        return sayfaHatasi_;
    }
    isler_.push_back({Komut::Sayfa, sayfa});
    bekleyenOge_ += sayfa.ogeler.size() + 1;
    if (bekleyenOge_ >= Uyandiran_Oge || qsizetype(isler_.size()) >= Uyandiran_Sayfa)
        uyandir();
    return {};
}

void ArkaPlanHedefi::uyandir() {
    if (isciBekliyor_ && !isler_.empty())
        isGeldi_.wakeOne();
}

void ArkaPlanHedefi::Sayfalar_Bitti() {
    const QMutexLocker k(&kilit_);
    uyandir();
}

bool ArkaPlanHedefi::Yetis(const std::function<bool()> &devam) {
    for (;;) {
        {
            const QMutexLocker k(&kilit_);
            if ((isler_.empty() && !ciziyor_) || sayfaHatasi_)
                return true;
            uyandir();
            yerAcildi_.wait(&kilit_, 50);
        }
        if (devam && !devam())
            return false;
    }
}

Hata ArkaPlanHedefi::komutVer(Komut komut) {
    const QMutexLocker k(&kilit_);
    isler_.push_back({komut, {}});
    const qint64 hedef = ++verilen_;
    isGeldi_.wakeOne();
    while (biten_ < hedef)
        yerAcildi_.wait(&kilit_);
    const Hata h = komut == Komut::Bitir ? sonuc_ : Hata();
    durumuAl();
    return h;
}

Hata ArkaPlanHedefi::Bitir() { return komutVer(Komut::Bitir); }

void ArkaPlanHedefi::Vazgec() {
    {
        // Pages still waiting are not painted: the output is dropped.
        const QMutexLocker k(&kilit_);
        birak_ = true;
        std::erase_if(isler_, [](const Is &is) { return is.komut == Komut::Sayfa; });
        bekleyenOge_ = 0;
    }
    komutVer(Komut::Vazgec);
}
