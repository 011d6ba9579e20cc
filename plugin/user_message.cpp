#include "plugin/user_message.h"

#include <utility>

namespace mtp {

namespace {
MessageSink& CurrentSink() {
    static MessageSink sink;
    return sink;
}
} // namespace

void ShowUserMessage(MessageKind kind, std::u16string_view text, std::u16string_view caption) {
    if (const auto& sink = CurrentSink())
        sink(kind, text, caption);
    else
        ShowPlatformMessage(kind, text, caption);
}

MessageSink SetMessageSink(MessageSink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

} // namespace mtp
