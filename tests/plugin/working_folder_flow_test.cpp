// The working folder's way to the host: listed, packed into Connect.zip beside an older
// archive, wiped. The archive is read back with Python's zipfile and unzip where they run.
#include <algorithm>
#include <gtest/gtest.h>

#include "common/file_system.h"
#include "plugin/uhelper.h"
#include "tests/support/independent_zip_reader.h"
#include "tests/support/scratch_folder.h"

namespace mtp {
namespace {

using testing::IndependentZipReader;
using testing::ScratchFolder;

class WorkingFolderFlow : public ::testing::Test {
protected:
    void SetUp() override { ForceDirectories(work); }
    void TearDown() override { SetCurrentDir(savedDir); }

    std::vector<std::u16string> TargetNames() const {
        std::vector<std::u16string> names;
        for (const auto& e : std::filesystem::directory_iterator(testing::FsPath(target.Path())))
            names.push_back(e.path().filename().u16string());
        return names;
    }

    std::u16string savedDir = GetCurrentDir();
    ScratchFolder temp;
    ScratchFolder target;
    std::u16string work = temp / u"CorvantaSync";
    std::u16string archive = target / u"Connect.zip";
};

TEST_F(WorkingFolderFlow, ListedFilesReplaceTheArchiveAndTheFolderIsGone) {
    const std::vector<std::pair<std::u16string, std::string>> files = {
        {u"left-by-an-earlier-run.fit", "old"},
        {u"2024-07-15-08-00-00.fit", "one"},
        {u"2024-07-16-08-00-00.fit", "two"},
        {u"2024-07-17-08-00-00.fit", testing::NoiseBytes(100000)},
    };
    for (const auto& [name, bytes] : files)
        testing::WriteBytes(JoinPath(work, name), bytes);
    testing::WriteBytes(archive, "an older archive with other entries");

    FileList list;
    ASSERT_EQ(ListFolderFiles(work, u"*.*", list), 4);
    ZipFiles(archive, work, list);
    WipeFolder(work);

    EXPECT_FALSE(DirectoryExists(work));
    EXPECT_EQ(TargetNames(), std::vector<std::u16string>{u"Connect.zip"}); // no temporary file
    if (!IndependentZipReader::Available())
        GTEST_SKIP() << "the independent readers run natively only";
    const auto read = IndependentZipReader::Read(Utf16ToUtf8(archive));
    EXPECT_EQ(read.unzipTestStatus, 0) << read.unzipTestOutput;
    std::vector<std::pair<std::u16string, std::string>> stored;
    for (const auto& entry : read.entries)
        stored.emplace_back(Utf8ToUtf16(entry.name), entry.data);
    std::sort(stored.begin(), stored.end());
    auto expected = files;
    std::sort(expected.begin(), expected.end());
    EXPECT_TRUE(stored == expected);
}

TEST_F(WorkingFolderFlow, AListedFolderIsPassedOverWhenPacking) {
    testing::WriteBytes(JoinPath(work, u"a.fit"), "a");
    const std::u16string sub = JoinPath(work, u"hidden-sub");
    ForceDirectories(sub);
    FileSetAttr(sub, faDirectory | faHidden);
    FileList list;
    ListFolderFiles(work, u"*.*", list);
    if (list.size() != 2)
        GTEST_SKIP() << "folders carry no hidden attribute on this platform";

    ZipFiles(archive, work, list); // a folder among the names does not fail the archive

    EXPECT_EQ(TargetNames(), std::vector<std::u16string>{u"Connect.zip"});
}

TEST_F(WorkingFolderFlow, NamesOfFoldersOnlyLeaveTheEarlierArchiveAsItWas) {
    ForceDirectories(JoinPath(work, u"sub"));
    testing::WriteBytes(archive, "the archive of an earlier import");

    ZipFiles(archive, work, FileList{u"sub"});

    EXPECT_EQ(testing::ReadBytes(archive), "the archive of an earlier import");
    EXPECT_EQ(TargetNames(), std::vector<std::u16string>{u"Connect.zip"});
}

} // namespace
} // namespace mtp
