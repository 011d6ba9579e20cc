#include "dialog/local_file_name.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text.h"

namespace mtp {
namespace {

struct SafeNameCase {
    std::u16string device;
    std::u16string local;
};

class SafeLocalNameTest : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(SafeLocalNameTest, StaysAPlainNameInsideTheFolder) {
    EXPECT_EQ(SafeLocalName(GetParam().device), GetParam().local);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeLocalNameTest,
    ::testing::Values(
        // Ordinary names pass unchanged, blanks and non-ASCII letters included.
        SafeNameCase{u"2019-05-06-10-11-12.fit", u"2019-05-06-10-11-12.fit"},
        SafeNameCase{u" Morning Ride ÄÖ.FIT", u" Morning Ride ÄÖ.FIT"},
        // Path separators and the other characters Windows refuses become "_".
        SafeNameCase{u"..\\x.fit", u".._x.fit"}, SafeNameCase{u"../../x.fit", u".._.._x.fit"},
        SafeNameCase{u"C:\\Windows\\x.fit", u"C__Windows_x.fit"},
        SafeNameCase{u"a:b.fit", u"a_b.fit"}, SafeNameCase{u"<>\"|?*.fit", u"______.fit"},
        SafeNameCase{u"tab\there\x01.fit", u"tab_here_.fit"},
        // Trailing dots and blanks are dropped; what is left empty becomes "_".
        SafeNameCase{u"ride.fit. . ", u"ride.fit"}, SafeNameCase{u"..", u"_"},
        SafeNameCase{u".", u"_"}, SafeNameCase{u"   ", u"_"}, SafeNameCase{u"", u"_"},
        // Device names, in any case, with or without an extension, get a "_" in front.
        SafeNameCase{u"CON.fit", u"_CON.fit"}, SafeNameCase{u"con", u"_con"},
        SafeNameCase{u"Nul.tar.fit", u"_Nul.tar.fit"}, SafeNameCase{u"PRN .fit", u"_PRN .fit"},
        SafeNameCase{u"aux.", u"_aux"}, SafeNameCase{u"COM1.fit", u"_COM1.fit"},
        SafeNameCase{u"lpt9.fit", u"_lpt9.fit"}, SafeNameCase{u"COM\u00B2.fit", u"_COM\u00B2.fit"},
        // Names that only resemble them stay.
        SafeNameCase{u"CONSOLE.fit", u"CONSOLE.fit"}, SafeNameCase{u"COM10.fit", u"COM10.fit"},
        SafeNameCase{u"xCON.fit", u"xCON.fit"}, SafeNameCase{u"LPT.fit", u"LPT.fit"}));

TEST(SafeLocalName, AnOverlongNameIsCutBeforeItsExtension) {
    const std::u16string longName = std::u16string(300, u'a') + u".fit";
    const std::u16string local = SafeLocalName(longName);
    EXPECT_EQ(local.size(), 255u);
    EXPECT_TRUE(local.ends_with(u"a.fit"));
}

TEST(LocalFileNames, TheSameObjectKeepsItsNameAndAnotherGetsADistinctOne) {
    struct Request {
        std::u16string devId, oName, deviceName, expected;
    };
    // Asked in this order of one map.
    const Request requests[] = {
        {u"dev1", u"o1", u"a.fit", u"a.fit"},
        {u"dev2", u"o1", u"a.fit", u"a (2).fit"},
        // Windows file names ignore case: A.FIT would land on a.fit.
        {u"dev1", u"o2", u"A.FIT", u"A (3).FIT"},
        {u"dev1", u"o3", u"\u00E4.fit", u"\u00E4.fit"},
        {u"dev1", u"o4", u"\u00C4.fit", u"\u00C4 (2).fit"},
        // Asking again, in any order, gives each object the name it holds.
        {u"dev2", u"o1", u"a.fit", u"a (2).fit"},
        {u"dev1", u"o1", u"a.fit", u"a.fit"},
        // A name that happens to look like a distinct one is kept apart as well.
        {u"dev3", u"o9", u"a (2).fit", u"a (2) (2).fit"},
        // The safe form of a hostile name does not collide with a plain one.
        {u"dev1", u"o5", u"a:b", u"a_b"},
        {u"dev1", u"o6", u"a_b", u"a_b (2)"},
        {u"dev1", u"o7", u"noext", u"noext"},
        {u"dev1", u"o8", u"NOEXT", u"NOEXT (2)"},
    };
    TLocalFileNames names;
    for (const Request& r : requests)
        EXPECT_EQ(names.NameFor(r.devId, r.oName, r.deviceName), r.expected)
            << Utf16ToUtf8(r.devId + u"/" + r.oName);
}

TEST(LocalFileNames, ObjectsAreToldApartByDeviceAndObjectTogether) {
    TLocalFileNames names;
    // "ab"+"c" and "a"+"bc" must not be taken for the same object.
    EXPECT_EQ(names.NameFor(u"ab", u"c", u"x.fit"), u"x.fit");
    EXPECT_EQ(names.NameFor(u"a", u"bc", u"x.fit"), u"x (2).fit");
}

TEST(LocalFileNames, AnObjectCountsOnceUntilTheCountRestarts) {
    TLocalFileNames names;
    names.NameFor(u"d", u"o1", u"a.fit");
    EXPECT_TRUE(names.CountOnce(u"d", u"o1"));
    EXPECT_FALSE(names.CountOnce(u"d", u"o1"));
    EXPECT_TRUE(names.CountOnce(u"d", u"o2"));
    names.RestartCount();
    EXPECT_TRUE(names.CountOnce(u"d", u"o1"));
    // The names stay reserved across a restart.
    EXPECT_EQ(names.NameFor(u"e", u"o1", u"a.fit"), u"a (2).fit");
}

} // namespace
} // namespace mtp
