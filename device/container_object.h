// The test by which the scan tells folders from files.
#pragma once

#include "device/portable_device_service.h"

namespace mtp {

// True when the values' content type is a folder or a functional object (a storage); false
// for absent values and an unreadable content type.
bool IsContainerObject(PortableDeviceValues* values);

} // namespace mtp
