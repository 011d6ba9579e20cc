#include "device/device_list.h"

#include "common/text.h"

namespace mtp {

static const std::u16string* EntryAt(const DeviceList& devList, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= devList.size())
        return nullptr;
    return &devList[static_cast<std::size_t>(index)];
}

std::u16string DeviceListEntry(const std::u16string& friendlyName, const std::u16string& deviceId) {
    return friendlyName + u"  " + Trim(deviceId);
}

std::u16string GetDevID(const DeviceList& devList, int index) {
    const std::u16string* entry = EntryAt(devList, index);
    if (!entry)
        return {};
    const auto marker = entry->find(u"\\\\?\\");
    return Trim(marker == std::u16string::npos ? std::u16string_view(*entry)
                                               : std::u16string_view(*entry).substr(marker));
}

std::u16string GetDevName(const DeviceList& devList, int index) {
    const std::u16string* entry = EntryAt(devList, index);
    if (!entry)
        return {};
    const auto blank = entry->find(u' ');
    if (blank == std::u16string::npos)
        return {};
    return Trim(std::u16string_view(*entry).substr(0, blank + 1));
}

bool IsDriveRoot(std::u16string_view name) {
    if (name.size() < 3)
        return false;
    const std::u16string start = LowerAscii(name.substr(0, 3));
    return start[0] >= u'a' && start[0] <= u'z' && start[1] == u':' && start[2] == u'\\';
}

} // namespace mtp
