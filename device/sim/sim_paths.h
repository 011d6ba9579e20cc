// Paths of device images as UTF-8 texts (manifest keys, messages) and back.
#pragma once

#include <filesystem>
#include <string>

namespace mtp {

inline std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace mtp
