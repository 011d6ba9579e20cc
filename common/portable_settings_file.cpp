// The portable settings file: reads the INI file afresh for every call and rewrites it for
// every write, changing only the one line that holds the key (or adding it), so comments,
// blank lines, other sections and line endings stay exactly as they were. Keys and sections
// match without regard to the case of ASCII letters; the first section of a name and the
// first key of a name count, as with the Win32 profile functions. The file is UTF-8.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "common/errors.h"
#include "common/file_system.h"
#include "common/settings_file.h"
#include "common/text.h"

namespace mtp {

namespace {

struct Line {
    std::string content; // without its line ending
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Concat(std::string_view a, std::string_view b, std::string_view c) {
    std::string out;
    out.reserve(a.size() + b.size() + c.size());
    return out.append(a).append(b).append(c);
}

bool EqualsFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// The name of a section header line, or nothing.
std::optional<std::string_view> SectionName(std::string_view content) {
    content = TrimSpaces(content);
    if (content.empty() || content.front() != '[')
        return std::nullopt;
    content.remove_prefix(1);
    return TrimSpaces(content.substr(0, content.find(']')));
}

struct KeyLine {
    std::string_view key, value;
};

// "key=value" with blanks around both; comments (";") and lines without "=" hold no key.
std::optional<KeyLine> ParseKeyLine(std::string_view content) {
    content = TrimSpaces(content);
    const size_t equals = content.find('=');
    if (content.empty() || content.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{TrimSpaces(content.substr(0, equals)), TrimSpaces(content.substr(equals + 1))};
}

class IniText {
public:
    explicit IniText(const std::string& bytes) {
        size_t start = 0;
        while (start < bytes.size()) {
            size_t end = bytes.find('\n', start);
            Line line;
            if (end == std::string::npos) {
                line.content = bytes.substr(start);
                start = bytes.size();
            } else {
                const bool cr = end > start && bytes[end - 1] == '\r';
                line.content = bytes.substr(start, end - start - (cr ? 1 : 0));
                line.ending = cr ? "\r\n" : "\n";
                start = end + 1;
            }
            lines_.push_back(std::move(line));
        }
        for (const Line& line : lines_)
            if (!line.ending.empty()) {
                newline_ = line.ending;
                break;
            }
    }

    std::optional<std::string> Read(std::string_view section, std::string_view key) const {
        const auto found = FindKey(section, key);
        if (!found.line)
            return std::nullopt;
        std::string_view value = ParseKeyLine(Content(*found.line))->value;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) {
        const auto found = FindKey(section, key);
        if (found.line) {
            Line& line = lines_[*found.line];
            line.content = Concat(ParseKeyLine(Content(*found.line))->key, "=", value);
            return;
        }
        std::vector<Line> added;
        size_t at = lines_.size();
        if (found.header) {
            at = found.lastInSection + 1;
        } else {
            added.push_back({Concat("[", section, "]"), newline_});
        }
        added.push_back({Concat(key, "=", value), newline_});
        if (at > 0 && lines_[at - 1].ending.empty())
            lines_[at - 1].ending = newline_;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    }

    std::string Bytes() const {
        std::string out;
        for (const Line& line : lines_)
            out.append(line.content).append(line.ending);
        return out;
    }

private:
    struct Found {
        std::optional<size_t> header; // the section's header line
        size_t lastInSection = 0;     // its last line that is not blank
        std::optional<size_t> line;   // the key's line
    };

    std::string_view Content(size_t index) const {
        std::string_view content = lines_[index].content;
        if (index == 0 && content.substr(0, 3) == "\xEF\xBB\xBF") // a UTF-8 byte-order mark
            content.remove_prefix(3);
        return content;
    }

    Found FindKey(std::string_view section, std::string_view key) const {
        Found found;
        for (size_t i = 0; i < lines_.size(); ++i) {
            const std::string_view content = Content(i);
            if (const auto name = SectionName(content)) {
                if (found.header)
                    break; // only the first section of the name counts
                if (EqualsFolded(*name, section)) {
                    found.header = i;
                    found.lastInSection = i;
                }
                continue;
            }
            if (!found.header)
                continue;
            if (!TrimSpaces(content).empty())
                found.lastInSection = i;
            const auto keyLine = ParseKeyLine(content);
            if (keyLine && !found.line && EqualsFolded(keyLine->key, key))
                found.line = i;
        }
        return found;
    }

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";
};

class PortableSettingsFile : public SettingsFile {
public:
    explicit PortableSettingsFile(std::u16string path) : path_(std::move(path)) {}

    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view fallback) override {
        const auto value = IniText(Load()).Read(Utf16ToUtf8(section), Utf16ToUtf8(key));
        return value ? Utf8ToUtf16(*value) : std::u16string(fallback);
    }

    void WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override {
        IniText text(Load());
        text.Write(Utf16ToUtf8(section), Utf16ToUtf8(key), Utf16ToUtf8(value));
        const std::string bytes = text.Bytes();
        // The new text goes to a file beside the old one and replaces it only when whole, so
        // a disk that fills up midway leaves the other sections as they were.
        const std::u16string temporary = path_ + u".tmp";
        std::ofstream out(std::filesystem::path(temporary), std::ios::binary | std::ios::trunc);
        if (out)
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out || !RenameFileOver(temporary, path_)) {
            RemoveFile(temporary);
            throw FileError(u"Unable to write to " + path_);
        }
    }

private:
    // A file that is missing or cannot be read holds no keys.
    std::string Load() const {
        const std::filesystem::path path(path_);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return {};
        std::ifstream in(path, std::ios::binary);
        std::string bytes;
        try {
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        } catch (const std::ios_base::failure&) {
            return {};
        }
        return bytes;
    }

    std::u16string path_;
};

} // namespace

std::unique_ptr<SettingsFile> OpenPortableSettingsFile(const std::u16string& path) {
    return std::make_unique<PortableSettingsFile>(path);
}

} // namespace mtp
