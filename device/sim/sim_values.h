// The simulated value and key collections (IPortableDeviceValues, IPortableDeviceKeyCollection).
#pragma once

#include <vector>

#include "device/portable_device_service.h"
#include "device/sim/sim_value.h"

namespace mtp {

class SimValues : public PortableDeviceValues {
public:
    SimValues() = default;
    explicit SimValues(SimProperties properties) : properties_(std::move(properties)) {}

    HRESULT SetStringValue(const PropertyKey& key, const std::u16string& value) override;
    HRESULT SetUnsignedIntegerValue(const PropertyKey& key, std::uint32_t value) override;
    HRESULT GetStringValue(const PropertyKey& key, std::u16string& value) override;
    HRESULT GetUnsignedIntegerValue(const PropertyKey& key, std::uint32_t& value) override;
    HRESULT GetGuidValue(const PropertyKey& key, Guid& value) override;

    const SimProperties& Properties() const { return properties_; }

private:
    SimProperties properties_;
};

class SimKeyCollection : public PortableDeviceKeyCollection {
public:
    explicit SimKeyCollection(std::vector<PropertyKey> keys) : keys_(std::move(keys)) {}
    HRESULT GetCount(std::uint32_t& count) override;
    HRESULT GetAt(std::uint32_t index, PropertyKey& key) override;

private:
    std::vector<PropertyKey> keys_;
};

} // namespace mtp
