#include "toolkit/radio_button.h"

namespace mtp::tk {

void TRadioButton::SetChecked(bool on) {
    if (checked_ == on)
        return;
    checked_ = on;
    Changed(TChange::Checked);
    if (!on || !Parent())
        return;
    for (auto* sibling : Parent()->Controls())
        if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this)
            radio->SetChecked(false);
}

void TRadioButton::Click() {
    SetChecked(true);
    if (OnClick)
        OnClick();
}

} // namespace mtp::tk
