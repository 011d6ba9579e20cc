#include "toolkit/headless/headless_ui.h"

#include <algorithm>

#include "common/errors.h"
#include "common/text.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/popup_menu.h"
#include "toolkit/radio_button.h"
#include "toolkit/string_grid.h"
#include "toolkit/timer.h"

namespace mtp::tk::headless {
namespace {

// Where the system puts a new window.
constexpr TPoint kDefaultWindowPosition{120, 90};

std::string Quoted(std::u16string_view name) {
    return "'" + Utf16ToUtf8(name) + "'";
}

} // namespace

TBitmap PlaceholderBitmap(int width, int height, int bitsPerPixel) {
    TBitmap b;
    b.Width = width;
    b.Height = height;
    b.BitsPerPixel = bitsPerPixel;
    const size_t stride = (static_cast<size_t>(width) * bitsPerPixel / 8 + 3) / 4 * 4;
    b.Pixels.assign(stride * static_cast<size_t>(height), 0);
    return b;
}

HeadlessUi::HeadlessUi() : previous_(Application().InstallBackend(this)) {}

HeadlessUi::~HeadlessUi() {
    Application().InstallBackend(previous_);
}

// ---- clock and timers

void HeadlessUi::Arm(TTimer& timer) {
    if (timer.Running())
        timers_[&timer] = {&timer, clock_ + timer.Interval(), armSequence_++};
    else
        timers_.erase(&timer);
}

void HeadlessUi::Advance(int64_t ms) {
    const int64_t target = clock_ + std::max<int64_t>(ms, 0);
    for (;;) {
        auto next = std::min_element(timers_.begin(), timers_.end(), [](auto& a, auto& b) {
            return std::tie(a.second.due, a.second.sequence) <
                   std::tie(b.second.due, b.second.sequence);
        });
        if (next == timers_.end() || next->second.due > target)
            break;
        TTimer* timer = next->second.timer;
        clock_ = next->second.due;
        // The next period starts now; a handler that disables or changes the timer re-arms it.
        next->second = {timer, clock_ + timer->Interval(), armSequence_++};
        Application().Dispatch([timer] { timer->Fire(); });
    }
    clock_ = target;
}

// ---- scenario

void HeadlessUi::Script(std::vector<Step> steps) {
    for (auto& s : steps)
        steps_.push_back(std::move(s));
}

void HeadlessUi::SendDuringNextPump(Step step) {
    sent_.push_back(std::move(step));
}

void HeadlessUi::DeliverSent() {
    while (!sent_.empty()) {
        Step step = std::move(sent_.front());
        sent_.pop_front();
        stepsRun_.push_back(step.What);
        step.Run(*this);
    }
}

void HeadlessUi::BeginModal(TForm& form) {
    if (!handles_.contains(&form)) {
        Handle(form);
        if (form.Position() != TPosition::poDesigned)
            form.WindowMoved(kDefaultWindowPosition.X, kDefaultWindowPosition.Y);
    }
    idlePending_ = true;
}

void HeadlessUi::HandleMessage() {
    if (!sent_.empty()) {
        DeliverSent();
        return;
    }
    if (idlePending_) {
        idlePending_ = false;
        ++idleCount_;
        Application().DoIdle();
        return;
    }
    if (steps_.empty())
        throw BackendFailure("the modal loop of " + Quoted(ActiveForm().Name()) +
                             " waits for input, but the scenario has no step left");
    Step step = std::move(steps_.front());
    steps_.pop_front();
    stepsRun_.push_back(step.What);
    step.Run(*this);
    idlePending_ = true;
}

void HeadlessUi::EndModal(TForm&) {
    openMenu_ = nullptr;
    // The loop below, if any, idles again once this window has gone.
    idlePending_ = true;
}

void HeadlessUi::ProcessMessages() {
    ++processMessagesCount_;
    DeliverSent();
}

void HeadlessUi::ProcessPaintMessages() {
    ++paintPumpCount_;
    DeliverSent();
}

bool HeadlessUi::FixModalWindow(WindowHandle window) {
    modalFixCalls_.push_back(window);
    return modalFixResult_;
}

// ---- input

TForm& HeadlessUi::ActiveForm() const {
    if (auto* modal = Application().ModalForm())
        return *modal;
    const auto& forms = Application().Forms();
    if (forms.size() != 1)
        throw BackendFailure("no modal form, and " + std::to_string(forms.size()) +
                             " forms alive: input has nowhere to go");
    return *forms.front();
}

void HeadlessUi::NoSuchComponent(std::u16string_view name) const {
    throw BackendFailure(Quoted(ActiveForm().Name()) + " has no component " + Quoted(name) +
                         " of the kind the step needs");
}

TStringGrid& HeadlessUi::Grid(std::u16string_view name) const {
    auto& grid = Get<TStringGrid>(name);
    if (!grid.Showing() || !grid.Enabled())
        throw BackendFailure("the grid " + Quoted(name) + " cannot be used: hidden or disabled");
    return grid;
}

void HeadlessUi::Click(std::u16string_view name) {
    auto& control = Get<TControl>(name);
    if (!control.Showing() || !control.Enabled())
        throw BackendFailure("cannot click " + Quoted(name) + ": hidden or disabled");
    TForm& form = ActiveForm();
    if (auto* button = dynamic_cast<TButton*>(&control)) {
        form.SetActiveControl(button);
        Application().Dispatch([button] { button->Click(); });
    } else if (auto* radio = dynamic_cast<TRadioButton*>(&control)) {
        form.SetActiveControl(radio);
        Application().Dispatch([radio] { radio->Click(); });
    } else if (auto* tool = dynamic_cast<TSpeedButton*>(&control)) {
        Application().Dispatch([tool] { tool->Click(); });
    } else {
        throw BackendFailure(Quoted(name) + " is nothing to click");
    }
}

void HeadlessUi::ClickCell(std::u16string_view grid, int col, int row, TShiftState shift) {
    auto& g = Grid(grid);
    if (col < 0 || col >= g.ColCount() || row < 0 || row >= g.RowCount())
        throw BackendFailure("no cell (" + std::to_string(col) + ", " + std::to_string(row) +
                             ") in " + Quoted(grid));
    ActiveForm().SetActiveControl(&g);
    Application().Dispatch([&] { g.ClickCell(col, row, shift); });
}

void HeadlessUi::DoubleClickCell(std::u16string_view grid, int col, int row) {
    // The first press of a double click arrives as a click.
    ClickCell(grid, col, row);
    auto& g = Grid(grid);
    Application().Dispatch([&] { g.DblClick(); });
}

void HeadlessUi::ClickColumnTitle(std::u16string_view grid, int col) {
    auto& g = Grid(grid);
    if (g.FixedRows() < 1)
        throw BackendFailure(Quoted(grid) + " has no title row");
    ClickCell(grid, col, 0);
}

void HeadlessUi::Focus(std::u16string_view name) {
    auto& control = Get<TControl>(name);
    if (!control.CanFocus())
        throw BackendFailure(Quoted(name) + " cannot take the focus");
    ActiveForm().SetActiveControl(&control);
}

void HeadlessUi::PressKey(uint16_t key, TShiftState shift) {
    TForm& form = ActiveForm();
    Application().Dispatch([&] { form.DeliverKey(key, shift); });
}

void HeadlessUi::CloseBox() {
    TForm& form = ActiveForm();
    Application().Dispatch([&] { form.Close(); });
}

intptr_t HeadlessUi::Send(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TForm& form = ActiveForm();
    SentMessage sent;
    sent.Message = {msg, wParam, lParam, 0};
    Application().Dispatch([&] { sent.Handled = form.DeliverMessage(sent.Message); });
    messages_.push_back(sent);
    return sent.Message.Result;
}

void HeadlessUi::ChooseMenuItem(std::u16string_view name) {
    if (!openMenu_)
        throw BackendFailure("cannot choose " + Quoted(name) + ": no popup menu is open");
    const auto& items = openMenu_->Items();
    auto it = std::find_if(items.begin(), items.end(),
                           [&](const TMenuItem* item) { return item->Name() == name; });
    if (it == items.end() || !(*it)->Enabled())
        throw BackendFailure("the open menu " + Quoted(openMenu_->Name()) +
                             " has no enabled item " + Quoted(name));
    TMenuItem* item = *it;
    openMenu_ = nullptr;
    Application().Dispatch([item] { item->Click(); });
}

void HeadlessUi::DismissMenu() {
    if (!openMenu_)
        throw BackendFailure("no popup menu is open");
    openMenu_ = nullptr;
}

void HeadlessUi::ResizeWindow(int width, int height) {
    ActiveForm().WindowResized(width, height);
}

void HeadlessUi::MoveForm(int left, int top) {
    ActiveForm().WindowMoved(left, top);
}

// ---- the platform's dialogs

void HeadlessUi::AnswerPrompt(std::u16string text) {
    promptAnswers_.push_back({true, std::move(text)});
}

void HeadlessUi::CancelPrompt() {
    promptAnswers_.push_back({false, {}});
}

void HeadlessUi::AnswerMessageBox(int id) {
    messageBoxAnswers_.push_back(id);
}

int HeadlessUi::ShowMessageBox(const std::u16string& text, const std::u16string& caption,
                               unsigned flags) {
    int answer = idOk;
    if ((flags & kMsgBoxButtonMask) != mbOk) {
        if (messageBoxAnswers_.empty())
            throw BackendFailure("message box \"" + Utf16ToUtf8(text) +
                                 "\" asks a question nobody scripted an answer for");
        answer = messageBoxAnswers_.front();
        messageBoxAnswers_.pop_front();
    }
    messageBoxes_.push_back({text, caption, flags, answer});
    return answer;
}

bool HeadlessUi::InputQuery(const std::u16string& caption, const std::u16string& prompt,
                            std::u16string& value) {
    if (promptAnswers_.empty())
        throw BackendFailure("prompt " + Quoted(caption) + " was shown but has no scripted answer");
    PromptAnswer a = std::move(promptAnswers_.front());
    promptAnswers_.pop_front();
    prompts_.push_back({caption, prompt, value, a.ok, a.ok ? a.text : std::u16string{}});
    if (a.ok)
        value = std::move(a.text);
    return a.ok;
}

void HeadlessUi::Popup(TPopupMenu& menu, TPoint screen) {
    popups_.push_back({menu.Name(), screen});
    openMenu_ = &menu;
}

void HeadlessUi::AddBitmapResource(std::u16string name, TBitmap bitmap) {
    bitmap.ResourceName = name;
    resources_[std::move(name)] = std::move(bitmap);
}

TBitmap HeadlessUi::LoadBitmapResource(const std::u16string& name) {
    auto it = resources_.find(name);
    if (it == resources_.end())
        throw Error(u"Resource " + name + u" not found");
    return it->second;
}

// ---- mirroring

void HeadlessUi::Changed(TComponent& component, TChange what) {
    ++changeCounts_[&component];
    if (what == TChange::Timer || what == TChange::Created)
        if (auto* timer = dynamic_cast<TTimer*>(&component))
            Arm(*timer);
}

void HeadlessUi::Destroyed(TComponent& component) {
    timers_.erase(&component);
    handles_.erase(&component);
    changeCounts_.erase(&component);
    if (openMenu_ == &component)
        openMenu_ = nullptr;
}

int HeadlessUi::ChangeCount(const TComponent& component) const {
    auto it = changeCounts_.find(&component);
    return it == changeCounts_.end() ? 0 : it->second;
}

WindowHandle HeadlessUi::Handle(const TForm& form) {
    auto [it, added] = handles_.try_emplace(&form, nextHandle_);
    if (added)
        nextHandle_ += 4;
    return it->second;
}

TPoint HeadlessUi::ClientOrigin(const TForm& form) {
    TFrameInsets frame = FrameInsets();
    return {form.Left() + frame.Left, form.Top() + frame.Top};
}

} // namespace mtp::tk::headless
