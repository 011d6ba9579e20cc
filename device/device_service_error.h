// The portable-device service could not make one of its objects (on Windows: the WPD classes
// are not registered, or COM refused). Raised to the operation that needed the object.
#pragma once

#include "common/errors.h"
#include "device/result_codes.h"

namespace mtp {

class DeviceServiceError : public Error {
public:
    DeviceServiceError(std::u16string_view what, HRESULT code);
    HRESULT Code() const { return code_; }

private:
    HRESULT code_;
};

} // namespace mtp
