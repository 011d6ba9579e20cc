// A target folder that runs out of room while the archive is written (OutOfRoom: a small
// tmpfs, or a file-size limit where mounting is not allowed).
#include "zip/zip_archive.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "tests/support/folder_trouble.h"
#include "tests/support/scratch_folder.h"

#ifndef _WIN32

namespace mtp {
namespace {

using testing::OutOfRoom;
using testing::ScratchFolder;

TEST(ZipArchiveFullDisk, FailsWithTheReasonAndKeepsTheEarlierArchive) {
    ScratchFolder sources;
    ScratchFolder target;
    const std::u16string big = sources / u"big.fit";
    testing::WriteBytes(big, testing::NoiseBytes(256 * 1024)); // deflate cannot shrink it
    OutOfRoom full(target.Path());
    const std::u16string archive = target / u"Connect.zip";
    testing::WriteBytes(archive, "an archive of an earlier import");

    std::u16string text;
    try {
        WriteZipArchive(archive, {{big, u"big.fit"}});
    } catch (const FileError& e) {
        text = e.Text();
    }

    EXPECT_EQ(text, u"Cannot write the archive \"" + archive + u"\": " + full.Reason());
    EXPECT_EQ(testing::ReadBytes(archive), "an archive of an earlier import");
    EXPECT_FALSE(testing::Exists(TemporaryArchivePath(archive)));
}

} // namespace
} // namespace mtp
#endif
