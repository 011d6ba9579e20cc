// How a text is handed back to the host: into a buffer the host owns, within a maximum length
// of which only the low 16 bits count.
#pragma once

#include <cstdint>
#include <string_view>

namespace mtp {

// Copies up to (maxLength & 0xFFFF) characters of the text and one terminating zero byte, so at
// most that length plus one bytes. A null buffer or an effective length of 0 writes nothing.
void CopyToHostBuffer(std::string_view text, char* buffer, uint32_t maxLength);

} // namespace mtp
