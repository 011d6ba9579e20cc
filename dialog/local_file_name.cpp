#include "dialog/local_file_name.h"

#include <algorithm>
#include <array>

#include "common/file_system.h"
#include "common/text.h"
#include "dialog/my_list.h"

namespace mtp {

namespace {

// The longest name NTFS and FAT keep for one folder entry, in UTF-16 code units.
constexpr std::size_t MaxNameLength = 255;

bool IsForbiddenInName(char16_t c) {
    return c < 0x20 || std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos;
}

// Names Windows hands to a device instead of a file, with or without an extension. COM0,
// LPT0, the superscript digits and the console names are reserved on some versions only;
// giving them a safe form as well costs nothing.
bool IsReservedDeviceName(std::u16string_view name) {
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ')
        stem.remove_suffix(1);
    const std::u16string upper = [&] {
        std::u16string s(stem);
        for (char16_t& c : s)
            if (c >= u'a' && c <= u'z')
                c = static_cast<char16_t>(c - u'a' + u'A');
        return s;
    }();
    static const std::array<std::u16string_view, 6> fixed{u"CON", u"PRN",    u"AUX",
                                                          u"NUL", u"CONIN$", u"CONOUT$"};
    for (std::u16string_view r : fixed)
        if (upper == r)
            return true;
    if (upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT"))) {
        const char16_t d = upper[3];
        return (d >= u'0' && d <= u'9') || d == u'\u00B9' || d == u'\u00B2' || d == u'\u00B3';
    }
    return false;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// The longest path Windows opens without the long-path prefix: MAX_PATH less its zero.
constexpr std::size_t MaxPathLength = 259;
// However long the working folder's path, a name keeps at least this many code units.
constexpr std::size_t MinNameLength = 12;

// Cuts the part before the extension so that the name, with `suffix` inserted before the
// extension, is at most `maxLength` long; a surrogate pair is never split, and a cut that ends
// in blanks or dots (which Windows would drop) loses them too. An extension too long to keep
// counts as part of the name.
std::u16string WithSuffix(const std::u16string& name, std::u16string_view suffix,
                          std::size_t maxLength = MaxNameLength) {
    std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string::npos || dot == 0 || name.size() - dot + suffix.size() > maxLength)
        dot = name.size();
    std::u16string stem = name.substr(0, dot);
    const std::u16string ext = name.substr(dot);
    const std::size_t room = maxLength - std::min(maxLength, ext.size() + suffix.size());
    if (stem.size() > room) {
        stem.resize(room);
        if (!stem.empty() && IsHighSurrogate(stem.back()))
            stem.pop_back();
        if (ext.empty() && suffix.empty())
            while (!stem.empty() && (stem.back() == u' ' || stem.back() == u'.'))
                stem.pop_back();
        if (stem.empty() && ext.empty() && suffix.empty())
            stem = u"_";
    }
    return stem + std::u16string(suffix) + ext;
}

// Windows compares file names without regard to case. This folds the letters whose case
// pairs are plain offsets (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic); folding more
// than Windows would only ever gives a name a needless "(n)", never lets two files collide.
std::u16string FoldCase(std::u16string_view name) {
    std::u16string s(name);
    for (char16_t& c : s) {
        if ((c >= u'a' && c <= u'z') || (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) ||
            (c >= 0x03B1 && c <= 0x03CB && c != 0x03C2) || (c >= 0x0430 && c <= 0x044F))
            c = static_cast<char16_t>(c - 0x20);
        else if (c >= 0x0450 && c <= 0x045F)
            c = static_cast<char16_t>(c - 0x50);
        else if ((c <= 0x0137 || (c >= 0x014A && c <= 0x0177)) && c >= 0x0100 && c % 2 == 1 &&
                 c != 0x0131)
            c = static_cast<char16_t>(c - 1); // Latin Extended-A: capital even, small odd
        else if (((c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E)) && c % 2 == 0)
            c = static_cast<char16_t>(c - 1); // and where the capital is odd
    }
    return s;
}

} // namespace

std::u16string SafeLocalName(std::u16string_view deviceName) {
    std::u16string name(deviceName);
    for (char16_t& c : name)
        if (IsForbiddenInName(c))
            c = u'_';
    while (!name.empty() && (name.back() == u'.' || name.back() == u' '))
        name.pop_back();
    if (name.empty())
        return u"_";
    if (IsReservedDeviceName(name))
        name = u"_" + name;
    return name.size() > MaxNameLength ? WithSuffix(name, {}) : name;
}

std::u16string TLocalFileNames::NameFor(const std::u16string& devId, const std::u16string& oName,
                                        std::u16string_view deviceName,
                                        const std::u16string& folder) {
    const std::u16string key = DeviceObjectKey(devId, oName);
    const auto held = byObject_.find(key);
    // A device may give an identifier to another file once it is connected again: the object
    // holds its name only while it keeps its own name.
    if (held != byObject_.end() && held->second.deviceName == deviceName)
        return held->second.localName;

    const std::size_t folderLength = IncludeTrailingPathDelimiter(folder).size();
    const std::size_t maxLength = std::clamp(MaxPathLength - std::min(MaxPathLength, folderLength),
                                             MinNameLength, MaxNameLength);
    const std::u16string safe = WithSuffix(SafeLocalName(deviceName), {}, maxLength);
    // Taken: held by another object, or a file already in the folder that no object here holds
    // (left by an earlier run, or one Windows takes for the name: other case folding, a short
    // 8.3 name).
    const auto taken = [&](const std::u16string& name) {
        return byName_.contains(FoldCase(name)) || FileGetAttr(JoinPath(folder, name)) != faInvalid;
    };
    std::u16string name = safe;
    for (int n = 2; taken(name); ++n)
        name = WithSuffix(safe, u" (" + ToText(n) + u")", maxLength);
    byName_.emplace(FoldCase(name), key);
    byObject_.insert_or_assign(key, Holder{name, std::u16string(deviceName), false});
    return name;
}

bool TLocalFileNames::CountOnce(const std::u16string& devId, const std::u16string& oName) {
    Holder& holder = byObject_[DeviceObjectKey(devId, oName)];
    if (holder.counted)
        return false;
    holder.counted = true;
    return true;
}

bool TLocalFileNames::Uncount(const std::u16string& devId, const std::u16string& oName) {
    const auto held = byObject_.find(DeviceObjectKey(devId, oName));
    if (held == byObject_.end() || !held->second.counted)
        return false;
    held->second.counted = false;
    return true;
}

void TLocalFileNames::RestartCount() {
    for (auto& [key, holder] : byObject_)
        holder.counted = false;
}

} // namespace mtp
