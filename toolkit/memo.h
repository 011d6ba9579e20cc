// A multi-line text box.
#pragma once

#include <string>
#include <vector>

#include "toolkit/component.h"

namespace mtp::tk {

class TMemo : public TControl {
public:
    using TControl::TControl;

    const std::vector<std::u16string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::u16string> lines) {
        lines_ = std::move(lines);
        Changed(TChange::Content);
    }

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style) {
        borderStyle_ = style;
        Changed(TChange::Look);
    }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on) {
        wordWrap_ = on;
        Changed(TChange::Look);
    }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) {
        readOnly_ = on;
        Changed(TChange::Look);
    }
    // With WantReturns the box takes Enter (a line break) and Esc itself, so they do not act
    // as dialog keys while it has the focus.
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool on) { wantReturns_ = on; }

    bool TabStop() const override { return true; }
    bool WantsKey(uint16_t key) const override {
        return wantReturns_ && (key == vkReturn || key == vkEscape);
    }

private:
    std::vector<std::u16string> lines_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool wordWrap_ = true;
    bool readOnly_ = false;
    bool wantReturns_ = true;
};

} // namespace mtp::tk
