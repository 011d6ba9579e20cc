// The platform's local time (win32/ or posix/); Now() in clock.h adds the test seam.
#pragma once

#include "common/datetime.h"

namespace mtp {

TDateTime SystemNow();

} // namespace mtp
