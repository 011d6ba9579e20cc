#include "common/ansi_text.h"

#include "common/text.h"

namespace mtp {

std::u16string AnsiToUtf16(std::string_view text) {
    return Utf8ToUtf16(text);
}

} // namespace mtp
