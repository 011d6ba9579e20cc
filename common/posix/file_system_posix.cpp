// The files port natively: a stand-in with Windows' rules where the plug-in relies on them.
// Attributes: 16 for a folder; a file 32, plus read-only (1) when its owner may not write it.
// A read-only file refuses deletion, and a mask matches names as FindFirstFileW does.
#include "common/file_system.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/text.h"

namespace mtp {

namespace {

std::string Native(std::u16string_view path) {
    return Utf16ToUtf8(path);
}

char16_t FoldCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c;
}

// "*" and "?" as wildcards, letters compared without case.
bool WildcardMatch(std::u16string_view mask, std::u16string_view name) {
    if (mask.empty())
        return name.empty();
    if (mask[0] == u'*') {
        for (size_t skip = 0; skip <= name.size(); ++skip)
            if (WildcardMatch(mask.substr(1), name.substr(skip)))
                return true;
        return false;
    }
    if (name.empty())
        return false;
    if (mask[0] != u'?' && FoldCase(mask[0]) != FoldCase(name[0]))
        return false;
    return WildcardMatch(mask.substr(1), name.substr(1));
}

// As on Windows, a mask ending in ".*" also matches a name without an extension, so "*.*"
// matches every name.
bool MaskMatches(std::u16string_view mask, std::u16string_view name) {
    if (WildcardMatch(mask, name))
        return true;
    return mask.size() >= 2 && mask.substr(mask.size() - 2) == u".*" &&
           name.find(u'.') == std::u16string_view::npos &&
           WildcardMatch(mask.substr(0, mask.size() - 2), name);
}

uint32_t AttributesOf(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return faDirectory;
    return faArchive | ((st.st_mode & S_IWUSR) ? 0 : faReadOnly);
}

} // namespace

std::u16string ExtractFileDrive(std::u16string_view) {
    return {};
}

bool ForEachFolderEntry(std::u16string_view pattern,
                        const std::function<void(const FolderEntry&)>& visit) {
    const size_t cut = pattern.rfind(u'/');
    const std::u16string folder(cut == std::u16string_view::npos ? u"."
                                                                 : pattern.substr(0, cut + 1));
    const std::u16string_view mask =
        cut == std::u16string_view::npos ? pattern : pattern.substr(cut + 1);
    DIR* dir = opendir(Native(folder).c_str());
    if (!dir)
        return false;
    struct Closer {
        DIR* d;
        ~Closer() { closedir(d); }
    } closer{dir};
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        const std::u16string name = Utf8ToUtf16(entry->d_name);
        if (!MaskMatches(mask, name))
            continue;
        struct stat st;
        if (stat(Native(folder + name).c_str(), &st) != 0)
            continue; // vanished since it was listed
        found = true;
        visit(FolderEntry{name, AttributesOf(st)});
    }
    return found;
}

uint32_t FileGetAttr(std::u16string_view path) {
    struct stat st;
    return stat(Native(path).c_str(), &st) == 0 ? AttributesOf(st) : faInvalid;
}

bool FileSetAttr(std::u16string_view path, uint32_t attributes) {
    struct stat st;
    const std::string native = Native(path);
    if (stat(native.c_str(), &st) != 0)
        return false;
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & faReadOnly) ? mode & ~(S_IWUSR | S_IWGRP | S_IWOTH) : mode | S_IWUSR;
    return chmod(native.c_str(), mode) == 0;
}

bool RemoveFile(std::u16string_view path) {
    const uint32_t attributes = FileGetAttr(path);
    if (attributes != faInvalid && (attributes & (faReadOnly | faDirectory))) {
        errno = (attributes & faDirectory) ? EISDIR : EACCES;
        return false;
    }
    return unlink(Native(path).c_str()) == 0;
}

bool RenameFileOver(std::u16string_view from, std::u16string_view to) {
    return rename(Native(from).c_str(), Native(to).c_str()) == 0;
}

bool DirectoryExists(std::u16string_view path) {
    struct stat st;
    return stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(std::u16string_view path) {
    return mkdir(Native(path).c_str(), 0777) == 0;
}

bool RemoveDir(std::u16string_view path) {
    return rmdir(Native(path).c_str()) == 0;
}

bool SetCurrentDir(std::u16string_view path) {
    return chdir(Native(path).c_str()) == 0;
}

std::u16string GetCurrentDir() {
    char* cwd = getcwd(nullptr, 0);
    if (!cwd)
        return {};
    std::u16string out = Utf8ToUtf16(cwd);
    free(cwd);
    return out;
}

std::u16string SystemTempPath() {
    const char* tmp = getenv("TMPDIR");
    return IncludeTrailingPathDelimiter(Utf8ToUtf16(tmp && *tmp ? tmp : "/tmp"));
}

bool FileLastWriteTime(std::u16string_view path, FileWriteTime& out) {
    struct stat st;
    if (stat(Native(path).c_str(), &st) != 0)
        return false;
    const time_t seconds = st.st_mtim.tv_sec;
    struct tm local;
    if (!localtime_r(&seconds, &local))
        return false;
    out.unixSeconds = seconds;
    out.local = DateTimeParts{local.tm_year + 1900,
                              local.tm_mon + 1,
                              local.tm_mday,
                              local.tm_hour,
                              local.tm_min,
                              local.tm_sec,
                              static_cast<int>(st.st_mtim.tv_nsec / 1000000)};
    return true;
}

std::u16string LastSystemErrorText() {
    return Utf8ToUtf16(strerror(errno));
}

} // namespace mtp
