#include "toolkit/popup_menu.h"

#include "toolkit/application.h"

namespace mtp::tk {

void TMenuItem::SetCaption(std::u16string caption) {
    caption_ = std::move(caption);
    Changed(TChange::Text);
}

void TMenuItem::SetChecked(bool on) {
    checked_ = on;
    Changed(TChange::Checked);
}

void TMenuItem::SetEnabled(bool on) {
    enabled_ = on;
    Changed(TChange::Enabled);
}

void TPopupMenu::AddItem(TMenuItem& item) {
    items_.push_back(&item);
    Changed(TChange::Content);
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup)
        OnPopup();
    Application().RequireBackend().Popup(*this, {x, y});
}

} // namespace mtp::tk
