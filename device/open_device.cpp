#include "device/open_device.h"

#include "device/device_service.h"
#include "device/device_service_error.h"

namespace mtp {

DeviceConnection::~DeviceConnection() {
    if (open_ && device_)
        device_->Close();
}

// The client information given with every open. The setters' results are not examined: a
// values object that takes no value still opens with the service's defaults.
static void SetClientInformation(PortableDeviceValues& info) {
    info.SetStringValue(WPD_CLIENT_NAME, u"MyClient");
    info.SetUnsignedIntegerValue(WPD_CLIENT_MAJOR_VERSION, 1);
    info.SetUnsignedIntegerValue(WPD_CLIENT_MINOR_VERSION, 0);
    info.SetUnsignedIntegerValue(WPD_CLIENT_REVISION, 0);
}

DeviceConnection OpenDevice(const std::u16string& deviceId) {
    std::unique_ptr<PortableDevice> device;
    const HRESULT made = DeviceService().CreatePortableDevice(device);
    if (made != S_OK || !device)
        throw DeviceServiceError(u"device object", made == S_OK ? E_POINTER : made);
    std::unique_ptr<PortableDeviceValues> info;
    if (DeviceService().CreatePortableDeviceValues(info) != S_OK || !info)
        return DeviceConnection(std::move(device), false);
    SetClientInformation(*info);
    HRESULT result = device->Open(deviceId, *info);
    if (result == E_ACCESSDENIED) {
        info->SetUnsignedIntegerValue(WPD_CLIENT_DESIRED_ACCESS, GENERIC_READ);
        result = device->Open(deviceId, *info);
    }
    return DeviceConnection(std::move(device), result == S_OK);
}

std::u16string GetRootObjectID(PortableDevice& device) {
    std::u16string root = WPD_DEVICE_OBJECT_ID;
    std::unique_ptr<PortableDeviceContent> content;
    if (device.Content(content) != S_OK || !content)
        return root;
    std::unique_ptr<EnumPortableDeviceObjectIDs> objects;
    if (content->EnumObjects(0, u"", nullptr, objects) != S_OK || !objects)
        return root;
    objects->Reset();
    std::u16string first;
    std::uint32_t fetched = 0;
    objects->Next(1, &first, fetched);
    if (fetched == 1)
        root = first;
    return root;
}

} // namespace mtp
