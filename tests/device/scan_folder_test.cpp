// The activity-file scan on small device images, through the same calls the dialog makes:
// discovery, then ScanDevice for each device with ScanFolder on a stand-in for the dialog.
#include "device/scan_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/datetime.h"
#include "common/errors.h"
#include "common/locale_formats.h"
#include "common/text.h"
#include "device/device_list.h"
#include "device/enumerate_devices.h"
#include "device/scan_device.h"
#include "device/sim/sim_values.h"
#include "dialog/scan_settings.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// The dialog as the scan sees it, recording what the scan shows.
class FakeDialog : public TScanTarget {
public:
    void AddFoundFile(const TMyRec& rec) override { fMyList.Add(rec); }
    int32_t FoundFileCount() const override { return fMyList.Count(); }
    std::u16string& CurFolder() override { return fCurFolder; }
    int32_t& DeepCounter() override { return fdeepcounter; }
    bool& DateFound() override { return fDateFound; }
    void ShowFoundFileName(const std::u16string& name) override { panel0.push_back(name); }
    void ShowDeviceLabel(const std::u16string& caption) override { labels.push_back(caption); }
    std::u16string DeviceName(int index) const override { return GetDevName(fDevList, index); }

    // What the rescan does: discovery, then every device from depth 0.
    void ScanAllDevices() {
        EnumerateDevices(fDevList, nullptr);
        for (int i = 0; i < static_cast<int>(fDevList.size()); ++i) {
            fdeepcounter = 0;
            ScanDevice(i, GetDevID(fDevList, i), descend,
                       [this](int index, const std::u16string& id, PortableDeviceContent& content,
                              const std::u16string& parent,
                              bool down) { ScanFolder(*this, index, id, content, parent, down); });
        }
    }

    std::vector<std::u16string> Names() const {
        std::vector<std::u16string> names;
        for (int32_t i = 0; i < fMyList.Count(); ++i)
            names.push_back(fMyList.GetItem(i).FName);
        return names;
    }

    DeviceList fDevList;
    TMyList fMyList;
    std::u16string fCurFolder;
    int32_t fdeepcounter = 0;
    bool fDateFound = false;
    bool descend = true;
    std::vector<std::u16string> panel0;
    std::vector<std::u16string> labels;
};

const DateTimeParts kScanTime{2024, 3, 10, 14, 15, 16};

class ScanFolderTest : public ::testing::Test {
protected:
    ScanFolderTest() {
        SetClockForTesting([] { return EncodeDateTime(kScanTime); });
        SetCurrentLocale(DottedDayFirstLocale());
    }
    ~ScanFolderTest() override {
        SetClockForTesting(nullptr);
        MaxDeep = 255;
        NoDoublettes = true;
    }

    // One device "dev" with the given manifest fields and files.
    void Device(const std::string& objects, const std::vector<std::string>& files,
                const std::string& folder = "a-dev", const std::string& name = "Watch") {
        set_.Device(folder, R"({"friendlyName": ")" + name +
                                R"(", "date": "2024-03-01T06:00:00", "objects": {)" + objects +
                                "}}");
        for (const std::string& f : files)
            set_.File(folder, f, "FIT!");
    }
    void Scan() {
        set_.Install();
        dialog_.ScanAllDevices();
    }

    testing::DeviceSetFixture set_;
    FakeDialog dialog_;
};

// Where files lie, how deep the scan may go, and what it accepts.
struct PlacementCase {
    std::string what;
    std::vector<std::string> files;
    std::string objects; // manifest overrides
    int32_t maxDeep = 255;
    std::vector<std::u16string> found;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.what;
}

class Placement : public ScanFolderTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(Placement, AcceptsFitFilesDirectlyInActivityFolders) {
    MaxDeep = GetParam().maxDeep;
    Device(GetParam().objects, GetParam().files);
    Scan();
    EXPECT_THAT(dialog_.Names(), ElementsAreArray(GetParam().found));
    // Every descent was undone.
    EXPECT_EQ(dialog_.fCurFolder, u"");
    EXPECT_EQ(dialog_.fdeepcounter, 0);
}

const std::string kGarminActivity = "Internal Storage/GARMIN/Activity/2019-05-06-10-11-12.fit";

INSTANTIATE_TEST_SUITE_P(
    Rules, Placement,
    ::testing::Values(
        PlacementCase{"DepthThreeReachesStorageGarminActivity",
                      {kGarminActivity},
                      "",
                      3,
                      {u"2019-05-06-10-11-12.fit"}},
        PlacementCase{"DepthTwoStopsBeforeActivity", {kGarminActivity}, "", 2, {}},
        PlacementCase{"DepthTwoReachesActivityInAStorage", {"S/Activity/a.fit"}, "", 2, {u"a.fit"}},
        PlacementCase{"DepthOneStopsBeforeIt", {"S/Activity/a.fit"}, "", 1, {}},
        PlacementCase{
            "ExtensionAndFolderInAnyCase", {"S/Exports/RIDE.FIT"}, "", 255, {u"RIDE.FIT"}},
        PlacementCase{"EveryActivityFolderName",
                      {"S/export/1.fit", "S/EXPORTS/2.fit", "S/Activity/3.fit", "S/FitFiles/4.fit",
                       "S/activities/5.Fit"},
                      "",
                      255,
                      // Listed in byte order of the folder names.
                      {u"3.fit", u"2.fit", u"4.fit", u"5.Fit", u"1.fit"}},
        PlacementCase{"OtherFoldersAndOtherExtensionsAreNot",
                      {"S/Courses/ride.fit", "S/Activity/notes.txt", "S/Activity/fit",
                       "S/Activity/a.fit.bak", "S/Activity/.fit"},
                      "",
                      255,
                      {u".fit"}},
        PlacementCase{"SkippedFoldersAreNeverEntered",
                      {"S/Music/Activity/a.fit", "S/MAPS/Activity/b.fit", "S/tiles/Activity/c.fit",
                       "S/mtklog/Activity/d.fit", "S/DCIM/Activity/e.fit", "S/vysor/Activity/f.fit",
                       "S/.tmp/Activity/g.fit", "S/Pictures/Activity/h.fit",
                       "S/Ringtones/Activity/i.fit", "S/RouteImages/Activity/j.fit",
                       "S/Offline/Activity/k.fit", "S/Musik/Activity/ok.fit"},
                      "",
                      255,
                      {u"ok.fit"}},
        PlacementCase{"FolderNameIsBackAfterASubFolder",
                      {"S/Activity/Archive/b.fit", "S/Activity/a.fit"},
                      R"("S/Activity": {"order": ["Archive", "a.fit"]})",
                      255,
                      {u"a.fit"}},
        PlacementCase{"FileBesideTheActivityFolderAfterIt",
                      {"S/GARMIN/Activity/a.fit", "S/GARMIN/c.fit"},
                      R"("S/GARMIN": {"order": ["Activity", "c.fit"]})",
                      255,
                      {u"a.fit"}},
        PlacementCase{"FileBesideTheActivityFolderBeforeIt",
                      {"S/GARMIN/Activity/a.fit", "S/GARMIN/c.fit"},
                      R"("S/GARMIN": {"order": ["c.fit", "Activity"]})",
                      255,
                      {u"a.fit"}},
        PlacementCase{"FileInTheRootObject", {"root.fit"}, "", 255, {}},
        PlacementCase{"FileInAStorageWithoutAName", {"Activity/a.fit"}, "", 255, {}},
        PlacementCase{"FileInAStorageNamedActivity",
                      {"Activity/a.fit"},
                      R"("Activity": {"originalFileName": "Activity"})",
                      255,
                      {u"a.fit"}},
        PlacementCase{"FileInAStorageWhoseIdentifierIsActivity",
                      {"Activity/a.fit"},
                      R"("Activity": {"id": "ACTIVITY"})",
                      255,
                      {u"a.fit"}},
        PlacementCase{"FunctionalObjectBelowAStorageIsEntered",
                      {"S/Card/Activity/a.fit"},
                      R"("S/Card": {"contentType": "functional"})",
                      255,
                      {u"a.fit"}},
        PlacementCase{"UnreadableContentTypeIsNoFolder",
                      {"S/Activity/a.fit"},
                      R"("S/Activity": {"unreadable": ["contentType"]})",
                      255,
                      {}},
        PlacementCase{"FolderThatCannotBeListedContributesNothing",
                      {"S/Activity/a.fit", "S/Export/b.fit"},
                      R"("S/Activity": {"enumFails": true})",
                      255,
                      {u"b.fit"}},
        PlacementCase{"ObjectWhoseValuesFailIsSkipped",
                      {"S/Activity/a.fit", "S/Activity/b.fit"},
                      R"("S/Activity/a.fit": {"valuesFail": true})",
                      255,
                      {u"b.fit"}},
        PlacementCase{"BlankNameFallsBackToTheIdentifier",
                      {"S/Activity/a.fit", "S/Activity/b.fit", "S/Activity/c.fit"},
                      R"("S/Activity/a.fit": {"originalFileName": " \t", "id": "obj-7.FIT"},
                         "S/Activity/b.fit": {"originalFileName": "", "id": "obj-8"},
                         "S/Activity/c.fit": {"originalFileName": null, "id": "obj-9.fit"})",
                      255,
                      {u"obj-7.FIT", u"obj-9.fit"}},
        PlacementCase{"NameKeptAsTheDeviceGivesIt",
                      {"S/Activity/a.fit"},
                      R"("S/Activity/a.fit": {"originalFileName": " x.fit"})",
                      255,
                      {u" x.fit"}},
        PlacementCase{"ExtensionEndsAtBackslashOrColon",
                      {"S/Activity/a", "S/Activity/b"},
                      R"("S/Activity/a": {"originalFileName": "x.fit\\y"},
                         "S/Activity/b": {"originalFileName": "x.fit:"})",
                      255,
                      {}}),
    [](const auto& info) { return info.param.what; });

TEST_F(ScanFolderTest, ARecordCarriesTheFilesIdentityDateAndSize) {
    Device(R"("S/Activity/a.fit": {"size": "1234", "modified": "2019/05/06:12:34:56.000",
                                   "created": "2018/01/01:00:00:00.000"})",
           {"S/Activity/a.fit"});
    Scan();
    ASSERT_EQ(dialog_.fMyList.Count(), 1);
    const TMyRec rec = dialog_.fMyList.GetItem(0);
    EXPECT_EQ(rec.FName, u"a.fit");
    EXPECT_EQ(rec.OName, u"o2");
    EXPECT_DOUBLE_EQ(rec.FDate, EncodeDateTime({2019, 5, 6, 12, 34, 56}));
    EXPECT_EQ(rec.SDate, u"2019/05/06:12:34:56.000");
    EXPECT_EQ(rec.Size, 1234);
    EXPECT_EQ(rec.DevID, GetDevID(dialog_.fDevList, 0));
    EXPECT_EQ(rec.Extension, u"fit");
}

// Which date a file gets, and whether the rescan counts a date as found.
struct DateCase {
    std::string what;
    std::string dates; // the file's date overrides
    DateTimeParts fdate;
    std::u16string sdate;
    bool dateFound;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.what;
}

class Dates : public ScanFolderTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(Dates, ModifiedElseCreatedElseTheScanTime) {
    // The storage and the folder carry no dates, so only the file can set fDateFound.
    Device(R"("S/Activity": {"created": null, "modified": null},
              "S/Activity/a.fit": {)" +
               GetParam().dates + "}",
           {"S/Activity/a.fit"});
    Scan();
    ASSERT_EQ(dialog_.fMyList.Count(), 1);
    const TMyRec rec = dialog_.fMyList.GetItem(0);
    EXPECT_DOUBLE_EQ(rec.FDate, EncodeDateTime(GetParam().fdate));
    EXPECT_EQ(rec.SDate, GetParam().sdate);
    EXPECT_EQ(dialog_.fDateFound, GetParam().dateFound);
}

const DateTimeParts kMay6{2019, 5, 6, 12, 34, 56};
const DateTimeParts kJan1{2018, 1, 1, 8, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Rules, Dates,
    ::testing::Values(
        DateCase{"Both", R"("modified": "06.05.2019 12:34:56", "created": "2018/01/01:08:00:00")",
                 kMay6, u"06.05.2019 12:34:56", true},
        DateCase{"ModifiedOnly", R"("modified": "20190506T123456", "created": null)", kMay6,
                 u"20190506T123456", true},
        DateCase{"CreatedOnly", R"("modified": null, "created": "2018/01/01:08:00:00")", kJan1,
                 u"10.03.2024 14:15:16", true},
        DateCase{"UnreadableModifiedText",
                 R"("modified": "yesterday", "created": "2018/01/01:08:00:00")", kJan1,
                 u"yesterday", true},
        DateCase{"Neither", R"("modified": null, "created": null)", kScanTime,
                 u"10.03.2024 14:15:16", false},
        DateCase{"NeitherReadable", R"("unreadable": ["modified", "created"])", kScanTime,
                 u"10.03.2024 14:15:16", false},
        DateCase{"NoDateTextThatReads", R"("modified": "soon", "created": "")", kScanTime, u"soon",
                 false}),
    [](const auto& info) { return info.param.what; });

TEST_F(ScanFolderTest, AFolderWithADateCountsAsADateFound) {
    Device(R"("S/Maps": {"modified": "2019/05/06:12:34:56.000", "created": null},
              "S/Maps/x.fit": {"modified": null, "created": null})",
           {"S/Maps/x.fit"});
    Scan();
    EXPECT_THAT(dialog_.Names(), IsEmpty());
    EXPECT_TRUE(dialog_.fDateFound);
}

TEST_F(ScanFolderTest, NoDescentWhenTheScanIsToldNotTo) {
    dialog_.descend = false;
    Device("", {"S/Activity/a.fit"});
    Scan();
    EXPECT_THAT(dialog_.Names(), IsEmpty());
}

TEST_F(ScanFolderTest, ASizeThatIsNoIntegerEndsTheScanAndKeepsWhatWasFound) {
    Device(R"("S/GARMIN/Activity": {"order": ["a.fit", "b.fit", "c.fit"]},
              "S/GARMIN/Activity/b.fit": {"size": "abc"})",
           {"S/GARMIN/Activity/a.fit", "S/GARMIN/Activity/b.fit", "S/GARMIN/Activity/c.fit"});
    set_.Install();
    try {
        dialog_.ScanAllDevices();
        FAIL() << "the size text abc must not convert";
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.Text(), u"'abc' is not a valid integer value");
    }
    EXPECT_THAT(dialog_.Names(), ElementsAre(u"a.fit"));
    EXPECT_EQ(dialog_.fCurFolder, u"");
    EXPECT_EQ(dialog_.fdeepcounter, 0);
}

TEST_F(ScanFolderTest, SizesOutsideThe32BitRangeDoNotConvert) {
    for (const char* size : {"2147483648", "-2147483649", "12 34", ""}) {
        SCOPED_TRACE(size);
        testing::DeviceSetFixture set;
        set.Device("d", std::string(R"({"objects": {"S/Activity/a.fit": {"size": ")") + size +
                            R"("}}})");
        set.File("d", "S/Activity/a.fit");
        set.Install();
        FakeDialog dialog;
        EXPECT_THROW(dialog.ScanAllDevices(), ConvertError);
    }
}

TEST_F(ScanFolderTest, SizesWithBlanksAndSignsConvert) {
    Device(R"("S/Activity/a.fit": {"size": "  +2147483647"}, "S/Activity/b.fit": {"size": "-5"})",
           {"S/Activity/a.fit", "S/Activity/b.fit"});
    Scan();
    ASSERT_EQ(dialog_.fMyList.Count(), 2);
    EXPECT_EQ(dialog_.fMyList.GetItem(0).Size, 2147483647);
    EXPECT_EQ(dialog_.fMyList.GetItem(1).Size, -5);
}

TEST_F(ScanFolderTest, StatusShowsEverySecondFileAndTheLabelTheDevice) {
    Device("",
           {"S/Activity/1.fit", "S/Activity/2.fit", "S/Activity/3.fit", "S/Activity/4.fit",
            "S/Activity/5.fit"},
           "a-dev", "Forerunner 955");
    Scan();
    EXPECT_THAT(dialog_.panel0, ElementsAre(u"2.fit", u"4.fit"));
    EXPECT_THAT(dialog_.labels,
                ElementsAre(u"Device: Forerunner", u"Device: Forerunner", u"Device: Forerunner",
                            u"Device: Forerunner", u"Device: Forerunner"));
}

// The same a.fit on two devices: the list keeps one or both, and the label names the device
// that held the file either way.
class Duplicates : public ScanFolderTest, public ::testing::WithParamInterface<bool> {};

TEST_P(Duplicates, AcrossDevices) {
    NoDoublettes = GetParam();
    Device("", {"S/Activity/a.fit", "S/Activity/b.fit"}, "a-dev", "Edge");
    Device("", {"S/Activity/a.fit"}, "b-dev", "fenix");
    Scan();
    if (NoDoublettes) {
        EXPECT_THAT(dialog_.Names(), ElementsAre(u"a.fit", u"b.fit"));
        // The refused a.fit leaves the count at two, which is even: its name is shown.
        EXPECT_THAT(dialog_.panel0, ElementsAre(u"b.fit", u"a.fit"));
    } else {
        EXPECT_THAT(dialog_.Names(), ElementsAre(u"a.fit", u"b.fit", u"a.fit"));
        EXPECT_THAT(dialog_.panel0, ElementsAre(u"b.fit"));
        EXPECT_EQ(dialog_.fMyList.GetItem(2).DevID, GetDevID(dialog_.fDevList, 1));
    }
    EXPECT_THAT(dialog_.labels, ElementsAre(u"Device: Edge", u"Device: Edge", u"Device: fenix"));
}

INSTANTIATE_TEST_SUITE_P(NoDoublettes, Duplicates, ::testing::Bool());

// A device whose folders never end, as one whose folders list each other would look: every
// folder "Activity" holds the next one and one activity file named after its depth.
class EndlessFolders : public PortableDeviceContent {
public:
    HRESULT EnumObjects(std::uint32_t, const std::u16string& parentId, PortableDeviceValues*,
                        std::unique_ptr<EnumPortableDeviceObjectIDs>& objects) override {
        const int depth = parentId == u"DEVICE" ? 0 : Depth(parentId);
        objects = std::make_unique<Children>(
            std::vector<std::u16string>{Utf8ToUtf16("F" + std::to_string(depth + 1)),
                                        Utf8ToUtf16("f" + std::to_string(depth))});
        return S_OK;
    }
    HRESULT Properties(std::unique_ptr<PortableDeviceProperties>& properties) override {
        properties = std::make_unique<Objects>();
        return S_OK;
    }
    HRESULT Transfer(std::unique_ptr<PortableDeviceResources>&) override { return E_FAIL; }

private:
    static int Depth(const std::u16string& id) { return std::stoi(Utf16ToUtf8(id.substr(1))); }

    class Children : public EnumPortableDeviceObjectIDs {
    public:
        explicit Children(std::vector<std::u16string> ids) : ids_(std::move(ids)) {}
        HRESULT Next(std::uint32_t count, std::u16string* ids, std::uint32_t& fetched) override {
            fetched = 0;
            while (fetched < count && next_ < ids_.size())
                ids[fetched++] = ids_[next_++];
            return fetched == count ? S_OK : S_FALSE;
        }
        HRESULT Reset() override {
            next_ = 0;
            return S_OK;
        }

    private:
        std::vector<std::u16string> ids_;
        std::size_t next_ = 0;
    };

    class Objects : public PortableDeviceProperties {
    public:
        HRESULT GetSupportedProperties(const std::u16string&,
                                       std::unique_ptr<PortableDeviceKeyCollection>&) override {
            return S_OK;
        }
        HRESULT GetValues(const std::u16string& id, PortableDeviceKeyCollection*,
                          std::unique_ptr<PortableDeviceValues>& values) override {
            const bool folder = id[0] == u'F';
            SimProperties properties{
                {WPD_OBJECT_ORIGINAL_FILE_NAME,
                 folder ? std::u16string(u"Activity") : id.substr(1) + u".fit"},
                {WPD_OBJECT_SIZE, std::u16string(u"4")},
                {WPD_OBJECT_CONTENT_TYPE,
                 folder ? WPD_CONTENT_TYPE_FOLDER : WPD_CONTENT_TYPE_GENERIC_FILE}};
            values = std::make_unique<SimValues>(std::move(properties));
            return S_OK;
        }
    };
};

// However high a hand-edited settings file sets the depth, the scan stops at the deepest
// level the options menu offers, so such a device cannot exhaust the stack.
class EndlessDevice : public ScanFolderTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(EndlessDevice, DescendsNoDeeperThanTheMenuAllows) {
    MaxDeep = GetParam();
    EndlessFolders device;
    ScanFolder(dialog_, 0, u"endless", device, u"DEVICE", true);
    const int32_t levels = std::min<int32_t>(GetParam(), 255);
    ASSERT_EQ(dialog_.fMyList.Count(), levels);
    EXPECT_EQ(dialog_.fMyList.GetItem(0).FName, Utf8ToUtf16(std::to_string(levels)) + u".fit");
    EXPECT_EQ(dialog_.fdeepcounter, 0);
    EXPECT_EQ(dialog_.fCurFolder, u"");
}

INSTANTIATE_TEST_SUITE_P(MaxDeep, EndlessDevice,
                         ::testing::Values(3, 255, 256, 100000,
                                           std::numeric_limits<int32_t>::max()));

TEST(ExtractFileExt, FromTheLastDotUnlessAPathCharacterFollows) {
    EXPECT_EQ(ExtractFileExt(u"a.b.FIT"), u".FIT");
    EXPECT_EQ(ExtractFileExt(u".fit"), u".fit");
    EXPECT_EQ(ExtractFileExt(u"a."), u".");
    EXPECT_EQ(ExtractFileExt(u"fit"), u"");
    EXPECT_EQ(ExtractFileExt(u"a.fit\\b"), u"");
    EXPECT_EQ(ExtractFileExt(u"a.fit:b"), u"");
    EXPECT_EQ(ExtractFileExt(u"a\\b.fit"), u".fit");
}

} // namespace
} // namespace mtp
