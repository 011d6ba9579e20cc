// The working-folder rules on real attributes: natively on the stand-in, and under Wine on
// the Win32 calls, where hidden and system attributes exist and the current directory
// belongs to a drive.
#include <algorithm>
#include <gtest/gtest.h>

#include "common/file_system.h"
#include "plugin/uhelper.h"
#include "tests/support/scratch_folder.h"

namespace mtp {
namespace {

using testing::Exists;
using testing::ScratchFolder;

constexpr uint32_t kProtected = faReadOnly | faHidden | faSysFile | faArchive; // 39

// Keeps the process's current directory across a test that moves it.
class CurrentDirGuard {
public:
    ~CurrentDirGuard() { SetCurrentDir(saved_); }

private:
    std::u16string saved_ = GetCurrentDir();
};

FileList Sorted(FileList list) {
    std::sort(list.begin(), list.end());
    return list;
}

TEST(ListFolderFiles, AppendsBareNamesOfFilesButNotPlainFolders) {
    ScratchFolder work;
    FileList list{u"kept"};
    EXPECT_EQ(ListFolderFiles(work.Path(), u"*.*", list), 1); // empty: nothing appended

    testing::WriteBytes(work / u"a.fit", "a");
    testing::WriteBytes(work / u"b", "b");
    testing::WriteBytes(work / u"hidden.fit", "h");
    FileSetAttr(work / u"hidden.fit", faHidden | faArchive);
    ForceDirectories(work / u"sub");
    EXPECT_EQ(ListFolderFiles(work.Path(), u"*.*", list), 4);
    EXPECT_EQ(Sorted(list), (FileList{u"a.fit", u"b", u"hidden.fit", u"kept"}));

    FileList none;
    EXPECT_EQ(ListFolderFiles(work / u"missing", u"*.*", none), 0);
}

TEST(ListFolderFiles, OnlyTheExactPlainFolderValueIsSkipped) {
    ScratchFolder work;
    ForceDirectories(work / u"hidden-sub");
    FileSetAttr(work / u"hidden-sub", faDirectory | faHidden);
    if (FileGetAttr(work / u"hidden-sub") != (faDirectory | faHidden))
        GTEST_SKIP() << "folders carry no hidden attribute on this platform";
    FileList list;
    EXPECT_EQ(ListFolderFiles(work.Path(), u"*.*", list), 1);
    EXPECT_EQ(list, FileList{u"hidden-sub"});
}

TEST(WipeFolder, DeletesFilesRemovesTheFolderAndMovesToTheDriveRoot) {
    CurrentDirGuard guard;
    ScratchFolder parent;
    const std::u16string work = parent / u"CorvantaSync";
    ForceDirectories(work);
    testing::WriteBytes(JoinPath(work, u"a.fit"), "a");
    testing::WriteBytes(JoinPath(work, u"b.fit"), "b");
    SetCurrentDir(work); // the folder must still go when it is the current directory

    WipeFolder(work);

    EXPECT_FALSE(Exists(work));
    EXPECT_EQ(GetCurrentDir(), ExtractFileDrive(work) + PathDelim);
}

TEST(WipeFolder, MovesToTheDriveRootEvenWhenTheFolderIsEmpty) {
    CurrentDirGuard guard;
    std::vector<std::u16string> bases{SystemTempPath()};
#ifdef _WIN32
    bases.push_back(u"Z:\\tmp\\"); // Wine's drive Z: another drive than the temporary folder's
#endif
    for (const auto& base : bases) {
        ScratchFolder parent(base);
        const std::u16string work = parent / u"CorvantaSync";
        ForceDirectories(work);
        WipeFolder(work);
        EXPECT_FALSE(Exists(work));
        EXPECT_EQ(GetCurrentDir(), ExtractFileDrive(base) + PathDelim) << Utf16ToUtf8(base);
    }
}

TEST(WipeFolder, ReadOnlyHiddenSystemArchiveFileIsMadeDeletable) {
    ScratchFolder parent;
    const std::u16string work = parent / u"CorvantaSync";
    ForceDirectories(work);
    const std::u16string file = JoinPath(work, u"p.fit");
    testing::WriteBytes(file, "p");
    FileSetAttr(file, kProtected);
    if (FileGetAttr(file) != kProtected)
        GTEST_SKIP() << "files carry no hidden or system attribute on this platform";
    CurrentDirGuard guard;

    WipeFolder(work);

    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(Exists(work));
}

TEST(WipeFolder, OtherReadOnlyFilesAndSubfoldersStayAndSoDoesTheFolder) {
    ScratchFolder parent;
    const std::u16string work = parent / u"CorvantaSync";
    ForceDirectories(JoinPath(work, u"sub"));
    testing::WriteBytes(JoinPath(JoinPath(work, u"sub"), u"inner.fit"), "i");
    testing::WriteBytes(JoinPath(work, u"plain.fit"), "x");
    testing::WriteBytes(JoinPath(work, u"readonly.fit"), "r");
    FileSetAttr(JoinPath(work, u"readonly.fit"), faReadOnly | faArchive); // 33
    CurrentDirGuard guard;

    WipeFolder(work);

    FileList left;
    ListFolderFiles(work, u"*.*", left);
    EXPECT_EQ(Sorted(left), (FileList{u"readonly.fit"})); // "sub" is a plain folder: not listed
    EXPECT_EQ(FileGetAttr(JoinPath(work, u"readonly.fit")), faReadOnly | faArchive);
    EXPECT_TRUE(DirectoryExists(JoinPath(work, u"sub")));
    EXPECT_TRUE(Exists(JoinPath(JoinPath(work, u"sub"), u"inner.fit"))); // not recursive
}

TEST(WipeFolder, ShortPathsAndMissingFoldersChangeNothing) {
    ScratchFolder scratch;
    CurrentDirGuard guard;
    ASSERT_TRUE(SetCurrentDir(scratch.Path()));
    // Relative paths keep the test inside its own folder: 4 characters are left alone,
    // 5 are wiped.
    for (const std::u16string name : {u"abcd", u"abcde"}) {
        ForceDirectories(scratch / name);
        testing::WriteBytes(JoinPath(scratch / name, u"a.fit"), "a");
    }
    const std::u16string here = GetCurrentDir();

    WipeFolder(u"abcd");
    WipeFolder(scratch / u"missing");
    WipeFolder(u"");

    EXPECT_EQ(GetCurrentDir(), here);
    EXPECT_TRUE(Exists(JoinPath(scratch / u"abcd", u"a.fit")));

    WipeFolder(u"abcde"); // its files go; the folder would be looked up from the root
    EXPECT_FALSE(Exists(JoinPath(scratch / u"abcde", u"a.fit")));
    EXPECT_NE(GetCurrentDir(), here);
}

} // namespace
} // namespace mtp
