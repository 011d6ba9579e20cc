#include "common/ansi_text.h"

#include <windows.h>

namespace mtp {

std::u16string AnsiToUtf16(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), wide);
    return std::u16string(out.begin(), out.end());
}

} // namespace mtp
