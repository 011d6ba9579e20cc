// Fixed-seed fuzzing of the two parsers that read what devices and people type: random texts
// and mutations of real-world ones go through ParseDeviceDate in every test locale and through
// the integer-text conversion, which is checked against an independent reading. The
// sanitizers of the native build catch any undefined behaviour on the way.
#include <random>
#include <regex>

#include <gtest/gtest.h>

#include "common/int_text.h"
#include "common/locale_formats.h"
#include "common/text.h"
#include "device/parse_device_date.h"

namespace mtp {
namespace {

const char16_t* const kSeeds[] = {
    u"2019/05/06:12:34:56.000",
    u"2019-05-06T12:34:56Z",
    u"06.05.2019 12:34:56",
    u"20190506T123456",
    u"2019/05/06",
    u"5/6/19",
    u"13/6/19",
    u"6-5-30",
    u"5/6/2019 1:02:03 PM",
    u"30.12.1899 00:00:00",
    u"06/05/19 12:34:56",
    u"2019-05-06 12:34",
    u"0x7E3/05/06:12:34:56",
    u"  -2147483648",
    u"$FFFFFFFF",
    u"12345678",
    u"5.6/19",
    u"",
};

// Characters that matter to the parsers, and a few that should not.
const std::u16string kAlphabet =
    u"0123456789/.-:T Z+-$xXaAfFpPmM\u00A0\u202F\u00E4\uFF11\U0001F600\t\r\n";

std::u16string RandomText(std::mt19937& rng) {
    std::u16string text(std::uniform_int_distribution<size_t>(0, 30)(rng), u' ');
    for (auto& c : text)
        c = rng() % 8 == 0 ? static_cast<char16_t>(rng() % 0x10000)
                           : kAlphabet[rng() % kAlphabet.size()];
    return text;
}

std::u16string Mutate(std::u16string text, std::mt19937& rng) {
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < steps; ++i) {
        const size_t at = text.empty() ? 0 : rng() % (text.size() + 1);
        const char16_t c = kAlphabet[rng() % kAlphabet.size()];
        switch (rng() % 5) {
        case 0:
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
            break;
        case 1:
            if (at < text.size())
                text.erase(at, 1);
            break;
        case 2:
            if (at < text.size())
                text[at] = c;
            break;
        case 3:
            text = text.substr(0, at);
            break;
        default:
            text += text.substr(at);
            break;
        }
    }
    return text;
}

// An independent reading of the integer grammar: a regular expression and a 64-bit parse.
bool ReferenceInt(std::u16string_view text, int32_t& value) {
    for (char16_t c : text)
        if (c > 0x7E)
            return false;
    static const std::regex grammar("^ *([+-]?)(\\$|[xX]|0[xX])?([0-9A-Fa-f]+)$");
    const std::string ascii = Utf16ToUtf8(text);
    std::smatch m;
    if (!std::regex_match(ascii, m, grammar))
        return false;
    const bool hex = m[2].matched;
    const std::string digits = m[3].str();
    if (!hex && digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const std::string significant =
        digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (significant.size() > (hex ? 8u : 10u))
        return false;
    const long long magnitude = std::stoll(significant, nullptr, hex ? 16 : 10);
    const bool negative = m[1] == "-";
    if (hex) {
        const uint32_t bits = static_cast<uint32_t>(magnitude);
        value = static_cast<int32_t>(negative ? 0u - bits : bits);
        return true;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

TEST(DeviceDateFuzz, RandomAndMutatedTextsNeverFailUnsafely) {
    const LocaleFormats saved = CurrentLocale();
    const LocaleFormats locales[] = {DottedDayFirstLocale(), UsLocale(), IsoLocale(),
                                     TwoDigitYearLocale()};
    std::mt19937 rng(20190506);
    constexpr int kTexts = 120'000;
    int dated = 0;
    for (int i = 0; i < kTexts; ++i) {
        const std::u16string text =
            i % 2 == 0 ? RandomText(rng) : Mutate(kSeeds[rng() % std::size(kSeeds)], rng);
        SetCurrentLocale(locales[i % std::size(locales)]);

        TDateTime value = 0;
        ASSERT_NO_THROW(value = ParseDeviceDate(text)) << Utf16ToUtf8(text);
        if (value != 0) {
            DateTimeParts parts;
            ASSERT_TRUE(TryDecodeDateTime(value, parts)) << Utf16ToUtf8(text);
            ASSERT_EQ(parts.millisecond, 0) << Utf16ToUtf8(text);
            ++dated;
        }

        int32_t got = 0, expected = 0;
        const bool converts = TryStrToInt(text, got);
        ASSERT_EQ(converts, ReferenceInt(text, expected)) << Utf16ToUtf8(text);
        if (converts) {
            ASSERT_EQ(got, expected) << Utf16ToUtf8(text);
        }
    }
    SetCurrentLocale(saved);
    // The mutations keep enough real dates to reach every step of the parser.
    EXPECT_GT(dated, kTexts / 40);
}

} // namespace
} // namespace mtp
