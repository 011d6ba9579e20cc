#include <windows.h>

#include "common/system_clock.h"

namespace mtp {

TDateTime SystemNow() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    DateTimeParts parts;
    parts.year = local.wYear;
    parts.month = local.wMonth;
    parts.day = local.wDay;
    parts.hour = local.wHour;
    parts.minute = local.wMinute;
    parts.second = local.wSecond;
    parts.millisecond = local.wMilliseconds;
    return EncodeDateTime(parts);
}

} // namespace mtp
