// The committed sample devices: what discovery lists, which devices a scan reaches, and that
// their activity files are valid FIT files that a copy delivers whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>

#include "common/text.h"
#include "device/copy_from_device.h"
#include "device/device_list.h"
#include "device/enumerate_devices.h"
#include "device/open_device.h"
#include "device/scan_device.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;

const fs::path kDevices = fs::path(MTP_SAMPLES_DIR) / "devices";

class Samples : public ::testing::Test {
protected:
    Samples() : service_(std::make_shared<SimDeviceService>(kDevices)), scope_(service_) {}

    std::shared_ptr<SimDeviceService> service_;
    ScopedDeviceService scope_;
};

TEST_F(Samples, DiscoveryListsEveryDeviceWithItsName) {
    DeviceList devList;
    EnumerateDevices(devList, nullptr);
    ASSERT_EQ(devList.size(), 7u);
    const std::u16string names[] = {u"Forerunner", u"ELEMNT", u"E:\\", u"Edge",
                                    u"fenix",      u"Sports", u""};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(GetDevName(devList, i), names[i]);
        EXPECT_THAT(Utf16ToUtf8(GetDevID(devList, i)), ::testing::StartsWith("\\\\?\\"));
        EXPECT_EQ(IsDriveRoot(GetDevName(devList, i)), i == 2);
    }
    EXPECT_EQ(devList[1], u"ELEMNT BOLT 8A3C  " + GetDevID(devList, 1));
    EXPECT_EQ(devList[5], u"Sports Watch  " + GetDevID(devList, 5));
}

TEST_F(Samples, EveryDeviceButTheUnopenableOneIsScanned) {
    DeviceList devList;
    EnumerateDevices(devList, nullptr);
    std::vector<int> scanned;
    for (int i = 0; i < static_cast<int>(devList.size()); ++i)
        if (!IsDriveRoot(GetDevName(devList, i)))
            ScanDevice(i, GetDevID(devList, i), true,
                       [&](int index, const std::u16string&, PortableDeviceContent&,
                           const std::u16string&, bool) { scanned.push_back(index); });
    EXPECT_THAT(scanned, ::testing::ElementsAre(0, 1, 3, 5, 6));
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::uint16_t FitCrc(std::string_view bytes) {
    static const std::uint16_t table[16] = {0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00,
                                            0x2800, 0xE401, 0xA001, 0x6C00, 0x7800, 0xB401,
                                            0x5000, 0x9C01, 0x8801, 0x4400};
    std::uint16_t crc = 0;
    for (unsigned char byte : bytes)
        for (unsigned nibble : {byte & 0xFu, static_cast<unsigned>(byte >> 4)}) {
            const std::uint16_t tmp = table[crc & 0xF];
            crc = static_cast<std::uint16_t>(((crc >> 4) & 0x0FFF) ^ tmp ^ table[nibble]);
        }
    return crc;
}

std::uint32_t Little(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// A FIT file: 14-byte header naming ".FIT" and the data size, header CRC, data, file CRC.
::testing::AssertionResult IsFitFile(const std::string& bytes) {
    if (bytes.size() < 16 || bytes[0] != 14 || bytes.substr(8, 4) != ".FIT")
        return ::testing::AssertionFailure() << "no FIT header";
    if (Little(bytes, 12, 2) != FitCrc(std::string_view(bytes).substr(0, 12)))
        return ::testing::AssertionFailure() << "header CRC";
    if (Little(bytes, 4, 4) + 16 != bytes.size())
        return ::testing::AssertionFailure() << "data size";
    if (FitCrc(bytes) != 0) // the CRC over everything, its own bytes included, is zero
        return ::testing::AssertionFailure() << "file CRC";
    return ::testing::AssertionSuccess();
}

TEST_F(Samples, FitFilesAreValid) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kDevices)) {
        const std::string extension = Utf16ToUtf8(LowerAscii(entry.path().extension().u16string()));
        if (entry.is_regular_file() && extension == ".fit") {
            EXPECT_TRUE(IsFitFile(ReadBytes(entry.path()))) << entry.path();
            ++count;
        }
    }
    EXPECT_GT(count, 260);
}

// The identifier of the object at a path of names, found through the service port.
std::u16string FindObject(const std::u16string& deviceId, const std::vector<std::u16string>& path) {
    DeviceConnection connection = OpenDevice(deviceId);
    std::unique_ptr<PortableDeviceContent> content;
    std::unique_ptr<PortableDeviceProperties> properties;
    if (!connection.IsOpen() || connection.Device().Content(content) != S_OK ||
        content->Properties(properties) != S_OK)
        return {};
    std::u16string current = u"DEVICE";
    for (const auto& name : path) {
        std::unique_ptr<EnumPortableDeviceObjectIDs> children;
        content->EnumObjects(0, current, nullptr, children);
        std::u16string child;
        std::uint32_t fetched = 0;
        bool found = false;
        while (!found && children->Next(1, &child, fetched) == S_OK && fetched == 1) {
            std::unique_ptr<PortableDeviceValues> values;
            properties->GetValues(child, nullptr, values);
            std::u16string childName;
            values->GetStringValue(WPD_OBJECT_NAME, childName);
            found = childName == name;
        }
        if (!found)
            return {};
        current = child;
    }
    return current;
}

TEST_F(Samples, ACopyDeliversTheActivityWhole) {
    testing::TempFolder out;
    const std::u16string watch =
        u"\\\\?\\usb#vid_091e&pid_4c7e#0000e1a2b3c4#{6ac27878-a6fa-4155-ba85-f98f491d4f33}";
    const std::u16string object = FindObject(
        watch, {u"Internal Storage", u"GARMIN", u"Activity", u"2024-01-06-09-12-03.fit"});
    ASSERT_FALSE(object.empty());
    const fs::path target = out.Path() / "2024-01-06-09-12-03.fit";
    ASSERT_TRUE(CopyFromDevice(watch, object, target.u16string()));
    const std::string copied = ReadBytes(target);
    EXPECT_TRUE(IsFitFile(copied));
    EXPECT_EQ(copied, ReadBytes(kDevices / "1-forerunner-955/DEVICE/Internal Storage/GARMIN/"
                                           "Activity/2024-01-06-09-12-03.fit"));
}

} // namespace
} // namespace mtp
