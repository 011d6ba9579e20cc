// The user's date and time formats (a port: GetLocaleInfoEx on Windows, fixed formats chosen
// by the test natively) and the locale's date-time conversions built on them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/datetime.h"

namespace mtp {

// Patterns use the Windows picture letters: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g (era,
// written as nothing), h hh (12-hour), H HH, m mm, s ss, t tt; 'quoted' text and any other
// character stand for themselves.
struct LocaleFormats {
    std::u16string shortDate = u"dd.MM.yyyy";
    std::u16string longTime = u"HH:mm:ss";
    // Derived from the patterns by MakeLocale: the first character between two fields.
    char16_t dateSeparator = u'.';
    char16_t timeSeparator = u':';
    std::u16string am = u"AM";
    std::u16string pm = u"PM";
    // Two-digit years read back as the century window that ends with this year.
    int twoDigitYearMax = 2049;
    std::array<std::u16string, 12> shortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                   u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::array<std::u16string, 12> longMonthNames{
        u"January", u"February", u"March",     u"April",   u"May",      u"June",
        u"July",    u"August",   u"September", u"October", u"November", u"December"};
    // Sunday first.
    std::array<std::u16string, 7> shortDayNames{u"Sun", u"Mon", u"Tue", u"Wed",
                                                u"Thu", u"Fri", u"Sat"};
    std::array<std::u16string, 7> longDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                               u"Thursday", u"Friday", u"Saturday"};
};

// Formats with the given patterns and designators, separators derived from the patterns.
LocaleFormats MakeLocale(std::u16string shortDate, std::u16string longTime,
                         std::u16string am = u"AM", std::u16string pm = u"PM");

// Test locales.
LocaleFormats DottedDayFirstLocale(); // dd.MM.yyyy HH:mm:ss
LocaleFormats UsLocale();             // M/d/yyyy h:mm:ss tt
LocaleFormats IsoLocale();            // yyyy-MM-dd HH:mm:ss
LocaleFormats TwoDigitYearLocale();   // dd/MM/yy HH:mm:ss

// The formats in force for the whole plug-in. On Windows they are read from the user's
// locale on first use; natively they start as the dotted day-first locale.
const LocaleFormats& CurrentLocale();
void SetCurrentLocale(const LocaleFormats& formats);
// Reads the user's locale through the platform (Windows only; natively the dotted locale).
LocaleFormats ReadUserLocale();

// The default date-time format: the short date, a blank and the long time; the time is left
// out when hour, minute and second are all zero. Throws DateEncodeError for a value outside
// the years 1 to 9999.
std::u16string FormatDefaultDateTime(TDateTime value,
                                     const LocaleFormats& formats = CurrentLocale());

// The locale's date-time conversion: a date laid out as the short-date pattern, optionally a
// blank and a time laid out as the long-time pattern (its seconds may be left out). Lenient
// where reading is safe: one or two digits for any day, month, hour, minute or second, one to
// four for a year (one or two are read in the two-digit-year window), any run of blanks for a
// blank, designators in either case and optional. Literal characters such as the date separator
// must match: a text whose date separator differs from the locale's fails. Reads back every text
// FormatDefaultDateTime writes.
bool TryStrToDateTime(std::u16string_view text, TDateTime& value,
                      const LocaleFormats& formats = CurrentLocale());
// Throws ConvertError: "'text' is not a valid date and time".
TDateTime StrToDateTime(std::u16string_view text, const LocaleFormats& formats = CurrentLocale());

} // namespace mtp
