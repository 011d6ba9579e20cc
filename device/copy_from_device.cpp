#include "device/copy_from_device.h"

#include <cstdint>
#include <memory>

#include "common/file_system.h"
#include "common/local_file.h"
#include "device/open_device.h"

namespace mtp {

namespace {

constexpr std::uint32_t kChunkSize = 1024;

// Reads the stream to its end into the file. False when a read reports an error or the file
// takes fewer bytes than the read delivered: the copy would be a truncated activity.
bool CopyStream(DeviceStream& stream, LocalFile& file) {
    char buffer[kChunkSize];
    for (;;) {
        std::uint32_t read = 0;
        const HRESULT result = stream.Read(buffer, kChunkSize, read);
        if (result < 0)
            return false;
        if (read == 0)
            return true;
        if (read > kChunkSize || file.Write(buffer, read) != read)
            return false;
    }
}

} // namespace

bool CopyFromDevice(const std::u16string& deviceId, const std::u16string& objectId,
                    const std::u16string& localPath) {
    // Declared first so that it closes the device after the objects below are released.
    DeviceConnection connection = OpenDevice(deviceId);
    if (!connection.IsOpen())
        return false;
    std::unique_ptr<PortableDeviceContent> content;
    if (connection.Device().Content(content) != S_OK || !content)
        return false;
    std::unique_ptr<PortableDeviceResources> resources;
    if (content->Transfer(resources) != S_OK || !resources)
        return false;
    std::unique_ptr<DeviceStream> stream;
    std::uint32_t optimalSize = 0; // reported by the device; the chunk size stays fixed
    if (resources->GetStream(objectId, WPD_RESOURCE_DEFAULT, STGM_READ, &optimalSize, stream) !=
            S_OK ||
        !stream)
        return false;
    LocalFile file = LocalFile::Create(localPath);
    const bool copied = CopyStream(*stream, file);
    file.Close();
    if (!copied)
        RemoveFile(localPath);
    return copied;
}

} // namespace mtp
