#include "common/clock.h"

#include <utility>

#include "common/system_clock.h"

namespace mtp {

namespace {
std::function<TDateTime()>& ClockOverride() {
    static std::function<TDateTime()> clock;
    return clock;
}
} // namespace

TDateTime Now() {
    const auto& clock = ClockOverride();
    return clock ? clock() : SystemNow();
}

void SetClockForTesting(std::function<TDateTime()> clock) {
    ClockOverride() = std::move(clock);
}

} // namespace mtp
