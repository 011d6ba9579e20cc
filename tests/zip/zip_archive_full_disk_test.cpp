// A target folder that runs out of room while the archive is written. Natively a small
// tmpfs is mounted in a private mount namespace (it vanishes with the test process); where
// mounting is not allowed, a file-size limit makes the writes fail the same way.
#include "zip/zip_archive.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "tests/support/scratch_folder.h"

#ifndef _WIN32
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace mtp {
namespace {

using testing::ScratchFolder;

// Makes `folder` a 64 KiB file system, or limits file sizes to 64 KiB, until destroyed.
class OutOfRoom {
public:
    explicit OutOfRoom(const std::u16string& folder) : path_(Utf16ToUtf8(folder)) {
        mounted_ = unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted_) {
            signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG, the process goes on
            rlimit limit{64 * 1024, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    ~OutOfRoom() {
        if (mounted_) {
            umount2(path_.c_str(), MNT_DETACH);
        } else {
            rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &unlimited);
        }
    }
    // What the system says when the next write finds no room.
    std::u16string Reason() const {
        return mounted_ ? u"No space left on device" : u"File too large";
    }

private:
    std::string path_;
    bool mounted_;
};

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
