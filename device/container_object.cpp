#include "device/container_object.h"

namespace mtp {

bool IsContainerObject(PortableDeviceValues* values) {
    if (!values)
        return false;
    Guid type;
    if (values->GetGuidValue(WPD_OBJECT_CONTENT_TYPE, type) != S_OK)
        return false;
    return type == WPD_CONTENT_TYPE_FOLDER || type == WPD_CONTENT_TYPE_FUNCTIONAL_OBJECT;
}

} // namespace mtp
