#include "common/file_system.h"
#include "plugin/uhelper.h"

namespace mtp {

int32_t ListFolderFiles(const std::u16string& folder, const std::u16string& mask, FileList& list) {
    ForEachFolderEntry(JoinPath(folder, mask), [&](const FolderEntry& entry) {
        // Only the exact plain-folder value is skipped: a hidden or archived folder is listed.
        if (entry.attributes == faDirectory || entry.name == u"." || entry.name == u"..")
            return;
        list.push_back(entry.name);
    });
    return static_cast<int32_t>(list.size());
}

} // namespace mtp
