// Which file of which device lands in Connect.zip under which name and date: the copy follows
// the grid's order after the user sorted it, every file keeps the date of its own record, and
// names a device may give never leave the working folder.
#include <map>

#include <gtest/gtest.h>

#include "tests/e2e/import_fixture.h"

namespace mtp::testing {
namespace {

class ImportFiles : public ImportEndToEnd {
protected:
    // One activity file on a watch of its own, with its bytes and date.
    void Ride(const std::string& watch, const std::string& name, const std::string& bytes,
              const std::string& date) {
        devices.Device(watch, Manifest(watch, watch, ActivityOverrides({{name, date}})));
        devices.File(watch, "Internal Storage/GARMIN/Activity/" + name, bytes);
    }

    std::vector<std::u16string> GridColumn(int col) const {
        std::vector<std::u16string> cells;
        for (int row = 1; row < Shown().gridFiles.RowCount(); ++row)
            cells.push_back(Shown().gridFiles.Cell(col, row));
        return cells;
    }
};

TEST_F(ImportFiles, AfterASortBySizeFilesAreCopiedInGridOrderWithTheirOwnDates) {
    // Two watches hold a ride.fit each; the found-file list keeps both.
    WriteBytes(iniPath, "[SETTINGS]\nNoDoublettes=0\n");
    const std::string small(9, 's'), medium(20, 'm'), big(100, 'b');
    Ride("a-watch", "ride.fit", small, "2024-03-01T08:00:00");
    Ride("b-watch", "ride.fit", big, "2024-03-09T10:00:02");
    Ride("c-watch", "solo.fit", medium, "2024-03-05T12:30:00");
    Install();

    EXPECT_EQ(
        Import({Scan(), Click(u"rdbAll"), ClickColumnTitle(u"gridFiles", 2),
                Do("sorted by size",
                   [&](HeadlessUi&) {
                       // Newest first before the click; smallest first after it.
                       EXPECT_EQ(GridColumn(2), (std::vector<std::u16string>{u"9", u"20", u"100"}));
                       EXPECT_EQ(GridColumn(5),
                                 (std::vector<std::u16string>{DevId("a-watch"), DevId("c-watch"),
                                                              DevId("b-watch")}));
                   }),
                Click(u"btnOk")}),
        3);

    const auto archive = ReadBack();
    if (!archive)
        return;
    // The first ride.fit copied keeps the name; the later one gets a distinct name.
    const std::map<std::string, std::pair<std::string, int64_t>> expected = {
        {"ride.fit", {small, UtcSeconds(2024, 3, 1, 8, 0, 0)}},
        {"solo.fit", {medium, UtcSeconds(2024, 3, 5, 12, 30, 0)}},
        {"ride (2).fit", {big, UtcSeconds(2024, 3, 9, 10, 0, 2)}},
    };
    std::map<std::string, std::pair<std::string, int64_t>> entries;
    for (const auto& e : archive->entries)
        entries[e.name] = {e.data, e.centralMtime.value_or(0)};
    EXPECT_EQ(entries, expected);
}

TEST_F(ImportFiles, NamesFromADeviceStayInsideTheWorkingFolder) {
    const struct {
        std::string storedAs, deviceName, localName;
    } files[] = {
        {"one.fit", "..\\x.fit", ".._x.fit"},
        {"two.fit", "../y.fit", ".._y.fit"},
        {"three.fit", "CON.fit", "_CON.fit"},
        {"four.fit", "a:b.fit", "a_b.fit"},
    };
    std::vector<ActivityOverride> overrides;
    for (const auto& f : files) {
        std::string json; // the name as a JSON text: its backslash escaped
        for (char c : f.deviceName)
            json += c == '\\' ? std::string("\\\\") : std::string(1, c);
        overrides.push_back(
            {f.storedAs, "2024-03-01T06:00:00", "\"originalFileName\": \"" + json + "\""});
    }
    devices.Device("watch", Manifest("watch", "Forerunner", ActivityOverrides(overrides)));
    for (const auto& f : files)
        devices.File("watch", "Internal Storage/GARMIN/Activity/" + f.storedAs, "FIT" + f.storedAs);
    Install();

    EXPECT_EQ(Import({Scan(), Click(u"rdbAll"),
                      Do("the grid shows the device's names",
                         [&](HeadlessUi&) {
                             std::vector<std::u16string> shown = GridColumn(0), names;
                             for (const auto& f : files)
                                 names.push_back(U16(f.deviceName));
                             std::sort(shown.begin(), shown.end());
                             std::sort(names.begin(), names.end());
                             EXPECT_EQ(shown, names);
                         }),
                      Click(u"btnOk")}),
              4);

    // Nothing beside the working folder, which is gone, and nothing but the archive in the
    // target folder.
    EXPECT_TRUE(Names(temp.Path()).empty());
    EXPECT_EQ(Names(target.Path()), std::vector<std::u16string>{u"Connect.zip"});
    EXPECT_TRUE(messages.messages.empty());
    if (const auto archive = ReadBack()) {
        std::map<std::string, std::string> entries, expected;
        for (const auto& e : archive->entries)
            entries[e.name] = e.data;
        for (const auto& f : files)
            expected[f.localName] = "FIT" + f.storedAs;
        EXPECT_EQ(entries, expected);
    }
}

} // namespace
} // namespace mtp::testing
