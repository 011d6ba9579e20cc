#include <gtest/gtest.h>

#include "common/clock.h"

namespace mtp {
namespace {

TEST(Clock, TestsCanFixTheClockAndRestoreTheSystemOne) {
    SetClockForTesting([] { return EncodeDate(2019, 5, 6); });
    EXPECT_EQ(Now(), EncodeDate(2019, 5, 6));
    SetClockForTesting({});
    const DateTimeParts now = DecodeDateTime(Now());
    EXPECT_GE(now.year, 2020);
    EXPECT_LE(now.year, 9999);
}

} // namespace
} // namespace mtp
