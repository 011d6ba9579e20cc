// Dating a copied file. The tests run with a fixed time zone that has daylight saving
// (Central European, set for the whole folder), under Wine against the Win32 calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "common/datetime.h"
#include "common/local_file.h"
#include "device/set_file_date.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;

struct FileTimes {
    std::int64_t writtenMs = 0; // last write, milliseconds since 1970 UTC
    std::int64_t createdMs = 0; // creation (Windows only)
};

#ifdef _WIN32
std::int64_t UnixMs(const FILETIME& time) {
    const std::int64_t ticks =
        (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return ticks / 10000 - 11644473600000LL;
}

FileTimes TimesOf(const fs::path& path) {
    FileTimes times;
    HANDLE file =
        CreateFileW(path.wstring().c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME created, accessed, written;
    if (file != INVALID_HANDLE_VALUE && GetFileTime(file, &created, &accessed, &written)) {
        times.writtenMs = UnixMs(written);
        times.createdMs = UnixMs(created);
    }
    CloseHandle(file);
    return times;
}

// Seconds to add to local time to get UTC, as the system has it now.
std::int64_t OffsetNowToUtc() {
    TIME_ZONE_INFORMATION zone;
    const DWORD state = GetTimeZoneInformation(&zone);
    const LONG bias =
        zone.Bias + (state == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    return static_cast<std::int64_t>(bias) * 60;
}
#else
FileTimes TimesOf(const fs::path& path) {
    struct stat info {};
    FileTimes times;
    if (stat(path.c_str(), &info) == 0)
        times.writtenMs =
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return times;
}

std::int64_t OffsetNowToUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return -local.tm_gmtoff;
}
#endif

// Milliseconds since 1970 of a date and time read as UTC.
std::int64_t AsUtcMs(int year, int month, int day, int hour, int minute, int second, int ms) {
    using namespace std::chrono;
    const auto days = sys_days(std::chrono::year{year} / month / day).time_since_epoch();
    return duration_cast<milliseconds>(days + hours(hour) + minutes(minute) + seconds(second))
               .count() +
           ms;
}

class SetFileDateTest : public ::testing::Test {
protected:
    SetFileDateTest() : path_(folder_.Path() / "a.fit") { std::ofstream(path_) << "FIT"; }
    std::u16string Path() const { return path_.u16string(); }

    testing::TempFolder folder_;
    fs::path path_;
};

TEST_F(SetFileDateTest, SetsTheLastWriteTimeWithMillisecondsAndTheOffsetInForceNow) {
    ASSERT_EQ(getenv("TZ") ? std::string(getenv("TZ")) : "", "CET-1CEST,M3.5.0,M10.5.0/3");
    const std::int64_t offset = OffsetNowToUtc();
    EXPECT_TRUE(offset == -3600 || offset == -7200) << offset;
    // A summer and a winter date get the same offset: the one in force now.
    const DateTimeParts cases[] = {{2019, 7, 1, 12, 34, 56, 789}, {2019, 1, 15, 8, 0, 1, 5}};
    for (const DateTimeParts& p : cases) {
        ASSERT_TRUE(SetFileDate(Path(), EncodeDateTime(p)));
        EXPECT_EQ(TimesOf(path_).writtenMs,
                  AsUtcMs(p.year, p.month, p.day, p.hour, p.minute, p.second, p.millisecond) +
                      offset * 1000)
            << p.month;
    }
}

#ifdef _WIN32
bool RunsUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST_F(SetFileDateTest, LeavesTheCreationTimeAsItWas) {
    if (RunsUnderWine())
        GTEST_SKIP() << "Wine keeps no creation time: it reports the earlier of the Unix times";
    const std::int64_t created = TimesOf(path_).createdMs;
    ASSERT_TRUE(SetFileDate(Path(), EncodeDateTime({2019, 5, 6, 12, 34, 56, 0})));
    EXPECT_EQ(TimesOf(path_).createdMs, created);
    EXPECT_NE(TimesOf(path_).writtenMs, created);
}

TEST_F(SetFileDateTest, AFileInUseIsNotDated) {
    LocalFile holder = LocalFile::Create(Path());
    EXPECT_FALSE(SetFileDate(Path(), EncodeDateTime({2019, 5, 6, 12, 34, 56, 0})));
    holder.Close();
    EXPECT_NE(TimesOf(path_).writtenMs,
              AsUtcMs(2019, 5, 6, 12, 34, 56, 0) + OffsetNowToUtc() * 1000);
}
#endif

TEST_F(SetFileDateTest, RefusesDatesBefore1601AndMissingFiles) {
    const std::int64_t before = TimesOf(path_).writtenMs;
    EXPECT_FALSE(SetFileDate(Path(), EncodeDateTime({1600, 12, 31, 23, 59, 59, 0})));
    EXPECT_FALSE(SetFileDate(Path(), EncodeDateTime({1, 1, 1, 0, 0, 0, 0})));
    EXPECT_FALSE(SetFileDate(Path(), 1e12)); // no date-time at all
    EXPECT_EQ(TimesOf(path_).writtenMs, before);
    EXPECT_TRUE(SetFileDate(Path(), EncodeDateTime({1601, 1, 2, 0, 0, 0, 0})));
    EXPECT_FALSE(SetFileDate((folder_.Path() / "missing.fit").u16string(),
                             EncodeDateTime({2019, 5, 6, 0, 0, 0, 0})));
}

} // namespace
} // namespace mtp
