// The options menu and the settings file: where the menu opens, what it shows, the depth
// prompt with its clamp, the duplicate switch, and what every close writes, also when the
// file cannot be written.
#include <gmock/gmock.h>

#include "dialog_fixture.h"

namespace mtp::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

TEST_F(DialogTest, TheMenuOpensAtTheButtonsLowerLeftCornerWhereverTheWindowIs) {
    Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100), MoveForm(200, 100), ResizeWindow(785, 482), Click(u"spdConfig"),
         Do("shown with the current settings",
            [&](HeadlessUi& ui) {
                ASSERT_EQ(ui.Popups().size(), 1u);
                EXPECT_EQ(ui.Popups()[0].Menu, u"pmnuOptions");
                // Client origin (204, 127), pnlMain at 65, the button at (752, 2, 23, 22).
                EXPECT_EQ(ui.Popups()[0].At, (TPoint{204 + 752, 127 + 65 + 2 + 22}));
                EXPECT_EQ(dlg.mnuMDepp.Caption(), u"Max folder scan deep: 255");
                EXPECT_TRUE(dlg.mnuDoub.Checked());
            }),
         DismissMenu(), PressKey(vkEscape)});
}

struct DepthCase {
    const char* what;
    bool ok;           // OK or Cancel
    const char* typed; // the text in the prompt
    int32_t before, after;
};

void PrintTo(const DepthCase& c, std::ostream* out) {
    *out << c.what;
}

class DepthPrompt : public DialogTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(DepthPrompt, ClampsTheDepthAndRescansOnlyWhenItChanged) {
    const DepthCase& c = GetParam();
    std::ofstream(std::filesystem::path(iniPath)) << "[SETTINGS]\nMaxDeep=" << c.before << "\n";
    Install();
    TFImport& dlg = Open();
    if (c.ok)
        ui.AnswerPrompt(U16(c.typed));
    else
        ui.CancelPrompt();
    Run({AdvanceClock(100), Click(u"spdConfig"), ChooseMenuItem(u"mnuMDepp"),
         Do("chosen",
            [&](HeadlessUi& ui) {
                ASSERT_EQ(ui.Prompts().size(), 1u);
                EXPECT_EQ(ui.Prompts()[0].Caption, u"Max folder scan deep");
                EXPECT_EQ(ui.Prompts()[0].Prompt, u"Enter value (2..255):");
                EXPECT_EQ(ui.Prompts()[0].Prefilled, ToText(c.before));
                EXPECT_EQ(MaxDeep, c.after);
                EXPECT_EQ(Rescans(), c.after == c.before ? 1 : 2);
            }),
         Click(u"spdConfig"),
         Do("the menu shows it",
            [&](HeadlessUi&) {
                EXPECT_EQ(dlg.mnuMDepp.Caption(), FormatD(u"Max folder scan deep: %d", c.after));
            }),
         DismissMenu(), PressKey(vkEscape)});
    EXPECT_THAT(IniText(), HasSubstr("MaxDeep=" + std::to_string(c.after)));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DepthPrompt,
    ::testing::Values(DepthCase{"300 becomes 255", true, "300", 12, 255},
                      DepthCase{"1 becomes 2", true, "1", 12, 2},
                      DepthCase{"0 becomes 2", true, "0", 12, 2},
                      DepthCase{"-5 becomes 2", true, "-5", 12, 2},
                      DepthCase{"hexadecimal", true, "0x10", 12, 16},
                      DepthCase{"the same depth", true, "12", 12, 12},
                      DepthCase{"abc changes nothing", true, "abc", 12, 12},
                      DepthCase{"beyond 32 bits changes nothing", true, "99999999999", 12, 12},
                      DepthCase{"cancel keeps what was typed out", false, "3", 12, 12},
                      DepthCase{"a loaded depth beyond the menu's range", true, "1000", 1000,
                                255}));

TEST_F(DialogTest, TheDepthLimitsTheScanFromTheNextRescanOn) {
    // storage / GARMIN / Activity / file: the activity folder is entered with depth 3 only.
    Watch("1", "Forerunner 955", {"a.fit"});
    Install();
    ui.AnswerPrompt(u"2");
    ui.AnswerPrompt(u"3");
    Open();
    Run({AdvanceClock(100), Click(u"spdConfig"), ChooseMenuItem(u"mnuMDepp"),
         Do("depth 2", [&](HeadlessUi&) { EXPECT_EQ(Panel(0), u"Files: 0"); }), Click(u"spdConfig"),
         ChooseMenuItem(u"mnuMDepp"),
         Do("depth 3", [&](HeadlessUi&) { EXPECT_EQ(Panel(0), u"Files: 1"); }),
         PressKey(vkEscape)});
}

TEST_F(DialogTest, NoDoublettesSwitchesAndRescansEachTime) {
    Watch("1", "Forerunner 955", {"a.fit", "b.fit"});
    Watch("2", "Edge 530", {"a.fit"});
    Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100),
         Do("on: one a.fit",
            [&](HeadlessUi&) {
                EXPECT_EQ(Panel(0), u"Files: 2");
                // The label still names the device of the refused duplicate.
                EXPECT_EQ(dlg.lblDevID.Caption(), u"Device: Edge");
            }),
         Click(u"spdConfig"), ChooseMenuItem(u"mnuDoub"),
         Do("off: both",
            [&](HeadlessUi&) {
                EXPECT_FALSE(NoDoublettes);
                EXPECT_EQ(Panel(0), u"Files: 3");
            }),
         Click(u"spdConfig"),
         Do("unchecked", [&](HeadlessUi&) { EXPECT_FALSE(dlg.mnuDoub.Checked()); }),
         ChooseMenuItem(u"mnuDoub"),
         Do("on again",
            [&](HeadlessUi&) {
                EXPECT_TRUE(NoDoublettes);
                EXPECT_EQ(Panel(0), u"Files: 2");
                EXPECT_EQ(Rescans(), 3);
            }),
         PressKey(vkEscape)});
    EXPECT_THAT(IniText(), HasSubstr("NoDoublettes=1"));
}

struct SettingsCase {
    const char* what;
    const char* file; // nullptr: no file
    int32_t maxDeep;
    bool noDoublettes, dateText;
    std::vector<const char*> savedLines;  // what the file holds afterwards
    std::vector<const char*> absentLines; // what it does not hold
};

void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << c.what;
}

class DialogSettingsFile : public DialogTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(DialogSettingsFile, IsReadAtSetUpAndWrittenAtClose) {
    const SettingsCase& c = GetParam();
    if (c.file)
        std::ofstream(std::filesystem::path(iniPath), std::ios::binary) << c.file;
    Watch("1", "Forerunner 955", {"a.fit"});
    Install();
    TFImport& dlg = Open();
    EXPECT_EQ(MaxDeep, c.maxDeep);
    EXPECT_EQ(NoDoublettes, c.noDoublettes);
    EXPECT_EQ(dlg.DateStringMode(), c.dateText);
    EXPECT_EQ(dlg.gridFiles.ColWidth(1), c.dateText ? 130 : 90);
    Run({AdvanceClock(100), CloseBox()});
    const std::string saved = IniText();
    for (const char* line : c.savedLines)
        EXPECT_THAT(saved, HasSubstr(line));
    for (const char* line : c.absentLines)
        EXPECT_THAT(saved, Not(HasSubstr(line)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DialogSettingsFile,
    ::testing::Values(SettingsCase{"no file: defaults written",
                                   nullptr,
                                   255,
                                   true,
                                   false,
                                   {"[SETTINGS]", "MaxDeep=255", "NoDoublettes=1",
                                    "DateAsString=0"},
                                   {}},
                      SettingsCase{"values kept, other keys untouched",
                                   "[SETTINGS]\r\nMaxDeep=1000\r\nNoDoublettes=0\r\nOther=x\r\n",
                                   1000,
                                   false,
                                   false,
                                   {"MaxDeep=1000", "NoDoublettes=0", "Other=x", "DateAsString=0"},
                                   {}},
                      SettingsCase{"date-text mode forced by the file stays in it",
                                   "[SETTINGS]\r\nDateAsString=1\r\n",
                                   255,
                                   true,
                                   true,
                                   {"DateAsString=1"},
                                   {"DateAsString=0"}}));

TEST_F(DialogTest, AnUnwritableSettingsFileIsReportedOnceAndTheDialogClosesAllTheSame) {
    Watch("1", "Forerunner 955", {"a.fit"});
    Install();
    // The settings file lies in a folder that does not exist.
    const std::u16string missing = (devices.Scratch() / "missing" / "plugin.ini").u16string();
    PluginState.PluginIniFileName = Utf16ToUtf8(missing);
    struct Case {
        const char* what;
        Step close;
        int result;
    } cases[] = {
        {"Esc", PressKey(vkEscape), mrCancel},
        {"close box", CloseBox(), mrCancel},
        {"Import", Click(u"btnOk"), mrOk},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t boxesBefore = ui.MessageBoxes().size();
        TFImport& dlg = Open();
        EXPECT_EQ(Run({AdvanceClock(100), c.close}), c.result);
        ASSERT_EQ(ui.MessageBoxes().size(), boxesBefore + 1);
        EXPECT_THAT(Utf16ToUtf8(ui.MessageBoxes().back().Text), HasSubstr("plugin.ini"));
        EXPECT_EQ(dlg.FoundFiles(), nullptr);
        EXPECT_EQ(dlg.GetCounter(), c.result == mrOk ? 1 : 0);
    }
}

} // namespace
} // namespace mtp::testing
