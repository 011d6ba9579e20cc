#include "zip/dos_date_time.h"

#include <gtest/gtest.h>

namespace mtp {
namespace {

TEST(ToDosDateTime, PacksLocalFieldsAndClampsToTheFormatsRange) {
    struct Case {
        DateTimeParts local;
        uint16_t date, time;
    } cases[] = {
        // 2024-07-15 12:30:45 -> seconds rounded down to 44
        {{2024, 7, 15, 12, 30, 45}, (44 << 9) | (7 << 5) | 15, (12 << 11) | (30 << 5) | 22},
        {{1980, 1, 1, 0, 0, 0}, (0 << 9) | (1 << 5) | 1, 0},
        {{2107, 12, 31, 23, 59, 59}, (127 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29},
        // before 1980 and after 2107: the nearest value the format holds
        {{1979, 12, 31, 23, 59, 59}, (0 << 9) | (1 << 5) | 1, 0},
        {{1601, 1, 1, 0, 0, 0}, (0 << 9) | (1 << 5) | 1, 0},
        {{2108, 1, 1, 0, 0, 0}, (127 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29},
    };
    for (const auto& c : cases) {
        const DosDateTime dos = ToDosDateTime(c.local);
        EXPECT_EQ(dos.date, c.date) << c.local.year << "-" << c.local.month << "-" << c.local.day;
        EXPECT_EQ(dos.time, c.time)
            << c.local.hour << ":" << c.local.minute << ":" << c.local.second;
    }
}

} // namespace
} // namespace mtp
