// Discovery: lists the portable devices attached at this moment.
#pragma once

#include <functional>
#include <string>

#include "device/device_list.h"

namespace mtp {

// Shows a stage text to the user (the dialog's status bar).
using StatusTextSink = std::function<void(const std::u16string&)>;

// Shows "Enumerate MTP devices..." and appends one entry per attached device to `devList`
// (see device/device_list.h), in the order the service delivers them. Ends quietly when the
// service is absent or a query fails; entries appended by then stay.
void EnumerateDevices(DeviceList& devList, const StatusTextSink& setStatusText);

} // namespace mtp
