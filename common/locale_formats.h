// The user's date and time formats (a port: GetLocaleInfoEx on Windows, fixed formats chosen
// by the test natively) and the locale's date-time conversions built on them.
#pragma once

#include <string>
#include <string_view>

#include "common/datetime.h"

namespace mtp {

struct LocaleFormats {
    std::u16string shortDate;     // e.g. u"dd.MM.yyyy", u"M/d/yyyy"
    std::u16string longTime;      // e.g. u"HH:mm:ss", u"h:mm:ss tt"
    char16_t dateSeparator = u'.';
    char16_t timeSeparator = u':';
    std::u16string am = u"AM";
    std::u16string pm = u"PM";
};

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
// out when hour, minute and second are all zero.
std::u16string FormatDefaultDateTime(TDateTime value, const LocaleFormats& formats = CurrentLocale());

// The locale's date-time conversion: reads back every text FormatDefaultDateTime writes.
// Fails for a text whose date separator differs from the locale's.
bool TryStrToDateTime(std::u16string_view text, TDateTime& value,
                      const LocaleFormats& formats = CurrentLocale());
// Throws ConvertError: "'text' is not a valid date and time".
TDateTime StrToDateTime(std::u16string_view text, const LocaleFormats& formats = CurrentLocale());

} // namespace mtp
