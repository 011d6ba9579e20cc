// Device date texts: creation and modification dates as devices and their drivers write them,
// turned into local date-times. Zero means no date.
#pragma once

#include <string_view>

#include "common/datetime.h"

namespace mtp {

// Tries three fixed layouts (2019/05/06:12:34:56.000, 06.05.2019 12:34:56, 20190506T123456),
// then the locale's date-time conversion, then the two date-only fallbacks. Never throws; a
// text that nothing reads gives zero, as does a text naming exactly 30 December 1899 00:00.
TDateTime ParseDeviceDate(std::u16string_view text);

// The fallbacks: "month/day/year" and "day/month/year" with "/", "." or "-" as the separator
// and the year after the second separator (a two-digit year 0..25 is 20xx, 26..99 is 19xx).
// Zero when the text does not have the shape; DateEncodeError when the shape fits but the
// numbers are no valid date.
TDateTime ParseMonthFirstDate(std::u16string_view text);
TDateTime ParseDayFirstDate(std::u16string_view text);

} // namespace mtp
