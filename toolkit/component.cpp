#include "toolkit/component.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace mtp::tk {

TComponent::~TComponent() {
    if (auto* backend = Application().CurrentBackend())
        backend->Destroyed(*this);
}

void TComponent::Changed(TChange what) {
    if (auto* backend = Application().CurrentBackend())
        backend->Changed(*this, what);
}

TControl::~TControl() {
    for (auto* child : children_)
        child->parent_ = nullptr;
    if (parent_)
        std::erase(parent_->children_, this);
}

void TControl::SetParent(TControl* parent) {
    if (parent == parent_)
        return;
    if (parent_)
        std::erase(parent_->children_, this);
    parent_ = parent;
    if (parent_)
        parent_->children_.push_back(this);
    RequestLayout();
}

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    design_ = {left, top, width, height};
    RequestLayout();
}

void TControl::SetLeft(int v) {
    SetBounds(v, design_.Top, design_.Width, design_.Height);
}
void TControl::SetTop(int v) {
    SetBounds(design_.Left, v, design_.Width, design_.Height);
}
void TControl::SetWidth(int v) {
    SetBounds(design_.Left, design_.Top, v, design_.Height);
}
void TControl::SetHeight(int v) {
    SetBounds(design_.Left, design_.Top, design_.Width, v);
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    RequestLayout();
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    RequestLayout();
}

void TControl::SetTabOrder(int order) {
    tabOrder_ = order;
    Changed(TChange::Focus);
}

TFont TControl::Font() const {
    if (parentFont_ && parent_)
        return parent_->Font();
    return font_;
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    parentFont_ = false;
    Changed(TChange::Font);
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    Changed(TChange::Visibility);
    RequestLayout();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Changed(TChange::Enabled);
}

void TControl::SetCaption(std::u16string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    Changed(TChange::Text);
}

void TControl::SetColor(TColor color) {
    color_ = color;
    Changed(TChange::Look);
}

void TControl::SetDoubleBuffered(bool on) {
    doubleBuffered_ = on;
    Changed(TChange::Look);
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TControl* c = this;
    for (; c->parent_; c = c->parent_) {
        p.X += c->actual_.Left;
        p.Y += c->actual_.Top;
    }
    if (auto* form = dynamic_cast<const TForm*>(c)) {
        TPoint origin = Application().RequireBackend().ClientOrigin(*form);
        p.X += origin.X;
        p.Y += origin.Y;
    }
    return p;
}

void TControl::RequestLayout() {
    TControl* root = this;
    while (root->parent_)
        root = root->parent_;
    if (auto* form = dynamic_cast<TForm*>(root)) {
        form->Realign();
    } else {
        // A tree without a form keeps its root where it was declared.
        root->SetActualBounds(root->design_);
        LayoutTree(*root, root->design_.Width, root->design_.Height, root->design_.Width,
                   root->design_.Height);
    }
}

void TControl::SetActualBounds(const TBounds& b) {
    if (actual_ == b)
        return;
    actual_ = b;
    Changed(TChange::Bounds);
}

} // namespace mtp::tk
