#include "dialog/local_file_name.h"

#include <gtest/gtest.h>

#include <string>

#include "common/file_system.h"
#include "common/text.h"
#include "tests/support/scratch_folder.h"

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
    const testing::ScratchFolder folder;
    TLocalFileNames names;
    for (const Request& r : requests)
        EXPECT_EQ(names.NameFor(r.devId, r.oName, r.deviceName, folder.Path()), r.expected)
            << Utf16ToUtf8(r.devId + u"/" + r.oName);
}

TEST(LocalFileNames, ObjectsAreToldApartByDeviceAndObjectTogether) {
    const testing::ScratchFolder folder;
    TLocalFileNames names;
    // "ab"+"c" and "a"+"bc" must not be taken for the same object.
    EXPECT_EQ(names.NameFor(u"ab", u"c", u"x.fit", folder.Path()), u"x.fit");
    EXPECT_EQ(names.NameFor(u"a", u"bc", u"x.fit", folder.Path()), u"x (2).fit");
}

TEST(LocalFileNames, AnObjectCountsOnceUntilTheCountRestarts) {
    const testing::ScratchFolder folder;
    TLocalFileNames names;
    names.NameFor(u"d", u"o1", u"a.fit", folder.Path());
    EXPECT_TRUE(names.CountOnce(u"d", u"o1"));
    EXPECT_FALSE(names.CountOnce(u"d", u"o1"));
    EXPECT_TRUE(names.CountOnce(u"d", u"o2"));
    names.RestartCount();
    EXPECT_TRUE(names.CountOnce(u"d", u"o1"));
    // The names stay reserved across a restart.
    EXPECT_EQ(names.NameFor(u"e", u"o1", u"a.fit", folder.Path()), u"a (2).fit");
    // An object whose file is gone counts no more, and then once again.
    EXPECT_TRUE(names.Uncount(u"d", u"o1"));
    EXPECT_FALSE(names.Uncount(u"d", u"o1"));
    EXPECT_FALSE(names.Uncount(u"d", u"never"));
    EXPECT_TRUE(names.CountOnce(u"d", u"o1"));
}

TEST(LocalFileNames, AFileAlreadyInTheFolderIsNeverTaken) {
    const testing::ScratchFolder folder;
    testing::WriteBytes(folder / u"a.fit", "left by an earlier run");
    std::filesystem::create_directory(testing::FsPath(folder / u"sub.fit"));
    TLocalFileNames names;
    EXPECT_EQ(names.NameFor(u"d", u"o1", u"a.fit", folder.Path()), u"a (2).fit");
    EXPECT_EQ(names.NameFor(u"d", u"o2", u"sub.fit", folder.Path()), u"sub (2).fit");
#ifdef _WIN32
    // Windows finds a file by another case of its name too.
    testing::WriteBytes(folder / u"B.FIT", "left by an earlier run");
    EXPECT_EQ(names.NameFor(u"d", u"o3", u"b.fit", folder.Path()), u"b (2).fit");
#endif
    // An object keeps the name it holds once its own file is there.
    testing::WriteBytes(folder / u"a (2).fit", "o1");
    EXPECT_EQ(names.NameFor(u"d", u"o1", u"a.fit", folder.Path()), u"a (2).fit");
}

TEST(LocalFileNames, AnIdentifierThatNowNamesAnotherFileGetsANewName) {
    // Connected again, a device may hand an identifier to another file: the first file's copy
    // stays as it is.
    const testing::ScratchFolder folder;
    TLocalFileNames names;
    EXPECT_EQ(names.NameFor(u"d", u"o1", u"a.fit", folder.Path()), u"a.fit");
    testing::WriteBytes(folder / u"a.fit", "first");
    EXPECT_EQ(names.NameFor(u"d", u"o1", u"b.fit", folder.Path()), u"b.fit");
    EXPECT_EQ(names.NameFor(u"d", u"o1", u"b.fit", folder.Path()), u"b.fit");
    EXPECT_EQ(names.NameFor(u"e", u"o2", u"a.fit", folder.Path()), u"a (2).fit");
}

// Long device names in folders of several lengths: the whole path stays within what Windows
// opens, the extension and the distinguishing suffix survive, and a cut never leaves a blank
// or dot at the end, which Windows would drop.
struct LongNameCase {
    std::string what;
    std::size_t folderLength;
    std::u16string deviceName;
    std::u16string expected; // empty: only the length rules are checked
};

void PrintTo(const LongNameCase& c, std::ostream* os) {
    *os << c.what;
}

class LongLocalName : public ::testing::TestWithParam<LongNameCase> {};

TEST_P(LongLocalName, FitsThePathLimit) {
    const LongNameCase& c = GetParam();
    // A folder that does not exist: nothing in it is taken.
    std::u16string folder(c.folderLength, u'w');
    folder[0] = u'/';
    TLocalFileNames names;
    const std::u16string first = names.NameFor(u"d", u"o1", c.deviceName, folder);
    const std::u16string second = names.NameFor(u"d", u"o2", c.deviceName, folder);
    for (const std::u16string& name : {first, second}) {
        EXPECT_LE(JoinPath(folder, name).size(), 259u);
        EXPECT_FALSE(name.ends_with(u" ") || name.ends_with(u"."));
        if (c.deviceName.ends_with(u".fit")) {
            EXPECT_TRUE(name.ends_with(u".fit"));
        }
    }
    EXPECT_TRUE(second.ends_with(u" (2).fit") || second.ends_with(u" (2)"));
    if (!c.expected.empty()) {
        EXPECT_EQ(first, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, LongLocalName,
    ::testing::Values(
        LongNameCase{"short folder", 20, std::u16string(300, u'a') + u".fit", {}},
        LongNameCase{"typical temp folder", 60, std::u16string(240, u'a') + u".fit", {}},
        LongNameCase{"long folder", 200, std::u16string(100, u'a') + u".fit", {}},
        LongNameCase{"name that just fits", 60, std::u16string(198, u'a'),
                     std::u16string(198, u'a')},
        // Room for 252: the cut lands in the blanks, which go.
        LongNameCase{"cut in blanks", 6,
                     std::u16string(250, u'a') + u"   " + std::u16string(9, u'b'),
                     std::u16string(250, u'a')},
        // An "extension" too long to keep is cut as part of the name.
        LongNameCase{"overlong extension", 20, u"a." + std::u16string(300, u'x'), {}}));

} // namespace
} // namespace mtp
