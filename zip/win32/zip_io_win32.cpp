#include "zip/zip_io.h"

#include <windows.h>

#include <algorithm>

#include "common/file_system.h"

namespace mtp {

namespace {

HANDLE AsHandle(intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}
intptr_t FromHandle(HANDLE h) {
    return reinterpret_cast<intptr_t>(h);
}
std::wstring Wide(std::u16string_view s) {
    return std::wstring(s.begin(), s.end());
}
// Whole chunks are at most this big, so one call's count always fits a DWORD.
constexpr size_t kMaxCall = 1u << 30;

} // namespace

ZipInputFile::ZipInputFile(const std::u16string& path) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw ZipSourceError(LastSystemErrorText());
    handle_ = FromHandle(h);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(h, &size)) {
        const auto reason = LastSystemErrorText();
        CloseHandle(h);
        throw ZipSourceError(reason);
    }
    size_ = static_cast<uint64_t>(size.QuadPart);
}

ZipInputFile::~ZipInputFile() {
    CloseHandle(AsHandle(handle_));
}

size_t ZipInputFile::Read(uint8_t* buffer, size_t capacity) {
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(std::min(capacity, kMaxCall)), &got,
                  nullptr))
        throw ZipSourceError(LastSystemErrorText());
    return got;
}

ZipOutputFile::ZipOutputFile(const std::u16string& path) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw ZipTargetError(LastSystemErrorText());
    handle_ = FromHandle(h);
}

ZipOutputFile::~ZipOutputFile() {
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE)
        CloseHandle(AsHandle(handle_));
}

void ZipOutputFile::WriteAt(uint64_t offset, const uint8_t* data, size_t size) {
    while (size > 0) {
        // An explicit offset for every write: patching a header never moves the end.
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD written = 0;
        if (!WriteFile(AsHandle(handle_), data, static_cast<DWORD>(std::min(size, kMaxCall)),
                       &written, &at))
            throw ZipTargetError(LastSystemErrorText());
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            throw ZipTargetError(LastSystemErrorText());
        }
        data += written;
        size -= written;
        offset += written;
    }
}

void ZipOutputFile::Close() {
    HANDLE h = AsHandle(handle_);
    handle_ = FromHandle(INVALID_HANDLE_VALUE);
    if (!CloseHandle(h))
        throw ZipTargetError(LastSystemErrorText());
}

} // namespace mtp
