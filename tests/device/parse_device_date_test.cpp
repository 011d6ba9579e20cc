#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/locale_formats.h"
#include "common/text.h"
#include "device/parse_device_date.h"

namespace mtp {
namespace {

DateTimeParts Parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return {y, mo, d, h, mi, s, 0};
}

// Runs with a chosen user locale and restores the one it found.
class DeviceDateTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = CurrentLocale(); }
    void TearDown() override { SetCurrentLocale(saved_); }
    LocaleFormats saved_;
};

struct DateCase {
    const char16_t* text;
    std::optional<DateTimeParts> date; // nothing: zero, no date
};

void ExpectDates(const LocaleFormats& locale, std::initializer_list<DateCase> cases) {
    SetCurrentLocale(locale);
    for (const auto& c : cases) {
        const TDateTime value = ParseDeviceDate(c.text);
        if (c.date)
            EXPECT_EQ(DecodeDateTime(value), *c.date)
                << Utf16ToUtf8(locale.shortDate) << ": " << Utf16ToUtf8(c.text);
        else
            EXPECT_EQ(value, 0) << Utf16ToUtf8(locale.shortDate) << ": " << Utf16ToUtf8(c.text);
    }
}

// The three fixed layouts read whatever separators and tail the text has, in every locale.
TEST_F(DeviceDateTest, FixedLayoutsComeFirstInEveryLocale) {
    const DateTimeParts may6 = Parts(2019, 5, 6, 12, 34, 56);
    for (const LocaleFormats& locale :
         {DottedDayFirstLocale(), UsLocale(), IsoLocale(), TwoDigitYearLocale()})
        ExpectDates(locale, {
                                {u"", std::nullopt},
                                // layout 1
                                {u"2019/05/06:12:34:56.000", may6},
                                {u"2019-05-06T12:34:56Z", may6},
                                {u"2019-05-06T12:34:56", may6},
                                {u"2019-05-06 12:34:56+02:00", may6},
                                {u"$7E3/05/06:12:34:56", may6}, // pieces convert like any integer
                                // layout 2: layout 1 fails on its first piece "06.0"
                                {u"06.05.2019 12:34:56", may6},
                                {u"06-05-2019T12:34:56.5", may6},
                                // layout 3: layouts 1 and 2 fail
                                {u"20190506T123456", may6},
                                {u"20190506T123456.000Z", may6},
                                {u"20190506 123456", may6},
                                // a field out of range fails its layout, and nothing else reads
                                {u"2019/05/06:24:00:00", std::nullopt},
                                {u"2019/02/29:12:00:00", std::nullopt},
                                {u"2019/13/06:12:34:56", std::nullopt},
                                {u"-019/05/06:12:34:56", std::nullopt},
                                {u"2019/05/06:12:34:5", Parts(2019, 5, 6, 12, 34, 5)},
                                {u"2019/05/06:12:34:", std::nullopt},
                                {u"2019/05/06:12:34", std::nullopt},
                            });
}

TEST_F(DeviceDateTest, DottedDayFirstLocale) {
    ExpectDates(DottedDayFirstLocale(),
                {
                    // the locale's own conversion
                    {u"06.05.2019", Parts(2019, 5, 6)},
                    {u"6.5.2019 7:08", Parts(2019, 5, 6, 7, 8)},
                    {u"6.5.30", Parts(2030, 5, 6)},
                    // zero by layout 2, and zero again by the locale: no date
                    {u"30.12.1899 00:00:00", std::nullopt},
                    {u"30.12.1899", std::nullopt},
                    // the fallbacks: month first, then day first
                    {u"5/6/19", Parts(2019, 5, 6)},
                    {u"13/6/19", Parts(2019, 6, 13)},
                    {u"5-6-19", Parts(2019, 5, 6)},
                    {u"5/6/25", Parts(2025, 5, 6)},
                    {u"5/6/26", Parts(1926, 5, 6)},
                    {u"5/6/0", Parts(2000, 5, 6)},
                    {u"31/12/99", Parts(1999, 12, 31)},
                    {u"0x5/6/19", Parts(2019, 5, 6)},
                    {u"5/6/19 10:11", std::nullopt},
                    {u"5.6/19", std::nullopt},
                    {u"29/2/19", std::nullopt},
                    {u"2019/05/06", std::nullopt},
                    {u"5/6", std::nullopt},
                    {u"yesterday", std::nullopt},
                    // a year of 100 or more stands as it is
                    {u"5/6/2019", Parts(2019, 5, 6)},
                    {u"5/6/100", Parts(100, 5, 6)},
                    {u"5/6/9999", Parts(9999, 5, 6)},
                    {u"5/6/10000", std::nullopt},
                    // a negative part, or one beyond 16 bits, is no date
                    {u"5/6/-1", std::nullopt},
                    {u"-5/6/19", std::nullopt},
                    {u"5/-6/19", std::nullopt},
                    {u"5/6/65536", std::nullopt},
                    {u"65541/6/19", std::nullopt}, // 65541 would wrap to 5 in 16 bits
                    {u"5/65542/19", std::nullopt},
                    {u"5/6/65555", std::nullopt}, // would wrap to 19
                });
}

TEST_F(DeviceDateTest, SlashedMonthFirstLocale) {
    ExpectDates(UsLocale(), {
                                {u"5/6/2019 1:02:03 PM", Parts(2019, 5, 6, 13, 2, 3)},
                                {u"5/6/19", Parts(2019, 5, 6)},
                                {u"13/6/19", Parts(2019, 6, 13)},
                                {u"6-5-30", Parts(1930, 6, 5)},
                                {u"6-5-25", Parts(2025, 6, 5)},
                                {u"6.5.2019", Parts(2019, 6, 5)},
                                {u"30.12.1899 00:00:00", std::nullopt},
                                {u"2019/05/06", std::nullopt},
                            });
}

TEST_F(DeviceDateTest, IsoLikeLocale) {
    ExpectDates(IsoLocale(), {
                                 {u"2019-05-06", Parts(2019, 5, 6)},
                                 {u"2019-05-06 12:34", Parts(2019, 5, 6, 12, 34)},
                                 {u"5/6/19", Parts(2019, 5, 6)},
                                 {u"2019/05/06", std::nullopt},
                             });
}

TEST_F(DeviceDateTest, TwoDigitYearLocale) {
    ExpectDates(TwoDigitYearLocale(), {
                                          // the locale reads day first before any fallback
                                          {u"05/06/19", Parts(2019, 6, 5)},
                                          {u"05/06/30 08:09:10", Parts(2030, 6, 5, 8, 9, 10)},
                                          {u"6-5-30", Parts(1930, 6, 5)},
                                          {u"6.5.19", Parts(2019, 6, 5)},
                                      });
}

struct FallbackCase {
    const char16_t* text;
    std::optional<DateTimeParts> monthFirst, dayFirst; // nothing: raises
};

TEST(DeviceDateFallbacks, ZeroForTheWrongShapeAndAnErrorForAnImpossibleDate) {
    const std::optional<DateTimeParts> zero = Parts(1899, 12, 30);
    const FallbackCase cases[] = {
        {u"5/6/19", Parts(2019, 5, 6), Parts(2019, 6, 5)},
        {u"13/6/19", std::nullopt, Parts(2019, 6, 13)},
        {u"5/13/19", Parts(2019, 5, 13), std::nullopt},
        {u"0/6/19", std::nullopt, std::nullopt},
        {u"5/6/65535", std::nullopt, std::nullopt},
        {u" 5/ 6/ 19", Parts(2019, 5, 6), Parts(2019, 6, 5)},
        {u"5/6/$13", Parts(2019, 5, 6), Parts(2019, 6, 5)},
        {u"5/6/100", Parts(100, 5, 6), Parts(100, 6, 5)},
        {u"5/6", zero, zero},
        {u"5/6/", zero, zero},
        {u"/6/19", zero, zero},
        {u"5//19", zero, zero},
        {u"a/6/19", zero, zero},
        {u"5/6/19 ", zero, zero},
        {u"5/6/19 10:11", zero, zero},
        {u"5.6/19", zero, zero},
        {u"5/6/-1", zero, zero},
        {u"5/6/65536", zero, zero},
        {u"5:6:19", zero, zero},
        {u"", zero, zero},
    };
    for (const auto& c : cases) {
        const std::string label = Utf16ToUtf8(c.text);
        if (c.monthFirst)
            EXPECT_EQ(DecodeDateTime(ParseMonthFirstDate(c.text)), *c.monthFirst) << label;
        else
            EXPECT_THROW(ParseMonthFirstDate(c.text), DateEncodeError) << label;
        if (c.dayFirst)
            EXPECT_EQ(DecodeDateTime(ParseDayFirstDate(c.text)), *c.dayFirst) << label;
        else
            EXPECT_THROW(ParseDayFirstDate(c.text), DateEncodeError) << label;
    }
}

} // namespace
} // namespace mtp
