#include "device/parse_device_date.h"

#include <optional>

#include "common/errors.h"
#include "common/int_text.h"
#include "common/locale_formats.h"

namespace mtp {

namespace {

struct Piece {
    size_t start; // 1-based character position
    size_t length;
};

struct Layout {
    Piece year, month, day, hour, minute, second;
};

constexpr Layout kLayouts[] = {
    {{1, 4}, {6, 2}, {9, 2}, {12, 2}, {15, 2}, {18, 2}}, // 2019/05/06:12:34:56.000
    {{7, 4}, {4, 2}, {1, 2}, {12, 2}, {15, 2}, {18, 2}}, // 06.05.2019 12:34:56
    {{1, 4}, {5, 2}, {7, 2}, {10, 2}, {12, 2}, {14, 2}}, // 20190506T123456
};

// A piece that reaches past the end of the text is cut short; one that starts past it is empty.
std::u16string_view Cut(std::u16string_view text, Piece piece) {
    if (piece.start > text.size())
        return {};
    return text.substr(piece.start - 1, piece.length);
}

bool TryLayout(std::u16string_view text, const Layout& layout, TDateTime& value) {
    DateTimeParts parts;
    for (auto [piece, field] : {std::pair{layout.year, &parts.year},
                                {layout.month, &parts.month},
                                {layout.day, &parts.day},
                                {layout.hour, &parts.hour},
                                {layout.minute, &parts.minute},
                                {layout.second, &parts.second}}) {
        int32_t number = 0;
        if (!TryStrToInt(Cut(text, piece), number))
            return false;
        *field = number;
    }
    return TryEncodeDateTime(parts, value);
}

struct DateParts {
    int32_t first, second, year;
};

// Splits "a<sep>b<sep>year" where sep is the first "/", else the first ".", else the first "-".
std::optional<DateParts> SplitDate(std::u16string_view text) {
    size_t sep = text.find(u'/');
    if (sep == std::u16string_view::npos)
        sep = text.find(u'.');
    if (sep == std::u16string_view::npos)
        sep = text.find(u'-');
    if (sep == std::u16string_view::npos)
        return std::nullopt;
    const char16_t separator = text[sep];
    DateParts parts{};
    if (!TryStrToInt(text.substr(0, sep), parts.first))
        return std::nullopt;
    const std::u16string_view rest = text.substr(sep + 1);
    const size_t sep2 = rest.find(separator);
    if (sep2 == std::u16string_view::npos)
        return std::nullopt;
    if (!TryStrToInt(rest.substr(0, sep2), parts.second) ||
        !TryStrToInt(rest.substr(sep2 + 1), parts.year))
        return std::nullopt;
    return parts;
}

// The fallbacks hold month, day and year in 16 bits and expect a two-digit year. A part that
// is negative or does not fit in 16 bits is no date at all (zero). A year of 100 or more is
// taken as it stands (up to 9999; above that the date is invalid), so that 5/6/2019 is a
// date of 2019; 0..25 become 2000..2025 and 26..99 become 1926..1999.
TDateTime ParseFallback(std::u16string_view text, bool monthFirst) {
    const auto parts = SplitDate(text);
    if (!parts)
        return 0;
    for (int32_t part : {parts->first, parts->second, parts->year})
        if (part < 0 || part > 0xFFFF)
            return 0;
    int year = parts->year;
    if (year <= 25)
        year += 2000;
    else if (year <= 99)
        year += 1900;
    const int month = monthFirst ? parts->first : parts->second;
    const int day = monthFirst ? parts->second : parts->first;
    return EncodeDate(year, month, day);
}

} // namespace

TDateTime ParseMonthFirstDate(std::u16string_view text) {
    return ParseFallback(text, true);
}

TDateTime ParseDayFirstDate(std::u16string_view text) {
    return ParseFallback(text, false);
}

TDateTime ParseDeviceDate(std::u16string_view text) {
    if (text.empty())
        return 0;
    TDateTime value = 0;
    for (const Layout& layout : kLayouts)
        if (TryLayout(text, layout, value))
            break;
    if (value != 0)
        return value;
    // The user's own format: the value counts even when it is zero.
    if (TryStrToDateTime(text, value))
        return value;
    try {
        value = ParseMonthFirstDate(text);
        if (value != 0)
            return value;
    } catch (const DateEncodeError&) {
        // not a month-first date; the day-first reading may still fit
    }
    try {
        return ParseDayFirstDate(text);
    } catch (const DateEncodeError&) {
        return 0;
    }
}

} // namespace mtp
