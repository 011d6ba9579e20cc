#include "common/date_pattern.h"

namespace mtp {

namespace {

PatternField FieldOf(char16_t c) {
    switch (c) {
    case u'd':
        return PatternField::Day;
    case u'M':
        return PatternField::Month;
    case u'y':
        return PatternField::Year;
    case u'g':
        return PatternField::Era;
    case u'h':
        return PatternField::Hour12;
    case u'H':
        return PatternField::Hour24;
    case u'm':
        return PatternField::Minute;
    case u's':
        return PatternField::Second;
    case u't':
        return PatternField::AmPm;
    default:
        return PatternField::Literal;
    }
}

bool IsNumberOrName(PatternField f) {
    return f != PatternField::Literal && f != PatternField::Era && f != PatternField::AmPm;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c;
}

bool StartsWithFolded(std::u16string_view text, size_t pos, std::u16string_view word) {
    if (word.empty() || text.size() - pos < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (FoldAscii(text[pos + i]) != FoldAscii(word[i]))
            return false;
    return true;
}

// 0 is Sunday.
int DayOfWeek(int y, int m, int d) {
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    y -= m < 3;
    return (y + y / 4 - y / 100 + y / 400 + kOffsets[m - 1] + d) % 7;
}

void AppendNumber(std::u16string& out, int value, int width) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    if (static_cast<int>(digits.size()) < width)
        out.append(width - digits.size(), u'0');
    out += digits;
}

std::u16string_view Designator(std::u16string_view full, int count) {
    return count == 1 && !full.empty() ? full.substr(0, 1) : full;
}

// Reads 1 to maxDigits ASCII digits.
bool ReadNumber(std::u16string_view text, size_t& pos, size_t maxDigits, int& value,
                int* digitsRead = nullptr) {
    size_t n = 0;
    value = 0;
    while (n < maxDigits && pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10 + (text[pos] - u'0');
        ++pos;
        ++n;
    }
    if (digitsRead)
        *digitsRead = static_cast<int>(n);
    return n > 0;
}

// The longest of the names that the text holds at pos; its index, or -1.
template <size_t N>
int ReadName(std::u16string_view text, size_t& pos, const std::array<std::u16string, N>& a,
             const std::array<std::u16string, N>& b) {
    int best = -1;
    size_t bestLength = 0;
    for (const auto* names : {&a, &b})
        for (size_t i = 0; i < N; ++i)
            if ((*names)[i].size() > bestLength && StartsWithFolded(text, pos, (*names)[i])) {
                best = static_cast<int>(i);
                bestLength = (*names)[i].size();
            }
    pos += bestLength;
    return best;
}

// A run of blanks in the pattern matches a run of blanks in the text (at least one unless
// the designator before it was absent); other characters match themselves.
bool MatchLiteral(std::u16string_view text, size_t& pos, std::u16string_view literal,
                  bool blanksOptional) {
    for (size_t i = 0; i < literal.size();) {
        if (IsBlank(literal[i])) {
            while (i < literal.size() && IsBlank(literal[i]))
                ++i;
            const size_t start = pos;
            while (pos < text.size() && IsBlank(text[pos]))
                ++pos;
            if (pos == start && !blanksOptional)
                return false;
            continue;
        }
        if (pos >= text.size() || text[pos] != literal[i])
            return false;
        ++pos;
        ++i;
    }
    return true;
}

// Designators and blanks may be missing at the end of a text.
bool RestIsOptional(const std::vector<PatternToken>& tokens, size_t from) {
    for (size_t k = from; k < tokens.size(); ++k) {
        const auto& t = tokens[k];
        if (t.field == PatternField::AmPm || t.field == PatternField::Era)
            continue;
        if (t.field != PatternField::Literal)
            return false;
        for (char16_t c : t.text)
            if (!IsBlank(c))
                return false;
    }
    return true;
}

// Fields written side by side without a separator ("yyyyMMdd") are read at their full
// width; otherwise a number takes as many digits as the field can have.
size_t MaxDigits(const std::vector<PatternToken>& tokens, size_t k) {
    const PatternToken& t = tokens[k];
    const bool year = t.field == PatternField::Year;
    size_t next = k + 1;
    while (next < tokens.size() && tokens[next].field == PatternField::Era)
        ++next;
    const bool adjacent = next < tokens.size() && IsNumberOrName(tokens[next].field);
    if (adjacent)
        return year ? (t.count >= 3 ? 4 : 2) : 2;
    return year ? 4 : 2;
}

} // namespace

std::vector<PatternToken> TokenizePattern(std::u16string_view pattern) {
    std::vector<PatternToken> out;
    auto addLiteral = [&out](char16_t c) {
        if (out.empty() || out.back().field != PatternField::Literal)
            out.push_back({PatternField::Literal, 0, {}});
        out.back().text += c;
    };
    for (size_t i = 0; i < pattern.size();) {
        const char16_t c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') { // '' is a quote
                addLiteral(u'\'');
                i += 2;
                continue;
            }
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                        addLiteral(u'\'');
                        ++i;
                        continue;
                    }
                    break;
                }
                addLiteral(pattern[i]);
            }
            ++i; // past the closing quote
            continue;
        }
        const PatternField field = FieldOf(c);
        if (field == PatternField::Literal) {
            addLiteral(c);
            ++i;
            continue;
        }
        size_t j = i;
        while (j < pattern.size() && pattern[j] == c)
            ++j;
        out.push_back({field, static_cast<int>(j - i), {}});
        i = j;
    }
    return out;
}

char16_t FieldSeparator(const std::vector<PatternToken>& tokens, char16_t fallback) {
    for (size_t k = 1; k + 1 < tokens.size(); ++k)
        if (tokens[k].field == PatternField::Literal && !tokens[k].text.empty() &&
            IsNumberOrName(tokens[k - 1].field) && IsNumberOrName(tokens[k + 1].field))
            return tokens[k].text[0];
    return fallback;
}

void AppendPattern(std::u16string& out, const std::vector<PatternToken>& tokens,
                   const DateTimeParts& p, const LocaleFormats& formats) {
    for (const PatternToken& t : tokens) {
        switch (t.field) {
        case PatternField::Literal:
            out += t.text;
            break;
        case PatternField::Day:
            if (t.count <= 2)
                AppendNumber(out, p.day, t.count);
            else
                out += (t.count == 3 ? formats.shortDayNames
                                     : formats.longDayNames)[DayOfWeek(p.year, p.month, p.day)];
            break;
        case PatternField::Month:
            if (t.count <= 2)
                AppendNumber(out, p.month, t.count);
            else
                out +=
                    (t.count == 3 ? formats.shortMonthNames : formats.longMonthNames)[p.month - 1];
            break;
        case PatternField::Year:
            if (t.count <= 2)
                AppendNumber(out, p.year % 100, t.count);
            else
                AppendNumber(out, p.year, 4);
            break;
        case PatternField::Era:
            break;
        case PatternField::Hour12:
            AppendNumber(out, p.hour % 12 == 0 ? 12 : p.hour % 12, t.count);
            break;
        case PatternField::Hour24:
            AppendNumber(out, p.hour, t.count);
            break;
        case PatternField::Minute:
            AppendNumber(out, p.minute, t.count);
            break;
        case PatternField::Second:
            AppendNumber(out, p.second, t.count);
            break;
        case PatternField::AmPm:
            out += Designator(p.hour < 12 ? formats.am : formats.pm, t.count);
            break;
        }
    }
}

bool MatchPattern(std::u16string_view text, size_t& pos, const std::vector<PatternToken>& tokens,
                  const LocaleFormats& formats, MatchedFields& fields) {
    bool designatorMissing = false;
    for (size_t k = 0; k < tokens.size(); ++k) {
        const PatternToken& t = tokens[k];
        if (pos >= text.size() && RestIsOptional(tokens, k))
            return true;
        const bool afterMissingDesignator = designatorMissing;
        designatorMissing = false;
        int value = 0;
        switch (t.field) {
        case PatternField::Literal:
            if (!MatchLiteral(text, pos, t.text, afterMissingDesignator || k == 0))
                return false;
            break;
        case PatternField::Day:
            if (t.count >= 3) {
                if (ReadName(text, pos, formats.shortDayNames, formats.longDayNames) < 0)
                    return false;
            } else {
                if (!ReadNumber(text, pos, MaxDigits(tokens, k), value))
                    return false;
                fields.day = value;
            }
            break;
        case PatternField::Month:
            if (t.count >= 3) {
                value = ReadName(text, pos, formats.shortMonthNames, formats.longMonthNames);
                if (value < 0)
                    return false;
                fields.month = value + 1;
            } else {
                if (!ReadNumber(text, pos, MaxDigits(tokens, k), value))
                    return false;
                fields.month = value;
            }
            break;
        case PatternField::Year:
            if (!ReadNumber(text, pos, MaxDigits(tokens, k), value, &fields.yearDigits))
                return false;
            fields.year = value;
            break;
        case PatternField::Era:
            break;
        case PatternField::Hour12:
        case PatternField::Hour24:
            if (!ReadNumber(text, pos, MaxDigits(tokens, k), value))
                return false;
            fields.hour = value;
            fields.hour12 = t.field == PatternField::Hour12;
            break;
        case PatternField::Minute:
            if (!ReadNumber(text, pos, MaxDigits(tokens, k), value))
                return false;
            fields.minute = value;
            break;
        case PatternField::Second:
            if (!ReadNumber(text, pos, MaxDigits(tokens, k), value))
                return false;
            fields.second = value;
            break;
        case PatternField::AmPm: {
            const auto am = Designator(formats.am, t.count);
            const auto pm = Designator(formats.pm, t.count);
            const bool isAm = StartsWithFolded(text, pos, am);
            const bool isPm = StartsWithFolded(text, pos, pm);
            if (isAm || isPm) {
                // The longer one wins where one designator begins with the other.
                const bool pmWins = isPm && (!isAm || pm.size() > am.size());
                fields.pm = pmWins;
                pos += pmWins ? pm.size() : am.size();
            } else {
                designatorMissing = true;
            }
            break;
        }
        }
    }
    return true;
}

} // namespace mtp
