#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/int_text.h"
#include "common/text.h"

namespace mtp {
namespace {

struct IntCase {
    const char16_t* text;
    bool converts;
    int32_t value;
};

TEST(IntText, ConvertsDecimalAndHexadecimalTexts) {
    const IntCase cases[] = {
        {u"0", true, 0},
        {u"123", true, 123},
        {u"00012", true, 12},
        {u"   42", true, 42},
        {u"+7", true, 7},
        {u"-7", true, -7},
        {u"  -7", true, -7},
        {u"2147483647", true, 2147483647},
        {u"-2147483648", true, INT32_MIN},
        {u"$10", true, 16},
        {u"x10", true, 16},
        {u"X1f", true, 31},
        {u"0x10", true, 16},
        {u"0XaB", true, 171},
        {u"-$10", true, -16},
        {u" +0x7FFFFFFF", true, 2147483647},
        {u"$0000000000001", true, 1},
        // A hexadecimal number spells the 32 bits.
        {u"$FFFFFFFF", true, -1},
        {u"0x80000000", true, INT32_MIN},
        // Everything else fails.
        {u"", false, 0},
        {u"   ", false, 0},
        {u"-", false, 0},
        {u"+", false, 0},
        {u"$", false, 0},
        {u"0x", false, 0},
        {u"x", false, 0},
        {u"2147483648", false, 0},
        {u"-2147483649", false, 0},
        {u"99999999999999999999", false, 0},
        {u"$100000000", false, 0},
        {u"12 ", false, 0},
        {u"1 2", false, 0},
        {u"+ 5", false, 0},
        {u"+-1", false, 0},
        {u"--1", false, 0},
        {u"\t5", false, 0},
        {u"1e3", false, 0},
        {u"1.0", false, 0},
        {u"abc", false, 0},
        {u"0xg", false, 0},
        {u"00x10", false, 0},
        {u"$-1", false, 0},
        {u"\uFF11\uFF12", false, 0}, // fullwidth digits
    };
    for (const auto& c : cases) {
        const std::u16string_view text(c.text);
        int32_t value = -99;
        EXPECT_EQ(TryStrToInt(text, value), c.converts) << Utf16ToUtf8(text);
        if (c.converts) {
            EXPECT_EQ(value, c.value) << Utf16ToUtf8(text);
            EXPECT_EQ(StrToInt(text), c.value);
        } else {
            EXPECT_EQ(value, -99) << "a failed conversion leaves the value alone";
            EXPECT_EQ(StrToIntDef(text, 255), 255) << Utf16ToUtf8(text);
        }
    }
    int32_t value = 0;
    EXPECT_FALSE(TryStrToInt(std::u16string_view(u"12\0", 3), value)) << "a zero code unit";
}

TEST(IntText, ErrorNamesTheTextThatDidNotConvert) {
    try {
        StrToInt(u"12abc");
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.Text(), u"'12abc' is not a valid integer value");
    }
}

TEST(IntText, ReadsBackEveryDecimalTextOfA32BitValue) {
    for (int64_t v = INT32_MIN; v <= INT32_MAX; v += 65'521)
        ASSERT_EQ(StrToInt(ToText(v)), v);
    EXPECT_EQ(StrToInt(ToText(INT32_MAX)), INT32_MAX);
}

} // namespace
} // namespace mtp
