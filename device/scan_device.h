// Starts the activity-file scan of one device at its root object.
#pragma once

#include <functional>
#include <string>

#include "device/portable_device_service.h"

namespace mtp {

// The scan of one folder: device index, device identifier, the open device's content, the
// object whose children it examines, and whether it descends into sub-folders.
using ScanFolderFunction = std::function<void(int deviceIndex, const std::u16string& deviceId,
                                              PortableDeviceContent& content,
                                              const std::u16string& parentId, bool descend)>;

// Opens the device and runs `scanFolder` at its root object. A device that does not open, or
// whose content is unavailable, is passed over without a message. The device is closed
// however the scan ends; an error of the scan passes on to the caller.
void ScanDevice(int deviceIndex, const std::u16string& deviceId, bool recursive,
                const ScanFolderFunction& scanFolder);

} // namespace mtp
