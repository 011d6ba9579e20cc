// A plain container with a background: a colour, or a gradient between two colours.
#pragma once

#include "toolkit/component.h"

namespace mtp::tk {

struct TGradient {
    TColor From = clDefault;
    TColor To = clDefault;
    bool Vertical = true;
    bool operator==(const TGradient&) const = default;
};

class TPanel : public TControl {
public:
    using TControl::TControl;

    TBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevel bevel) {
        bevelOuter_ = bevel;
        Changed(TChange::Look);
    }
    // No gradient while From is clDefault.
    const TGradient& Gradient() const { return gradient_; }
    void SetGradient(const TGradient& g) {
        gradient_ = g;
        Changed(TChange::Look);
    }

private:
    TBevel bevelOuter_ = TBevel::bvRaised;
    TGradient gradient_;
};

} // namespace mtp::tk
