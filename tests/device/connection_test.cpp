// Connecting to devices: the open with its one retry, the root object, the container test
// and the start of a device's scan.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/text.h"
#include "device/container_object.h"
#include "device/device_service_error.h"
#include "device/open_device.h"
#include "device/scan_device.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

using testing::DeviceSetFixture;

const std::u16string kId = u"\\\\?\\usb#watch";

std::string Manifest(const std::string& fields) {
    return R"({"id": "\\\\?\\usb#watch")" + (fields.empty() ? "" : ", " + fields) + "}";
}

struct OpenCase {
    const char* open;
    bool opened;
    int openCalls;
    std::optional<std::uint32_t> desiredAccess; // of the last open
};

TEST(OpenDevice, RetriesOnceWithReadAccessAfterAccessDenied) {
    const OpenCase cases[] = {
        {"ok", true, 1, std::nullopt},
        {"readOnly", true, 2, GENERIC_READ},
        {"denied", false, 2, GENERIC_READ},
        {"fail", false, 1, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.open);
        DeviceSetFixture set;
        set.Device("watch", Manifest(std::string(R"("open": ")") + c.open + "\""));
        auto& service = set.Install();
        {
            DeviceConnection connection = OpenDevice(kId);
            EXPECT_EQ(connection.IsOpen(), c.opened);
        }
        const SimDeviceCounters counters = service.Counters(kId);
        EXPECT_EQ(counters.openCalls, c.openCalls);
        EXPECT_EQ(counters.lastDesiredAccess, c.desiredAccess);
        EXPECT_EQ(counters.lastClientName, u"MyClient");
        // The connection closes what it opened, and nothing else.
        EXPECT_EQ(counters.closes, c.opened ? 1 : 0);
    }
}

TEST(OpenDevice, WithoutClientInformationTheDeviceIsNotOpened) {
    DeviceSetFixture set;
    set.Device("watch", Manifest(""));
    auto& service = set.Install();
    service.Faults().createValues = REGDB_E_CLASSNOTREG;
    EXPECT_FALSE(OpenDevice(kId).IsOpen());
    EXPECT_EQ(service.Counters(kId).openCalls, 0);
}

TEST(OpenDevice, ADeviceObjectTheServiceCannotMakeRaises) {
    ScopedDeviceService absent(std::make_shared<AbsentDeviceService>());
    try {
        OpenDevice(kId);
        FAIL() << "no error raised";
    } catch (const DeviceServiceError& e) {
        EXPECT_EQ(e.Code(), REGDB_E_CLASSNOTREG);
        EXPECT_THAT(Utf16ToUtf8(e.Text()), ::testing::HasSubstr("0x80040154"));
    }
}

TEST(GetRootObjectID, FirstObjectListedForTheEmptyParentElseDEVICE) {
    const std::pair<const char*, std::u16string> cases[] = {
        {"", u"DEVICE"},
        {R"("rootId": "root-0")", u"root-0"},
        {R"("emptyParent": "nothing")", u"DEVICE"},
        {R"("emptyParent": "fail", "rootId": "root-0")", u"DEVICE"},
        {R"("contentFails": true, "rootId": "root-0")", u"DEVICE"},
    };
    for (const auto& [fields, root] : cases) {
        SCOPED_TRACE(fields);
        DeviceSetFixture set;
        set.Device("watch", Manifest(fields));
        set.Install();
        DeviceConnection connection = OpenDevice(kId);
        ASSERT_TRUE(connection.IsOpen());
        EXPECT_EQ(GetRootObjectID(connection.Device()), root);
    }
}

TEST(IsContainerObject, FoldersAndFunctionalObjectsOnly) {
    DeviceSetFixture set;
    set.Device("watch", Manifest(R"("objects": {
        "Internal Storage/GARMIN/Music": {"contentType": "unspecified"},
        "Internal Storage/GARMIN/Odd": {"contentType": null},
        "Internal Storage/GARMIN/Locked": {"unreadable": ["contentType"]},
        "Internal Storage/GARMIN/Apps": {"contentType": "functional"},
        "Internal Storage/GARMIN/flat.fit": {"contentType": "folder"}})"));
    for (const char* folder : {"Activity", "Music", "Odd", "Locked", "Apps"})
        set.Folder("watch", std::string("Internal Storage/GARMIN/") + folder);
    set.File("watch", "Internal Storage/GARMIN/a.fit", "x");
    set.File("watch", "Internal Storage/GARMIN/flat.fit", "x");
    set.Install();
    DeviceConnection connection = OpenDevice(kId);
    std::unique_ptr<PortableDeviceContent> content;
    ASSERT_EQ(connection.Device().Content(content), S_OK);
    std::unique_ptr<PortableDeviceProperties> properties;
    ASSERT_EQ(content->Properties(properties), S_OK);
    auto isContainer = [&](const std::u16string& id) {
        std::unique_ptr<PortableDeviceValues> values;
        properties->GetValues(id, nullptr, values);
        return IsContainerObject(values.get());
    };
    // Depth-first identifiers: s10001 the storage, o1 GARMIN, then its children by name.
    const std::pair<std::u16string, bool> cases[] = {
        {u"s10001", true}, {u"o1", true},  {u"o2", true},  {u"o3", true}, {u"o4", false},
        {u"o5", false},    {u"o6", false}, {u"o7", false}, {u"o8", true},
    };
    for (const auto& [id, expected] : cases)
        EXPECT_EQ(isContainer(id), expected) << Utf16ToUtf8(id);
    EXPECT_FALSE(IsContainerObject(nullptr));
}

struct ScanCall {
    int deviceIndex;
    std::u16string deviceId;
    std::u16string parentId;
    bool descend;
    std::vector<std::u16string> children;
};

ScanFolderFunction Recorder(std::vector<ScanCall>& calls) {
    return [&calls](int index, const std::u16string& id, PortableDeviceContent& content,
                    const std::u16string& parent, bool descend) {
        ScanCall call{index, id, parent, descend, {}};
        std::unique_ptr<EnumPortableDeviceObjectIDs> objects;
        if (content.EnumObjects(0, parent, nullptr, objects) == S_OK) {
            std::u16string child;
            std::uint32_t fetched = 0;
            while (objects->Next(1, &child, fetched) == S_OK && fetched == 1)
                call.children.push_back(child);
        }
        calls.push_back(call);
    };
}

TEST(ScanDevice, RunsTheScanAtTheRootAndClosesTheDevice) {
    for (const char* open : {"ok", "readOnly"}) {
        SCOPED_TRACE(open);
        DeviceSetFixture set;
        set.Device("watch", Manifest(std::string(R"("open": ")") + open + "\""));
        set.Folder("watch", "Internal Storage/GARMIN");
        set.Folder("watch", "SD Card");
        auto& service = set.Install();
        std::vector<ScanCall> calls;
        ScanDevice(3, kId, true, Recorder(calls));
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].deviceIndex, 3);
        EXPECT_EQ(calls[0].deviceId, kId);
        EXPECT_EQ(calls[0].parentId, u"DEVICE");
        EXPECT_TRUE(calls[0].descend);
        EXPECT_THAT(calls[0].children, ::testing::ElementsAre(u"s10001", u"s20001"));
        EXPECT_EQ(service.Counters(kId).opens, 1);
        EXPECT_EQ(service.Counters(kId).closes, 1);
    }
}

TEST(ScanDevice, PassesOverADeviceThatDoesNotOpenOrHasNoContent) {
    for (const char* fields :
         {R"("open": "fail")", R"("open": "denied")", R"("contentFails": true)"}) {
        SCOPED_TRACE(fields);
        DeviceSetFixture set;
        set.Device("watch", Manifest(fields));
        auto& service = set.Install();
        std::vector<ScanCall> calls;
        ScanDevice(0, kId, true, Recorder(calls));
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(service.Counters(kId).closes, service.Counters(kId).opens);
    }
}

TEST(ScanDevice, AnErrorOfTheScanPassesOnAfterTheDeviceIsClosed) {
    DeviceSetFixture set;
    set.Device("watch", Manifest(""));
    auto& service = set.Install();
    auto failing = [](int, const std::u16string&, PortableDeviceContent&, const std::u16string&,
                      bool) { throw std::runtime_error("'abc' is not a valid integer value"); };
    EXPECT_THROW(ScanDevice(0, kId, true, failing), std::runtime_error);
    EXPECT_EQ(service.Counters(kId).opens, 1);
    EXPECT_EQ(service.Counters(kId).closes, 1);
}

} // namespace
} // namespace mtp
