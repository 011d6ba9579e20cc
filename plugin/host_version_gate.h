// The import run refuses hosts older than the interface it was built for.
#pragma once

#include <cstdint>
#include <string_view>

namespace mtp {

// 754 is the first host version that passes, although the message names 7.55.
inline constexpr int32_t MinimumHostVersion = 754;

inline constexpr std::u16string_view HostTooOldMessage =
    u"This import plug-in is not compatible with Corvanta Pro versions < 7.55.\r\n"
    u"Please update the Corvanta Pro version to 7.55.";

// True when PluginState.HostVersion is below the minimum; the user has then been told so in an
// information message and has closed it. False shows nothing.
bool HostIsTooOld();

} // namespace mtp
