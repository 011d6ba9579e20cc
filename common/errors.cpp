#include "common/errors.h"

namespace mtp {

std::u16string ErrorText(const std::exception& e) {
    if (auto* own = dynamic_cast<const Error*>(&e))
        return own->Text();
    return Utf8ToUtf16(e.what());
}

} // namespace mtp
