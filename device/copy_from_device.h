// Copies the data of one file object on a device into a local file.
#pragma once

#include <string>

namespace mtp {

// Opens the device, reads the object's default resource in 1,024-byte chunks into a new local
// file (replacing one of that name), and closes the device again: one open and one Close per
// copy. True when the whole resource was copied. False, with no local file left behind, when
// the device does not open, its content, resources or stream are unavailable, a read fails or
// the local file takes fewer bytes than were read. Throws FileError (from LocalFile::Create)
// when the local file cannot be created; the stream is released and the device closed first.
bool CopyFromDevice(const std::u16string& deviceId, const std::u16string& objectId,
                    const std::u16string& localPath);

} // namespace mtp
