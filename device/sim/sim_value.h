// One property value of a simulated object, of the kinds WPD hands out: a text, an unsigned
// integer (sizes, client versions), a GUID (content types), a date, or an entry the device
// could not read (VT_ERROR).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "common/datetime.h"
#include "device/result_codes.h"
#include "device/wpd_keys.h"

namespace mtp {

struct UnreadableValue {
    HRESULT error = E_FAIL;
    bool operator==(const UnreadableValue&) const = default;
};

using SimValue = std::variant<std::u16string, std::uint32_t, std::uint64_t, Guid, DateTimeParts,
                              UnreadableValue>;

// Property values in the order the object lists its keys.
using SimProperties = std::vector<std::pair<PropertyKey, SimValue>>;

const SimValue* FindValue(const SimProperties& properties, const PropertyKey& key);
void SetValue(SimProperties& properties, const PropertyKey& key, SimValue value);
void RemoveValue(SimProperties& properties, const PropertyKey& key);

} // namespace mtp
