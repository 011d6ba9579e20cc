// An archive that cannot be written fails with a text naming the path and the reason, and
// leaves nothing behind: no temporary file, and an archive already there as it was.
#include "zip/zip_archive.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "common/errors.h"
#include "tests/support/scratch_folder.h"

namespace mtp {
namespace {

using testing::ScratchFolder;

std::vector<std::u16string> Names(const std::u16string& folder) {
    std::vector<std::u16string> names;
    for (const auto& e : std::filesystem::directory_iterator(testing::FsPath(folder)))
        names.push_back(e.path().filename().u16string());
    std::sort(names.begin(), names.end());
    return names;
}

// The error's text: the expected start, then ": " and the system's reason.
void ExpectMessage(const std::u16string& text, const std::u16string& start) {
    EXPECT_EQ(text.substr(0, start.size()), start) << Utf16ToUtf8(text);
    EXPECT_GT(text.size(), start.size() + 2) << "no reason given: " << Utf16ToUtf8(text);
}

std::u16string ErrorOf(const std::u16string& archive, const std::vector<ZipSource>& sources) {
    try {
        WriteZipArchive(archive, sources);
    } catch (const FileError& e) {
        return e.Text();
    }
    ADD_FAILURE() << "no error for " << Utf16ToUtf8(archive);
    return {};
}

class ZipArchiveFailure : public ::testing::Test {
protected:
    void SetUp() override {
        testing::WriteBytes(source, "activity");
        testing::WriteBytes(existing, "an archive of an earlier import");
    }
    ScratchFolder folder;
    std::u16string source = folder / u"a.fit";
    std::u16string existing = folder / u"Connect.zip";
};

TEST_F(ZipArchiveFailure, TargetsThatCannotBeCreatedAreNamed) {
    testing::WriteBytes(folder / u"plain-file", "not a folder");
    const std::u16string targets[] = {
        JoinPath(folder / u"missing", u"Connect.zip"),    // no such folder
        JoinPath(folder / u"plain-file", u"Connect.zip"), // a path through a file
    };
    for (const auto& archive : targets) {
        const std::u16string text = ErrorOf(archive, {{source, u"a.fit"}});
        ExpectMessage(text, u"Cannot write the archive \"" + archive + u"\": ");
    }
    EXPECT_EQ(Names(folder.Path()),
              (std::vector<std::u16string>{u"Connect.zip", u"a.fit", u"plain-file"}));
}

TEST_F(ZipArchiveFailure, AFileThatCannotBeAddedKeepsTheEarlierArchive) {
    const std::u16string missing = folder / u"vanished.fit";
    const std::u16string text = ErrorOf(existing, {{source, u"a.fit"}, {missing, u"vanished.fit"}});

    ExpectMessage(text, u"Cannot add \"" + missing + u"\" to the archive \"" + existing + u"\": ");
    EXPECT_EQ(testing::ReadBytes(existing), "an archive of an earlier import");
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::u16string>{u"Connect.zip", u"a.fit"}));
}

TEST_F(ZipArchiveFailure, AFileOver4GiBFailsBeforeAnythingIsWritten) {
    const std::u16string huge = folder / u"huge.fit";
    testing::WriteBytes(huge, "");
    // Sparse, and refused when its size is checked: 4 GiB is one byte more than an entry
    // without ZIP64 can hold.
    std::filesystem::resize_file(testing::FsPath(huge), uint64_t{1} << 32);

    const std::u16string text = ErrorOf(existing, {{source, u"a.fit"}, {huge, u"huge.fit"}});

    ExpectMessage(text, u"Cannot add \"" + huge + u"\" to the archive \"" + existing + u"\": ");
    EXPECT_NE(text.find(u"4 GiB"), std::u16string::npos);
    EXPECT_EQ(testing::ReadBytes(existing), "an archive of an earlier import");
    EXPECT_EQ(Names(folder.Path()),
              (std::vector<std::u16string>{u"Connect.zip", u"a.fit", u"huge.fit"}));
}

} // namespace
} // namespace mtp
