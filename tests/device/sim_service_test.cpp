// The simulated service answers as WPD does for an MTP device, and takes its overrides and
// its failures from the device image's manifest.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "common/errors.h"
#include "common/text.h"
#include "device/sim/device_image.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;
using testing::DeviceSetFixture;

const std::u16string kId = u"\\\\?\\usb#watch";

// An open connection to the one device of a fixture, with its content and property services.
struct Session {
    explicit Session(SimDeviceService& service, const std::u16string& id = kId) {
        service.CreatePortableDevice(device);
        std::unique_ptr<PortableDeviceValues> info;
        service.CreatePortableDeviceValues(info);
        opened = device->Open(id, *info);
        if (opened == S_OK) {
            device->Content(content);
            content->Properties(properties);
        }
    }

    std::vector<std::u16string> Children(const std::u16string& parent) {
        std::unique_ptr<EnumPortableDeviceObjectIDs> objects;
        std::vector<std::u16string> ids;
        if (content->EnumObjects(0, parent, nullptr, objects) != S_OK)
            return {u"<enumeration failed>"};
        std::u16string id;
        std::uint32_t fetched = 0;
        while (objects->Next(1, &id, fetched) == S_OK && fetched == 1)
            ids.push_back(id);
        return ids;
    }

    // The value as the scan reads it: the text, or the result code of a failed read.
    std::string Text(const std::u16string& object, const PropertyKey& key) {
        std::unique_ptr<PortableDeviceValues> values;
        if (properties->GetValues(object, nullptr, values) < 0)
            return "<values failed>";
        std::u16string text;
        const HRESULT hr = values->GetStringValue(key, text);
        if (hr == HRESULT_FROM_WIN32(ERROR_NOT_FOUND))
            return "<not found>";
        if (hr == DISP_E_TYPEMISMATCH)
            return "<type mismatch>";
        return Utf16ToUtf8(text);
    }

    HRESULT opened = E_FAIL;
    std::unique_ptr<PortableDevice> device;
    std::unique_ptr<PortableDeviceContent> content;
    std::unique_ptr<PortableDeviceProperties> properties;
};

TEST(SimService, AnswersAsWpdDoesForAnMtpDevice) {
    DeviceSetFixture set;
    set.Device("watch", R"({"id": "\\\\?\\usb#watch", "date": "2019-05-06T10:11:12"})");
    set.File("watch", "Internal Storage/GARMIN/Activity/2019-05-06-10-11-12.fit",
             std::string(1234, 'x'));
    set.Folder("watch", "SD Card");
    Session s(set.Install());
    ASSERT_EQ(s.opened, S_OK);
    EXPECT_THAT(s.Children(u"DEVICE"), ::testing::ElementsAre(u"s10001", u"s20001"));
    EXPECT_THAT(s.Children(u""), ::testing::ElementsAre(u"DEVICE"));
    EXPECT_THAT(s.Children(u"s10001"), ::testing::ElementsAre(u"o1"));
    EXPECT_THAT(s.Children(u"o2"), ::testing::ElementsAre(u"o3"));
    // A storage is a functional object known by its name only.
    EXPECT_EQ(s.Text(u"s10001", WPD_OBJECT_NAME), "Internal Storage");
    EXPECT_EQ(s.Text(u"s10001", WPD_OBJECT_ORIGINAL_FILE_NAME), "<not found>");
    // A file: its name, the size as decimal digits and dates in WPD's text form.
    EXPECT_EQ(s.Text(u"o3", WPD_OBJECT_ORIGINAL_FILE_NAME), "2019-05-06-10-11-12.fit");
    EXPECT_EQ(s.Text(u"o3", WPD_OBJECT_SIZE), "1234");
    EXPECT_EQ(s.Text(u"o3", WPD_OBJECT_DATE_CREATED), "2019/05/06:10:11:12.000");
    EXPECT_EQ(s.Text(u"o3", WPD_OBJECT_DATE_MODIFIED), "2019/05/06:10:11:12.000");
    EXPECT_EQ(s.Text(u"o3", WPD_OBJECT_PARENT_ID), "o2");
    EXPECT_EQ(s.Text(u"o3", WPD_OBJECT_CONTENT_TYPE), "<type mismatch>");

    std::unique_ptr<PortableDeviceValues> values;
    ASSERT_EQ(s.properties->GetValues(u"s10001", nullptr, values), S_OK);
    Guid type;
    ASSERT_EQ(values->GetGuidValue(WPD_OBJECT_CONTENT_TYPE, type), S_OK);
    EXPECT_EQ(type, WPD_CONTENT_TYPE_FUNCTIONAL_OBJECT);
}

TEST(SimService, ManifestOverridesWhatTheTreeSays) {
    DeviceSetFixture set;
    set.Device("watch", R"({"id": "\\\\?\\usb#watch", "date": "2019-05-06T10:11:12", "objects": {
        "S/GARMIN": {"order": ["c.fit", "Activity"]},
        "S/GARMIN/Activity": {"enumFails": true},
        "S/GARMIN/a.fit": {"id": "o-blank.fit", "originalFileName": "  ", "size": "abc",
                           "created": "06.05.2019 12:34:56", "modified": null},
        "S/GARMIN/b.fit": {"unreadable": ["modified", "size"], "date": "2020-01-02T03:04:05.678"},
        "S/GARMIN/c.fit": {"valuesFail": true}}})");
    for (const char* name : {"a.fit", "b.fit", "c.fit", "Activity/d.fit"})
        set.File("watch", std::string("S/GARMIN/") + name, "x");
    Session s(set.Install());
    // GARMIN is o1: c.fit and Activity first as ordered, then the rest by name.
    EXPECT_THAT(s.Children(u"o1"), ::testing::ElementsAre(u"o2", u"o3", u"o-blank.fit", u"o6"));
    EXPECT_THAT(s.Children(u"o3"), ::testing::ElementsAre(u"<enumeration failed>"));
    EXPECT_EQ(s.Text(u"o-blank.fit", WPD_OBJECT_ORIGINAL_FILE_NAME), "  ");
    EXPECT_EQ(s.Text(u"o-blank.fit", WPD_OBJECT_SIZE), "abc");
    EXPECT_EQ(s.Text(u"o-blank.fit", WPD_OBJECT_DATE_CREATED), "06.05.2019 12:34:56");
    EXPECT_EQ(s.Text(u"o-blank.fit", WPD_OBJECT_DATE_MODIFIED), "<not found>");
    EXPECT_EQ(s.Text(u"o6", WPD_OBJECT_DATE_CREATED), "2020/01/02:03:04:05.678");
    EXPECT_EQ(s.Text(u"o6", WPD_OBJECT_DATE_MODIFIED), "<type mismatch>");
    EXPECT_EQ(s.Text(u"o6", WPD_OBJECT_SIZE), "<type mismatch>");
    EXPECT_EQ(s.Text(u"o2", WPD_OBJECT_NAME), "<values failed>");

    // Values with an entry the device could not read come back with S_FALSE.
    std::unique_ptr<PortableDeviceValues> values;
    EXPECT_EQ(s.properties->GetValues(u"o6", nullptr, values), S_FALSE);
    std::unique_ptr<PortableDeviceKeyCollection> keys;
    EXPECT_EQ(s.properties->GetSupportedProperties(u"o2", keys), S_OK);
    EXPECT_EQ(s.properties->GetValues(u"o2", keys.get(), values), E_FAIL);
}

TEST(SimService, DatesComeFromTheFilesTimesWhenTheManifestGivesNone) {
    DeviceSetFixture set;
    const fs::path folder = set.Device("watch", R"({"id": "\\\\?\\usb#watch"})");
    set.File("watch", "S/Activity/a.fit", "x");
    // 1 July 2019 10:00:00 UTC is 12:00:00 in Central European summer time.
    const auto utc =
        std::chrono::sys_days(std::chrono::year{2019} / 7 / 1) + std::chrono::hours(10);
    fs::last_write_time(folder / "DEVICE/S/Activity/a.fit",
                        std::chrono::file_clock::from_sys(
                            std::chrono::time_point_cast<fs::file_time_type::duration>(utc)));
    Session s(set.Install());
    EXPECT_EQ(s.Text(u"o2", WPD_OBJECT_DATE_MODIFIED), "2019/07/01:12:00:00.000");
}

TEST(SimService, NameQueriesTakeTwoCalls) {
    DeviceSetFixture set;
    set.Device("watch", R"({"id": "\\\\?\\usb#watch", "friendlyName": "Edge 530"})");
    auto& service = set.Install();
    std::unique_ptr<PortableDeviceManager> manager;
    ASSERT_EQ(service.CreatePortableDeviceManager(manager), S_OK);
    std::uint32_t length = 0;
    ASSERT_EQ(manager->GetDeviceFriendlyName(kId, nullptr, length), S_OK);
    EXPECT_EQ(length, 9u); // the terminator included
    std::u16string small(4, u'?');
    std::uint32_t smallLength = 4;
    EXPECT_EQ(manager->GetDeviceFriendlyName(kId, small.data(), smallLength),
              HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(smallLength, 9u);
    std::u16string text(length, u'?');
    ASSERT_EQ(manager->GetDeviceFriendlyName(kId, text.data(), length), S_OK);
    EXPECT_EQ(text, std::u16string(u"Edge 530\0", 9));
    EXPECT_EQ(manager->GetDeviceDescription(u"\\\\?\\other", nullptr, length),
              HRESULT_FROM_WIN32(ERROR_NOT_FOUND));
}

TEST(SimService, ObjectsOfAClosedDeviceStopAnswering) {
    DeviceSetFixture set;
    set.Device("watch", R"({"id": "\\\\?\\usb#watch"})");
    set.File("watch", "S/a.fit", "data");
    auto& service = set.Install();
    Session s(service);
    std::unique_ptr<PortableDeviceResources> resources;
    ASSERT_EQ(s.content->Transfer(resources), S_OK);
    std::unique_ptr<DeviceStream> stream;
    ASSERT_EQ(resources->GetStream(u"o1", WPD_RESOURCE_DEFAULT, STGM_READ, nullptr, stream), S_OK);
    std::unique_ptr<PortableDeviceValues> info;
    service.CreatePortableDeviceValues(info);
    EXPECT_EQ(s.device->Open(kId, *info), E_WPD_DEVICE_ALREADY_OPENED);
    ASSERT_EQ(s.device->Close(), S_OK);
    std::unique_ptr<EnumPortableDeviceObjectIDs> objects;
    EXPECT_EQ(s.content->EnumObjects(0, u"DEVICE", nullptr, objects), E_WPD_DEVICE_NOT_OPEN);
    char buffer[8];
    std::uint32_t read = 99;
    EXPECT_EQ(stream->Read(buffer, sizeof buffer, read), E_WPD_DEVICE_NOT_OPEN);
    EXPECT_EQ(read, 0u);
}

TEST(SimService, OpensADeviceByItsIdentifierWithOrWithoutSurroundingBlanks) {
    DeviceSetFixture set;
    set.Device("watch", R"({"id": " \\\\?\\usb#watch\t"})");
    auto& service = set.Install();
    EXPECT_EQ(Session(service, u" \\\\?\\usb#watch\t").opened, S_OK);
    EXPECT_EQ(Session(service, kId).opened, S_OK);
    EXPECT_LT(Session(service, u"\\\\?\\usb#other").opened, 0);
}

TEST(SimService, RefreshDeviceListSeesDevicesAttachedSinceAndKeepsTheListOnABrokenImage) {
    DeviceSetFixture set;
    set.Device("1", R"({"id": "one"})");
    auto& service = set.Install();
    std::unique_ptr<PortableDeviceManager> manager;
    service.CreatePortableDeviceManager(manager);
    set.Device("2", R"({"id": "two"})");
    std::uint32_t count = 0;
    manager->GetDevices(nullptr, count);
    EXPECT_EQ(count, 1u);
    ASSERT_EQ(manager->RefreshDeviceList(), S_OK);
    manager->GetDevices(nullptr, count);
    EXPECT_EQ(count, 2u);
    set.Device("3", "{broken");
    EXPECT_LT(manager->RefreshDeviceList(), 0);
    manager->GetDevices(nullptr, count);
    EXPECT_EQ(count, 2u);
}

struct BrokenManifest {
    const char* manifest;
    const char* complaint;
};

TEST(DeviceImage, ABrokenManifestIsReportedWithItsFolderAndProblem) {
    const BrokenManifest cases[] = {
        {"{", "parse error"},
        {R"({"friendlyName": 5})", "\"friendlyName\" must be a text"},
        {R"({"opne": "ok"})", "unknown field \"opne\""},
        {R"({"open": "sometimes"})", "\"open\" must be"},
        {R"({"openError": "hung"})", "\"openError\" must be"},
        {R"({"date": "2019-13-01T00:00:00"})", "\"date\" must be a local date-time"},
        {R"({"objects": {"S/nope.fit": {}}})", "no object \"S/nope.fit\""},
        {R"({"objects": {"S/a.fit": {"id": "s10001"}}})", "two objects have the identifier"},
        {R"({"objects": {"S/a.fit": {"readFailsAfter": -1}}})", "\"readFailsAfter\""},
        {R"({"objects": {"S": {"order": ["zzz"]}}})", "\"order\" names \"zzz\""},
        {R"({"objects": {"S/a.fit": {"unreadable": ["colour"]}}})", "no known property"},
        {R"({"objects": {"S/a.fit": {"contentType": "song"}}})", "\"contentType\" must be"},
        {R"([])", "must be a JSON object"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.manifest);
        testing::TempFolder temp;
        WriteImageManifest(temp.Path() / "broken-watch", c.manifest);
        WriteImageFile(temp.Path() / "broken-watch", "S/a.fit", "x");
        try {
            LoadDeviceImage(temp.Path() / "broken-watch");
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            const std::string text = Utf16ToUtf8(e.Text());
            EXPECT_THAT(text, ::testing::StartsWith("Device image "));
            EXPECT_THAT(text, ::testing::HasSubstr("broken-watch"));
            EXPECT_THAT(text, ::testing::HasSubstr(c.complaint));
        }
    }
}

TEST(DeviceImage, MangledManifestsLoadOrFailWithAnError) {
    const std::string valid = R"({"id": "\\\\?\\usb#x", "friendlyName": {"text": "A B"},
        "description": null, "open": "readOnly", "openError": "0x802A0006", "date":
        "2019-05-06T10:11:12.345", "emptyParent": "root", "objects": {"S/GARMIN": {"order":
        ["b.fit"]}, "S/GARMIN/b.fit": {"size": 12, "unreadable": ["name"], "readFailsAfter": 3}}})";
    testing::TempFolder temp;
    WriteImageFile(temp.Path() / "d", "S/GARMIN/a.fit", "x");
    WriteImageFile(temp.Path() / "d", "S/GARMIN/b.fit", "y");
    std::mt19937 random(20190506);
    const std::string alphabet = "{}[]\":,.-0123456789abcnulltrue \\";
    int loaded = 0;
    for (int round = 0; round < 800; ++round) {
        std::string text = valid;
        for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
            const std::size_t at = random() % text.size();
            switch (random() % 3) {
            case 0:
                text.erase(at, 1 + random() % 4);
                break;
            case 1:
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            default:
                text[at] = alphabet[random() % alphabet.size()];
                break;
            }
        }
        WriteImageManifest(temp.Path() / "d", text);
        try {
            LoadDeviceImage(temp.Path() / "d");
            ++loaded;
        } catch (const Error&) {
        }
    }
    EXPECT_GT(loaded, 0); // some mutations keep the manifest valid
}

} // namespace
} // namespace mtp
