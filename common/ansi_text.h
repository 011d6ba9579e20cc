// Texts that cross the exported interface are 8-bit, in the system's ANSI code page; inside
// the plug-in they are UTF-16. Natively, where there is no ANSI code page, 8-bit texts are
// taken as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace mtp {

std::u16string AnsiToUtf16(std::string_view text);

} // namespace mtp
