#include "IptalSinyali.h"

#include <csignal>

namespace {

// A signal handler can only leave a note in a variable of this kind; it is the one
// process-wide value here, set by the handler and read by the run in hand.
volatile std::sig_atomic_t gelenSinyal = 0;

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
