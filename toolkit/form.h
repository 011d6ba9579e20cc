// A form: the root of a tree of controls, owner of all its components, and the modal loop
// with its modal result.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace mtp::tk {

class TButton;

enum class TCloseAction { caNone, caHide };

// Where a form opens: at its designed place, or where the system puts a new window.
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter };

class TForm : public TControl {
public:
    explicit TForm(std::u16string name = {});
    ~TForm() override;

    // Creates a component owned by this form. Controls go into the given parent (the form
    // itself by default); other components ignore it.
    template <class T> T& Add(std::u16string name) { return Add<T>(std::move(name), *this); }
    template <class T> T& Add(std::u16string name, TControl& parent) {
        auto owned = std::make_unique<T>(std::move(name));
        T& component = *owned;
        Adopt(std::move(owned), parent);
        return component;
    }
    TComponent* FindComponent(std::u16string_view name) const;
    template <class T> T* Find(std::u16string_view name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }

    // Fires OnCreate; the form's own constructor calls it once its components are declared.
    void DoCreate();

    // Size of the client area: as designed, and now. The window's outer size adds the frame.
    void SetClientSize(int width, int height);
    int ClientWidth() const override { return clientWidth_; }
    int ClientHeight() const override { return clientHeight_; }
    int DesignClientWidth() const { return designClientWidth_; }
    int DesignClientHeight() const { return designClientHeight_; }
    // The smallest outer size the user can give the window.
    void SetMinSize(int width, int height);
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    // With key preview the form sees key presses before the focused control.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);
    // The first control that can take the focus, in tab order through the panels.
    TControl* FirstInTabOrder() const;

    // The native window; 0 while the back end has made none.
    WindowHandle Handle() const;

    // Shows the form and runs the modal loop until a modal result is set and the close
    // handler lets the form close; answers that result.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // The close box: a modal form ends with mrCancel.
    void Close();

    // A handler for one window message (such as WM_DEVICECHANGE).
    void SetMessageHandler(uint32_t msg, std::function<void(TMessage&)> handler);

    // Input from the back end (the back end runs these through TApplication::Dispatch).
    // A key press: Enter and Esc act as dialog keys (default and cancel button) unless the
    // focused control wants them; otherwise the form (with key preview) and then the focused
    // control see it.
    void DeliverKey(uint16_t key, TShiftState shift = 0);
    // A window message; answers whether the form handles it, the result in message.Result.
    bool DeliverMessage(TMessage& message);
    // The user moved or resized the window (outer size, kept within the minimum size).
    void WindowMoved(int left, int top);
    void WindowResized(int width, int height);

    std::function<void()> OnCreate;
    std::function<void()> OnShow;
    std::function<void(TCloseAction& action)> OnClose;
    std::function<void(uint16_t& key, TShiftState shift)> OnKeyDown;

    // Lays the controls out for the current client size.
    void Realign();

private:
    void Adopt(std::unique_ptr<TComponent> component, TControl& parent);
    void CloseModal();
    bool DialogKey(uint16_t key, TShiftState shift);
    TButton* FindButton(bool cancel) const;
    void UpdateOuterSize();

    std::vector<std::unique_ptr<TComponent>> components_;
    int clientWidth_ = 0, clientHeight_ = 0;
    int designClientWidth_ = 0, designClientHeight_ = 0;
    int minWidth_ = 0, minHeight_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDefaultPosOnly;
    bool keyPreview_ = false;
    TControl* activeControl_ = nullptr;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    std::map<uint32_t, std::function<void(TMessage&)>> messageHandlers_;
};

} // namespace mtp::tk
