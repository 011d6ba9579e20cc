// Target folders in trouble, natively: one that runs out of room and one that refuses every
// write (even to root). Each mounts a small tmpfs over the folder in a private mount namespace,
// which vanishes with the test process; where mounting is not allowed, OutOfRoom falls back to
// a file-size limit that makes the writes fail the same way, and ReadOnlyFolder reports that it
// could not be arranged.
#pragma once

#ifndef _WIN32
#include <csignal>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>

#include "common/text.h"

namespace mtp::testing {

// A tmpfs over `folder` for the object's lifetime, if the process may mount one.
class PrivateTmpfs {
public:
    PrivateTmpfs(const std::u16string& folder, unsigned long flags, const char* options)
        : path_(Utf16ToUtf8(folder)) {
        mounted_ = unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", path_.c_str(), "tmpfs", flags, options) == 0;
    }
    ~PrivateTmpfs() {
        if (mounted_)
            umount2(path_.c_str(), MNT_DETACH);
    }
    PrivateTmpfs(const PrivateTmpfs&) = delete;
    PrivateTmpfs& operator=(const PrivateTmpfs&) = delete;

    bool Mounted() const { return mounted_; }

private:
    std::string path_;
    bool mounted_;
};

// Makes `folder` a 64 KiB file system, or limits file sizes to 64 KiB, until destroyed.
class OutOfRoom {
public:
    explicit OutOfRoom(const std::u16string& folder) : tmpfs_(folder, 0, "size=64k") {
        if (!tmpfs_.Mounted()) {
            signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG, the process goes on
            rlimit limit{64 * 1024, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    ~OutOfRoom() {
        if (!tmpfs_.Mounted()) {
            rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &unlimited);
        }
    }
    // What the system says when the next write finds no room.
    std::u16string Reason() const {
        return tmpfs_.Mounted() ? u"No space left on device" : u"File too large";
    }

private:
    PrivateTmpfs tmpfs_;
};

// Makes `folder` an empty read-only file system until destroyed; Arranged() is false where
// the process may not mount.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::u16string& folder) : tmpfs_(folder, MS_RDONLY, "size=64k") {}
    bool Arranged() const { return tmpfs_.Mounted(); }
    std::u16string Reason() const { return u"Read-only file system"; }

private:
    PrivateTmpfs tmpfs_;
};

} // namespace mtp::testing
#endif
