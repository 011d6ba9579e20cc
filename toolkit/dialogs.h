// The platform's small modal dialogs.
#pragma once

#include <string>

#include "toolkit/types.h"

namespace mtp::tk {

// A prompt with a caption, a text and one edit field prefilled with value. Answers whether
// the user pressed OK; only then is value replaced by the edited text.
bool InputQuery(const std::u16string& caption, const std::u16string& prompt, std::u16string& value);

// A message box; flags are TMsgBoxFlag values, the answer an id (idOk, idCancel ...).
int ShowMessageBox(const std::u16string& text, const std::u16string& caption,
                   unsigned flags = mbOk);

} // namespace mtp::tk
