#include "device/device_service_error.h"

#include <cstdio>

namespace mtp {

static std::u16string Describe(std::u16string_view what, HRESULT code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(code));
    return u"The portable-device service cannot make the " + std::u16string(what) + u" (error 0x" +
           U16(hex) + u").";
}

DeviceServiceError::DeviceServiceError(std::u16string_view what, HRESULT code)
    : Error(Describe(what, code)), code_(code) {}

} // namespace mtp
