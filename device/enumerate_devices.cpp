#include "device/enumerate_devices.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "device/device_names.h"
#include "device/device_service.h"

namespace mtp {

static void AppendAttachedDevices(DeviceList& devList) {
    std::unique_ptr<PortableDeviceManager> manager;
    if (DeviceService().CreatePortableDeviceManager(manager) != S_OK || !manager)
        return;
    if (manager->RefreshDeviceList() != S_OK)
        return;
    std::uint32_t count = 0;
    if (manager->GetDevices(nullptr, count) != S_OK || count == 0)
        return;
    std::vector<std::u16string> ids(count);
    std::uint32_t delivered = count;
    if (manager->GetDevices(ids.data(), delivered) != S_OK)
        return;
    // The name query gets the identifier as delivered, the entry the trimmed one.
    for (std::uint32_t i = 0; i < std::min(delivered, count); ++i)
        devList.push_back(DeviceListEntry(GetFriendlyName(*manager, ids[i]), ids[i]));
}

void EnumerateDevices(DeviceList& devList, const StatusTextSink& setStatusText) {
    if (setStatusText)
        setStatusText(u"Enumerate MTP devices...");
    try {
        AppendAttachedDevices(devList);
    } catch (const std::exception&) {
        // Discovery shows no message of its own; what was listed so far stays.
    }
}

} // namespace mtp
