// Writing a whole archive safely: the entries go to a temporary file beside the archive,
// which replaces the archive only once it is complete. Whatever fails, the temporary file
// is removed and an archive already there stays as it was.
#pragma once

#include <string>
#include <vector>

namespace mtp {

struct ZipSource {
    std::u16string path;      // the file to add
    std::u16string entryName; // the name it is stored under
};

// Throws FileError whose text names the archive's path (and the file being added, when
// that one is the cause) and the system's reason.
void WriteZipArchive(const std::u16string& archivePath, const std::vector<ZipSource>& sources);

// The temporary file beside an archive while it is written.
std::u16string TemporaryArchivePath(const std::u16string& archivePath);

} // namespace mtp
