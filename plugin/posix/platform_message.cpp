#include "plugin/user_message.h"

#include <cstdio>

#include "common/text.h"

namespace mtp {

// Natively there is no screen to show a box on: the message goes to the error stream.
void ShowPlatformMessage(MessageKind kind, std::u16string_view text, std::u16string_view caption) {
    std::fprintf(stderr, "%s %s: %s\n", kind == MessageKind::Information ? "[info]" : "[error]",
                 Utf16ToUtf8(caption).c_str(), Utf16ToUtf8(text).c_str());
}

} // namespace mtp
