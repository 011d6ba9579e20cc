// Discovery from device images: the device list's entries and the parsers that read them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/text.h"
#include "device/device_list.h"
#include "device/enumerate_devices.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

using testing::DeviceSetFixture;

std::vector<std::u16string> Discover(std::vector<std::u16string>* statusTexts = nullptr) {
    DeviceList devList;
    EnumerateDevices(devList, [&](const std::u16string& text) {
        if (statusTexts)
            statusTexts->push_back(text);
    });
    return devList;
}

TEST(EnumerateDevices, ListsEveryAttachedDeviceByNameAndTrimmedIdentifier) {
    DeviceSetFixture set;
    set.Device("1",
               R"({"id": "\\\\?\\usb#vid_091e&pid_4c7e#1", "friendlyName": "Forerunner 955"})");
    set.Device("2", R"({"id": "  \\\\?\\usb#two\t ", "friendlyName": "ELEMNT BOLT 8A3C"})");
    set.Device("3", R"({"id": "\\\\?\\usb#three", "friendlyName": null,
                        "description": " MTP Device "})");
    set.Device("4", R"({"id": "\\\\?\\usb#four", "friendlyName": null, "description": null})");
    set.Device("5",
               R"({"id": "\\\\?\\usb#five", "friendlyName": {"text": "Edge", "fillFails": true}})");
    set.Device("6", R"({"id": "\\\\?\\usb#six", "friendlyName": "E:\\", "description": "USB"})");
    set.Device("7", R"({"id": "\\\\?\\usb#seven", "friendlyName": null,
                        "description": {"text": "x", "fillFails": true}})");
    // An empty friendly name is a name: the description is not asked for.
    set.Device("8", R"({"id": "\\\\?\\usb#eight", "friendlyName": "", "description": "USB"})");
    set.Install();
    std::vector<std::u16string> status;
    EXPECT_THAT(Discover(&status),
                ::testing::ElementsAre(u"Forerunner 955  \\\\?\\usb#vid_091e&pid_4c7e#1",
                                       u"ELEMNT BOLT 8A3C  \\\\?\\usb#two",
                                       u"MTP Device  \\\\?\\usb#three", u"  \\\\?\\usb#four",
                                       u"  \\\\?\\usb#five", u"E:\\  \\\\?\\usb#six",
                                       u"  \\\\?\\usb#seven", u"  \\\\?\\usb#eight"));
    EXPECT_THAT(status, ::testing::ElementsAre(u"Enumerate MTP devices..."));
}

TEST(EnumerateDevices, NameQueriesGetTheIdentifierAsDelivered) {
    // The manager knows the device by its untrimmed identifier; a trimmed query would fail
    // and leave the entry without a name.
    DeviceSetFixture set;
    set.Device("1", R"({"id": " \\\\?\\usb#blank ", "friendlyName": "Edge 530"})");
    set.Install();
    EXPECT_THAT(Discover(), ::testing::ElementsAre(u"Edge 530  \\\\?\\usb#blank"));
}

struct ServiceFault {
    const char* name;
    HRESULT SimServiceFaults::*call;
};

void PrintTo(const ServiceFault& fault, std::ostream* out) {
    *out << fault.name;
}

class EnumerateDevicesFault : public ::testing::TestWithParam<ServiceFault> {};

TEST_P(EnumerateDevicesFault, EndsQuietlyKeepingEarlierEntries) {
    DeviceSetFixture set;
    set.Device("1", R"({"friendlyName": "Forerunner 955"})");
    set.Install().Faults().*GetParam().call = E_FAIL;
    DeviceList devList{u"earlier  \\\\?\\x"};
    std::vector<std::u16string> status;
    EnumerateDevices(devList, [&](const std::u16string& text) { status.push_back(text); });
    EXPECT_THAT(devList, ::testing::ElementsAre(u"earlier  \\\\?\\x"));
    EXPECT_THAT(status, ::testing::ElementsAre(u"Enumerate MTP devices..."));
}

INSTANTIATE_TEST_SUITE_P(
    , EnumerateDevicesFault,
    ::testing::Values(ServiceFault{"ManagerCannotBeMade", &SimServiceFaults::createManager},
                      ServiceFault{"RefreshFails", &SimServiceFaults::refreshDeviceList},
                      ServiceFault{"GetDevicesFails", &SimServiceFaults::getDevices}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EnumerateDevices, ServiceAbsentOrNoDeviceLeavesTheListEmpty) {
    {
        ScopedDeviceService absent(std::make_shared<AbsentDeviceService>());
        EXPECT_TRUE(Discover().empty());
    }
    DeviceSetFixture empty;
    empty.Install();
    EXPECT_TRUE(Discover().empty());
}

// A manager whose second name query raises, as a back end does when it runs out of memory.
class RaisingManager : public PortableDeviceManager {
public:
    HRESULT GetDevices(std::u16string* ids, std::uint32_t& count) override {
        if (ids) {
            ids[0] = u"\\\\?\\one";
            ids[1] = u"\\\\?\\two";
        }
        count = 2;
        return S_OK;
    }
    HRESULT RefreshDeviceList() override { return S_OK; }
    HRESULT GetDeviceFriendlyName(const std::u16string& id, char16_t* buffer,
                                  std::uint32_t& length) override {
        if (id == u"\\\\?\\two")
            throw std::runtime_error("out of memory");
        if (buffer)
            std::copy_n(u"One", 4, buffer);
        length = 4;
        return S_OK;
    }
    HRESULT GetDeviceDescription(const std::u16string&, char16_t*, std::uint32_t&) override {
        return E_FAIL;
    }
};

class RaisingService : public AbsentDeviceService {
public:
    HRESULT CreatePortableDeviceManager(std::unique_ptr<PortableDeviceManager>& out) override {
        out = std::make_unique<RaisingManager>();
        return S_OK;
    }
};

TEST(EnumerateDevices, AnErrorRaisedByAQueryEndsDiscoveryKeepingWhatWasListed) {
    ScopedDeviceService raising(std::make_shared<RaisingService>());
    EXPECT_THAT(Discover(), ::testing::ElementsAre(u"One  \\\\?\\one"));
}

struct EntryCase {
    std::u16string entry;
    std::u16string devId;
    std::u16string devName;
};

TEST(DeviceListEntries, IdentifierAndNameOfEachEntry) {
    const EntryCase cases[] = {
        {u"Forerunner 955  \\\\?\\usb#vid_091e", u"\\\\?\\usb#vid_091e", u"Forerunner"},
        {u"ELEMNT  \\\\?\\usb#x", u"\\\\?\\usb#x", u"ELEMNT"},
        {u"  \\\\?\\usb#nameless", u"\\\\?\\usb#nameless", u""},
        {u"E:\\  \\\\?\\storage#volume", u"\\\\?\\storage#volume", u"E:\\"},
        {u"no marker  usb#x ", u"no marker  usb#x", u"no"},
        {u"NoBlank", u"NoBlank", u""},
        {u"", u"", u""},
    };
    for (const auto& c : cases) {
        const DeviceList devList{u"first  \\\\?\\first", c.entry};
        SCOPED_TRACE(Utf16ToUtf8(c.entry));
        EXPECT_EQ(GetDevID(devList, 1), c.devId);
        EXPECT_EQ(GetDevName(devList, 1), c.devName);
    }
}

TEST(DeviceListEntries, AnIndexNamingNoEntryGivesEmptyTexts) {
    EXPECT_EQ(GetDevID({}, 0), u"");
    EXPECT_EQ(GetDevName({}, 0), u"");
    const DeviceList one{u"Edge  \\\\?\\e"};
    EXPECT_EQ(GetDevID(one, 1), u"");
    EXPECT_EQ(GetDevName(one, -1), u"");
}

TEST(IsDriveRoot, NamesBeginningWithALetterColonBackslash) {
    const std::pair<std::u16string, bool> cases[] = {
        {u"E:\\", true},      {u"e:\\", true},  {u"Z:\\Backup", true}, {u"a:\\x y", true},
        {u"USB E:\\", false}, {u"E:", false},   {u"E", false},         {u"", false},
        {u"E:/", false},      {u"1:\\", false}, {u"[:\\", false},      {u"\u00C4:\\", false},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(IsDriveRoot(name), expected) << Utf16ToUtf8(name);
}

} // namespace
} // namespace mtp
