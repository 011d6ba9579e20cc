// The modal loop as a whole dialog's life: scripted input, timers on the test clock, modal
// results, the close handler and the error report.
#include <gtest/gtest.h>

#include "sample_form.h"
#include "toolkit/headless/scenario.h"

namespace mtp::tk {
namespace {

using namespace headless;
using Log = std::vector<std::string>;

TEST(ModalLoop, ScenariosEndWithTheirModalResult) {
    struct Case {
        const char* what;
        std::vector<Step> steps;
        TModalResult result;
        Log log;
    } cases[] = {
        {"the OK button's handler sets 1", {Click(u"btnOk")}, mrOk, {"show", "btnOk", "close"}},
        {"the cancel button carries 2", {Click(u"btnAbort")}, mrCancel, {"show", "close"}},
        {"the close box gives 2", {CloseBox()}, mrCancel, {"show", "close"}},
        {"Esc in the memo reaches the form by key preview",
         {PressKey(vkEscape)},
         mrCancel,
         {"show", "key 27", "close"}},
        {"Esc elsewhere clicks the cancel button before key preview",
         {Focus(u"rdb0"), PressKey(vkEscape)},
         mrCancel,
         {"show", "close"}},
        {"Enter in the memo is the memo's",
         {PressKey(vkReturn), CloseBox()},
         mrCancel,
         {"show", "key 13", "close"}},
        {"Enter elsewhere clicks the default button",
         {Focus(u"rdb0"), PressKey(vkReturn)},
         mrOk,
         {"show", "btnOk", "close"}},
        {"Enter on a focused button clicks that button",
         {Focus(u"btnAbort"), PressKey(vkReturn)},
         mrCancel,
         {"show", "close"}},
        {"Shift+Esc is no dialog key",
         {Focus(u"rdb0"), PressKey(vkEscape, ssShift)},
         mrCancel,
         {"show", "key 27", "close"}},
        {"the timer fires once its interval has passed, and once only",
         {AdvanceClock(99), Do("not yet", [](HeadlessUi& ui) { EXPECT_EQ(ui.Clock(), 99); }),
          AdvanceClock(1), AdvanceClock(1000), CloseBox()},
         mrCancel,
         {"show", "tmStart", "close"}},
        {"closing before the timer's interval means it never fires",
         {AdvanceClock(50), CloseBox()},
         mrCancel,
         {"show", "close"}},
        {"a radio click checks the button, then runs the shared handler",
         {Click(u"rdb1"), Click(u"rdb0"), CloseBox()},
         mrCancel,
         {"show", "rdb1 checked", "rdb0 checked", "close"}},
        {"a device-change notification reaches the message handler",
         {DeviceChange(0x8004), CloseBox()},
         mrCancel,
         {"show", "device 32772", "close"}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        HeadlessUi ui;
        SampleForm form;
        ui.Script(c.steps);
        EXPECT_EQ(form.ShowModal(), c.result);
        EXPECT_EQ(form.log, c.log);
        EXPECT_EQ(ui.StepsLeft(), 0u);
        EXPECT_TRUE(ui.MessageBoxes().empty());
        EXPECT_FALSE(form.Visible());
    }
}

TEST(ModalLoop, MessageResultGoesBackToTheSender) {
    HeadlessUi ui;
    SampleForm form;
    ui.Script({DeviceChange(7),
               Do("unhandled", [](HeadlessUi& ui) { EXPECT_EQ(ui.Send(0x0400), 0); }), CloseBox()});
    form.ShowModal();
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_TRUE(ui.Messages()[0].Handled);
    EXPECT_EQ(ui.Messages()[0].Message.Result, 1);
    EXPECT_FALSE(ui.Messages()[1].Handled);
}

TEST(ModalLoop, AFailingCloseHandlerKeepsTheFormOpenAndIsReported) {
    HeadlessUi ui;
    SampleForm form;
    form.failClose = true;
    ui.Script({CloseBox(),
               Do("still open",
                  [&](HeadlessUi& ui) {
                      EXPECT_TRUE(form.Visible());
                      EXPECT_EQ(form.ModalResult(), mrNone);
                      ASSERT_EQ(ui.MessageBoxes().size(), 1u);
                      EXPECT_EQ(ui.MessageBoxes()[0].Text, u"cannot save");
                      EXPECT_EQ(ui.MessageBoxes()[0].Flags, mbOk | mbIconError);
                      form.failClose = false;
                  }),
               Click(u"btnOk")});
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.log, (Log{"show", "close", "btnOk", "close"}));
}

TEST(ModalLoop, AFailingHandlerIsReportedAndTheFormStaysUsable) {
    HeadlessUi ui;
    SampleForm form;
    form.failOk = true;
    form.rdb1.OnClick = [] { throw std::runtime_error("plain failure"); };
    ui.Script({Click(u"btnOk"), Click(u"rdb1"), Focus(u"rdb0"), PressKey(vkReturn),
               Do("repaired", [&](HeadlessUi&) { form.failOk = false; }), Click(u"btnOk")});
    EXPECT_EQ(form.ShowModal(), mrOk);
    std::vector<std::u16string> texts;
    for (const auto& box : ui.MessageBoxes())
        texts.push_back(box.Text);
    EXPECT_EQ(texts,
              (std::vector<std::u16string>{u"copy failed", u"plain failure", u"copy failed"}));
    EXPECT_TRUE(form.rdb1.Checked()) << "the click itself happened before the handler failed";
}

TEST(ModalLoop, IdlesWhenTheQueueRunsEmpty) {
    HeadlessUi ui;
    SampleForm form;
    auto& events = form.Add<TApplicationEvents>(u"ApplicationEvents1");
    std::vector<WindowHandle> fixes;
    events.OnIdle = [&](bool& done) {
        Application().FixModalWindow(form.Handle());
        done = true;
    };
    ui.Script({AdvanceClock(100), CloseBox()});
    form.ShowModal();
    // Once after showing, once after the first step; the last step ends the loop.
    EXPECT_EQ(ui.IdleCount(), 2);
    EXPECT_EQ(ui.ModalFixCalls(), (std::vector<WindowHandle>(2, form.Handle())));
    EXPECT_NE(form.Handle(), 0u);
}

TEST(ModalLoop, MessagesSentDuringALongLoopArriveAtItsPaintPump) {
    HeadlessUi ui;
    SampleForm form;
    int pumpsSeen = -1;
    form.tmStart.OnTimer = [&] {
        form.tmStart.SetEnabled(false);
        ui.SendDuringNextPump(DeviceChange(7));
        form.Log("work starts");
        Application().ProcessPaintMessages();
        pumpsSeen = ui.PaintPumpCount();
        form.Log("work ends");
    };
    ui.Script({AdvanceClock(100), CloseBox()});
    form.ShowModal();
    EXPECT_EQ(form.log, (Log{"show", "work starts", "device 7", "work ends", "close"}));
    EXPECT_EQ(pumpsSeen, 1);
}

TEST(ModalLoop, AScriptThatEndsTooEarlyFailsTheTestAndLeavesTheFormClosed) {
    HeadlessUi ui;
    SampleForm form;
    ui.Script({AdvanceClock(100)});
    EXPECT_THROW(form.ShowModal(), BackendFailure);
    EXPECT_FALSE(form.Modal());
    EXPECT_FALSE(form.Visible());
    ui.Script({Click(u"nothing")});
    EXPECT_THROW(form.ShowModal(), BackendFailure);
    ui.Script({CloseBox()});
    EXPECT_EQ(form.ShowModal(), mrCancel) << "the form can be shown again";
}

TEST(ModalLoop, AModalFormCannotBeShownModallyAgain) {
    HeadlessUi ui;
    SampleForm form;
    ui.Script(
        {Do("again", [&](HeadlessUi&) { EXPECT_THROW(form.ShowModal(), Error); }), CloseBox()});
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

} // namespace
} // namespace mtp::tk
