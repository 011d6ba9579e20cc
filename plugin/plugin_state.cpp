#include "plugin/plugin_state.h"

namespace mtp {

std::string CopyHostText(const char* text) {
    return text ? std::string(text) : std::string();
}

} // namespace mtp
