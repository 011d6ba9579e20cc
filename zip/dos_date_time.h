// The MS-DOS date and time that every ZIP entry carries: local time, two-second steps,
// years 1980 to 2107.
#pragma once

#include <cstdint>

#include "common/datetime.h"

namespace mtp {

struct DosDateTime {
    uint16_t time = 0; // hour << 11 | minute << 5 | second / 2
    uint16_t date = 0; // (year - 1980) << 9 | month << 5 | day
};

// Seconds are rounded down to the even second below. A moment before 1980 becomes the
// earliest value the format holds (1980-01-01 00:00:00), one after 2107 the latest.
DosDateTime ToDosDateTime(const DateTimeParts& local);

} // namespace mtp
