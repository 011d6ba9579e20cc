#include "zip/zip_archive.h"

#include <optional>

#include "common/file_system.h"
#include "zip/zip_writer.h"

namespace mtp {

namespace {

std::u16string Quoted(const std::u16string& path) {
    return u"\"" + path + u"\"";
}

// Removes the temporary file unless it has been moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::u16string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_)
            RemoveFile(path_);
    }
    void Kept() { kept_ = true; }

private:
    std::u16string path_;
    bool kept_ = false;
};

} // namespace

std::u16string TemporaryArchivePath(const std::u16string& archivePath) {
    return archivePath + u".tmp";
}

void WriteZipArchive(const std::u16string& archivePath, const std::vector<ZipSource>& sources) {
    const std::u16string temporary = TemporaryArchivePath(archivePath);
    std::optional<TemporaryFile> cleanup;
    try {
        ZipOutputFile out(temporary);
        cleanup.emplace(temporary); // outlives `out`: the file is closed before removal
        ZipWriter writer(out);
        for (const ZipSource& source : sources) {
            try {
                writer.AddFile(source.path, source.entryName);
            } catch (const ZipSourceError& e) {
                throw FileError(u"Cannot add " + Quoted(source.path) + u" to the archive " +
                                Quoted(archivePath) + u": " + e.Text());
            }
        }
        writer.Finish();
        out.Close();
    } catch (const ZipTargetError& e) {
        throw FileError(u"Cannot write the archive " + Quoted(archivePath) + u": " + e.Text());
    }
    if (!RenameFileOver(temporary, archivePath))
        throw FileError(u"Cannot replace the archive " + Quoted(archivePath) + u": " +
                        LastSystemErrorText());
    cleanup->Kept();
}

} // namespace mtp
