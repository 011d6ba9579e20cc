// Writes device images, for tests and benchmarks that build their own devices.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mtp {

// Writes the device folder's manifest (JSON text), making the folder when needed.
void WriteImageManifest(const std::filesystem::path& deviceFolder, std::string_view json);
// Writes a file of the object tree: `path` is relative to the tree's root folder DEVICE, with
// "/" between names (the first name is the storage); missing folders are made.
void WriteImageFile(const std::filesystem::path& deviceFolder, const std::string& path,
                    std::string_view bytes = {});
// Makes a folder of the object tree, with every missing parent.
void MakeImageFolder(const std::filesystem::path& deviceFolder, const std::string& path);

} // namespace mtp
