// Writes an archive with the Windows build, for check_wine_archive.py to read back natively:
// sources with fixed times in <dir>\work, an older Connect.zip in <dir>\target replaced.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "common/errors.h"
#include "common/file_system.h"
#include "tests/support/scratch_folder.h"
#include "zip/zip_archive.h"

using namespace mtp;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wine_archive_writer <folder>\n");
        return 2;
    }
    try {
        const std::u16string dir = Utf8ToUtf16(argv[1]);
        std::filesystem::remove_all(testing::FsPath(dir));
        const std::u16string work = JoinPath(dir, u"work");
        const std::u16string target = JoinPath(dir, u"target");
        ForceDirectories(work);
        ForceDirectories(target);
        struct Source {
            const char16_t* name;
            std::string bytes;
            int64_t mtime;
        } sources[] = {
            {u"summer.fit", "summer", 1721039445}, // 2024-07-15 10:30:45 UTC
            {u"winter.fit", "winter", 1705314645}, // 2024-01-15 10:30:45 UTC
            {u"empty.fit", "", 1721039445},
            {u"noise.fit", testing::NoiseBytes(300000), 1721039445},
            {u"Läufer.fit", "non-ASCII name", 1721039445},
        };
        std::vector<ZipSource> list;
        for (const auto& s : sources) {
            const std::u16string path = JoinPath(work, s.name);
            testing::WriteBytes(path, s.bytes);
            testing::SetMtime(path, s.mtime);
            list.push_back({path, s.name});
        }
        const std::u16string archive = JoinPath(target, u"Connect.zip");
        WriteZipArchive(archive, {{JoinPath(work, u"summer.fit"), u"older-entry.fit"}});
        WriteZipArchive(archive, list);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", Utf16ToUtf8(ErrorText(e)).c_str());
        return 1;
    }
}
