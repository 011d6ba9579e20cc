// The stand-in for the Win32 file calls: the same results, POSIX underneath.
#include "common/local_file.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "common/errors.h"
#include "common/file_system.h"
#include "common/text.h"

namespace mtp {

namespace {

std::string Native(const std::u16string& path) {
    return Utf16ToUtf8(path);
}

std::u16string FullPath(const std::u16string& path) {
    std::error_code error;
    const auto full = std::filesystem::absolute(Native(path), error);
    return error ? path : Utf8ToUtf16(full.string());
}

// The offset of local time from UTC in force now, in seconds.
long CurrentUtcOffset() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}

} // namespace

LocalFile LocalFile::Create(const std::u16string& path) {
    const int fd = ::open(Native(path).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        const std::u16string reason = LastSystemErrorText(); // before any other call
        throw FileError(u"Cannot create file \"" + FullPath(path) + u"\". " + reason);
    }
    return LocalFile(fd);
}

std::size_t LocalFile::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(static_cast<int>(handle_), bytes + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    return written;
}

void LocalFile::Close() {
    if (handle_ != -1)
        ::close(static_cast<int>(std::exchange(handle_, -1)));
}

bool RemoveLocalFile(const std::u16string& path) {
    return ::unlink(Native(path).c_str()) == 0;
}

bool SetLocalFileWriteTime(const std::u16string& path, const DateTimeParts& local) {
    using namespace std::chrono;
    // The range and checks of SystemTimeToFileTime.
    const year_month_day date{year{local.year}, month{static_cast<unsigned>(local.month)},
                              day{static_cast<unsigned>(local.day)}};
    if (local.year < 1601 || local.year > 30827 || !date.ok() || local.hour < 0 ||
        local.hour > 23 || local.minute < 0 || local.minute > 59 || local.second < 0 ||
        local.second > 59 || local.millisecond < 0 || local.millisecond > 999)
        return false;
    const auto localSeconds = sys_days(date).time_since_epoch() + hours(local.hour) +
                              minutes(local.minute) + seconds(local.second);
    const auto utc = duration_cast<seconds>(localSeconds).count() - CurrentUtcOffset();
    const int fd = ::open(Native(path).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT; // last access stays
    times[1].tv_sec = static_cast<time_t>(utc);
    times[1].tv_nsec = local.millisecond * 1000000L;
    const bool set = ::futimens(fd, times) == 0;
    ::close(fd);
    return set;
}

} // namespace mtp
