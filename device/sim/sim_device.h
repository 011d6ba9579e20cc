// The simulated device connection: IPortableDevice and the objects an open device hands out
// (content, enumerations, properties, resources, streams).
#pragma once

#include <memory>

#include "device/portable_device_service.h"
#include "device/sim/sim_state.h"

namespace mtp {

std::unique_ptr<PortableDevice> MakeSimDevice(std::shared_ptr<SimState> state);

} // namespace mtp
