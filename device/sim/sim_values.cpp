#include "device/sim/sim_values.h"

#include "device/wpd_value_text.h"

namespace mtp {

HRESULT SimValues::SetStringValue(const PropertyKey& key, const std::u16string& value) {
    SetValue(properties_, key, value);
    return S_OK;
}

HRESULT SimValues::SetUnsignedIntegerValue(const PropertyKey& key, std::uint32_t value) {
    SetValue(properties_, key, value);
    return S_OK;
}

namespace {

// The string read of the back ends: texts as they are, numbers as decimal digits, dates in
// WPD's text form; anything else is a type mismatch.
struct StringRender {
    std::u16string& out;
    HRESULT operator()(const std::u16string& text) const {
        out = text;
        return S_OK;
    }
    HRESULT operator()(std::uint32_t number) const {
        out = WpdSizeText(number);
        return S_OK;
    }
    HRESULT operator()(std::uint64_t number) const {
        out = WpdSizeText(number);
        return S_OK;
    }
    HRESULT operator()(const DateTimeParts& date) const {
        out = WpdDateText(date);
        return S_OK;
    }
    HRESULT operator()(const Guid&) const { return DISP_E_TYPEMISMATCH; }
    HRESULT operator()(const UnreadableValue&) const { return DISP_E_TYPEMISMATCH; }
};

} // namespace

HRESULT SimValues::GetStringValue(const PropertyKey& key, std::u16string& value) {
    const SimValue* found = FindValue(properties_, key);
    if (!found)
        return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    return std::visit(StringRender{value}, *found);
}

HRESULT SimValues::GetUnsignedIntegerValue(const PropertyKey& key, std::uint32_t& value) {
    const SimValue* found = FindValue(properties_, key);
    if (!found)
        return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    if (auto* number = std::get_if<std::uint32_t>(found)) {
        value = *number;
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

HRESULT SimValues::GetGuidValue(const PropertyKey& key, Guid& value) {
    const SimValue* found = FindValue(properties_, key);
    if (!found)
        return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    if (auto* guid = std::get_if<Guid>(found)) {
        value = *guid;
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

HRESULT SimKeyCollection::GetCount(std::uint32_t& count) {
    count = static_cast<std::uint32_t>(keys_.size());
    return S_OK;
}

HRESULT SimKeyCollection::GetAt(std::uint32_t index, PropertyKey& key) {
    if (index >= keys_.size())
        return E_INVALIDARG;
    key = keys_[index];
    return S_OK;
}

} // namespace mtp
