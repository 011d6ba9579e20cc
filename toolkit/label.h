// A text drawn on its parent.
#pragma once

#include "toolkit/component.h"

namespace mtp::tk {

class TLabel : public TControl {
public:
    using TControl::TControl;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) {
        alignment_ = a;
        Changed(TChange::Look);
    }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) {
        transparent_ = on;
        Changed(TChange::Look);
    }
    // The size follows the text; the back end measures it.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) {
        autoSize_ = on;
        Changed(TChange::Look);
    }

    bool IsWindowed() const override { return false; }

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool transparent_ = false;
    bool autoSize_ = true;
};

} // namespace mtp::tk
