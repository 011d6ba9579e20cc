#include "toolkit/timer.h"

namespace mtp::tk {

void TTimer::SetInterval(unsigned ms) {
    if (interval_ == ms)
        return;
    interval_ = ms;
    Changed(TChange::Timer);
}

void TTimer::SetEnabled(bool on) {
    if (enabled_ == on)
        return;
    enabled_ = on;
    Changed(TChange::Timer);
}

} // namespace mtp::tk
