#include "device/scan_device.h"

#include <memory>

#include "device/open_device.h"

namespace mtp {

void ScanDevice(int deviceIndex, const std::u16string& deviceId, bool recursive,
                const ScanFolderFunction& scanFolder) {
    DeviceConnection connection = OpenDevice(deviceId);
    if (!connection.IsOpen())
        return;
    std::unique_ptr<PortableDeviceContent> content;
    if (connection.Device().Content(content) != S_OK || !content)
        return;
    const std::u16string root = GetRootObjectID(connection.Device());
    scanFolder(deviceIndex, deviceId, *content, root, recursive);
}

} // namespace mtp
