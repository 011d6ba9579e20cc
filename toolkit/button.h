// Push buttons and the flat tool button.
#pragma once

#include <functional>

#include "toolkit/component.h"

namespace mtp::tk {

class TButton : public TControl {
public:
    using TControl::TControl;

    // Enter clicks the default button, Esc the cancel button (see TForm::DeliverKey).
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on);
    // Copied into the form's modal result by a click, before OnClick runs.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    // A click: the form's modal result becomes the button's, then OnClick runs.
    void Click();
    std::function<void()> OnClick;

    bool TabStop() const override { return true; }

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

// A flat button with a glyph and no focus of its own, drawn on its parent.
class TSpeedButton : public TControl {
public:
    using TControl::TControl;

    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(TBitmap glyph);

    void Click();
    std::function<void()> OnClick;

    bool IsWindowed() const override { return false; }

private:
    bool flat_ = false;
    TBitmap glyph_;
};

} // namespace mtp::tk
