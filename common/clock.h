// The current local date-time, with a seam so tests can fix the clock.
#pragma once

#include <functional>

#include "common/datetime.h"

namespace mtp {

TDateTime Now();
// Replaces the clock (tests); an empty function restores the system clock.
void SetClockForTesting(std::function<TDateTime()> clock);

} // namespace mtp
