// The simulated portable-device service: answers the calls of the service port from a set of
// device images (device/sim/device_image.h) as WPD answers them for MTP devices. It counts
// each device's opens, closes and open streams so that tests can check that every operation
// pairs them, and it can be told to fail the service-level calls.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "device/portable_device_service.h"

namespace mtp {

// Result codes the service-level calls answer instead of working (S_OK: they work).
struct SimServiceFaults {
    HRESULT createManager = S_OK;
    HRESULT createDevice = S_OK;
    HRESULT createValues = S_OK;
    HRESULT refreshDeviceList = S_OK;
    HRESULT getDevices = S_OK;
};

struct SimDeviceCounters {
    int openCalls = 0;   // every Open
    int opens = 0;       // Opens that succeeded
    int closes = 0;      // Closes of an open connection
    int liveStreams = 0; // streams handed out and not yet released
    int liveStreamsAtLastClose = 0;
    std::u16string lastClientName;
    std::optional<std::uint32_t> lastDesiredAccess;
};

struct SimState;

class SimDeviceService : public PortableDeviceService {
public:
    // Reads every device image of the set folder: each sub-folder that holds a manifest, in
    // the order of the folder names. Throws Error when the folder is missing or an image is
    // broken.
    explicit SimDeviceService(const std::filesystem::path& deviceSet);
    ~SimDeviceService() override;

    HRESULT CreatePortableDeviceManager(std::unique_ptr<PortableDeviceManager>& out) override;
    HRESULT CreatePortableDevice(std::unique_ptr<PortableDevice>& out) override;
    HRESULT CreatePortableDeviceValues(std::unique_ptr<PortableDeviceValues>& out) override;

    SimServiceFaults& Faults();
    // The counters of a device, by its identifier (surrounding blanks ignored); all zero for
    // a device that was never opened.
    SimDeviceCounters Counters(const std::u16string& deviceId) const;
    // Reads the images again, as when devices are attached or removed. Managers see the
    // change on RefreshDeviceList. Throws Error like the constructor.
    void Reload();

private:
    std::shared_ptr<SimState> state_;
};

} // namespace mtp
