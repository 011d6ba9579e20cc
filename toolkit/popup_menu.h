// A popup menu of items with captions, check marks and click handlers.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/component.h"

namespace mtp::tk {

class TMenuItem : public TComponent {
public:
    using TComponent::TComponent;

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    // The user chose the item (the back end calls it through TApplication::Dispatch).
    void Click() {
        if (OnClick)
            OnClick();
    }
    std::function<void()> OnClick;

private:
    std::u16string caption_;
    bool checked_ = false;
    bool enabled_ = true;
};

class TPopupMenu : public TComponent {
public:
    using TComponent::TComponent;

    // Items stay owned by the form; the menu lists them in order.
    void AddItem(TMenuItem& item);
    const std::vector<TMenuItem*>& Items() const { return items_; }

    // Fires OnPopup, then opens the menu with its top-left corner at a screen point. The
    // chosen item's OnClick arrives later, as input.
    void Popup(int x, int y);
    std::function<void()> OnPopup;

private:
    std::vector<TMenuItem*> items_;
};

} // namespace mtp::tk
