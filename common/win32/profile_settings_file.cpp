// The settings file on Windows: the Win32 profile functions, which read and write one key of
// an INI file at a time.
#include <windows.h>

#include <vector>

#include "common/errors.h"
#include "common/settings_file.h"

namespace mtp {

namespace {

std::wstring Wide(std::u16string_view s) {
    return std::wstring(s.begin(), s.end());
}

class ProfileSettingsFile : public SettingsFile {
public:
    explicit ProfileSettingsFile(std::u16string path) : path_(std::move(path)) {}

    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view fallback) override {
        const std::wstring wSection = Wide(section), wKey = Wide(key), wFallback = Wide(fallback);
        const std::wstring wPath = Wide(path_);
        std::vector<wchar_t> buffer(256);
        for (;;) {
            const DWORD size = static_cast<DWORD>(buffer.size());
            const DWORD length =
                GetPrivateProfileStringW(wSection.c_str(), wKey.c_str(), wFallback.c_str(),
                                         buffer.data(), size, wPath.c_str());
            // A value that filled the buffer may have been cut short: read it again, larger.
            if (length + 1 < size || buffer.size() >= 1u << 20)
                return std::u16string(buffer.data(), buffer.data() + length);
            buffer.resize(buffer.size() * 4);
        }
    }

    void WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override {
        if (!WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                        Wide(value).c_str(), Wide(path_).c_str()))
            throw FileError(u"Unable to write to " + path_);
    }

private:
    std::u16string path_;
};

} // namespace

std::unique_ptr<SettingsFile> OpenSettingsFile(const std::u16string& path) {
    return std::make_unique<ProfileSettingsFile>(path);
}

} // namespace mtp
