#include "zip/zip_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/file_system.h"
#include "common/text.h"

namespace mtp {

ZipInputFile::ZipInputFile(const std::u16string& path) {
    const int fd = open(Utf16ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw ZipSourceError(LastSystemErrorText());
    handle_ = fd;
    struct stat st;
    const bool statted = fstat(fd, &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        if (statted)
            errno = EISDIR; // only plain files are stored
        const auto reason = LastSystemErrorText();
        close(fd);
        throw ZipSourceError(reason);
    }
    size_ = static_cast<uint64_t>(st.st_size);
}

ZipInputFile::~ZipInputFile() {
    close(static_cast<int>(handle_));
}

size_t ZipInputFile::Read(uint8_t* buffer, size_t capacity) {
    for (;;) {
        const ssize_t n = read(static_cast<int>(handle_), buffer, capacity);
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR)
            throw ZipSourceError(LastSystemErrorText());
    }
}

ZipOutputFile::ZipOutputFile(const std::u16string& path) {
    const int fd = open(Utf16ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw ZipTargetError(LastSystemErrorText());
    handle_ = fd;
}

ZipOutputFile::~ZipOutputFile() {
    if (handle_ >= 0)
        close(static_cast<int>(handle_));
}

void ZipOutputFile::WriteAt(uint64_t offset, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = pwrite(static_cast<int>(handle_), data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC; // a write that takes nothing: the device is full
            throw ZipTargetError(LastSystemErrorText());
        }
        data += n;
        size -= static_cast<size_t>(n);
        offset += static_cast<uint64_t>(n);
    }
}

void ZipOutputFile::Close() {
    const int fd = static_cast<int>(handle_);
    handle_ = -1;
    if (close(fd) != 0)
        throw ZipTargetError(LastSystemErrorText());
}

} // namespace mtp
