// The files port on Win32: wide-character calls, attributes and times as Windows keeps them.
#include "common/file_system.h"

#include <windows.h>

#include "common/text.h"

namespace mtp {

namespace {

// UTF-16 texts pass to the wide API as they are: wchar_t is 16 bits wide on Windows.
std::wstring Wide(std::u16string_view s) {
    return std::wstring(s.begin(), s.end());
}
std::u16string FromWide(const wchar_t* s, size_t n) {
    return std::u16string(s, s + n);
}

} // namespace

std::u16string ExtractFileDrive(std::u16string_view path) {
    if (path.size() >= 2 && path[1] == u':')
        return std::u16string(path.substr(0, 2));
    // "\\server\share": up to, not including, the delimiter after the share name.
    auto isDelim = [](char16_t c) { return c == u'\\' || c == u'/'; };
    if (path.size() >= 2 && isDelim(path[0]) && isDelim(path[1])) {
        size_t delims = 0;
        size_t i = 2;
        for (; i < path.size(); ++i)
            if (isDelim(path[i]) && ++delims == 2)
                break;
        return std::u16string(path.substr(0, i));
    }
    return {};
}

bool ForEachFolderEntry(std::u16string_view pattern,
                        const std::function<void(const FolderEntry&)>& visit) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    struct Closer {
        HANDLE h;
        ~Closer() { FindClose(h); }
    } closer{find};
    do {
        visit(FolderEntry{FromWide(data.cFileName, wcslen(data.cFileName)),
                          static_cast<uint32_t>(data.dwFileAttributes)});
    } while (FindNextFileW(find, &data));
    return true;
}

uint32_t FileGetAttr(std::u16string_view path) {
    DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? faInvalid : static_cast<uint32_t>(attributes);
}

bool FileSetAttr(std::u16string_view path, uint32_t attributes) {
    return SetFileAttributesW(Wide(path).c_str(), attributes) != 0;
}

bool RemoveFile(std::u16string_view path) {
    return DeleteFileW(Wide(path).c_str()) != 0;
}

bool RenameFileOver(std::u16string_view from, std::u16string_view to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool DirectoryExists(std::u16string_view path) {
    DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(std::u16string_view path) {
    return CreateDirectoryW(Wide(path).c_str(), nullptr);
}

bool RemoveDir(std::u16string_view path) {
    return RemoveDirectoryW(Wide(path).c_str()) != 0;
}

bool SetCurrentDir(std::u16string_view path) {
    return SetCurrentDirectoryW(Wide(path).c_str()) != 0;
}

std::u16string GetCurrentDir() {
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(needed, L'\0');
    DWORD length = GetCurrentDirectoryW(needed, buffer.data());
    return length == 0 || length >= needed ? std::u16string() : FromWide(buffer.data(), length);
}

std::u16string SystemTempPath() {
    wchar_t buffer[MAX_PATH] = {}; // 260 characters, as the system's own limit
    GetTempPathW(MAX_PATH, buffer);
    return FromWide(buffer, wcsnlen(buffer, MAX_PATH));
}

bool FileLastWriteTime(std::u16string_view path, FileWriteTime& out) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
        return false;
    const FILETIME& ft = data.ftLastWriteTime;
    const int64_t ticks = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    constexpr int64_t kTicksPerSecond = 10000000;
    constexpr int64_t kUnixEpochTicks = 116444736000000000; // 1970-01-01 in 100 ns since 1601
    out.unixSeconds = (ticks - kUnixEpochTicks) / kTicksPerSecond;
    if (ticks < kUnixEpochTicks && (ticks - kUnixEpochTicks) % kTicksPerSecond != 0)
        --out.unixSeconds; // round towards the earlier second
    SYSTEMTIME utc, local;
    if (!FileTimeToSystemTime(&ft, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return false;
    out.local = DateTimeParts{local.wYear,   local.wMonth,  local.wDay,         local.wHour,
                              local.wMinute, local.wSecond, local.wMilliseconds};
    return true;
}

std::u16string LastSystemErrorText() {
    const DWORD code = GetLastError();
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string out;
    if (length != 0 && text) {
        out = FromWide(text, length);
        LocalFree(text);
    }
    while (!out.empty() && (out.back() == u'\r' || out.back() == u'\n' || out.back() == u' '))
        out.pop_back();
    if (out.empty())
        out = u"system error " + ToText(code);
    return out;
}

} // namespace mtp
