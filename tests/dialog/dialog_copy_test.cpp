// "&Import" in the running dialog: the selected rows' files land in the working folder and
// are counted; a double click does the same; a second Import after a failed one, with or
// without a rescan between them, counts each file once.
#include <gmock/gmock.h>

#include "dialog_fixture.h"

namespace mtp::testing {
namespace {

using ::testing::UnorderedElementsAre;

std::vector<std::string> FilesIn(const std::u16string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(folder)))
        names.push_back(e.path().filename().string());
    return names;
}

class DialogCopy : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Watch(
            "1", "Forerunner 955", {"a.fit", "b.fit", "c.fit"},
            R"("objects": {"Internal Storage/GARMIN/Activity/c.fit": {"date": "2024-03-14T06:00:00"}})");
    }
};

TEST_F(DialogCopy, ImportCopiesTheSelectedRowsAndClosesWithTheirCount) {
    Install();
    TFImport& dlg = Open();
    EXPECT_EQ(Run({AdvanceClock(100), Click(u"rdbAll"), Click(u"btnOk")}), mrOk);
    EXPECT_EQ(dlg.GetCounter(), 3);
    EXPECT_THAT(FilesIn(workFolder), UnorderedElementsAre("a.fit", "b.fit", "c.fit"));
    EXPECT_EQ(dlg.stbar.Panels(2).Text(), u"OK!");
    EXPECT_EQ(dlg.stbar.Panels(1).ProgressPosition(), 0);
}

TEST_F(DialogCopy, ADoubleClickCopiesTheClickedRowLikeImport) {
    Install();
    TFImport& dlg = Open();
    EXPECT_EQ(Run({AdvanceClock(100), Click(u"rdbAll"), DoubleClickCell(u"gridFiles", 0, 1)}),
              mrOk);
    EXPECT_EQ(dlg.GetCounter(), 1);
    EXPECT_THAT(FilesIn(workFolder), UnorderedElementsAre("c.fit")); // the newest
}

TEST_F(DialogCopy, WithNothingFoundImportClosesWithNoCount) {
    devices.Install(); // a second install: no devices at all
    std::filesystem::remove_all(devices.Scratch() / "set" / "1");
    Install();
    TFImport& dlg = Open();
    EXPECT_EQ(Run({AdvanceClock(100), Click(u"btnOk")}), mrOk);
    EXPECT_EQ(dlg.GetCounter(), 0);
    EXPECT_EQ(dlg.stbar.Panels(2).Text(), u"Copy files...");
}

// What happens between an Import that failed after two files and the next Import, and the
// count shown before that next Import.
struct RetryCase {
    const char* what;
    std::vector<Step> between;
    int32_t countBefore;
};

void PrintTo(const RetryCase& c, std::ostream* out) {
    *out << c.what;
}

class DialogRetry : public DialogCopy, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(DialogRetry, ASecondImportAfterAFailureCountsEachFileOnce) {
    Install();
    TFImport& dlg = Open();
    // b.fit already has its local name (as after an earlier Import) when a folder takes its
    // place: its file cannot be created and the copy stops there.
    const auto blockB = [&](HeadlessUi&) {
        const TMyList& found = *dlg.FoundFiles();
        for (int32_t i = 0; i < found.Count(); ++i)
            if (const TMyRec rec = found.GetItem(i); rec.FName == u"b.fit")
                dlg.LocalFileNames().NameFor(rec.DevID, rec.OName, rec.FName, workFolder);
        std::filesystem::create_directories(std::filesystem::path(workFolder) / "b.fit");
    };
    std::vector<Step> steps{
        AdvanceClock(100), Do("b.fit blocked", blockB), Click(u"rdbAll"), Click(u"btnOk"),
        Do("failed at b.fit", [&](HeadlessUi& ui) {
            EXPECT_EQ(ui.MessageBoxes().size(), 1u);
            EXPECT_EQ(dlg.GetCounter(), 2); // c.fit, the newest, and a.fit came first
            std::filesystem::remove(std::filesystem::path(workFolder) / "b.fit");
        })};
    steps.insert(steps.end(), GetParam().between.begin(), GetParam().between.end());
    steps.push_back(Do("before the second Import", [&](HeadlessUi& ui) {
        EXPECT_EQ(ui.MessageBoxes().size(), 1u);
        EXPECT_EQ(dlg.GetCounter(), GetParam().countBefore);
    }));
    steps.push_back(Click(u"btnOk"));
    EXPECT_EQ(Run(steps), mrOk);
    // The second Import delivers all three; each is counted once, whatever came before.
    EXPECT_EQ(dlg.GetCounter(), 3);
    EXPECT_THAT(FilesIn(workFolder), UnorderedElementsAre("a.fit", "b.fit", "c.fit"));
}

INSTANTIATE_TEST_SUITE_P(
    Between, DialogRetry,
    ::testing::Values(RetryCase{"nothing: the files copied before stay counted", {}, 2},
                      // The rescan sets the count back, so the files it had count again.
                      RetryCase{
                          "a rescan, which starts the count afresh", {DeviceChange(0x0007)}, 0}));

} // namespace
} // namespace mtp::testing
