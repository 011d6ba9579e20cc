#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "common/datetime.h"
#include "common/errors.h"

namespace mtp {
namespace {

DateTimeParts Parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return {y, mo, d, h, mi, s, ms};
}

struct KnownValue {
    DateTimeParts parts;
    double value;
};

TEST(DateTime, EncodesDaysSinceTheEndOf1899WithTheTimeAsFraction) {
    const KnownValue cases[] = {
        {Parts(1899, 12, 30), 0.0},
        {Parts(1899, 12, 31), 1.0},
        {Parts(1900, 1, 1), 2.0},
        {Parts(1900, 3, 1), 61.0}, // 1900 is no leap year
        {Parts(2000, 1, 1), 36526.0},
        {Parts(2019, 5, 6, 12), 43591.5},
        {Parts(2019, 5, 6, 6), 43591.25},
        {Parts(1, 1, 1), -693593.0},
        {Parts(9999, 12, 31), 2958465.0},
        // Before the epoch the fraction still counts forward from midnight.
        {Parts(1899, 12, 29, 6), -1.25},
        {Parts(1899, 12, 29, 18), -1.75},
        {Parts(1800, 1, 1, 12), -36522.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(EncodeDateTime(c.parts), c.value) << c.value;
        EXPECT_EQ(DecodeDateTime(c.value), c.parts) << c.value;
    }
}

TEST(DateTime, RefusesFieldsOutOfRange) {
    const DateTimeParts invalid[] = {
        Parts(0, 1, 1),           Parts(10000, 1, 1),          Parts(2019, 0, 1),
        Parts(2019, 13, 1),       Parts(2019, 1, 0),           Parts(2019, 1, 32),
        Parts(2019, 4, 31),       Parts(2019, 2, 29),          Parts(1900, 2, 29),
        Parts(2100, 2, 29),       Parts(2019, 1, 1, 24),       Parts(2019, 1, 1, -1),
        Parts(2019, 1, 1, 0, 60), Parts(2019, 1, 1, 0, 0, 60), Parts(2019, 1, 1, 0, 0, 0, 1000),
        Parts(-5, 1, 1),
    };
    for (const auto& p : invalid) {
        TDateTime value = 42;
        EXPECT_FALSE(TryEncodeDateTime(p, value)) << p.year << "-" << p.month << "-" << p.day;
        EXPECT_EQ(value, 42);
        EXPECT_THROW(EncodeDateTime(p), DateEncodeError);
    }
    TDateTime value = 0;
    EXPECT_TRUE(TryEncodeDateTime(Parts(2000, 2, 29), value));
    EXPECT_TRUE(TryEncodeDateTime(Parts(2020, 2, 29, 23, 59, 59, 999), value));
}

TEST(DateTime, DecodesBackEveryEncodedMillisecondAcrossTheRange) {
    const int years[] = {1, 4, 100, 1582, 1899, 1900, 1970, 2000, 2019, 2400, 9999};
    const DateTimeParts times[] = {Parts(0, 0, 0), Parts(0, 0, 0, 0, 0, 0, 1),
                                   Parts(0, 0, 0, 11, 59, 59, 999), Parts(0, 0, 0, 12),
                                   Parts(0, 0, 0, 23, 59, 59, 999)};
    for (int year : years)
        for (int month : {1, 2, 12})
            for (int day : {1, DaysInMonth(year, month)})
                for (DateTimeParts t : times) {
                    t.year = year;
                    t.month = month;
                    t.day = day;
                    EXPECT_EQ(DecodeDateTime(EncodeDateTime(t)), t)
                        << year << "-" << month << "-" << day << " " << t.hour << ":"
                        << t.millisecond;
                }
}

TEST(DateTime, DecodesToTheNearestMillisecond) {
    const double ms = 1.0 / 86'400'000;
    const double noon = EncodeDateTime(Parts(2019, 5, 6, 12));
    EXPECT_EQ(DecodeDateTime(noon + 0.4 * ms), Parts(2019, 5, 6, 12));
    EXPECT_EQ(DecodeDateTime(noon + 0.6 * ms), Parts(2019, 5, 6, 12, 0, 0, 1));
    // Rounding up at the end of a day carries into the next day, also before 1899.
    const double lastMs = EncodeDateTime(Parts(2019, 12, 31, 23, 59, 59, 999));
    EXPECT_EQ(DecodeDateTime(lastMs + 0.6 * ms), Parts(2020, 1, 1));
    EXPECT_EQ(DecodeDateTime(-1.0 - (1.0 - 0.4 * ms)), Parts(1899, 12, 30));
    // Between -1 and 0 the day is the epoch's own and the fraction its time.
    EXPECT_EQ(DecodeDateTime(-0.5), Parts(1899, 12, 30, 12));
}

TEST(DateTime, RefusesToDecodeValuesOutsideTheYears1To9999) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {std::nan(""), inf, -inf, -693594.0, 2958466.0, 1e300}) {
        DateTimeParts parts;
        EXPECT_FALSE(TryDecodeDateTime(v, parts)) << v;
        EXPECT_THROW(DecodeDateTime(v), DateEncodeError) << v;
    }
}

TEST(DateTime, KnowsGregorianLeapYears) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2020));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2019));
    EXPECT_EQ(DaysInMonth(2020, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2019, 4), 30);
}

} // namespace
} // namespace mtp
