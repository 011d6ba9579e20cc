#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/locale_formats.h"
#include "common/text.h"

namespace mtp {
namespace {

DateTimeParts Parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return {y, mo, d, h, mi, s, 0};
}

struct NamedLocale {
    const char* name;
    LocaleFormats formats;
    bool fourDigitYears;
};

// The test locales and a few layouts real Windows locales use.
std::vector<NamedLocale> AllLocales() {
    return {
        {"dotted", DottedDayFirstLocale(), true},
        {"us", UsLocale(), true},
        {"iso", IsoLocale(), true},
        {"two-digit-year", TwoDigitYearLocale(), false},
        {"designator-first", MakeLocale(u"yyyy/M/d", u"tt hh:mm:ss", u"AM", u"PM"), true},
        {"dotted-with-blanks", MakeLocale(u"yyyy. MM. dd.", u"H:mm:ss"), true},
        {"month-name", MakeLocale(u"dd-MMM-yy", u"h:mm:ss tt"), false},
        {"long-names", MakeLocale(u"dddd, d. MMMM yyyy", u"HH' h 'mm' min 'ss' s'"), true},
        {"dotted-time", MakeLocale(u"d.M.yyyy", u"H.mm.ss"), true},
        {"one-letter-designator", MakeLocale(u"d/M/yyyy", u"h:mm:ss t", u"a.m.", u"p.m."), true},
    };
}

struct FormatCase {
    LocaleFormats formats;
    DateTimeParts parts;
    const char16_t* text;
};

TEST(LocaleFormats, WritesShortDateBlankLongTimeAndLeavesMidnightOut) {
    const FormatCase cases[] = {
        {DottedDayFirstLocale(), Parts(2019, 5, 6, 12, 34, 56), u"06.05.2019 12:34:56"},
        {DottedDayFirstLocale(), Parts(2019, 5, 6), u"06.05.2019"},
        {DottedDayFirstLocale(), Parts(2019, 5, 6, 0, 0, 1), u"06.05.2019 00:00:01"},
        {UsLocale(), Parts(2019, 5, 6, 12, 34, 56), u"5/6/2019 12:34:56 PM"},
        {UsLocale(), Parts(2019, 12, 16, 0, 5, 0), u"12/16/2019 12:05:00 AM"},
        {UsLocale(), Parts(2019, 12, 16, 23, 5, 9), u"12/16/2019 11:05:09 PM"},
        {IsoLocale(), Parts(2019, 5, 6, 7, 8, 9), u"2019-05-06 07:08:09"},
        {IsoLocale(), Parts(1, 1, 1, 0, 0, 1), u"0001-01-01 00:00:01"},
        {TwoDigitYearLocale(), Parts(2019, 5, 6, 12, 34, 56), u"06/05/19 12:34:56"},
        {MakeLocale(u"dd-MMM-yy", u"h:mm:ss tt"), Parts(2019, 5, 6, 1, 2, 3),
         u"06-May-19 1:02:03 AM"},
        {MakeLocale(u"dddd, d. MMMM yyyy", u"HH' h 'mm"), Parts(2019, 5, 6, 1, 2),
         u"Monday, 6. May 2019 01 h 02"},
        {MakeLocale(u"yyyy/M/d", u"tt h:mm:ss"), Parts(2019, 5, 6, 13, 2, 3),
         u"2019/5/6 PM 1:02:03"},
        {MakeLocale(u"d/M/yyyy", u"h:mm:ss t", u"a.m.", u"p.m."), Parts(2019, 5, 6, 13, 2, 3),
         u"6/5/2019 1:02:03 p"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDefaultDateTime(EncodeDateTime(c.parts), c.formats), c.text)
            << Utf16ToUtf8(c.text);
}

TEST(LocaleFormats, DerivesTheSeparatorsFromThePatterns) {
    EXPECT_EQ(DottedDayFirstLocale().dateSeparator, u'.');
    EXPECT_EQ(UsLocale().dateSeparator, u'/');
    EXPECT_EQ(IsoLocale().dateSeparator, u'-');
    EXPECT_EQ(TwoDigitYearLocale().dateSeparator, u'/');
    EXPECT_EQ(MakeLocale(u"yyyy. MM. dd.", u"H:mm:ss").dateSeparator, u'.');
    EXPECT_EQ(MakeLocale(u"d MMM yyyy", u"H:mm:ss").dateSeparator, u' ');
    EXPECT_EQ(MakeLocale(u"d.M.yyyy", u"tt h:mm:ss").timeSeparator, u':');
    EXPECT_EQ(MakeLocale(u"d.M.yyyy", u"H.mm.ss").timeSeparator, u'.');
}

struct ReadCase {
    LocaleFormats formats;
    const char16_t* text;
    bool reads;
    DateTimeParts parts;
};

TEST(LocaleFormats, ReadsDatesInTheLocalesOrderAndSeparator) {
    const LocaleFormats dotted = DottedDayFirstLocale(), us = UsLocale(), iso = IsoLocale(),
                        yy = TwoDigitYearLocale();
    const ReadCase cases[] = {
        {dotted, u"06.05.2019 12:34:56", true, Parts(2019, 5, 6, 12, 34, 56)},
        {dotted, u"6.5.2019", true, Parts(2019, 5, 6)},
        {dotted, u"  6.5.2019  ", true, Parts(2019, 5, 6)},
        {dotted, u"06.05.19", true, Parts(2019, 5, 6)},
        {dotted, u"06.05.2019 12:34", true, Parts(2019, 5, 6, 12, 34)},
        {dotted, u"06.05.2019   7:08:09", true, Parts(2019, 5, 6, 7, 8, 9)},
        {dotted, u"30.12.1899 00:00:00", true, Parts(1899, 12, 30)},
        {dotted, u"06/05/2019", false, {}},
        {dotted, u"06-05-2019 12:34:56", false, {}},
        {dotted, u"2019/05/06:12:34:56.000", false, {}},
        {dotted, u"5/6/19", false, {}},
        {dotted, u"06.05.2019T12:34:56", false, {}},
        {dotted, u"06.05.2019 12:34:56.000", false, {}},
        {dotted, u"06.05.2019 12:34:56 later", false, {}},
        {dotted, u"06.05.2019 12", false, {}},
        {dotted, u"06.05", false, {}},
        {dotted, u"31.02.2019", false, {}},
        {dotted, u"06.05.2019 24:00:00", false, {}},
        {dotted, u"06.05.2019 12:60:00", false, {}},
        {dotted, u"006.05.2019", false, {}},
        {dotted, u"06.05.20190", false, {}},
        {dotted, u"", false, {}},
        {us, u"5/6/2019 1:02:03 PM", true, Parts(2019, 5, 6, 13, 2, 3)},
        {us, u"5/6/2019 1:02:03 pm", true, Parts(2019, 5, 6, 13, 2, 3)},
        {us, u"5/6/2019 12:00:00 AM", true, Parts(2019, 5, 6, 0, 0, 0)},
        {us, u"5/6/2019 12:00:00 PM", true, Parts(2019, 5, 6, 12, 0, 0)},
        {us, u"5/6/2019 1:02 PM", true, Parts(2019, 5, 6, 13, 2, 0)},
        {us, u"5/6/2019 13:02:03", true, Parts(2019, 5, 6, 13, 2, 3)}, // no designator
        {us, u"05/06/2019", true, Parts(2019, 5, 6)},
        {us, u"5/6/2019 13:02:03 PM", false, {}},
        {us, u"5/6/2019 0:02:03 AM", false, {}},
        {us, u"5/6/2019 1:02:03 XM", false, {}},
        {us, u"13/6/2019", false, {}},
        {us, u"5.6.2019", false, {}},
        {iso, u"2019-05-06 12:34:56", true, Parts(2019, 5, 6, 12, 34, 56)},
        {iso, u"2019-5-6", true, Parts(2019, 5, 6)},
        {iso, u"2019/05/06", false, {}},
        {iso, u"2019-05-06T12:34:56", false, {}},
        // One or two year digits lie in the century window that ends in 2049.
        {yy, u"06/05/19", true, Parts(2019, 5, 6)},
        {yy, u"06/05/49", true, Parts(2049, 5, 6)},
        {yy, u"06/05/50", true, Parts(1950, 5, 6)},
        {yy, u"06/05/00", true, Parts(2000, 5, 6)},
        {yy, u"06/05/1930", true, Parts(1930, 5, 6)},
        {yy, u"6-5-30", false, {}},
    };
    for (const auto& c : cases) {
        TDateTime value = -7;
        ASSERT_EQ(TryStrToDateTime(c.text, value, c.formats), c.reads) << Utf16ToUtf8(c.text);
        if (c.reads) {
            EXPECT_EQ(DecodeDateTime(value), c.parts) << Utf16ToUtf8(c.text);
        }
    }
}

TEST(LocaleFormats, TheCenturyWindowFollowsTheLocale) {
    LocaleFormats formats = TwoDigitYearLocale();
    formats.twoDigitYearMax = 2029;
    EXPECT_EQ(DecodeDateTime(StrToDateTime(u"06/05/29", formats)).year, 2029);
    EXPECT_EQ(DecodeDateTime(StrToDateTime(u"06/05/30", formats)).year, 1930);
}

// Every text the formatter writes reads back to the same moment, to the second: midnight,
// the first second, both sides of noon and the last second, on the first and last day of a
// year and the leap day, from year 1 to 9999 (in the two-digit-year layouts only the years
// of their century window can be told apart).
TEST(LocaleFormats, ReadsBackEveryTextItWrites) {
    const DateTimeParts times[] = {Parts(0, 0, 0),
                                   Parts(0, 0, 0, 0, 0, 1),
                                   Parts(0, 0, 0, 0, 59, 59),
                                   Parts(0, 0, 0, 1, 0, 0),
                                   Parts(0, 0, 0, 11, 59, 59),
                                   Parts(0, 0, 0, 12, 0, 0),
                                   Parts(0, 0, 0, 12, 0, 1),
                                   Parts(0, 0, 0, 12, 59, 59),
                                   Parts(0, 0, 0, 13, 0, 0),
                                   Parts(0, 0, 0, 23, 59, 59)};
    for (const auto& locale : AllLocales()) {
        std::vector<int> years{1950, 1999, 2000, 2049};
        if (locale.fourDigitYears)
            years = {1, 1899, 1900, 2000, 2024, 9999};
        for (int year : years)
            for (const DateTimeParts day :
                 {Parts(year, 1, 1), Parts(year, 2, 28), Parts(year, 12, 31), Parts(2000, 2, 29)})
                for (DateTimeParts t : times) {
                    t.year = day.year;
                    t.month = day.month;
                    t.day = day.day;
                    const std::u16string text =
                        FormatDefaultDateTime(EncodeDateTime(t), locale.formats);
                    TDateTime back = 0;
                    ASSERT_TRUE(TryStrToDateTime(text, back, locale.formats))
                        << locale.name << ": " << Utf16ToUtf8(text);
                    EXPECT_EQ(DecodeDateTime(back), t) << locale.name << ": " << Utf16ToUtf8(text);
                }
    }
}

TEST(LocaleFormats, ConversionErrorNamesTheText) {
    try {
        StrToDateTime(u"2019/05/06", DottedDayFirstLocale());
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.Text(), u"'2019/05/06' is not a valid date and time");
    }
}

TEST(LocaleFormats, TheCurrentLocaleIsTheDefaultOfEveryConversion) {
    const LocaleFormats saved = CurrentLocale();
    SetCurrentLocale(UsLocale());
    const TDateTime value = EncodeDateTime(Parts(2019, 5, 6, 13, 2, 3));
    EXPECT_EQ(FormatDefaultDateTime(value), u"5/6/2019 1:02:03 PM");
    EXPECT_EQ(StrToDateTime(u"5/6/2019 1:02:03 PM"), value);
    SetCurrentLocale(saved);
}

} // namespace
} // namespace mtp
