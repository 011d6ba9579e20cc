#include "common/file_system.h"
#include "plugin/uhelper.h"

namespace mtp {

namespace {

// Read-only, hidden, system and archive together: the one combination made deletable.
constexpr uint32_t kProtectedFile = faReadOnly | faHidden | faSysFile | faArchive; // 39

} // namespace

void WipeFolder(const std::u16string& folder) {
    if (folder.size() <= 4 || !DirectoryExists(folder))
        return;
    ForEachFolderEntry(JoinPath(folder, u"*.*"), [&](const FolderEntry& entry) {
        if (entry.name == u"." || entry.name == u"..")
            return;
        const std::u16string path = JoinPath(folder, entry.name);
        if (FileGetAttr(path) == kProtectedFile)
            FileSetAttr(path, faArchive);
        RemoveFile(path);
    });
    // The folder cannot be removed while it is the process's current directory.
    SetCurrentDir(ExtractFileDrive(folder) + PathDelim);
    RemoveDir(folder);
}

} // namespace mtp
