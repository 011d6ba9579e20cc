// The Windows locale port: named locales read through GetLocaleInfoEx, and the user's locale,
// which under Wine follows LANG (ctest runs this program once per locale, naming the one it
// expects in MTP_EXPECTED_USER_LOCALE).
#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "common/locale_formats.h"
#include "common/text.h"
#include "common/win32/locale_info.h"

namespace mtp {
namespace {

TEST(WindowsLocale, ReadsTheFormatsOfNamedLocales) {
    const LocaleFormats us = ReadLocaleFormats(L"en-US");
    EXPECT_EQ(us.shortDate, u"M/d/yyyy");
    EXPECT_EQ(us.longTime, u"h:mm:ss tt");
    EXPECT_EQ(us.dateSeparator, u'/');
    EXPECT_EQ(us.timeSeparator, u':');
    EXPECT_EQ(us.am, u"AM");
    EXPECT_EQ(us.pm, u"PM");
    EXPECT_EQ(us.longMonthNames[4], u"May");
    EXPECT_EQ(us.shortDayNames[0], u"Sun");
    EXPECT_GE(us.twoDigitYearMax, 2029);

    const LocaleFormats de = ReadLocaleFormats(L"de-DE");
    EXPECT_EQ(de.shortDate.substr(0, 1), u"d");
    EXPECT_EQ(de.dateSeparator, u'.');
    EXPECT_EQ(de.longTime, u"HH:mm:ss");
    EXPECT_EQ(de.longMonthNames[2], u"M\u00E4rz");
    EXPECT_EQ(de.longDayNames[1], u"Montag");
}

// Real locales bring layouts of every kind: designators first, dots in the time, quoted
// words, trailing separators. Whatever the formatter writes must read back.
TEST(WindowsLocale, EveryLocaleReadsBackWhatItWrites) {
    const wchar_t* names[] = {L"en-US", L"en-GB", L"de-DE", L"fr-FR", L"fr-CA", L"ja-JP",
                              L"ko-KR", L"zh-CN", L"zh-TW", L"fi-FI", L"hu-HU", L"bg-BG",
                              L"nl-NL", L"sv-SE", L"pl-PL", L"ru-RU", L"it-IT", L"es-ES"};
    for (const wchar_t* name : names) {
        const LocaleFormats formats = ReadLocaleFormats(name);
        for (const DateTimeParts& parts :
             {DateTimeParts{2019, 5, 6, 0, 0, 0, 0}, DateTimeParts{2019, 5, 6, 0, 0, 1, 0},
              DateTimeParts{2001, 12, 31, 11, 59, 59, 0}, DateTimeParts{2001, 12, 31, 12, 0, 0, 0},
              DateTimeParts{2040, 2, 29, 23, 59, 59, 0}}) {
            const std::u16string text = FormatDefaultDateTime(EncodeDateTime(parts), formats);
            TDateTime back = 0;
            const std::string label =
                Utf16ToUtf8(std::u16string(name, name + wcslen(name))) + ": " + Utf16ToUtf8(text) +
                " (" + Utf16ToUtf8(formats.shortDate) + " " + Utf16ToUtf8(formats.longTime) + ")";
            ASSERT_TRUE(TryStrToDateTime(text, back, formats)) << label;
            EXPECT_EQ(DecodeDateTime(back), parts) << label;
        }
    }
}

TEST(WindowsLocale, ReadsTheUsersLocale) {
    const char* expected = std::getenv("MTP_EXPECTED_USER_LOCALE");
    const LocaleFormats user = ReadUserLocale();
    if (!expected)
        GTEST_SKIP() << "run by ctest with the locale it sets";
    const LocaleFormats named =
        ReadLocaleFormats(reinterpret_cast<const wchar_t*>(Utf8ToUtf16(expected).c_str()));
    EXPECT_EQ(user.shortDate, named.shortDate);
    EXPECT_EQ(user.longTime, named.longTime);
    EXPECT_EQ(user.am, named.am);
    EXPECT_EQ(CurrentLocale().shortDate, named.shortDate) << "read on first use";
    if (std::string(expected) == "de-DE") {
        EXPECT_EQ(user.dateSeparator, u'.');
        EXPECT_EQ(user.longTime, u"HH:mm:ss");
    } else {
        EXPECT_EQ(user.shortDate, u"M/d/yyyy");
        EXPECT_EQ(user.longTime, u"h:mm:ss tt");
    }
}

} // namespace
} // namespace mtp
