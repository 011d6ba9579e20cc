// Selection in the running dialog: the first rescan applies no rule, later rescans and radio
// clicks do; each radio button's block; date-text mode, where a rule cannot read the dates;
// sorting by a click on a column title.
#include <gmock/gmock.h>

#include "dialog_fixture.h"

namespace mtp::testing {
namespace {

using ::testing::ElementsAre;

// Six activities, 1, 5, 14.25, 24, 43 and 74 days before the test's "now" (15.03.2024 12:00),
// listed by the device in another order than their dates.
class DialogSelection : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Watch("1", "Forerunner 955", {"a.fit", "b.fit", "c.fit", "d.fit", "e.fit", "f.fit"},
              R"("objects": {
                  "Internal Storage/GARMIN/Activity/a.fit": {"date": "2024-02-20T12:00:00", "size": 300},
                  "Internal Storage/GARMIN/Activity/b.fit": {"date": "2024-03-14T12:00:00", "size": 100},
                  "Internal Storage/GARMIN/Activity/c.fit": {"date": "2024-01-01T12:00:00", "size": 20},
                  "Internal Storage/GARMIN/Activity/d.fit": {"date": "2024-03-10T12:00:00", "size": 5},
                  "Internal Storage/GARMIN/Activity/e.fit": {"date": "2024-02-01T12:00:00", "size": 1000},
                  "Internal Storage/GARMIN/Activity/f.fit": {"date": "2024-03-01T06:00:00", "size": 7}}
              )");
    }
    TGridRect Rows(int first, int last) const { return {0, first, 3, last}; }
};

TEST_F(DialogSelection, TheFirstRescanAppliesNoRuleLaterOnesDo) {
    Install();
    TFImport& dlg = Open();
    Run({Click(u"rdbAll"),
         Do("before the scan only the button changed",
            [&](HeadlessUi&) {
                EXPECT_TRUE(dlg.rdbAll.Checked());
                EXPECT_FALSE(dlg.rdb0.Checked());
            }),
         AdvanceClock(100),
         Do("the current row, the newest file, is the selection",
            [&](HeadlessUi&) {
                EXPECT_EQ(GridColumn(0)[0], u"b.fit");
                EXPECT_EQ(dlg.gridFiles.Selection().Top, 1);
                EXPECT_EQ(dlg.gridFiles.Selection().Bottom, 1);
            }),
         DeviceChange(0x0007),
         Do("a later rescan applies All files",
            [&](HeadlessUi&) {
                EXPECT_EQ(Rescans(), 2);
                EXPECT_EQ(dlg.gridFiles.Selection(), Rows(1, 6));
            }),
         PressKey(vkEscape)});
}

TEST_F(DialogSelection, EachRadioButtonSelectsItsBlockOfNewestFiles) {
    Install();
    TFImport& dlg = Open();
    const std::pair<const char16_t*, int> cases[] = {
        {u"rdb1", 2}, {u"rdb2", 2},   {u"rdb3", 3}, {u"rdb4", 4},
        {u"rdb5", 5}, {u"rdbAll", 6}, {u"rdb0", 1},
    };
    std::vector<Step> steps{AdvanceClock(100)};
    for (const auto& [radio, last] : cases) {
        // A sort on another column first: the click sorts newest first again.
        steps.push_back(ClickColumnTitle(u"gridFiles", 2));
        steps.push_back(Click(radio));
        steps.push_back(Do(Utf16ToUtf8(radio), [&, last = last](HeadlessUi&) {
            EXPECT_EQ(dlg.gridFiles.Selection(), Rows(1, last));
            EXPECT_TRUE(dlg.gridFiles.ShowSelection());
            EXPECT_EQ(GridColumn(0)[0], u"b.fit");
        }));
    }
    steps.push_back(PressKey(vkEscape));
    Run(steps);
    EXPECT_TRUE(ui.MessageBoxes().empty());
}

TEST_F(DialogSelection, WhenNothingQualifiesAClickShowsTheSelectionAgain) {
    SetClockForTesting([] { return EncodeDate(2024, 9, 1); }); // every file is months old
    Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100), Click(u"rdb2"),
         Do("nothing selected, nothing shown",
            [&](HeadlessUi&) {
                EXPECT_TRUE(dlg.gridFiles.Selection().Empty());
                EXPECT_FALSE(dlg.gridFiles.ShowSelection());
            }),
         ClickCell(u"gridFiles", 0, 3),
         Do("the clicked row",
            [&](HeadlessUi&) {
                EXPECT_TRUE(dlg.gridFiles.ShowSelection());
                EXPECT_EQ(dlg.gridFiles.Selection().Top, 3);
            }),
         PressKey(vkEscape)});
}

TEST_F(DialogSelection, ColumnTitlesSortTheRowsAndASecondClickReverses) {
    Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100), ClickColumnTitle(u"gridFiles", 2),
         Do("sizes as numbers, ascending",
            [&](HeadlessUi&) {
                EXPECT_THAT(GridColumn(2), ElementsAre(u"5", u"7", u"20", u"100", u"300", u"1000"));
                EXPECT_EQ(dlg.gridFiles.SortSettings().Column, 2);
                EXPECT_TRUE(dlg.gridFiles.SortSettings().Show);
                // Each row keeps its own cells, hidden ones included.
                EXPECT_THAT(GridColumn(0), ElementsAre(u"d.fit", u"f.fit", u"c.fit", u"b.fit",
                                                       u"a.fit", u"e.fit"));
                EXPECT_EQ(dlg.gridFiles.Cell(4, 1), GridColumn(4)[0]);
            }),
         ClickColumnTitle(u"gridFiles", 2),
         Do("descending",
            [&](HeadlessUi&) {
                EXPECT_THAT(GridColumn(2), ElementsAre(u"1000", u"300", u"100", u"20", u"7", u"5"));
            }),
         ClickColumnTitle(u"gridFiles", 1),
         Do("dates ascending",
            [&](HeadlessUi&) {
                EXPECT_THAT(GridColumn(0), ElementsAre(u"c.fit", u"e.fit", u"a.fit", u"f.fit",
                                                       u"d.fit", u"b.fit"));
            }),
         PressKey(vkEscape)});
}

TEST_F(DialogTest, ATitleClickNeedsTwoRows) {
    Watch("1", "Forerunner 955", {"b.fit"});
    Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100), ClickColumnTitle(u"gridFiles", 2),
         Do("unsorted", [&](HeadlessUi&) { EXPECT_EQ(dlg.gridFiles.SortSettings().Column, 1); }),
         PressKey(vkEscape)});
}

TEST_F(DialogTest, InDateTextModeTheRulesCannotReadTheDevicesDates) {
    // The settings file forces date-text mode; the grid shows WPD's own date texts, which
    // the dotted locale cannot read.
    std::ofstream(std::filesystem::path(iniPath)) << "[SETTINGS]\nDateAsString=1\n";
    Watch("1", "Forerunner 955", {"a.fit", "b.fit"});
    Install();
    TFImport& dlg = Open();
    const std::u16string error = u"'2024/03/01:06:00:00.000' is not a valid date and time";
    Run({AdvanceClock(100),
         Do("the first rescan applies no rule and so raises nothing",
            [&](HeadlessUi&) {
                EXPECT_THAT(GridColumn(1),
                            ElementsAre(u"2024/03/01:06:00:00.000", u"2024/03/01:06:00:00.000"));
                EXPECT_EQ(Panel(2), u"OK!");
                EXPECT_TRUE(ui.MessageBoxes().empty());
            }),
         Click(u"rdbAll"),
         Do("a radio click raises and keeps the selection: the current row",
            [&](HeadlessUi&) {
                EXPECT_THAT(MessageTexts(), ElementsAre(error));
                EXPECT_EQ(dlg.gridFiles.Selection(), (TGridRect{0, 1, 5, 1}));
            }),
         DeviceChange(0x0007),
         Do("a later rescan ends with the error before OK!",
            [&](HeadlessUi&) {
                EXPECT_THAT(MessageTexts(), ElementsAre(error, error));
                EXPECT_EQ(Panel(2), u"Enumerate files...");
                EXPECT_EQ(ui.CursorHistory().back(), crDefault);
            }),
         PressKey(vkEscape)});
    EXPECT_THAT(IniText(), ::testing::HasSubstr("DateAsString=1"));
}

} // namespace
} // namespace mtp::testing
