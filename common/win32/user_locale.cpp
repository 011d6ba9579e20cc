#include <windows.h>

#include "common/win32/locale_info.h"

namespace mtp {

namespace {

std::u16string LocaleText(const wchar_t* localeName, LCTYPE type) {
    wchar_t buffer[128]; // LOCALE_SSHORTDATE and the names are at most 80 characters
    const int length = GetLocaleInfoEx(localeName, type, buffer, ARRAYSIZE(buffer));
    if (length <= 1)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length - 1);
}

} // namespace

LocaleFormats ReadLocaleFormats(const wchar_t* localeName) {
    const LocaleFormats fallback = DottedDayFirstLocale();
    std::u16string shortDate = LocaleText(localeName, LOCALE_SSHORTDATE);
    std::u16string longTime = LocaleText(localeName, LOCALE_STIMEFORMAT);
    LocaleFormats f =
        MakeLocale(shortDate.empty() ? fallback.shortDate : shortDate,
                   longTime.empty() ? fallback.longTime : longTime,
                   LocaleText(localeName, LOCALE_S1159), LocaleText(localeName, LOCALE_S2359));
    for (int i = 0; i < 12; ++i) {
        if (auto name = LocaleText(localeName, LOCALE_SABBREVMONTHNAME1 + i); !name.empty())
            f.shortMonthNames[i] = name;
        if (auto name = LocaleText(localeName, LOCALE_SMONTHNAME1 + i); !name.empty())
            f.longMonthNames[i] = name;
    }
    // Windows counts the days from Monday; LocaleFormats from Sunday.
    for (int i = 0; i < 7; ++i) {
        const int sundayFirst = (i + 1) % 7;
        if (auto name = LocaleText(localeName, LOCALE_SABBREVDAYNAME1 + i); !name.empty())
            f.shortDayNames[sundayFirst] = name;
        if (auto name = LocaleText(localeName, LOCALE_SDAYNAME1 + i); !name.empty())
            f.longDayNames[sundayFirst] = name;
    }
    DWORD yearMax = 0;
    if (GetCalendarInfoEx(localeName, CAL_GREGORIAN, nullptr,
                          CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &yearMax) &&
        yearMax >= 99 && yearMax <= 9999)
        f.twoDigitYearMax = static_cast<int>(yearMax);
    return f;
}

LocaleFormats ReadUserLocale() {
    return ReadLocaleFormats(LOCALE_NAME_USER_DEFAULT);
}

} // namespace mtp
