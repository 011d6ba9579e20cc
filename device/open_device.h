// Connecting to a device for the length of one operation (the scan of a device or the copy of
// one file), always with the same client information.
#pragma once

#include <memory>
#include <string>

#include "device/portable_device_service.h"

namespace mtp {

// A device object and whether its open succeeded. Destroying it closes the device when it is
// open and then releases it, so every successful open is paired with one Close whichever way
// the operation ends. Objects made from the device (content, streams) must be released first:
// declare them after the connection.
class DeviceConnection {
public:
    DeviceConnection(std::unique_ptr<PortableDevice> device, bool open)
        : device_(std::move(device)), open_(open) {}
    DeviceConnection(DeviceConnection&&) = default;
    DeviceConnection& operator=(DeviceConnection&&) = delete;
    ~DeviceConnection();

    bool IsOpen() const { return open_; }
    PortableDevice& Device() const { return *device_; }

private:
    std::unique_ptr<PortableDevice> device_;
    bool open_;
};

// Makes the device object and opens it with the client information "MyClient" 1.0.0. A device
// that answers E_ACCESSDENIED is asked once more for read access only. Throws
// DeviceServiceError when the service cannot make the device object.
DeviceConnection OpenDevice(const std::u16string& deviceId);

// The object at which a scan starts: the first object listed for the empty parent "", or
// "DEVICE" when the listing fails or is empty.
std::u16string GetRootObjectID(PortableDevice& device);

} // namespace mtp
