// Texts inside the plug-in are UTF-16 strings with value semantics, compared by code unit.
#pragma once

#include <string>
#include <string_view>

namespace mtp {

// Removes every character whose code is U+0020 or lower from both ends.
std::u16string Trim(std::u16string_view s);

// Lower-cases the ASCII letters A to Z only; every other code unit stays as it is.
std::u16string LowerAscii(std::u16string_view s);

std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

// Shorthand for tests and fixed texts: u"..." literals are preferred where possible.
inline std::u16string U16(std::string_view ascii) {
    return Utf8ToUtf16(ascii);
}

// Replaces the first "%s" in a format such as "Device: %s" (the dialog's texts use one each).
std::u16string FormatS(std::u16string_view format, std::u16string_view value);
// Replaces the first "%d" with the decimal text of a number ("Files: %d").
std::u16string FormatD(std::u16string_view format, long long value);

std::u16string ToText(long long value);

} // namespace mtp
