// A picture drawn on its parent.
#pragma once

#include "toolkit/component.h"

namespace mtp::tk {

class TImage : public TControl {
public:
    using TControl::TControl;

    const TBitmap& Picture() const { return picture_; }
    void SetPicture(TBitmap picture) {
        picture_ = std::move(picture);
        Changed(TChange::Content);
    }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) {
        transparent_ = on;
        Changed(TChange::Look);
    }

    bool IsWindowed() const override { return false; }

private:
    TBitmap picture_;
    bool transparent_ = false;
};

// A bitmap resource of the plug-in's own module, through the installed back end.
TBitmap LoadBitmapResource(const std::u16string& name);

} // namespace mtp::tk
