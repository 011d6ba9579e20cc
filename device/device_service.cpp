#include "device/device_service.h"

namespace mtp {

namespace {

std::shared_ptr<PortableDeviceService> DefaultService() {
    return std::make_shared<AbsentDeviceService>();
}

std::shared_ptr<PortableDeviceService>& Installed() {
    static std::shared_ptr<PortableDeviceService> service = DefaultService();
    return service;
}

} // namespace

PortableDeviceService& DeviceService() {
    return *Installed();
}

void SetDeviceService(std::shared_ptr<PortableDeviceService> service) {
    Installed() = service ? std::move(service) : DefaultService();
}

ScopedDeviceService::ScopedDeviceService(std::shared_ptr<PortableDeviceService> service)
    : previous_(Installed()) {
    SetDeviceService(std::move(service));
}

ScopedDeviceService::~ScopedDeviceService() {
    SetDeviceService(std::move(previous_));
}

HRESULT
AbsentDeviceService::CreatePortableDeviceManager(std::unique_ptr<PortableDeviceManager>& out) {
    out.reset();
    return REGDB_E_CLASSNOTREG;
}

HRESULT AbsentDeviceService::CreatePortableDevice(std::unique_ptr<PortableDevice>& out) {
    out.reset();
    return REGDB_E_CLASSNOTREG;
}

HRESULT
AbsentDeviceService::CreatePortableDeviceValues(std::unique_ptr<PortableDeviceValues>& out) {
    out.reset();
    return REGDB_E_CLASSNOTREG;
}

} // namespace mtp
