#include "device/device_names.h"

#include "common/text.h"

namespace mtp {

namespace {

using NameQuery = HRESULT (PortableDeviceManager::*)(const std::u16string&, char16_t*,
                                                     std::uint32_t&);

// Runs the two calls once the length query has answered `length`. The filling call's result
// is not examined: a failed fill leaves the zeros, which trim to an empty text, and the
// terminator the service writes is trimmed away as well.
std::u16string FillName(PortableDeviceManager& manager, NameQuery query,
                        const std::u16string& deviceId, std::uint32_t length) {
    if (length == 0)
        return {};
    std::u16string text(length, u'\0');
    (manager.*query)(deviceId, text.data(), length);
    return Trim(text);
}

} // namespace

std::u16string GetDescription(PortableDeviceManager& manager, const std::u16string& deviceId) {
    std::uint32_t length = 0;
    if (manager.GetDeviceDescription(deviceId, nullptr, length) != S_OK)
        return {};
    return FillName(manager, &PortableDeviceManager::GetDeviceDescription, deviceId, length);
}

std::u16string GetFriendlyName(PortableDeviceManager& manager, const std::u16string& deviceId) {
    std::uint32_t length = 0;
    if (manager.GetDeviceFriendlyName(deviceId, nullptr, length) != S_OK)
        return GetDescription(manager, deviceId);
    return FillName(manager, &PortableDeviceManager::GetDeviceFriendlyName, deviceId, length);
}

} // namespace mtp
