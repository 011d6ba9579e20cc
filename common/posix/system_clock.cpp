#include <chrono>
#include <ctime>

#include "common/system_clock.h"

namespace mtp {

TDateTime SystemNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec > 59 ? 59 : local.tm_sec; // a leap second is no valid field
    parts.millisecond = static_cast<int>(ms < 0 ? 0 : ms);
    return EncodeDateTime(parts);
}

} // namespace mtp
