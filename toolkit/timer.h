// A timer: while enabled it fires OnTimer every Interval milliseconds, on the back end's clock.
// A handler that disables it makes it fire once.
#pragma once

#include <functional>

#include "toolkit/component.h"

namespace mtp::tk {

class TTimer : public TComponent {
public:
    using TComponent::TComponent;

    unsigned Interval() const { return interval_; }
    // Changing the interval of a running timer starts its period anew.
    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    // Enabling starts a new period.
    void SetEnabled(bool on);
    // Runs while enabled with an interval above zero (without a handler it fires unseen).
    bool Running() const { return enabled_ && interval_ > 0; }

    // The period elapsed (the back end calls it through TApplication::Dispatch).
    void Fire() {
        if (OnTimer)
            OnTimer();
    }
    std::function<void()> OnTimer;

private:
    unsigned interval_ = 1000;
    bool enabled_ = true;
};

} // namespace mtp::tk
