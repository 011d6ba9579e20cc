// The device list: one text per attached device, its friendly name, two blanks and its
// trimmed identifier. An entry's position is the device index. These parsers take the
// identifier and the device name back out of an entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mtp {

using DeviceList = std::vector<std::u16string>;

// The entry for a device: name + "  " + trimmed identifier.
std::u16string DeviceListEntry(const std::u16string& friendlyName, const std::u16string& deviceId);

// The identifier of an entry: from its first "\\?\" to the end, trimmed; the whole entry,
// trimmed, when it holds no such marker. Empty for an index that names no entry.
std::u16string GetDevID(const DeviceList& devList, int index);
// The device name of an entry: up to and including its first blank, trimmed, so the first
// word of a friendly name that holds blanks. Empty for an entry without a blank (a device
// without a name begins with one) and for an index that names no entry.
std::u16string GetDevName(const DeviceList& devList, int index);

// True when the name begins with a drive root such as "E:\" (letter in either case); such
// devices are drives the system reaches anyway and are not scanned.
bool IsDriveRoot(std::u16string_view name);

} // namespace mtp
