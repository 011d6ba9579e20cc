// Date-times are local times held as days since midnight of 30 December 1899, with the time
// of day as the fraction. Zero stands for "no date" wherever a device date is parsed.
#pragma once

#include <cstdint>

namespace mtp {

using TDateTime = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const DateTimeParts&) const = default;
};

// Field checks: year 1..9999, month 1..12, day within the month (Gregorian leap years),
// hour 0..23, minute 0..59, second 0..59, millisecond 0..999.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Encoding fails (false) when a field is out of range.
bool TryEncodeDateTime(const DateTimeParts& parts, TDateTime& out);
// Throws DateEncodeError when a field is out of range.
TDateTime EncodeDateTime(const DateTimeParts& parts);
TDateTime EncodeDate(int year, int month, int day);

// Splits a date-time into its fields, rounded to the nearest millisecond. Dates before
// 1899-12-30 are negative numbers whose fraction still counts as the time of day (-1.25 is
// 29 December 1899 06:00). Fails for a value outside the years 1 to 9999 or not finite.
bool TryDecodeDateTime(TDateTime value, DateTimeParts& out);
// Throws DateEncodeError for a value TryDecodeDateTime refuses.
DateTimeParts DecodeDateTime(TDateTime value);

} // namespace mtp
