#include "device/sim/sim_value.h"

#include <algorithm>

namespace mtp {

const SimValue* FindValue(const SimProperties& properties, const PropertyKey& key) {
    for (const auto& [k, v] : properties)
        if (k == key)
            return &v;
    return nullptr;
}

void SetValue(SimProperties& properties, const PropertyKey& key, SimValue value) {
    for (auto& [k, v] : properties)
        if (k == key) {
            v = std::move(value);
            return;
        }
    properties.emplace_back(key, std::move(value));
}

void RemoveValue(SimProperties& properties, const PropertyKey& key) {
    std::erase_if(properties, [&](const auto& entry) { return entry.first == key; });
}

} // namespace mtp
