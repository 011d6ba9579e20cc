// Captures the plug-in's own messages for the length of a test instead of showing a box.
#pragma once

#include <string>
#include <vector>

#include "plugin/user_message.h"

namespace mtp::test {

struct CapturedMessage {
    MessageKind kind;
    std::u16string text;
    std::u16string caption;
};

class MessageCapture {
public:
    MessageCapture()
        : previous_(SetMessageSink(
              [this](MessageKind kind, std::u16string_view text, std::u16string_view caption) {
                  messages.push_back({kind, std::u16string(text), std::u16string(caption)});
              })) {}
    ~MessageCapture() { SetMessageSink(std::move(previous_)); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<CapturedMessage> messages;

private:
    MessageSink previous_;
};

} // namespace mtp::test
