// The files port, run natively on the stand-in and under Wine on the Win32 calls: both must
// answer alike where the working folder and the archive rely on them.
#include "common/file_system.h"

#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace mtp {
namespace {

using testing::ScratchFolder;
const std::u16string D(1, PathDelim);

TEST(PathJoin, AddsADelimiterOnlyWhenMissing) {
    struct Case {
        std::u16string folder, name, joined;
    } cases[] = {
        {u"w", u"a.fit", u"w" + D + u"a.fit"},
        {u"w" + D, u"a.fit", u"w" + D + u"a.fit"},
        {u"", u"a.fit", D + u"a.fit"},
        {u"w" + D + D, u"a.fit", u"w" + D + D + u"a.fit"}, // only one is ever added
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.name), c.joined) << Utf16ToUtf8(c.folder);
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"x" + D), u"x" + D);
    EXPECT_EQ(ExtractFileName(u"w" + D + u"a.fit"), u"a.fit");
}

TEST(PathJoin, DrivePartOfAPath) {
#ifdef _WIN32
    EXPECT_EQ(ExtractFileDrive(u"D:\\Temp\\CorvantaSync"), u"D:");
    EXPECT_EQ(ExtractFileDrive(u"\\\\server\\share\\folder"), u"\\\\server\\share");
    EXPECT_EQ(ExtractFileDrive(u"relative\\folder"), u"");
    EXPECT_EQ(JoinPath(u"w/", u"a"), u"w/a"); // '/' counts as a delimiter on Windows
#else
    EXPECT_EQ(ExtractFileDrive(u"/tmp/CorvantaSync"), u""); // so the root is "/"
#endif
}

TEST(Folders, ForceDirectoriesCreatesEveryMissingParent) {
    ScratchFolder scratch;
    const std::u16string deep = JoinPath(scratch / u"a", JoinPath(u"b", u"c"));
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep + D)); // existing, with a trailing delimiter
    testing::WriteBytes(scratch / u"file", "x");
    EXPECT_FALSE(ForceDirectories(JoinPath(scratch / u"file", u"sub")));
    EXPECT_FALSE(DirectoryExists(scratch / u"file"));
    EXPECT_TRUE(RemoveDir(deep));
    EXPECT_FALSE(DirectoryExists(deep));
}

TEST(Folders, EnumerationReportsEveryEntryWithAttributes) {
    ScratchFolder scratch;
    testing::WriteBytes(scratch / u"a.fit", "x");
    testing::WriteBytes(scratch / u"noext", "x");
    ForceDirectories(scratch / u"sub");
    std::vector<std::pair<std::u16string, uint32_t>> seen;
    EXPECT_TRUE(ForEachFolderEntry(
        scratch / u"*.*", [&](const FolderEntry& e) { seen.emplace_back(e.name, e.attributes); }));
    std::sort(seen.begin(), seen.end());
    // "*.*" matches names without a dot too, "." and ".." included, as on Windows.
    const std::vector<std::pair<std::u16string, uint32_t>> expected = {{u".", faDirectory},
                                                                       {u"..", faDirectory},
                                                                       {u"a.fit", faArchive},
                                                                       {u"noext", faArchive},
                                                                       {u"sub", faDirectory}};
    EXPECT_EQ(seen, expected);

    std::vector<std::u16string> fit;
    ForEachFolderEntry(scratch / u"*.FIT", [&](const FolderEntry& e) { fit.push_back(e.name); });
    EXPECT_EQ(fit, std::vector<std::u16string>{u"a.fit"}); // letters match in either case
    EXPECT_FALSE(ForEachFolderEntry(scratch / u"*.gpx", [](const FolderEntry&) {}));
    EXPECT_FALSE(
        ForEachFolderEntry(JoinPath(scratch / u"missing", u"*.*"), [](const FolderEntry&) {}));
}

TEST(Files, AReadOnlyFileRefusesDeletionUntilItsAttributesChange) {
    ScratchFolder scratch;
    const std::u16string file = scratch / u"a.fit";
    testing::WriteBytes(file, "x");
    ASSERT_TRUE(FileSetAttr(file, faReadOnly | faArchive));
    EXPECT_EQ(FileGetAttr(file), faReadOnly | faArchive);
    EXPECT_FALSE(RemoveFile(file));
    EXPECT_TRUE(testing::Exists(file));
    ASSERT_TRUE(FileSetAttr(file, faArchive));
    EXPECT_TRUE(RemoveFile(file));
    EXPECT_FALSE(testing::Exists(file));
    EXPECT_EQ(FileGetAttr(file), faInvalid);
}

TEST(Files, RenameOverReplacesTheTarget) {
    ScratchFolder scratch;
    testing::WriteBytes(scratch / u"new.tmp", "new");
    testing::WriteBytes(scratch / u"Connect.zip", "old");
    EXPECT_TRUE(RenameFileOver(scratch / u"new.tmp", scratch / u"Connect.zip"));
    EXPECT_EQ(testing::ReadBytes(scratch / u"Connect.zip"), "new");
    EXPECT_FALSE(testing::Exists(scratch / u"new.tmp"));
    EXPECT_FALSE(RenameFileOver(scratch / u"new.tmp", scratch / u"Connect.zip"));
    EXPECT_FALSE(LastSystemErrorText().empty());
}

TEST(Files, LastWriteTimeInUtcSecondsAndTheLocalTimeOfThatMoment) {
    ScratchFolder scratch;
    const std::u16string file = scratch / u"a.fit";
    testing::WriteBytes(file, "x");
    const int64_t mtime = 1721039445; // 2024-07-15 10:30:45 UTC
    testing::SetMtime(file, mtime);
    FileWriteTime written;
    ASSERT_TRUE(FileLastWriteTime(file, written));
    EXPECT_EQ(written.unixSeconds, mtime);
    const time_t t = static_cast<time_t>(mtime);
    const std::tm local = *std::localtime(&t);
    EXPECT_EQ(written.local, (DateTimeParts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                            local.tm_hour, local.tm_min, local.tm_sec, 0}));
    EXPECT_FALSE(FileLastWriteTime(scratch / u"missing", written));
}

TEST(Folders, TemporaryAndCurrentFolder) {
    const std::u16string temp = SystemTempPath();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), PathDelim);
    EXPECT_TRUE(DirectoryExists(temp));

    const std::u16string before = GetCurrentDir();
    ScratchFolder scratch;
    ASSERT_TRUE(SetCurrentDir(scratch.Path()));
    EXPECT_TRUE(DirectoryExists(GetCurrentDir()));
    EXPECT_EQ(ExtractFileName(GetCurrentDir()), ExtractFileName(scratch.Path()));
    EXPECT_TRUE(SetCurrentDir(before));
}

} // namespace
} // namespace mtp
