// The platform's small dialogs, the popup menu, the cursor and resources, as tests script them.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "sample_form.h"
#include "toolkit/dialogs.h"
#include "toolkit/headless/scenario.h"
#include "toolkit/image.h"

namespace mtp::tk {
namespace {

using namespace headless;

TEST(InputPrompt, AnswersAsScriptedAndLogsWhatWasAsked) {
    HeadlessUi ui;
    ui.AnswerPrompt(u"12");
    ui.CancelPrompt();
    std::u16string value = u"255";
    EXPECT_TRUE(InputQuery(u"Max folder scan deep", u"Enter value (2..255):", value));
    EXPECT_EQ(value, u"12");
    EXPECT_FALSE(InputQuery(u"Max folder scan deep", u"Enter value (2..255):", value));
    EXPECT_EQ(value, u"12") << "a cancelled prompt leaves the value alone";
    ASSERT_EQ(ui.Prompts().size(), 2u);
    EXPECT_EQ(ui.Prompts()[0].Caption, u"Max folder scan deep");
    EXPECT_EQ(ui.Prompts()[0].Prompt, u"Enter value (2..255):");
    EXPECT_EQ(ui.Prompts()[0].Prefilled, u"255");
    EXPECT_TRUE(ui.Prompts()[0].Ok);
    EXPECT_EQ(ui.Prompts()[1].Prefilled, u"12");
    EXPECT_FALSE(ui.Prompts()[1].Ok);
}

TEST(InputPrompt, AnUnscriptedPromptFailsTheScenarioEvenInsideAHandler) {
    HeadlessUi ui;
    SampleForm form;
    form.btnOk.OnClick = [] {
        std::u16string v;
        InputQuery(u"c", u"p", v);
    };
    ui.Script({Click(u"btnOk")});
    EXPECT_THROW(form.ShowModal(), BackendFailure);
    EXPECT_TRUE(ui.MessageBoxes().empty()) << "the error report does not swallow it";
}

TEST(MessageBox, OkOnlyBoxesAreAnsweredOkAndQuestionsTakeTheScriptedAnswers) {
    HeadlessUi ui;
    ui.AnswerMessageBox(idNo);
    EXPECT_EQ(ShowMessageBox(u"note", u"c"), idOk);
    EXPECT_EQ(ShowMessageBox(u"sure?", u"c", mbYesNo | mbIconQuestion), idNo);
    EXPECT_THROW(ShowMessageBox(u"again?", u"c", mbYesNo), BackendFailure);
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[1].Text, u"sure?");
    EXPECT_EQ(ui.MessageBoxes()[1].Answer, idNo);
}

TEST(PopupMenu, OpensAtTheGivenPointAfterOnPopupAndDeliversTheChoice) {
    HeadlessUi ui;
    SampleForm form;
    form.btnOk.OnClick = [&] {
        TPoint p = form.pnl.ClientToScreen({form.btnOk.Left(), form.btnOk.Top() + 25});
        form.pmnu.Popup(p.X, p.Y);
        form.Log(form.mnuA.Checked() ? "popup checked" : "popup unchecked");
    };
    ui.Script({MoveForm(10, 20), Click(u"btnOk"),
               Do("open", [](HeadlessUi& ui) { EXPECT_TRUE(ui.MenuOpen()); }),
               ChooseMenuItem(u"mnuA"), Click(u"btnOk"), DismissMenu(),
               Do("no menu",
                  [](HeadlessUi& ui) { EXPECT_THROW(ui.ChooseMenuItem(u"mnuA"), BackendFailure); }),
               CloseBox()});
    form.ShowModal();
    EXPECT_EQ(form.log, (std::vector<std::string>{"show", "popup checked", "mnuA",
                                                  "popup unchecked", "close"}));
    ASSERT_EQ(ui.Popups().size(), 2u);
    EXPECT_EQ(ui.Popups()[0].Menu, u"pmnu");
    EXPECT_EQ(ui.Popups()[0].At, (TPoint{10 + 4 + 200, 20 + 27 + 175}));
}

TEST(Screen, CursorChangesAreSeenByTheBackEnd) {
    HeadlessUi ui;
    Screen().SetCursor(crHourGlass);
    Screen().SetCursor(crDefault);
    EXPECT_EQ(ui.CursorHistory(), (std::vector<int>{crHourGlass, crDefault}));
    EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST(BitmapResource, LoadsWhatTheModuleHasAndNamesWhatItLacks) {
    HeadlessUi ui;
    ui.AddBitmapResource(u"DEVICON", PlaceholderBitmap(32, 32));
    TBitmap b = LoadBitmapResource(u"DEVICON");
    EXPECT_EQ(b.Width, 32);
    EXPECT_EQ(b.BitsPerPixel, 24);
    EXPECT_EQ(b.ResourceName, u"DEVICON");
    try {
        LoadBitmapResource(u"NOPE");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.Text(), u"Resource NOPE not found");
    }
}

TEST(Application, WithoutABackEndNothingCanBeShown) {
    SampleForm form;
    EXPECT_THROW(form.ShowModal(), BackendFailure);
    EXPECT_EQ(form.Handle(), 0u);
}

} // namespace
} // namespace mtp::tk
