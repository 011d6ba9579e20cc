// A status bar of panels; a panel shows a text or a progress bar with its percentage.
#pragma once

#include <deque>
#include <string>

#include "toolkit/component.h"

namespace mtp::tk {

class TStatusBar;

enum class TPanelStyle { psText, psProgress };

class TStatusPanel {
public:
    int Width() const { return width_; }
    void SetWidth(int w);
    TPanelStyle Style() const { return style_; }
    void SetStyle(TPanelStyle style);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    const std::u16string& Text() const { return text_; }
    void SetText(std::u16string text);

    // The progress bar keeps its position within minimum and maximum, as the platform's does.
    int ProgressMin() const { return min_; }
    int ProgressMax() const { return max_; }
    int ProgressPosition() const { return position_; }
    void SetProgressMin(int v);
    void SetProgressMax(int v);
    void SetProgressPosition(int v);
    // The percentage shown beside the bar: 0 while the range is empty.
    int ProgressPercent() const;
    bool ShowPercentage() const { return showPercentage_; }
    void SetShowPercentage(bool on);

private:
    friend class TStatusBar;
    explicit TStatusPanel(TStatusBar& bar) : bar_(&bar) {}
    void Changed();
    void Clamp();

    TStatusBar* bar_;
    int width_ = 50;
    TPanelStyle style_ = TPanelStyle::psText;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    std::u16string text_;
    int min_ = 0, max_ = 100, position_ = 0;
    bool showPercentage_ = true;
};

class TStatusBar : public TControl {
public:
    using TControl::TControl;

    TStatusPanel& AddPanel();
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Throws mtp::Error for an index that names no panel.
    TStatusPanel& Panels(int index);
    const TStatusPanel& Panels(int index) const;

private:
    friend class TStatusPanel;
    std::deque<TStatusPanel> panels_;
};

} // namespace mtp::tk
