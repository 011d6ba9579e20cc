#include "common/text.h"

#include <gtest/gtest.h>

namespace mtp {
namespace {

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEndsOnly) {
    struct Case {
        std::u16string in, out;
    } cases[] = {
        {u"", u""},
        {u"  ", u""},
        {std::u16string(u"\0name\0", 6), u"name"},
        {u"\t\r\n a b \x1f", u"a b"},
        {u"\x7fx", u"\x7fx"}, // DEL is above U+0020 and stays
        {u"\u00a0x\u00a0", u"\u00a0x\u00a0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trim(c.in), c.out);
}

TEST(LowerAscii, ChangesOnlyAToZ) {
    EXPECT_EQ(LowerAscii(u"GARMIN/Activity-ÄÖ.FIT"), u"garmin/activity-ÄÖ.fit");
}

TEST(Utf, RoundTripsAcrossPlanes) {
    const std::u16string s = u"Läufer \U0001F6B4 проба";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(s)), s);
}

TEST(Format, FillsTheFirstPlaceholder) {
    EXPECT_EQ(FormatS(u"Device: %s", u"fenix"), u"Device: fenix");
    EXPECT_EQ(FormatD(u"Files: %d", -3), u"Files: -3");
}

} // namespace
} // namespace mtp
