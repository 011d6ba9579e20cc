#include "toolkit/dialogs.h"

#include "toolkit/application.h"

namespace mtp::tk {

bool InputQuery(const std::u16string& caption, const std::u16string& prompt,
                std::u16string& value) {
    std::u16string edited = value;
    if (!Application().RequireBackend().InputQuery(caption, prompt, edited))
        return false;
    value = std::move(edited);
    return true;
}

int ShowMessageBox(const std::u16string& text, const std::u16string& caption, unsigned flags) {
    return Application().ShowMessageBox(text, caption, flags);
}

} // namespace mtp::tk
