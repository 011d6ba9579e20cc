// How a whole import ends: what the host gets back, what Connect.zip holds and what is left of
// the working folder, for each way the user leaves the dialog.
#include <array>
#include <map>

#include <gtest/gtest.h>

#include "tests/e2e/import_fixture.h"

namespace mtp::testing {
namespace {

const std::string kEarlierArchive = "the archive of an earlier import";

class ImportOutcome : public ImportEndToEnd {
protected:
    // A watch with three rides of their own dates, each the bytes "FIT<name>".
    void ThreeRides() {
        Watch("watch", "Forerunner", {"a.fit", "b.fit", "c.fit"},
              ActivityOverrides({{"a.fit", "2024-03-10T07:00:00"},
                                 {"b.fit", "2024-03-12T18:30:10"},
                                 {"c.fit", "2024-02-01T09:15:42"}}));
        Install();
    }
    void LeaveFileInWorkFolder(const std::u16string& name, const std::string& bytes) {
        ForceDirectories(WorkFolder());
        WriteBytes(JoinPath(WorkFolder(), name), bytes);
    }
};

TEST_F(ImportOutcome, TheRunShowsTFImportOwnedByTheHostWindow) {
    ThreeRides();
    ui.Script({Do("shown",
                  [](HeadlessUi& ui) {
                      EXPECT_EQ(&ui.ActiveForm(), PluginState.ImportDialog);
                      EXPECT_EQ(Application().Handle(), kHostWindow);
                      EXPECT_EQ(Shown().HostRect(), (TRect{10, 20, 650, 500}));
                      EXPECT_EQ(Shown().Language(), TLanguage::lgFre); // low byte of 0x0102
                      EXPECT_EQ(Shown().AdvFormStyler1.Style(), static_cast<TTMSStyle>(5));
                  }),
               PressKey(vkEscape)});

    EXPECT_EQ(CallImportDialog(kHostWindow, 10, 20, 650, 500, 0x0305, 0x0102,
                               Utf16ToUtf8(target.Path()).c_str(), 0x0100),
              0);

    EXPECT_EQ(ui.StepsLeft(), 0u);
    EXPECT_EQ(PluginState.ImportDialog, nullptr);
    EXPECT_EQ(Application().Handle(), 0u);
    EXPECT_GE(ui.ProcessMessagesCount(), 1); // the run's own pass before the dialog
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ImportOutcome, LeavingWithoutImportGivesZeroAndWipesTheWorkingFolder) {
    ThreeRides();
    WriteBytes(Archive(), kEarlierArchive);
    const struct {
        const char* how;
        Step leave;
    } cases[] = {
        {"&Abort", Click(u"btnAbort")},
        {"Escape", PressKey(vkEscape)},
        {"close box", CloseBox()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        LeaveFileInWorkFolder(u"left-over.fit", "earlier");

        EXPECT_EQ(Import({Scan(), Click(u"rdbAll"),
                          Do("all found",
                             [](HeadlessUi&) { EXPECT_EQ(Shown().gridFiles.DataRowCount(), 3); }),
                          c.leave}),
                  0);

        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_EQ(ReadBytes(Archive()), kEarlierArchive);
        EXPECT_TRUE(messages.messages.empty());
    }
}

TEST_F(ImportOutcome, OkWithNothingCopiedGivesZeroAndNoArchive) {
    const struct {
        const char* what;
        std::string manifestExtra; // empty: no device attached
    } cases[] = {
        {"no device attached", ""},
        {"a device that delivers no file", R"("transferFails": true)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceSetFixture set;
        if (!c.manifestExtra.empty()) {
            set.Device("watch", Manifest("watch", "Forerunner", c.manifestExtra));
            set.File("watch", "Internal Storage/GARMIN/Activity/a.fit", "FIT");
        }
        set.Install();
        // Files in the working folder are not enough: only a positive count packs them.
        LeaveFileInWorkFolder(u"left-over.fit", "earlier");

        EXPECT_EQ(Import({Scan(), Click(u"rdbAll"), Click(u"btnOk")}), 0);

        EXPECT_FALSE(Exists(Archive()));
        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_TRUE(messages.messages.empty());
    }
}

TEST_F(ImportOutcome, ThreeCopiedFilesBecomeThreeEntriesWithTheirOwnDates) {
    ThreeRides();
    WriteBytes(Archive(), kEarlierArchive);

    EXPECT_EQ(Import({Scan(), Click(u"rdbAll"), Click(u"btnOk")}), 3);

    EXPECT_FALSE(Exists(WorkFolder()));
    EXPECT_EQ(Names(target.Path()), std::vector<std::u16string>{u"Connect.zip"});
    EXPECT_TRUE(messages.messages.empty());
    const auto archive = ReadBack();
    if (!archive)
        return;
    EXPECT_EQ(archive->unzipTestStatus, 0) << archive->unzipTestOutput;
    EXPECT_FALSE(archive->firstBadEntry.has_value());
    struct Expected {
        std::string name;
        std::array<int, 6> dosTime;
        int64_t mtime;
    };
    std::map<std::string, Expected> expected = {
        {"a.fit", {"a.fit", {2024, 3, 10, 7, 0, 0}, UtcSeconds(2024, 3, 10, 7, 0, 0)}},
        {"b.fit", {"b.fit", {2024, 3, 12, 18, 30, 10}, UtcSeconds(2024, 3, 12, 18, 30, 10)}},
        {"c.fit", {"c.fit", {2024, 2, 1, 9, 15, 42}, UtcSeconds(2024, 2, 1, 9, 15, 42)}},
    };
    ASSERT_EQ(archive->entries.size(), 3u);
    for (const auto& entry : archive->entries) {
        SCOPED_TRACE(entry.name);
        ASSERT_EQ(expected.count(entry.name), 1u);
        const Expected& e = expected[entry.name];
        EXPECT_EQ(entry.data, "FIT" + e.name);
        EXPECT_EQ(entry.dateTime, e.dosTime);
        EXPECT_EQ(entry.centralMtime, e.mtime);
        EXPECT_EQ(archive->unzipMtimes.at(entry.name), e.mtime);
    }
}

TEST_F(ImportOutcome, FilesLeftByAnEarlierRunArePackedToo) {
    Watch("watch", "Forerunner", {"new.fit"});
    Install();
    const struct {
        const char* what;
        std::u16string targetFolder;
    } cases[] = {
        {"target as given", target.Path()},
        {"target with a trailing delimiter", IncludeTrailingPathDelimiter(target.Path())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LeaveFileInWorkFolder(u"left-over.fit", "earlier");

        EXPECT_EQ(Import({Scan(), Click(u"rdbAll"), Click(u"btnOk")}, c.targetFolder),
                  1); // the dialog's count, not the archive's

        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_EQ(Names(target.Path()), std::vector<std::u16string>{u"Connect.zip"});
        if (const auto archive = ReadBack()) {
            std::map<std::string, std::string> entries;
            for (const auto& e : archive->entries)
                entries[e.name] = e.data;
            EXPECT_EQ(entries, (std::map<std::string, std::string>{{"left-over.fit", "earlier"},
                                                                   {"new.fit", "FITnew.fit"}}));
        }
    }
}

} // namespace
} // namespace mtp::testing
