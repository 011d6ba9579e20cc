#include "toolkit/status_bar.h"

#include <algorithm>

#include "common/errors.h"

namespace mtp::tk {

void TStatusPanel::Changed() {
    bar_->Changed(TChange::Content);
}

void TStatusPanel::SetWidth(int w) {
    width_ = w;
    Changed();
}

void TStatusPanel::SetStyle(TPanelStyle style) {
    style_ = style;
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Changed();
}

void TStatusPanel::SetText(std::u16string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    Changed();
}

void TStatusPanel::Clamp() {
    position_ = std::clamp(position_, min_, std::max(min_, max_));
}

void TStatusPanel::SetProgressMin(int v) {
    min_ = v;
    Clamp();
    Changed();
}

void TStatusPanel::SetProgressMax(int v) {
    max_ = v;
    Clamp();
    Changed();
}

void TStatusPanel::SetProgressPosition(int v) {
    position_ = v;
    Clamp();
    Changed();
}

int TStatusPanel::ProgressPercent() const {
    if (max_ <= min_)
        return 0;
    return static_cast<int>((static_cast<long long>(position_) - min_) * 100 /
                            (static_cast<long long>(max_) - min_));
}

void TStatusPanel::SetShowPercentage(bool on) {
    showPercentage_ = on;
    Changed();
}

TStatusPanel& TStatusBar::AddPanel() {
    panels_.push_back(TStatusPanel(*this));
    Changed(TChange::Content);
    return panels_.back();
}

TStatusPanel& TStatusBar::Panels(int index) {
    if (index < 0 || index >= PanelCount())
        throw Error(FormatD(u"Status panel index out of bounds (%d)", index));
    return panels_[static_cast<size_t>(index)];
}

const TStatusPanel& TStatusBar::Panels(int index) const {
    return const_cast<TStatusBar*>(this)->Panels(index);
}

} // namespace mtp::tk
