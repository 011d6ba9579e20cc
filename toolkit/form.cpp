#include "toolkit/form.h"

#include <algorithm>

#include "common/errors.h"
#include "toolkit/application.h"
#include "toolkit/button.h"

namespace mtp::tk {

TForm::TForm(std::u16string name) : TControl(std::move(name)) {
    SetVisible(false);
    Application().forms_.push_back(this);
}

TForm::~TForm() {
    // Components go before the form, the latest first, so children leave before parents.
    activeControl_ = nullptr;
    while (!components_.empty())
        components_.pop_back();
    std::erase(Application().forms_, this);
}

void TForm::Adopt(std::unique_ptr<TComponent> component, TControl& parent) {
    component->owner_ = this;
    auto* control = dynamic_cast<TControl*>(component.get());
    components_.push_back(std::move(component));
    if (control)
        control->SetParent(&parent);
    components_.back()->Changed(TChange::Created);
}

TComponent* TForm::FindComponent(std::u16string_view name) const {
    for (const auto& c : components_)
        if (c->Name() == name)
            return c.get();
    return nullptr;
}

void TForm::DoCreate() {
    if (OnCreate)
        OnCreate();
}

void TForm::SetClientSize(int width, int height) {
    designClientWidth_ = clientWidth_ = width;
    designClientHeight_ = clientHeight_ = height;
    Realign();
}

void TForm::SetMinSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    Changed(TChange::Look);
}

void TForm::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    Changed(TChange::Look);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    Changed(TChange::Look);
}

void TForm::SetActiveControl(TControl* control) {
    if (activeControl_ == control)
        return;
    activeControl_ = control;
    Changed(TChange::Focus);
}

namespace {

TControl* FirstFocusable(const TControl& parent) {
    std::vector<TControl*> order;
    for (auto* c : parent.Controls())
        if (c->IsWindowed() && c->Visible() && c->Enabled())
            order.push_back(c);
    std::stable_sort(order.begin(), order.end(), [](const TControl* a, const TControl* b) {
        return a->TabOrder() < b->TabOrder();
    });
    for (auto* c : order) {
        if (c->TabStop())
            return c;
        if (auto* inner = FirstFocusable(*c))
            return inner;
    }
    return nullptr;
}

} // namespace

TControl* TForm::FirstInTabOrder() const {
    return FirstFocusable(*this);
}

WindowHandle TForm::Handle() const {
    auto* backend = Application().CurrentBackend();
    return backend ? backend->Handle(*this) : 0;
}

TModalResult TForm::ShowModal() {
    if (modal_ || Visible())
        throw Error(u"Cannot make a visible window modal");
    Backend& backend = Application().RequireBackend();
    auto& stack = Application().modal_;
    modal_ = true;
    stack.push_back(this);
    struct Leave {
        TForm& form;
        Backend& backend;
        ~Leave() {
            form.SetVisible(false);
            backend.EndModal(form);
            std::erase(Application().modal_, &form);
            form.modal_ = false;
        }
    } leave{*this, backend};

    backend.BeginModal(*this);
    if (!activeControl_)
        SetActiveControl(FirstInTabOrder());
    if (OnShow)
        OnShow();
    SetVisible(true);
    modalResult_ = mrNone;
    do {
        backend.HandleMessage();
        if (modalResult_ != mrNone)
            CloseModal();
    } while (modalResult_ == mrNone);
    return modalResult_;
}

// A close handler that fails, or that answers caNone, keeps the form open.
void TForm::CloseModal() {
    TCloseAction action = TCloseAction::caHide;
    bool ok = Application().Dispatch([&] {
        if (OnClose)
            OnClose(action);
    });
    if (!ok || action == TCloseAction::caNone)
        modalResult_ = mrNone;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action != TCloseAction::caNone)
        SetVisible(false);
}

void TForm::SetMessageHandler(uint32_t msg, std::function<void(TMessage&)> handler) {
    messageHandlers_[msg] = std::move(handler);
}

bool TForm::DeliverMessage(TMessage& message) {
    auto it = messageHandlers_.find(message.Msg);
    if (it == messageHandlers_.end() || !it->second)
        return false;
    it->second(message);
    return true;
}

void TForm::DeliverKey(uint16_t key, TShiftState shift) {
    TControl* target = activeControl_;
    const bool dialogKey = key == vkReturn || key == vkEscape;
    if (dialogKey && !(target && target->WantsKey(key)) && DialogKey(key, shift))
        return;
    if (keyPreview_ && OnKeyDown) {
        OnKeyDown(key, shift);
        if (key == 0)
            return;
    }
    if (target)
        target->KeyDown(key, shift);
}

// Enter clicks the focused button, else the default button; Esc clicks the cancel button.
bool TForm::DialogKey(uint16_t key, TShiftState shift) {
    if (shift != 0)
        return false;
    TButton* button = nullptr;
    if (key == vkReturn) {
        button = dynamic_cast<TButton*>(activeControl_);
        if (!button)
            button = FindButton(false);
    } else {
        button = FindButton(true);
    }
    if (!button || !button->Showing() || !button->Enabled())
        return false;
    button->Click();
    return true;
}

TButton* TForm::FindButton(bool cancel) const {
    for (const auto& c : components_)
        if (auto* b = dynamic_cast<TButton*>(c.get()))
            if (cancel ? b->Cancel() : b->Default())
                return b;
    return nullptr;
}

void TForm::WindowMoved(int left, int top) {
    SetActualBounds({left, top, Width(), Height()});
}

void TForm::WindowResized(int width, int height) {
    TFrameInsets frame = Application().RequireBackend().FrameInsets();
    width = std::max(width, minWidth_);
    height = std::max(height, minHeight_);
    clientWidth_ = std::max(0, width - frame.Left - frame.Right);
    clientHeight_ = std::max(0, height - frame.Top - frame.Bottom);
    Realign();
}

void TForm::UpdateOuterSize() {
    auto* backend = Application().CurrentBackend();
    TFrameInsets frame = backend ? backend->FrameInsets() : TFrameInsets{};
    SetActualBounds({Left(), Top(), clientWidth_ + frame.Left + frame.Right,
                     clientHeight_ + frame.Top + frame.Bottom});
}

void TForm::Realign() {
    UpdateOuterSize();
    LayoutTree(*this, clientWidth_, clientHeight_, designClientWidth_, designClientHeight_);
}

} // namespace mtp::tk
