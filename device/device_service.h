// Which portable-device service the device operations use. One service serves the whole
// process: by default the platform's (WPD on Windows once its back end is built; a service
// that is absent elsewhere). Tests, the demo and the stand-in host install a simulated one
// (device/sim) with SetDeviceService before any device operation runs.
#pragma once

#include <memory>

#include "device/portable_device_service.h"

namespace mtp {

PortableDeviceService& DeviceService();
// Replaces the service; an empty pointer restores the default.
void SetDeviceService(std::shared_ptr<PortableDeviceService> service);

// Installs a service for one scope (tests) and restores the previous one afterwards.
class ScopedDeviceService {
public:
    explicit ScopedDeviceService(std::shared_ptr<PortableDeviceService> service);
    ~ScopedDeviceService();
    ScopedDeviceService(const ScopedDeviceService&) = delete;
    ScopedDeviceService& operator=(const ScopedDeviceService&) = delete;

private:
    std::shared_ptr<PortableDeviceService> previous_;
};

// A service that is not there: every creation answers REGDB_E_CLASSNOTREG, as COM does on a
// system without WPD (Wine among them).
class AbsentDeviceService : public PortableDeviceService {
public:
    HRESULT CreatePortableDeviceManager(std::unique_ptr<PortableDeviceManager>& out) override;
    HRESULT CreatePortableDevice(std::unique_ptr<PortableDevice>& out) override;
    HRESULT CreatePortableDeviceValues(std::unique_ptr<PortableDeviceValues>& out) override;
};

} // namespace mtp
