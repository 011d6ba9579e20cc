// Windows-style date and time pictures ("dd.MM.yyyy", "h:mm:ss tt"): split into fields and
// literal text, written out for a date-time and matched against a text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/datetime.h"
#include "common/locale_formats.h"

namespace mtp {

enum class PatternField { Literal, Day, Month, Year, Era, Hour12, Hour24, Minute, Second, AmPm };

struct PatternToken {
    PatternField field = PatternField::Literal;
    int count = 0;       // how many picture letters (dd is 2)
    std::u16string text; // the literal text
};

std::vector<PatternToken> TokenizePattern(std::u16string_view pattern);

// The first literal character between two fields, or the fallback.
char16_t FieldSeparator(const std::vector<PatternToken>& tokens, char16_t fallback);

void AppendPattern(std::u16string& out, const std::vector<PatternToken>& tokens,
                   const DateTimeParts& parts, const LocaleFormats& formats);

// What a match read; fields the pattern does not hold stay unset.
struct MatchedFields {
    std::optional<int> year, month, day, hour, minute, second;
    int yearDigits = 0;
    bool hour12 = false;
    std::optional<bool> pm;
};

// Matches the tokens against text from pos on, moving pos past what matched.
bool MatchPattern(std::u16string_view text, size_t& pos, const std::vector<PatternToken>& tokens,
                  const LocaleFormats& formats, MatchedFields& fields);

} // namespace mtp
