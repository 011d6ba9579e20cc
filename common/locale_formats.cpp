#include "common/locale_formats.h"

#include <optional>

#include "common/date_pattern.h"
#include "common/errors.h"

namespace mtp {

namespace {

std::optional<LocaleFormats>& Current() {
    static std::optional<LocaleFormats> formats;
    return formats;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

void SkipBlanks(std::u16string_view text, size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
}

// The long-time pattern without its seconds, so that "12:34" reads where "12:34:56" would.
std::vector<PatternToken> WithoutSeconds(std::vector<PatternToken> tokens) {
    for (size_t k = 0; k < tokens.size(); ++k) {
        if (tokens[k].field != PatternField::Second)
            continue;
        const size_t from = k > 0 && tokens[k - 1].field == PatternField::Literal ? k - 1 : k;
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(from),
                     tokens.begin() + static_cast<std::ptrdiff_t>(k) + 1);
        return tokens;
    }
    return {};
}

// A year of one or two digits lies in the hundred years that end with twoDigitYearMax.
int ExpandYear(int year, int digits, int twoDigitYearMax) {
    if (digits > 2)
        return year;
    const int first = twoDigitYearMax - 99;
    int expanded = first - first % 100 + year;
    if (expanded < first)
        expanded += 100;
    return expanded;
}

bool MatchTime(std::u16string_view text, size_t& pos, const LocaleFormats& formats,
               MatchedFields& time) {
    const auto full = TokenizePattern(formats.longTime);
    for (const auto& tokens : {full, WithoutSeconds(full)}) {
        if (tokens.empty())
            continue;
        size_t at = pos;
        MatchedFields fields;
        if (!MatchPattern(text, at, tokens, formats, fields) || !fields.hour)
            continue;
        SkipBlanks(text, at);
        if (at != text.size())
            continue;
        pos = at;
        time = fields;
        return true;
    }
    return false;
}

} // namespace

LocaleFormats MakeLocale(std::u16string shortDate, std::u16string longTime, std::u16string am,
                         std::u16string pm) {
    LocaleFormats f;
    f.dateSeparator = FieldSeparator(TokenizePattern(shortDate), u'/');
    f.timeSeparator = FieldSeparator(TokenizePattern(longTime), u':');
    f.shortDate = std::move(shortDate);
    f.longTime = std::move(longTime);
    f.am = std::move(am);
    f.pm = std::move(pm);
    return f;
}

LocaleFormats DottedDayFirstLocale() {
    return MakeLocale(u"dd.MM.yyyy", u"HH:mm:ss");
}
LocaleFormats UsLocale() {
    return MakeLocale(u"M/d/yyyy", u"h:mm:ss tt");
}
LocaleFormats IsoLocale() {
    return MakeLocale(u"yyyy-MM-dd", u"HH:mm:ss");
}
LocaleFormats TwoDigitYearLocale() {
    return MakeLocale(u"dd/MM/yy", u"HH:mm:ss");
}

const LocaleFormats& CurrentLocale() {
    auto& current = Current();
    if (!current)
        current = ReadUserLocale();
    return *current;
}

void SetCurrentLocale(const LocaleFormats& formats) {
    Current() = formats;
}

std::u16string FormatDefaultDateTime(TDateTime value, const LocaleFormats& formats) {
    const DateTimeParts parts = DecodeDateTime(value);
    std::u16string out;
    AppendPattern(out, TokenizePattern(formats.shortDate), parts, formats);
    if (parts.hour != 0 || parts.minute != 0 || parts.second != 0) {
        out += u' ';
        AppendPattern(out, TokenizePattern(formats.longTime), parts, formats);
    }
    return out;
}

bool TryStrToDateTime(std::u16string_view text, TDateTime& value, const LocaleFormats& formats) {
    size_t pos = 0;
    SkipBlanks(text, pos);
    MatchedFields date;
    if (!MatchPattern(text, pos, TokenizePattern(formats.shortDate), formats, date) || !date.year ||
        !date.month || !date.day)
        return false;
    const size_t dateEnd = pos;
    SkipBlanks(text, pos);
    MatchedFields time;
    if (pos < text.size()) {
        if (pos == dateEnd) // a time must be set apart from the date
            return false;
        if (!MatchTime(text, pos, formats, time))
            return false;
    }
    DateTimeParts parts;
    parts.year = ExpandYear(*date.year, date.yearDigits, formats.twoDigitYearMax);
    parts.month = *date.month;
    parts.day = *date.day;
    parts.hour = time.hour.value_or(0);
    if (time.hour12 && time.pm) {
        if (parts.hour < 1 || parts.hour > 12)
            return false;
        parts.hour = parts.hour % 12 + (*time.pm ? 12 : 0);
    }
    parts.minute = time.minute.value_or(0);
    parts.second = time.second.value_or(0);
    return TryEncodeDateTime(parts, value);
}

TDateTime StrToDateTime(std::u16string_view text, const LocaleFormats& formats) {
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, formats))
        throw ConvertError(u"'" + std::u16string(text) + u"' is not a valid date and time");
    return value;
}

} // namespace mtp
