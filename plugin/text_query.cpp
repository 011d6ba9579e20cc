#include "plugin/text_query.h"

#include <algorithm>
#include <cstring>

namespace mtp {

void CopyToHostBuffer(std::string_view text, char* buffer, uint32_t maxLength) {
    const size_t limit = maxLength & 0xFFFFu;
    if (buffer == nullptr || limit == 0)
        return;
    const size_t count = std::min(text.size(), limit);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

} // namespace mtp
