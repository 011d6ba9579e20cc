#include "plugin/user_message.h"

#include <string>

#include <windows.h>

namespace mtp {

void ShowPlatformMessage(MessageKind kind, std::u16string_view text, std::u16string_view caption) {
    const std::wstring wideText(text.begin(), text.end());
    const std::wstring wideCaption(caption.begin(), caption.end());
    // No owner: the box is centred on the screen. Task-modal: the host's windows on this thread
    // take no input until it is closed.
    const UINT icon = kind == MessageKind::Information ? MB_ICONINFORMATION : MB_ICONERROR;
    MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), MB_OK | icon | MB_TASKMODAL);
}

} // namespace mtp
