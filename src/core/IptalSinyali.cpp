#include "IptalSinyali.h"

#include <atomic>
#include <csignal>

namespace {

// A signal handler can only leave a note in a lock-free atomic; it is the one
// process-wide value here, set by the handler and read by the run in hand and by the
// thread that watches its database statements.
std::atomic<int> gelenSinyal = 0;
static_assert(std::atomic<int>::is_always_lock_free);

void not_al(int sinyal) { gelenSinyal = sinyal; }

} // namespace

Iptal_Dinleyici::Iptal_Dinleyici() {
    gelenSinyal = 0;
    oncekiInt_ = std::signal(SIGINT, not_al);
    oncekiTerm_ = std::signal(SIGTERM, not_al);
}

Iptal_Dinleyici::~Iptal_Dinleyici() {
    std::signal(SIGINT, oncekiInt_);
    std::signal(SIGTERM, oncekiTerm_);
}

int Iptal_Dinleyici::Sinyal() { return gelenSinyal; }
