#include "common/datetime.h"

#include <cmath>

#include "common/errors.h"

namespace mtp {

namespace {

constexpr int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 to the given proleptic Gregorian date (valid for any year).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct CivilDate {
    int year, month, day;
};

CivilDate CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const int64_t kEpochDays = DaysFromCivil(1899, 12, 30);
const int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kEpochDays;
const int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kEpochDays;

bool FieldsValid(const DateTimeParts& p) {
    return p.year >= 1 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
           p.day <= DaysInMonth(p.year, p.month) && p.hour >= 0 && p.hour <= 23 && p.minute >= 0 &&
           p.minute <= 59 && p.second >= 0 && p.second <= 59 && p.millisecond >= 0 &&
           p.millisecond <= 999;
}

} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDateTime(const DateTimeParts& parts, TDateTime& out) {
    if (!FieldsValid(parts))
        return false;
    const int64_t days = DaysFromCivil(parts.year, parts.month, parts.day) - kEpochDays;
    const int64_t ms =
        ((parts.hour * 60 + parts.minute) * 60 + parts.second) * 1000LL + parts.millisecond;
    const double time = static_cast<double>(ms) / kMsPerDay;
    // Before the epoch the whole number counts back and the fraction still counts forward
    // from midnight: 29 December 1899 06:00 is -1.25.
    out = days < 0 ? static_cast<double>(days) - time : static_cast<double>(days) + time;
    return true;
}

TDateTime EncodeDateTime(const DateTimeParts& parts) {
    TDateTime value = 0;
    if (!TryEncodeDateTime(parts, value))
        throw DateEncodeError(u"Invalid argument to date encode");
    return value;
}

TDateTime EncodeDate(int year, int month, int day) {
    DateTimeParts parts;
    parts.year = year;
    parts.month = month;
    parts.day = day;
    return EncodeDateTime(parts);
}

bool TryDecodeDateTime(TDateTime value, DateTimeParts& out) {
    if (!std::isfinite(value) || value < static_cast<double>(kFirstDay) - 1 ||
        value > static_cast<double>(kLastDay) + 1)
        return false;
    int64_t days = static_cast<int64_t>(std::trunc(value));
    int64_t ms = std::llround(std::fabs(value - std::trunc(value)) * kMsPerDay);
    if (ms >= kMsPerDay) { // rounded up to the next midnight
        ms -= kMsPerDay;
        ++days;
    }
    if (days < kFirstDay || days > kLastDay)
        return false;
    const CivilDate date = CivilFromDays(days + kEpochDays);
    out.year = date.year;
    out.month = date.month;
    out.day = date.day;
    out.hour = static_cast<int>(ms / 3'600'000);
    out.minute = static_cast<int>(ms / 60'000 % 60);
    out.second = static_cast<int>(ms / 1000 % 60);
    out.millisecond = static_cast<int>(ms % 1000);
    return true;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    DateTimeParts parts;
    if (!TryDecodeDateTime(value, parts))
        throw DateEncodeError(u"Invalid argument to date decode");
    return parts;
}

} // namespace mtp
