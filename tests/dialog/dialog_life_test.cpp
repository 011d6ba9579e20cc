// The dialog's whole life on simulated devices: shown, scanned by its start timer, closed in
// each way; no device to scan; device-change notifications; errors that end a rescan.
#include <gmock/gmock.h>

#include "dialog_fixture.h"

namespace mtp::testing {
namespace {

using ::testing::ElementsAre;

class DialogLife : public DialogTest {};

TEST_F(DialogLife, TheStartTimerScansEveryDeviceAndShowsWhatItFound) {
    Watch(
        "1", "Forerunner 955", {"a.fit", "b.fit"},
        R"("objects": {"Internal Storage/GARMIN/Activity/b.fit": {"date": "2024-03-10T09:30:00"}})");
    devices.Device("2", Manifest("2", "E:\\\\"));
    devices.File("2", "Removable/Activity/drive.fit", "x");
    Watch("3", "Edge 530", {"c.fit"}, R"("open": "readOnly")", "2024-03-14T18:00:00");
    Install();
    TFImport& dlg = Open();
    const int result = Run({
        Do("shown, nothing scanned yet",
           [&](HeadlessUi&) {
               EXPECT_TRUE(dlg.tmStart.Enabled());
               EXPECT_EQ(dlg.lblDevID.Caption(), u"Device:");
               EXPECT_EQ(Rescans(), 0);
           }),
        AdvanceClock(99),
        Do("not yet at 99 ms", [&](HeadlessUi&) { EXPECT_EQ(Rescans(), 0); }),
        AdvanceClock(1),
        Do("scanned",
           [&](HeadlessUi& ui) {
               EXPECT_FALSE(dlg.tmStart.Enabled());
               EXPECT_EQ(Rescans(), 1);
               EXPECT_THAT(ui.CursorHistory(), ElementsAre(crHourGlass, crDefault));
               EXPECT_EQ(dlg.lblDevID.Caption(), u"Device: Edge");
               EXPECT_EQ(Panel(0), u"Files: 3");
               EXPECT_EQ(Panel(2), u"OK!");
               EXPECT_EQ(dlg.stbar.Panels(1).ProgressPosition(), 0);
               EXPECT_THAT(GridColumn(0), ElementsAre(u"c.fit", u"b.fit", u"a.fit"));
               EXPECT_THAT(GridColumn(1),
                           ElementsAre(u"14.03.2024 18:00:00", u"10.03.2024 09:30:00",
                                       u"01.03.2024 06:00:00"));
               EXPECT_FALSE(dlg.DateStringMode());
               EXPECT_TRUE(dlg.Initialized());
               EXPECT_EQ(dlg.DeviceList()->size(), 3u);
           }),
        PressKey(vkEscape),
    });
    EXPECT_EQ(result, mrCancel);
    // The drive is listed but never opened.
    EXPECT_EQ(service->Counters(DevId("2")).openCalls, 0);
}

// Rescans that scan no device: none is attached, or the scan skips every one attached.
struct NothingScannedCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> attached; // folder, manifest
    std::u16string label;
};

void PrintTo(const NothingScannedCase& c, std::ostream* out) {
    *out << c.what;
}

class NothingScanned : public DialogTest,
                       public ::testing::WithParamInterface<NothingScannedCase> {};

TEST_P(NothingScanned, TheDialogSaysWhatItSawAndTurnsToDateTexts) {
    const NothingScannedCase& c = GetParam();
    for (const auto& [folder, manifest] : c.attached) {
        devices.Device(folder, manifest);
        devices.File(folder, "Internal Storage/GARMIN/Activity/x.fit", "x");
    }
    Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100),
         Do("scanned",
            [&](HeadlessUi&) {
                EXPECT_EQ(dlg.DeviceList()->size(), c.attached.size());
                EXPECT_EQ(dlg.lblDevID.Caption(), c.label);
                // One progress step per listed device, skipped or not.
                EXPECT_EQ(dlg.stbar.Panels(1).ProgressMax(), static_cast<int>(c.attached.size()));
                EXPECT_EQ(dlg.stbar.Panels(1).ProgressPosition(), 0);
                EXPECT_EQ(Panel(0), u"Files: 0");
                EXPECT_EQ(Panel(2), u"OK!");
                EXPECT_EQ(dlg.gridFiles.RowCount(), 1);
                EXPECT_TRUE(dlg.DateStringMode());
                EXPECT_EQ(dlg.gridFiles.ColWidth(1), 130);
                EXPECT_EQ(dlg.gridFiles.ColWidth(2), 70);
                EXPECT_EQ(dlg.gridFiles.ColWidth(3), 50);
            }),
         Click(u"btnAbort")});
    // The mode that the rescan switched on is not saved.
    EXPECT_THAT(IniText(), ::testing::Not(::testing::HasSubstr("DateAsString")));
}

INSTANTIATE_TEST_SUITE_P(
    Devices, NothingScanned,
    ::testing::Values(
        NothingScannedCase{"no device at all", {}, u"Device: No device found!"},
        // The label names the first listed device even though the scan never opens it.
        NothingScannedCase{
            "a drive and a device without an identifier",
            {{"1", Manifest("1", "E:\\\\")}, {"2", R"({"id": "", "friendlyName": ""})"}},
            u"Device: E:\\"}));

struct CloseCase {
    const char* what;
    std::vector<Step> steps; // after the scan
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.what;
}

class DialogCloses : public DialogTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DialogCloses, WithResultTwoAndSavesTheSettings) {
    Watch("1", "Forerunner 955", {"a.fit"});
    Install();
    Open();
    std::vector<Step> steps{AdvanceClock(100)};
    for (const auto& s : GetParam().steps)
        steps.push_back(s);
    EXPECT_EQ(Run(steps), mrCancel);
    EXPECT_THAT(IniText(), ::testing::HasSubstr("MaxDeep=255"));
    EXPECT_EQ(dialog->FoundFiles(), nullptr); // the lists are released
    EXPECT_EQ(dialog->DeviceList(), nullptr);
    EXPECT_TRUE(ui.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, DialogCloses,
                         ::testing::Values(CloseCase{"Esc with the focus in the info text",
                                                     {PressKey(vkEscape)}},
                                           CloseCase{"Esc with the focus in the grid",
                                                     {Focus(u"gridFiles"), PressKey(vkEscape)}},
                                           CloseCase{"the Abort button", {Click(u"btnAbort")}},
                                           CloseCase{"the close box", {CloseBox()}}));

TEST_F(DialogLife, ClosedWithinTheFirst100msItScansNothing) {
    Watch("1", "Forerunner 955", {"a.fit"});
    SimDeviceService& service = Install();
    Open();
    EXPECT_EQ(Run({AdvanceClock(50), CloseBox()}), mrCancel);
    ui.Advance(1000);
    EXPECT_EQ(Rescans(), 0);
    EXPECT_EQ(service.Counters(DevId("1")).openCalls, 0);
}

TEST_F(DialogLife, EnterInTheInfoTextIsALineBreakElsewhereItImports) {
    Watch("1", "Forerunner 955", {"a.fit"});
    Install();
    TFImport& dlg = Open();
    EXPECT_EQ(Run({AdvanceClock(100),
                   Do("focus starts in the info text",
                      [&](HeadlessUi&) { EXPECT_EQ(dlg.ActiveControl(), &dlg.memInfo); }),
                   PressKey(vkReturn),
                   Do("still open", [&](HeadlessUi&) { EXPECT_EQ(dlg.ModalResult(), mrNone); }),
                   Focus(u"gridFiles"), PressKey(vkReturn)}),
              mrOk);
    EXPECT_EQ(dlg.GetCounter(), 1);
}

TEST_F(DialogLife, TheIdleHookKeepsTheDialogInFront) {
    Install();
    TFImport& dlg = Open();
    ui.SetModalFixResult(false); // its answer is ignored
    Run({AdvanceClock(100), PressKey(vkEscape)});
    ASSERT_FALSE(ui.ModalFixCalls().empty());
    for (WindowHandle h : ui.ModalFixCalls())
        EXPECT_EQ(h, dlg.Handle());
    EXPECT_TRUE(ui.MessageBoxes().empty());
}

struct DeviceChangeCase {
    uintptr_t code;
    int rescans; // beyond the first
};

class DeviceChangeCodes : public DialogTest,
                          public ::testing::WithParamInterface<DeviceChangeCase> {};

TEST_P(DeviceChangeCodes, RescansOnlyForChangedDeviceNodesAndRemovals) {
    Watch("1", "Forerunner 955", {"a.fit"});
    Install();
    Open();
    Run({AdvanceClock(100), DeviceChange(GetParam().code), PressKey(vkEscape)});
    EXPECT_EQ(Rescans(), 1 + GetParam().rescans);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_TRUE(ui.Messages()[0].Handled);
    EXPECT_EQ(ui.Messages()[0].Message.Result, 1);
}

INSTANTIATE_TEST_SUITE_P(Codes, DeviceChangeCodes,
                         ::testing::Values(DeviceChangeCase{0x0007, 1}, DeviceChangeCase{0x8004, 1},
                                           DeviceChangeCase{0x8000, 0}, DeviceChangeCase{0x8001, 0},
                                           DeviceChangeCase{0x0018, 0},
                                           DeviceChangeCase{0x8003, 0}));

TEST_F(DialogLife, ARescanShowsTheDevicesAttachedNow) {
    Watch("1", "Forerunner 955", {"a.fit"});
    SimDeviceService& service = Install();
    TFImport& dlg = Open();
    const auto detachAll = [&] {
        std::filesystem::remove_all(devices.Scratch() / "set");
        std::filesystem::create_directories(devices.Scratch() / "set");
    };
    Run({AdvanceClock(100),
         Do("attach a second device",
            [&](HeadlessUi&) {
                Watch("2", "Edge 530", {"b.fit", "c.fit"});
                service.Reload();
            }),
         DeviceChange(0x0007),
         Do("both listed, with their dates",
            [&](HeadlessUi&) {
                EXPECT_EQ(Panel(0), u"Files: 3");
                EXPECT_EQ(dlg.DeviceList()->size(), 2u);
                EXPECT_FALSE(dlg.DateStringMode());
                EXPECT_EQ(GridColumn(1)[0], u"01.03.2024 06:00:00");
            }),
         Do("both replaced by a device with an unset clock",
            [&](HeadlessUi&) {
                // Its folders carry no dates, its file the zero date, which means none.
                detachAll();
                Watch("3", "fenix 6", {"x.fit"}, R"("objects": {
                    "Internal Storage/GARMIN": {"created": null, "modified": null},
                    "Internal Storage/GARMIN/Activity": {"created": null, "modified": null},
                    "Internal Storage/GARMIN/Activity/x.fit":
                        {"created": null, "modified": "30.12.1899 00:00:00"}})");
                service.Reload();
            }),
         DeviceChange(0x0007),
         Do("this rescan read no date: the device's own text, not the scan time",
            [&](HeadlessUi& ui) {
                EXPECT_FALSE(dlg.DateFound());
                EXPECT_TRUE(dlg.DateStringMode());
                EXPECT_EQ(dlg.gridFiles.ColWidth(1), 130);
                EXPECT_THAT(GridColumn(0), ElementsAre(u"x.fit"));
                EXPECT_THAT(GridColumn(1), ElementsAre(u"30.12.1899 00:00:00"));
                EXPECT_EQ(Panel(2), u"OK!");
                EXPECT_TRUE(ui.MessageBoxes().empty());
            }),
         Do("remove it",
            [&](HeadlessUi&) {
                detachAll();
                service.Reload();
            }),
         DeviceChange(0x8004),
         Do("none left",
            [&](HeadlessUi&) {
                EXPECT_EQ(dlg.lblDevID.Caption(), u"Device: No device found!");
                EXPECT_EQ(Panel(0), u"Files: 0");
                EXPECT_EQ(dlg.gridFiles.RowCount(), 1);
            }),
         PressKey(vkEscape)});
}

TEST_F(DialogLife, ASizeThatIsNoNumberEndsTheRescanWithTheRecordsSoFar) {
    Watch("1", "Forerunner 955", {"a.fit", "b.fit", "c.fit"},
          R"("objects": {"Internal Storage/GARMIN/Activity/b.fit": {"size": "abc"}})");
    Watch("2", "Edge 530", {"d.fit"});
    SimDeviceService& service = Install();
    TFImport& dlg = Open();
    Run({AdvanceClock(100),
         Do("the rescan ended at b.fit",
            [&](HeadlessUi& ui) {
                EXPECT_THAT(MessageTexts(), ElementsAre(u"'abc' is not a valid integer value"));
                EXPECT_EQ(ui.MessageBoxes()[0].Flags, unsigned(mbOk | mbIconError));
                ASSERT_EQ(dlg.FoundFiles()->Count(), 1);
                EXPECT_EQ(dlg.FoundFiles()->GetItem(0).FName, u"a.fit");
                EXPECT_EQ(service.Counters(DevId("2")).openCalls, 0);
                EXPECT_THAT(ui.CursorHistory(), ElementsAre(crHourGlass, crDefault));
                EXPECT_EQ(Panel(2), u"Enumerate files...");
                EXPECT_FALSE(dlg.Initialized());
                // Every device was closed again.
                const auto first = service.Counters(DevId("1"));
                EXPECT_EQ(first.opens, first.closes);
            }),
         Click(u"btnAbort")});
}

} // namespace
} // namespace mtp::testing
