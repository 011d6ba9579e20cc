#include "common/settings_file.h"

namespace mtp {

std::unique_ptr<SettingsFile> OpenSettingsFile(const std::u16string& path) {
    return OpenPortableSettingsFile(path);
}

} // namespace mtp
