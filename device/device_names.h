// The names the device manager gives an attached device, read with WPD's two-call pattern:
// the length first (terminating zero included), then the text into a buffer of that length.
#pragma once

#include <string>

#include "device/portable_device_service.h"

namespace mtp {

// The friendly name, or the description when the friendly-name length query fails; trimmed,
// possibly empty.
std::u16string GetFriendlyName(PortableDeviceManager& manager, const std::u16string& deviceId);
// The description, trimmed; empty when the query fails.
std::u16string GetDescription(PortableDeviceManager& manager, const std::u16string& deviceId);

} // namespace mtp
