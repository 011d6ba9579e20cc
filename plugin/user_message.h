// Messages the plug-in shows on its own, outside any dialog: the host-version refusal and a
// failure that reached an exported function. They go through a settable sink so that tests and
// the stand-in host can capture them instead of waiting for a click.
#pragma once

#include <functional>
#include <string_view>

namespace mtp {

// The caption of the plug-in's own message boxes.
inline constexpr std::u16string_view PluginCaption = u"MTP Device Import";

enum class MessageKind { Information, Error };

using MessageSink =
    std::function<void(MessageKind kind, std::u16string_view text, std::u16string_view caption)>;

// Shows a message with a single OK button and returns when the user has closed it.
void ShowUserMessage(MessageKind kind, std::u16string_view text,
                     std::u16string_view caption = PluginCaption);

// Sends every later message to the sink; an empty sink restores the platform's message box.
// Answers the sink that was set before.
MessageSink SetMessageSink(MessageSink sink);

// The platform's message box, centred on the screen (win32/ and posix/ back ends).
void ShowPlatformMessage(MessageKind kind, std::u16string_view text, std::u16string_view caption);

} // namespace mtp
