#include "device/sim/image_writer.h"

#include <fstream>

#include "common/errors.h"
#include "common/text.h"
#include "device/sim/device_image.h"
#include "device/sim/sim_paths.h"

namespace mtp {

namespace fs = std::filesystem;

static void WriteAll(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw Error(u"Cannot write " + Utf8ToUtf16(PathToUtf8(file)));
}

void WriteImageManifest(const fs::path& deviceFolder, std::string_view json) {
    WriteAll(deviceFolder / kManifestName, json);
}

void WriteImageFile(const fs::path& deviceFolder, const std::string& path, std::string_view bytes) {
    WriteAll(deviceFolder / kTreeFolderName / PathFromUtf8(path), bytes);
}

void MakeImageFolder(const fs::path& deviceFolder, const std::string& path) {
    fs::create_directories(deviceFolder / kTreeFolderName / PathFromUtf8(path));
}

} // namespace mtp
