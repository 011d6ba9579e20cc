// What the simulated service's objects share: the images of the attached devices, the
// counters and the faults.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "device/sim/device_image.h"
#include "device/sim/sim_service.h"

namespace mtp {

struct SimState {
    std::filesystem::path deviceSet;
    std::vector<std::shared_ptr<const SimDeviceImage>> devices;
    std::map<std::u16string, std::shared_ptr<SimDeviceCounters>> counters; // by trimmed id
    SimServiceFaults faults;

    void Reload();
    // The attached device of an identifier, compared with surrounding blanks ignored.
    std::shared_ptr<const SimDeviceImage> FindDevice(const std::u16string& deviceId) const;
    std::shared_ptr<SimDeviceCounters> CountersOf(const std::u16string& deviceId);
};

} // namespace mtp
