#include "common/file_system.h"
#include "plugin/uhelper.h"
#include "zip/zip_archive.h"

namespace mtp {

void ZipFiles(const std::u16string& archivePath, const std::u16string& folder,
              const FileList& list) {
    std::vector<ZipSource> sources;
    for (const std::u16string& name : list) {
        std::u16string path = JoinPath(folder, name);
        // Folders are neither stored nor searched: only the files themselves are packed.
        const uint32_t attributes = FileGetAttr(path);
        if (attributes != faInvalid && (attributes & faDirectory))
            continue;
        sources.push_back(ZipSource{std::move(path), name});
    }
    // With no file to pack, an empty archive would only replace the host's earlier one.
    if (!sources.empty())
        WriteZipArchive(archivePath, sources);
}

} // namespace mtp
