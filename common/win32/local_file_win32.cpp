#include "common/local_file.h"

#include <windows.h>

#include <utility>

#include "common/errors.h"
#include "common/file_system.h"

namespace mtp {

namespace {

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::u16string FullPath(const std::u16string& path) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(Wide(path), MAX_PATH * 4, full, nullptr);
    if (length == 0 || length >= MAX_PATH * 4)
        return path;
    return std::u16string(reinterpret_cast<const char16_t*>(full), length);
}

} // namespace

LocalFile LocalFile::Create(const std::u16string& path) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const std::u16string reason = LastSystemErrorText(); // before any other call
        throw FileError(u"Cannot create file \"" + FullPath(path) + u"\". " + reason);
    }
    return LocalFile(reinterpret_cast<std::intptr_t>(file));
}

std::size_t LocalFile::Write(const void* data, std::size_t size) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), data, static_cast<DWORD>(size), &written, nullptr))
        return 0;
    return written;
}

void LocalFile::Close() {
    if (handle_ != -1)
        CloseHandle(AsHandle(std::exchange(handle_, -1)));
}

bool RemoveLocalFile(const std::u16string& path) {
    return DeleteFileW(Wide(path)) != 0;
}

bool SetLocalFileWriteTime(const std::u16string& path, const DateTimeParts& local) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(local.year);
    time.wMonth = static_cast<WORD>(local.month);
    time.wDay = static_cast<WORD>(local.day);
    time.wHour = static_cast<WORD>(local.hour);
    time.wMinute = static_cast<WORD>(local.minute);
    time.wSecond = static_cast<WORD>(local.second);
    time.wMilliseconds = static_cast<WORD>(local.millisecond);
    FILETIME localTime;
    FILETIME utc;
    if (!SystemTimeToFileTime(&time, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc))
        return false;
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool set = SetFileTime(file, nullptr, nullptr, &utc) != 0;
    CloseHandle(file);
    return set;
}

} // namespace mtp
