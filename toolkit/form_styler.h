// The form's visual style, one of the style numbers 0 to 16 that the host passes.
#pragma once

#include "toolkit/component.h"

namespace mtp::tk {

enum class TTMSStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
    tsWindows10,
};
inline constexpr int kStyleCount = 17;

// Styles its owner form and the form's panels, status bar and menus; the back end decides
// what each style looks like and keeps the styles distinguishable.
class TFormStyler : public TComponent {
public:
    using TComponent::TComponent;
    TTMSStyle Style() const { return style_; }
    void SetStyle(TTMSStyle style) {
        style_ = style;
        Changed(TChange::Look);
    }

private:
    TTMSStyle style_ = TTMSStyle::tsOffice2003Blue;
};

} // namespace mtp::tk
