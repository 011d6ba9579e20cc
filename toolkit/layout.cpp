// Alignment and anchors. Layout is a pure function of what was declared: each control's
// bounds as designed, its alignment and anchors, and the actual size of the form's client
// area. It runs twice over the tree: at the form's designed size, which says where every
// control sits by design, and at the actual size, where anchored controls keep their distance
// to the edges they are anchored to.
#include <algorithm>

#include "toolkit/component.h"

namespace mtp::tk {
namespace {

// One axis of an anchored control: its start and length inside a parent that grew by delta.
void Anchor(bool start, bool end, int delta, int& pos, int& len) {
    if (start && end)
        len = std::max(0, len + delta);
    else if (end)
        pos += delta;
    else if (!start)
        pos += delta / 2;
}

std::vector<TControl*> AlignedChildren(const TControl& parent, TAlign align) {
    std::vector<TControl*> out;
    for (auto* c : parent.Controls())
        if (c->Align() == align && c->Visible())
            out.push_back(c);
    // Docked controls stack in the order of their designed position along the docking edge.
    auto key = [align](const TControl* c) {
        const TBounds& d = c->DesignBounds();
        switch (align) {
        case TAlign::alTop:
            return d.Top;
        case TAlign::alBottom:
            return -(d.Top + d.Height);
        case TAlign::alLeft:
            return d.Left;
        case TAlign::alRight:
            return -(d.Left + d.Width);
        default:
            return 0;
        }
    };
    std::stable_sort(out.begin(), out.end(),
                     [&](const TControl* a, const TControl* b) { return key(a) < key(b); });
    return out;
}

} // namespace

void PlaceChildren(TControl& parent, int width, int height, bool designPass) {
    TBounds area{0, 0, width, height};
    for (TAlign align :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (auto* c : AlignedChildren(parent, align)) {
            const TBounds& d = c->design_;
            TBounds b = area;
            switch (align) {
            case TAlign::alTop:
                b.Height = std::min(d.Height, area.Height);
                area.Top += b.Height;
                area.Height -= b.Height;
                break;
            case TAlign::alBottom:
                b.Height = std::min(d.Height, area.Height);
                b.Top = area.Top + area.Height - b.Height;
                area.Height -= b.Height;
                break;
            case TAlign::alLeft:
                b.Width = std::min(d.Width, area.Width);
                area.Left += b.Width;
                area.Width -= b.Width;
                break;
            case TAlign::alRight:
                b.Width = std::min(d.Width, area.Width);
                b.Left = area.Left + area.Width - b.Width;
                area.Width -= b.Width;
                break;
            default:
                break;
            }
            if (designPass)
                c->designLayout_ = b;
            else
                c->SetActualBounds(b);
        }
    }
    const int dw = designPass ? 0 : width - parent.designLayout_.Width;
    const int dh = designPass ? 0 : height - parent.designLayout_.Height;
    for (auto* c : parent.children_) {
        if (c->align_ != TAlign::alNone)
            continue;
        TBounds b = c->design_;
        Anchor(c->anchors_ & akLeft, c->anchors_ & akRight, dw, b.Left, b.Width);
        Anchor(c->anchors_ & akTop, c->anchors_ & akBottom, dh, b.Top, b.Height);
        if (designPass)
            c->designLayout_ = b;
        else
            c->SetActualBounds(b);
    }
    for (auto* c : parent.children_) {
        const TBounds& b = designPass ? c->designLayout_ : c->actual_;
        PlaceChildren(*c, b.Width, b.Height, designPass);
    }
}

void LayoutTree(TControl& root, int clientWidth, int clientHeight, int designWidth,
                int designHeight) {
    root.designLayout_ = {0, 0, designWidth, designHeight};
    PlaceChildren(root, designWidth, designHeight, true);
    PlaceChildren(root, clientWidth, clientHeight, false);
}

} // namespace mtp::tk
