#include "common/file_system.h"

namespace mtp {

namespace {

bool IsDelimiter(char16_t c) {
#ifdef _WIN32
    return c == u'\\' || c == u'/';
#else
    return c == u'/';
#endif
}

} // namespace

std::u16string IncludeTrailingPathDelimiter(std::u16string_view path) {
    std::u16string out(path);
    if (out.empty() || !IsDelimiter(out.back()))
        out.push_back(PathDelim);
    return out;
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    return IncludeTrailingPathDelimiter(folder).append(name);
}

std::u16string ExtractFileName(std::u16string_view path) {
    size_t start = path.size();
    while (start > 0 && !IsDelimiter(path[start - 1]))
        --start;
    return std::u16string(path.substr(start));
}

bool ForceDirectories(std::u16string_view path) {
    std::u16string dir(path);
    while (dir.size() > 1 && IsDelimiter(dir.back()))
        dir.pop_back();
    if (dir.empty())
        return false;
    if (DirectoryExists(dir))
        return true;
    size_t cut = dir.size();
    while (cut > 0 && !IsDelimiter(dir[cut - 1]))
        --cut;
    // The parent, unless the folder sits directly on a root or drive that already exists.
    const std::u16string parent = dir.substr(0, cut);
    const bool parentIsRoot =
        parent.empty() || parent.size() == 1 || parent == ExtractFileDrive(dir) + PathDelim;
    if (!parentIsRoot && !ForceDirectories(parent))
        return false;
    return CreateDir(dir) || DirectoryExists(dir);
}

} // namespace mtp
