// The settings-file port: an INI file read and written one key at a time. On Windows it is the
// Win32 profile API; the portable implementation edits single keys in place and keeps every
// other line, comment and section as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace mtp {

class SettingsFile {
public:
    virtual ~SettingsFile() = default;
    // The value of the key, or the default when the section or key is missing.
    virtual std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view fallback) = 0;
    // Writes the key, creating the file and the section on first write. Throws FileError
    // whose text names the file's path when it cannot be written.
    virtual void WriteString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) = 0;
};

// The platform's implementation for this build.
std::unique_ptr<SettingsFile> OpenSettingsFile(const std::u16string& path);
// The portable implementation (used natively, and tested against the Win32 one under Wine).
std::unique_ptr<SettingsFile> OpenPortableSettingsFile(const std::u16string& path);

} // namespace mtp
