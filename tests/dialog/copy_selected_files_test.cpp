// Copying the selected rows on a grid, a found-file list and simulated devices, as the dialog
// holds them after a scan.
#include "dialog/copy_selected_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/datetime.h"
#include "common/errors.h"
#include "common/file_system.h"
#include "common/text.h"
#include "tests/device/sim_fixture.h"
#include "toolkit/headless/headless_ui.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
// A file of the working folder: its name and contents.
using File = std::pair<const std::string, std::string>;

const std::u16string kDev1 = u"\\\\?\\sim#one";
const std::u16string kDev2 = u"\\\\?\\sim#two";

// One found file: the object on its device and what the list and grid know of it.
struct Found {
    std::u16string devId;
    std::u16string objectId;
    std::u16string name; // FName, as the device gives it
    DateTimeParts date;
    int64_t size = 0;
    std::string overrides = {}; // more fields of the object's manifest entry
};

class CopyTest : public ::testing::Test {
protected:
    CopyTest() {
        for (int i = 0; i < 3; ++i)
            stbar.AddPanel();
        stbar.Panels(1).SetStyle(tk::TPanelStyle::psProgress);
        grid.SetColCount(6);
        workFolder = set.Scratch() / "CorvantaSync";
        fs::create_directories(workFolder);
    }

    // A device holding files in S/Activity; each object's identifier and original name are
    // set by the manifest, its contents are "<object id> data".
    void Device(const std::string& folder, const std::u16string& id,
                const std::vector<Found>& files) {
        std::string objects;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string path = "S/Activity/f" + std::to_string(i);
            set.File(folder, path, Utf16ToUtf8(files[i].objectId) + " data");
            objects += (objects.empty() ? "\"" : ", \"") + path + R"(": {"id": ")" +
                       Json(files[i].objectId) + R"(", "originalFileName": ")" +
                       Json(files[i].name) + "\"" + files[i].overrides + "}";
        }
        set.Device(folder, R"({"id": ")" + Json(id) + R"(", "objects": {)" + objects + "}}");
    }

    // The list in scan order and the grid rows in the order given (by list index).
    void Fill(const std::vector<Found>& files, const std::vector<int>& rowOrder) {
        for (const Found& f : files)
            list.Add(TMyRec{.FName = f.name,
                            .OName = f.objectId,
                            .FDate = EncodeDateTime(f.date),
                            .SDate = u"",
                            .Size = f.size,
                            .DevID = f.devId,
                            .Extension = u"fit"});
        grid.SetRowCount(static_cast<int>(rowOrder.size()) + 1);
        for (std::size_t r = 0; r < rowOrder.size(); ++r) {
            const Found& f = files[rowOrder[r]];
            const int row = static_cast<int>(r) + 1;
            grid.SetCell(0, row, f.name);
            grid.SetCell(1, row, u"date");
            grid.SetCell(2, row, ToText(f.size));
            grid.SetCell(3, row, u"fit");
            grid.SetCell(4, row, f.objectId);
            grid.SetCell(5, row, f.devId);
        }
    }

    void SelectRows(int from, int to) { grid.SetSelection({0, from, 3, to}); }

    void Copy() {
        CopySelectedFiles({grid, list, fs::path(workFolder).u16string(), stbar, fcounter, names});
    }

    // The working folder's files and their contents.
    std::map<std::string, std::string> WorkFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(workFolder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[entry.path().filename().string()] = bytes.str();
        }
        return files;
    }

    static std::string Json(const std::u16string& text) {
        std::string out;
        for (char c : Utf16ToUtf8(text)) {
            if (c == '\\' || c == '"')
                out += '\\';
            out += c;
        }
        return out;
    }

    tk::headless::HeadlessUi ui;
    testing::DeviceSetFixture set;
    fs::path workFolder;
    tk::TStringGrid grid;
    tk::TStatusBar stbar;
    TMyList list;
    int32_t fcounter = 0;
    TLocalFileNames names;
};

TEST_F(CopyTest, ThreeSelectedRowsAreCopiedCountedAndReported) {
    const std::vector<Found> files{{kDev1, u"id1", u"a.fit", {2024, 3, 1, 8}},
                                   {kDev1, u"id2", u"b.fit", {2024, 3, 2, 9}},
                                   {kDev1, u"id3", u"c.fit", {2024, 3, 3, 10}}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {2, 1, 0});
    SelectRows(1, 3);
    stbar.Panels(1).SetProgressPosition(50);
    const int pumpsBefore = ui.PaintPumpCount();

    Copy();

    EXPECT_EQ(fcounter, 3);
    EXPECT_THAT(WorkFiles(), ElementsAre(File{"a.fit", "id1 data"}, File{"b.fit", "id2 data"},
                                         File{"c.fit", "id3 data"}));
    EXPECT_EQ(stbar.Panels(1).ProgressMax(), 4);
    EXPECT_EQ(stbar.Panels(1).ProgressPosition(), 0);
    EXPECT_EQ(stbar.Panels(2).Text(), u"OK!");
    // One paint pass per data row and one at the end.
    EXPECT_EQ(ui.PaintPumpCount() - pumpsBefore, 4);
}

TEST_F(CopyTest, ASelectionDraggedUpwardsIsCopiedTopToBottom) {
    // Six objects of one name: the order in which they are copied shows in the distinct names.
    std::vector<Found> files;
    for (int i = 1; i <= 6; ++i)
        files.push_back({kDev1, u"id" + ToText(i), u"same.fit", {2024, 3, i}});
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {0, 1, 2, 3, 4, 5});
    grid.ClickCell(0, 5);
    grid.ClickCell(0, 2, tk::ssShift);
    ASSERT_EQ(grid.Selection().Top, 2);
    ASSERT_EQ(grid.Selection().Bottom, 5);

    Copy();

    EXPECT_EQ(fcounter, 4);
    EXPECT_THAT(WorkFiles(),
                ElementsAre(File{"same (2).fit", "id3 data"}, File{"same (3).fit", "id4 data"},
                            File{"same (4).fit", "id5 data"}, File{"same.fit", "id2 data"}));
}

TEST_F(CopyTest, EachFileGetsTheDateOfItsOwnRecordAfterASortBySize) {
    const std::vector<Found> files{{kDev1, u"id1", u"a.fit", {2024, 1, 10, 8}, 300},
                                   {kDev1, u"id2", u"b.fit", {2024, 2, 20, 9}, 100},
                                   {kDev1, u"id3", u"c.fit", {2024, 3, 30, 10}, 200}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {2, 1, 0});
    grid.SortByColumn(2, tk::TSortDirection::sdAscending);
    ASSERT_EQ(grid.Cell(0, 1), u"b.fit");
    SelectRows(1, 3);

    Copy();

    ASSERT_EQ(fcounter, 3);
    for (const Found& f : files) {
        SCOPED_TRACE(Utf16ToUtf8(f.name));
        FileWriteTime written;
        ASSERT_TRUE(FileLastWriteTime((workFolder / fs::path(f.name)).u16string(), written));
        TDateTime writtenDate = 0;
        ASSERT_TRUE(TryEncodeDateTime(written.local, writtenDate));
        // Within the hour a daylight-saving change between then and now can move it.
        EXPECT_LE(std::abs(writtenDate - EncodeDateTime(f.date)), 1.0 / 24 + 1e-6);
    }
}

TEST_F(CopyTest, HostileNamesLandInsideTheWorkingFolderUnderSafeNames) {
    const std::vector<Found> files{{kDev1, u"id1", u"..\\x.fit", {2024, 3, 1}},
                                   {kDev1, u"id2", u"../y.fit", {2024, 3, 1}},
                                   {kDev1, u"id3", u"CON.fit", {2024, 3, 1}},
                                   {kDev1, u"id4", u"a:b.fit", {2024, 3, 1}},
                                   {kDev1, u"id5", u"..", {2024, 3, 1}}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {0, 1, 2, 3, 4});
    SelectRows(1, 5);
    const auto outside = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(workFolder.parent_path()))
            names.push_back(e.path().filename().string());
        return names;
    };
    const auto before = outside();

    Copy();

    EXPECT_EQ(fcounter, 5);
    EXPECT_THAT(WorkFiles(),
                UnorderedElementsAre(File{".._x.fit", "id1 data"}, File{".._y.fit", "id2 data"},
                                     File{"_CON.fit", "id3 data"}, File{"a_b.fit", "id4 data"},
                                     File{"_", "id5 data"}));
    EXPECT_EQ(outside(), before);
    // The grid still shows the devices' own names.
    EXPECT_EQ(grid.Cell(0, 1), u"..\\x.fit");
    EXPECT_EQ(grid.Cell(0, 3), u"CON.fit");
}

TEST_F(CopyTest, TwoFilesOfOneNameFromTwoDevicesAreBothDelivered) {
    const std::vector<Found> one{{kDev1, u"id1", u"a.fit", {2024, 3, 1}}};
    const std::vector<Found> two{{kDev2, u"p1", u"a.fit", {2024, 3, 2}}};
    Device("one", kDev1, one);
    Device("two", kDev2, two);
    set.Install();
    Fill({one[0], two[0]}, {1, 0});
    SelectRows(1, 2);

    Copy();

    EXPECT_EQ(fcounter, 2);
    EXPECT_THAT(WorkFiles(), ElementsAre(File{"a (2).fit", "id1 data"}, File{"a.fit", "p1 data"}));
}

TEST_F(CopyTest, RowsThatCannotBeFetchedAreSkippedAndTheOthersCopied) {
    const std::vector<Found> gone{{kDev2, u"p1", u"gone.fit", {2024, 3, 1}}};
    const std::vector<Found> files{
        {kDev1, u"id1", u"a.fit", {2024, 3, 1}},
        {kDev1, u"id2", u"broken.fit", {2024, 3, 1}, 0, R"(, "readFailsAfter": 2)"},
        {kDev1, u"id3", u"c.fit", {2024, 3, 1}}};
    Device("one", kDev1, files);
    set.Install(); // the second device is not attached (any more)
    std::vector<Found> all = files;
    all.push_back(gone[0]);
    all.push_back({u"", u"id9", u"nodevice.fit", {2024, 3, 1}});
    Fill(all, {0, 3, 1, 4, 2});
    SelectRows(1, 5);

    Copy();

    EXPECT_EQ(fcounter, 2);
    EXPECT_THAT(WorkFiles(), ElementsAre(File{"a.fit", "id1 data"}, File{"c.fit", "id3 data"}));
    EXPECT_EQ(stbar.Panels(2).Text(), u"OK!");
}

TEST_F(CopyTest, ASecondImportAfterAnErrorReplacesItsOwnFilesAndCountsThemOnce) {
    const std::vector<Found> files{{kDev1, u"id1", u"a.fit", {2024, 3, 1}},
                                   {kDev1, u"id2", u"b.fit", {2024, 3, 2}},
                                   {kDev1, u"id3", u"c.fit", {2024, 3, 3}}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {0, 1, 2});
    SelectRows(1, 3);
    // b.fit was given to its object before a folder took its place: the local file cannot be
    // created.
    names.NameFor(kDev1, u"id2", u"b.fit", fs::path(workFolder).u16string());
    fs::create_directory(workFolder / "b.fit");

    EXPECT_THROW(Copy(), FileError);
    EXPECT_EQ(fcounter, 1);
    EXPECT_EQ(stbar.Panels(2).Text(), u"Copy files...");
    EXPECT_EQ(stbar.Panels(1).ProgressPosition(), 2);

    fs::remove(workFolder / "b.fit");
    Copy();

    EXPECT_EQ(fcounter, 3);
    EXPECT_THAT(WorkFiles(), ElementsAre(File{"a.fit", "id1 data"}, File{"b.fit", "id2 data"},
                                         File{"c.fit", "id3 data"}));
}

// A second Import that cannot fetch a file delivered by the first: when the failed copy
// removed that file, it no longer counts, so the count stays the number of files delivered.
struct RefetchCase {
    std::string what;
    std::string overrides; // the object on the second Import
    std::u16string deviceId;
    int32_t count;
    std::vector<std::string> files;
};

void PrintTo(const RefetchCase& c, std::ostream* os) {
    *os << c.what;
}

class Refetch : public CopyTest, public ::testing::WithParamInterface<RefetchCase> {};

TEST_P(Refetch, TheCountFollowsTheFilesThatRemain) {
    const RefetchCase& c = GetParam();
    std::vector<Found> files{{kDev1, u"id1", u"a.fit", {2024, 3, 1}},
                             {kDev1, u"id2", u"b.fit", {2024, 3, 2}}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {0, 1});
    SelectRows(1, 2);
    Copy();
    ASSERT_EQ(fcounter, 2);

    files[0].overrides = c.overrides;
    Device("one", c.deviceId, files);
    set.Install();
    Copy();

    EXPECT_EQ(fcounter, c.count);
    std::vector<std::string> names;
    for (const auto& [name, bytes] : WorkFiles())
        names.push_back(name);
    EXPECT_EQ(names, c.files);
}

INSTANTIATE_TEST_SUITE_P(
    SecondImport, Refetch,
    ::testing::Values(
        RefetchCase{"read fails partway", R"(, "readFailsAfter": 2)", kDev1, 1, {"b.fit"}},
        // Nothing was begun, so the first copies stay and count.
        RefetchCase{"device gone", "", u"\\\\?\\sim#elsewhere", 2, {"a.fit", "b.fit"}},
        RefetchCase{"both fetched again", "", kDev1, 2, {"a.fit", "b.fit"}}));

TEST_F(CopyTest, AnEmptyListOnlyShowsTheStage) {
    set.Install();
    SelectRows(1, 1);
    stbar.Panels(1).SetProgressMax(10);
    stbar.Panels(1).SetProgressPosition(7);
    fcounter = 4;

    Copy();

    EXPECT_EQ(stbar.Panels(2).Text(), u"Copy files...");
    EXPECT_EQ(stbar.Panels(1).ProgressMax(), 10);
    EXPECT_EQ(stbar.Panels(1).ProgressPosition(), 7);
    EXPECT_EQ(fcounter, 4);
    EXPECT_TRUE(WorkFiles().empty());
}

TEST_F(CopyTest, NothingSelectedCopiesNothingAndStillEnds) {
    const std::vector<Found> files{{kDev1, u"id1", u"a.fit", {2024, 3, 1}},
                                   {kDev1, u"id2", u"b.fit", {2024, 3, 2}}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {0, 1});
    grid.ClearSelection();
    fcounter = 5;

    Copy();

    EXPECT_EQ(fcounter, 5);
    EXPECT_TRUE(WorkFiles().empty());
    EXPECT_EQ(stbar.Panels(1).ProgressPosition(), 0);
    EXPECT_EQ(stbar.Panels(2).Text(), u"OK!");
}

TEST_F(CopyTest, TheCountGrowsFromWhereItWas) {
    const std::vector<Found> files{{kDev1, u"id1", u"a.fit", {2024, 3, 1}}};
    Device("one", kDev1, files);
    set.Install();
    Fill(files, {0});
    SelectRows(1, 1);
    fcounter = 5;
    Copy();
    EXPECT_EQ(fcounter, 6);
    // After a rescan set it to 0, the same object counts again.
    fcounter = 0;
    names.RestartCount();
    Copy();
    EXPECT_EQ(fcounter, 1);
    EXPECT_EQ(WorkFiles().size(), 1u);
}

} // namespace
} // namespace mtp
