// Components and controls: every piece of a form holds its state as data (name, texts,
// position, layout rules, font, visibility) and tells the installed back end what changed, so
// a back end only mirrors the state into real windows and feeds input back.
#pragma once

#include <string>
#include <vector>

#include "toolkit/types.h"

namespace mtp::tk {

class TForm;
class TControl;

// What a back end is told after a component changed, so it can refresh its mirror.
enum class TChange {
    Created, // the component joined a form's tree
    Bounds,  // actual position or size after layout
    Text,    // caption or text
    Visibility,
    Enabled,
    Font,
    Look,      // colours, borders, styles and other appearance flags
    Checked,   // radio button or menu item check mark
    Content,   // grid cells, memo lines, status panels, menu items, picture
    Selection, // grid selection, current row, selection visibility
    Sorting,   // grid sort settings and indicator
    Timer,     // timer interval or enabled state
    Focus,
};

class TComponent {
public:
    explicit TComponent(std::u16string name = {}) : name_(std::move(name)) {}
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::u16string& Name() const { return name_; }
    // The form that owns the component, or none for a free-standing one.
    TForm* Owner() const { return owner_; }

protected:
    // Tells the installed back end (if any) that part of this component's state changed.
    void Changed(TChange what);

private:
    friend class TForm;
    std::u16string name_;
    TForm* owner_ = nullptr;
};

class TControl : public TComponent {
public:
    using TComponent::TComponent;
    ~TControl() override;

    // The tree: a control lies in its parent's client area; the form is the root.
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    const std::vector<TControl*>& Controls() const { return children_; }
    // The form at the root of the tree, or none.
    TForm* ParentForm();

    // Bounds as declared, relative to the parent's designed client area. Layout maps them,
    // with the alignment and anchors, onto the parent's actual size.
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    const TBounds& DesignBounds() const { return design_; }
    // Actual bounds after layout.
    const TBounds& BoundsRect() const { return actual_; }
    int Left() const { return actual_.Left; }
    int Top() const { return actual_.Top; }
    int Width() const { return actual_.Width; }
    int Height() const { return actual_.Height; }
    virtual int ClientWidth() const { return actual_.Width; }
    virtual int ClientHeight() const { return actual_.Height; }

    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);

    // The font in force: the control's own, or its parent's while ParentFont is on.
    TFont Font() const;
    void SetFont(const TFont& font); // switches ParentFont off
    bool ParentFont() const { return parentFont_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible and every parent visible.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // One text per control: the caption of labels, buttons and forms, the text of edits.
    const std::u16string& Caption() const { return text_; }
    void SetCaption(std::u16string text);
    const std::u16string& Text() const { return text_; }
    void SetText(std::u16string text) { SetCaption(std::move(text)); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on);

    // A point of this control's client area in screen coordinates.
    TPoint ClientToScreen(TPoint p) const;

    // Whether the control is a window of its own (graphic controls such as labels draw on
    // their parent and cannot take the focus).
    virtual bool IsWindowed() const { return true; }
    // Whether Tab can move the focus to it.
    virtual bool TabStop() const { return false; }
    // Whether it can have the focus at all: a window of its own, shown and enabled.
    bool CanFocus() const { return IsWindowed() && Showing() && Enabled(); }
    // Enter and Esc reach a control that wants them instead of acting as dialog keys.
    virtual bool WantsKey(uint16_t /*key*/) const { return false; }
    // A key press that reached the focused control.
    virtual void KeyDown(uint16_t& /*key*/, TShiftState /*shift*/) {}

protected:
    // Re-runs the layout of the tree this control belongs to.
    void RequestLayout();
    void SetActualBounds(const TBounds& b);

private:
    friend void LayoutTree(TControl& root, int clientWidth, int clientHeight, int designWidth,
                           int designHeight);
    friend void PlaceChildren(TControl& parent, int width, int height, bool designPass);

    TControl* parent_ = nullptr;
    std::vector<TControl*> children_;
    TBounds design_;
    TBounds designLayout_; // where the layout puts it at the form's designed size
    TBounds actual_;
    TAnchors anchors_ = kDefaultAnchors;
    TAlign align_ = TAlign::alNone;
    int tabOrder_ = 0;
    TFont font_;
    bool parentFont_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    std::u16string text_;
    TColor color_ = clDefault;
    bool doubleBuffered_ = false;
};

// Lays out the whole tree below root: root's children are placed in a client area of the
// given actual size, anchored relative to the designed size.
void LayoutTree(TControl& root, int clientWidth, int clientHeight, int designWidth,
                int designHeight);

} // namespace mtp::tk
