// Radio buttons: the buttons of one parent form a group in which one at most is checked.
#pragma once

#include <functional>

#include "toolkit/component.h"

namespace mtp::tk {

class TRadioButton : public TControl {
public:
    using TControl::TControl;

    bool Checked() const { return checked_; }
    // Checking one unchecks the others of its group. It does not fire OnClick.
    void SetChecked(bool on);

    // A click: the button becomes the checked one of its group, then OnClick runs.
    void Click();
    std::function<void()> OnClick;

    // Tab reaches the checked button of a group only.
    bool TabStop() const override { return checked_; }

private:
    bool checked_ = false;
};

} // namespace mtp::tk
