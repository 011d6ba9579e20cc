// The files-and-folders port: what the working folder and the archive need of the platform's
// file system. Win32 calls on Windows; natively a stand-in with Windows' rules where they
// matter (attribute values, "*.*" matching every name, read-only files refusing deletion).
// Paths are UTF-16 throughout; names avoid the Win32 macros (DeleteFile, MoveFileEx ...).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/datetime.h"

namespace mtp {

#ifdef _WIN32
inline constexpr char16_t PathDelim = u'\\';
#else
inline constexpr char16_t PathDelim = u'/';
#endif

// File attribute bits, with the values Windows gives them.
inline constexpr uint32_t faReadOnly = 0x01;
inline constexpr uint32_t faHidden = 0x02;
inline constexpr uint32_t faSysFile = 0x04;
inline constexpr uint32_t faDirectory = 0x10;
inline constexpr uint32_t faArchive = 0x20;
// Returned by FileGetAttr when the path cannot be queried.
inline constexpr uint32_t faInvalid = 0xFFFFFFFF;

// The path with one delimiter at its end, added only when it does not already end with one.
std::u16string IncludeTrailingPathDelimiter(std::u16string_view path);
// A folder and a name joined by exactly one delimiter.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);
// The name after the last delimiter (the whole text when there is none).
std::u16string ExtractFileName(std::u16string_view path);
// The drive part of a path: "C:" for "C:\x", "\\server\share" for a UNC path; natively,
// where there are no drives, always empty (so the drive's root is "/").
std::u16string ExtractFileDrive(std::u16string_view path);

struct FolderEntry {
    std::u16string name; // without the folder
    uint32_t attributes = 0;
};

// Calls `visit` for every entry matching a folder-and-mask pattern such as "C:\w\*.*", hidden
// and system entries included, "." and ".." too where the platform reports them. The
// enumeration is closed when it ends, also when `visit` throws. False when nothing matched or
// the folder cannot be read.
bool ForEachFolderEntry(std::u16string_view pattern,
                        const std::function<void(const FolderEntry&)>& visit);

uint32_t FileGetAttr(std::u16string_view path); // faInvalid on failure
bool FileSetAttr(std::u16string_view path, uint32_t attributes);
// Deletes a file; as on Windows, a read-only file is refused.
bool RemoveFile(std::u16string_view path);
// Replaces `to` by `from` in one step (the archive's temporary file moved into place).
bool RenameFileOver(std::u16string_view from, std::u16string_view to);

bool DirectoryExists(std::u16string_view path);
bool CreateDir(std::u16string_view path);
// Creates the folder with every missing parent; true when it exists afterwards.
bool ForceDirectories(std::u16string_view path);
bool RemoveDir(std::u16string_view path);
bool SetCurrentDir(std::u16string_view path);
std::u16string GetCurrentDir();

// The user's temporary folder as the system reports it, ending with a delimiter; empty when
// the system reports none.
std::u16string SystemTempPath();

// A file's last write, as the archive stores it: the exact UTC second and the local
// date and time of that moment (with the daylight-saving rule of that date).
struct FileWriteTime {
    int64_t unixSeconds = 0;
    DateTimeParts local;
};
bool FileLastWriteTime(std::u16string_view path, FileWriteTime& out);

// The system's text for the error of the last failed call of this port ("Access is denied.",
// "No space left on device"), for messages that name a path and the reason.
std::u16string LastSystemErrorText();

} // namespace mtp
