// The headless back end: every window lives in memory only. Tests drive it as a user would
// (clicks, keys, the close box, menus, device-change notifications), answer its prompts and
// message boxes, and run its timers on a clock they advance themselves.
//
// A modal loop plays a scripted scenario: each turn of the loop runs the next Step, and after
// each step the loop idles once, as a real loop does when the queue runs empty. A loop that
// still waits when the script has ended fails with BackendFailure, as does any step that names
// a component the form does not have.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace mtp::tk {
class TStringGrid;
class TTimer;
class TMenuItem;
} // namespace mtp::tk

namespace mtp::tk::headless {

class HeadlessUi;

// One scripted user action (or check) of a scenario.
struct Step {
    std::string What;
    std::function<void(HeadlessUi&)> Run;
};

struct ShownMessageBox {
    std::u16string Text, Caption;
    unsigned Flags = 0;
    int Answer = 0;
};

struct ShownPrompt {
    std::u16string Caption, Prompt, Prefilled;
    bool Ok = false;
    std::u16string Answer; // the edited text when OK was pressed
};

struct ShownPopup {
    std::u16string Menu;
    TPoint At;
};

struct SentMessage {
    TMessage Message; // with the result the form gave back
    bool Handled = false;
};

// A 24-bit bitmap of the given size, for resources a test provides.
TBitmap PlaceholderBitmap(int width, int height, int bitsPerPixel = 24);

class HeadlessUi : public Backend {
public:
    // Installs itself as the application's back end; the previous one returns when it ends.
    HeadlessUi();
    ~HeadlessUi() override;

    // The test clock, in milliseconds since the back end was made.
    int64_t Clock() const { return clock_; }
    // Moves the clock on, firing every timer that falls due on the way, in order.
    void Advance(int64_t ms);

    // Appends steps to the scenario that modal loops play.
    void Script(std::vector<Step> steps);
    size_t StepsLeft() const { return steps_.size(); }
    // What the steps played so far were.
    const std::vector<std::string>& StepsRun() const { return stepsRun_; }
    // A message that another thread sends: it arrives at the next pump (ProcessMessages,
    // ProcessPaintMessages) or the next turn of a modal loop, whichever comes first.
    void SendDuringNextPump(Step step);

    // The form that input goes to: the innermost modal form, else the only form alive.
    TForm& ActiveForm() const;
    // A component of the active form by name and kind.
    template <class T> T& Get(std::u16string_view name) const {
        auto* c = dynamic_cast<T*>(ActiveForm().FindComponent(name));
        if (!c)
            NoSuchComponent(name);
        return *c;
    }

    // Input. Each runs its handlers the way the platform does, failures reported by the
    // application's error report.
    void Click(std::u16string_view name); // button, tool button, radio button
    void ClickCell(std::u16string_view grid, int col, int row, TShiftState shift = 0);
    void DoubleClickCell(std::u16string_view grid, int col, int row);
    void ClickColumnTitle(std::u16string_view grid, int col);
    void Focus(std::u16string_view name);
    void PressKey(uint16_t key, TShiftState shift = 0);
    void CloseBox();
    // Sends a window message to the active form; answers the form's result.
    intptr_t Send(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
    intptr_t DeviceChange(uintptr_t eventCode) { return Send(kWmDeviceChange, eventCode); }
    // Chooses an item of the open popup menu, or closes the menu without a choice.
    void ChooseMenuItem(std::u16string_view name);
    void DismissMenu();
    bool MenuOpen() const { return openMenu_ != nullptr; }
    void ResizeWindow(int width, int height);
    void MoveForm(int left, int top);

    // Answers for the next prompts and for message boxes with a choice, in order. A box with
    // only an OK button is answered OK without taking an answer.
    void AnswerPrompt(std::u16string text);
    void CancelPrompt();
    void AnswerMessageBox(int id);

    // Bitmap resources of the simulated module.
    void AddBitmapResource(std::u16string name, TBitmap bitmap);
    // What FixModalWindow answers.
    void SetModalFixResult(bool result) { modalFixResult_ = result; }

    // What happened.
    const std::vector<ShownMessageBox>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<ShownPrompt>& Prompts() const { return prompts_; }
    const std::vector<ShownPopup>& Popups() const { return popups_; }
    const std::vector<SentMessage>& Messages() const { return messages_; }
    const std::vector<int>& CursorHistory() const { return cursors_; }
    const std::vector<WindowHandle>& ModalFixCalls() const { return modalFixCalls_; }
    // How often a component told the back end it changed (a repaint, for a real one).
    int ChangeCount(const TComponent& component) const;
    int IdleCount() const { return idleCount_; }
    int ProcessMessagesCount() const { return processMessagesCount_; }
    int PaintPumpCount() const { return paintPumpCount_; }

    // Backend.
    void Changed(TComponent& component, TChange what) override;
    void Destroyed(TComponent& component) override;
    TFrameInsets FrameInsets() const override { return {}; }
    WindowHandle Handle(const TForm& form) override;
    TPoint ClientOrigin(const TForm& form) override;
    void BeginModal(TForm& form) override;
    void HandleMessage() override;
    void EndModal(TForm& form) override;
    void ProcessMessages() override;
    void ProcessPaintMessages() override;
    bool FixModalWindow(WindowHandle window) override;
    int ShowMessageBox(const std::u16string& text, const std::u16string& caption,
                       unsigned flags) override;
    bool InputQuery(const std::u16string& caption, const std::u16string& prompt,
                    std::u16string& value) override;
    void Popup(TPopupMenu& menu, TPoint screen) override;
    void SetCursor(int cursor) override { cursors_.push_back(cursor); }
    TBitmap LoadBitmapResource(const std::u16string& name) override;

private:
    struct ArmedTimer {
        TTimer* timer;
        int64_t due;
        uint64_t sequence; // timers due at the same moment fire in the order they were armed
    };
    struct PromptAnswer {
        bool ok;
        std::u16string text;
    };

    [[noreturn]] void NoSuchComponent(std::u16string_view name) const;
    TStringGrid& Grid(std::u16string_view name) const;
    void DeliverSent();
    void Arm(TTimer& timer);

    Backend* previous_;
    int64_t clock_ = 0;
    uint64_t armSequence_ = 0;
    std::map<const TComponent*, ArmedTimer> timers_;
    std::deque<Step> steps_;
    std::deque<Step> sent_;
    std::vector<std::string> stepsRun_;
    bool idlePending_ = false;
    std::deque<PromptAnswer> promptAnswers_;
    std::deque<int> messageBoxAnswers_;
    std::map<std::u16string, TBitmap> resources_;
    std::map<const TComponent*, WindowHandle> handles_;
    WindowHandle nextHandle_ = 0x10010;
    TPopupMenu* openMenu_ = nullptr;
    bool modalFixResult_ = true;

    std::vector<ShownMessageBox> messageBoxes_;
    std::vector<ShownPrompt> prompts_;
    std::vector<ShownPopup> popups_;
    std::vector<SentMessage> messages_;
    std::vector<int> cursors_;
    std::vector<WindowHandle> modalFixCalls_;
    std::map<const TComponent*, int> changeCounts_;
    int idleCount_ = 0;
    int processMessagesCount_ = 0;
    int paintPumpCount_ = 0;
};

} // namespace mtp::tk::headless
