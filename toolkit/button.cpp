#include "toolkit/button.h"

#include "toolkit/form.h"

namespace mtp::tk {

void TButton::SetDefault(bool on) {
    default_ = on;
    Changed(TChange::Look);
}

void TButton::SetCancel(bool on) {
    cancel_ = on;
    Changed(TChange::Look);
}

void TButton::Click() {
    if (auto* form = ParentForm())
        form->SetModalResult(modalResult_);
    if (OnClick)
        OnClick();
}

void TSpeedButton::SetFlat(bool on) {
    flat_ = on;
    Changed(TChange::Look);
}

void TSpeedButton::SetGlyph(TBitmap glyph) {
    glyph_ = std::move(glyph);
    Changed(TChange::Content);
}

void TSpeedButton::Click() {
    if (OnClick)
        OnClick();
}

} // namespace mtp::tk
