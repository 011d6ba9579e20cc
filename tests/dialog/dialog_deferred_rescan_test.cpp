// Device-change notifications that arrive while a rescan or a copy runs (the loops let paint
// messages through, and the system delivers sent messages meanwhile): the rescan they ask for
// waits until the work has ended and then runs once.
#include <gmock/gmock.h>

#include "dialog_fixture.h"

namespace mtp::testing {
namespace {

using ::testing::ElementsAre;

class DeferredRescan : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Watch("1", "Forerunner 955", {"a.fit", "b.fit"});
        Watch("2", "Edge 530", {"c.fit"});
    }
    // Starts the work with notifications on their way: they arrive at its first paint pump.
    static Step WithNotifications(std::string what, std::vector<uintptr_t> codes,
                                  std::function<void(HeadlessUi&)> startWork) {
        return Do(std::move(what), [codes, startWork](HeadlessUi& ui) {
            for (uintptr_t code : codes)
                ui.SendDuringNextPump(DeviceChange(code));
            startWork(ui);
        });
    }
    static void StartTimer(HeadlessUi& ui) { ui.Advance(100); }
    static void Import(HeadlessUi& ui) { ui.Click(u"btnOk"); }
};

TEST_F(DeferredRescan, ARescanAskedForDuringARescanRunsOnceAfterIt) {
    Install();
    TFImport& dlg = Open();
    Run({WithNotifications("the start timer with two notifications", {0x0007, 0x8004}, StartTimer),
         Do("the first rescan ran to its end undisturbed",
            [&](HeadlessUi& ui) {
                EXPECT_EQ(ui.Messages().size(), 2u);
                EXPECT_EQ(Rescans(), 1);
                EXPECT_EQ(Panel(0), u"Files: 3");
                EXPECT_THAT(GridColumn(0),
                            ::testing::UnorderedElementsAre(u"a.fit", u"b.fit", u"c.fit"));
                EXPECT_EQ(dlg.DeviceList()->size(), 2u);
                EXPECT_EQ(Panel(2), u"OK!");
                for (const auto& m : ui.Messages())
                    EXPECT_EQ(m.Message.Result, 1);
            }),
         AdvanceClock(100), Do("then one more", [&](HeadlessUi&) { EXPECT_EQ(Rescans(), 2); }),
         AdvanceClock(1000), Do("and no other", [&](HeadlessUi&) { EXPECT_EQ(Rescans(), 2); }),
         PressKey(vkEscape)});
}

TEST_F(DeferredRescan, ANotificationThatChangesNothingDuringARescanIsJustAnswered) {
    Install();
    Open();
    Run({WithNotifications("the start timer with a notification", {0x8000}, StartTimer),
         AdvanceClock(1000), PressKey(vkEscape)});
    EXPECT_EQ(Rescans(), 1);
}

TEST_F(DeferredRescan, ARescanAskedForDuringACopyThatEndsTheDialogIsDropped) {
    Install();
    TFImport& dlg = Open();
    EXPECT_EQ(Run({AdvanceClock(100), Click(u"rdbAll"),
                   WithNotifications("Import with a notification", {0x0007}, Import)}),
              mrOk);
    ui.Advance(1000);
    EXPECT_EQ(Rescans(), 1);
    // The count was not set back by a rescan between the copy and the close.
    EXPECT_EQ(dlg.GetCounter(), 3);
}

TEST_F(DeferredRescan, ARescanAskedForDuringAFailedCopyRunsAfterIt) {
    Install();
    TFImport& dlg = Open();
    // The working folder is gone: the first file cannot be created and the copy fails.
    std::filesystem::remove_all(std::filesystem::path(workFolder));
    Run({AdvanceClock(100), Click(u"rdbAll"),
         WithNotifications("Import with a notification", {0x8004}, Import),
         Do("the copy failed, the dialog is open, no rescan yet",
            [&](HeadlessUi& ui) {
                EXPECT_EQ(ui.MessageBoxes().size(), 1u);
                EXPECT_EQ(dlg.ModalResult(), mrNone);
                EXPECT_EQ(Rescans(), 1);
                EXPECT_EQ(Panel(2), u"Copy files...");
            }),
         AdvanceClock(100),
         Do("now the rescan",
            [&](HeadlessUi&) {
                EXPECT_EQ(Rescans(), 2);
                EXPECT_EQ(Panel(2), u"OK!");
            }),
         PressKey(vkEscape)});
}

TEST_F(DeferredRescan, ARescanThatFailedStillRunsTheOneThatWaited) {
    Watch("3", "fenix 6", {"bad.fit"},
          R"("objects": {"Internal Storage/GARMIN/Activity/bad.fit": {"size": "abc"}})");
    SimDeviceService& service = Install();
    TFImport& dlg = Open();
    Run({WithNotifications("the start timer with a notification", {0x8004}, StartTimer),
         Do("the rescan ended with the error",
            [&](HeadlessUi&) {
                EXPECT_EQ(MessageTexts().size(), 1u);
                EXPECT_FALSE(dlg.Initialized());
            }),
         Do("the bad device goes",
            [&](HeadlessUi&) {
                std::filesystem::remove_all(devices.Scratch() / "set" / "3");
                service.Reload();
            }),
         AdvanceClock(100),
         Do("the waiting rescan ran",
            [&](HeadlessUi&) {
                EXPECT_EQ(Rescans(), 2);
                EXPECT_TRUE(dlg.Initialized());
                EXPECT_EQ(Panel(0), u"Files: 3");
            }),
         PressKey(vkEscape)});
}

} // namespace
} // namespace mtp::testing
