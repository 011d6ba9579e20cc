// Declared bounds, alignment and anchors, mapped onto the window's actual size.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"
#include "toolkit/status_bar.h"
#include "toolkit/string_grid.h"

namespace mtp::tk {
namespace {

// The import dialog's frame: a head panel, a status bar and a main panel filling the rest.
class LayoutForm : public TForm {
public:
    LayoutForm() : TForm(u"FLayout") {
        SetClientSize(577, 351);
        SetMinSize(585, 382);
        head.SetAlign(TAlign::alTop);
        head.SetHeight(65);
        memo.SetBounds(54, 8, 515, 55);
        memo.SetAnchors(akLeft | akTop | akRight);
        bar.SetAlign(TAlign::alBottom);
        bar.SetHeight(19);
        main.SetAlign(TAlign::alClient);
        grid.SetBounds(14, 27, 435, 223);
        grid.SetAnchors(kAllAnchors);
        ok.SetBounds(462, 196, 102, 25);
        ok.SetAnchors(akRight | akBottom);
        tool.SetBounds(552, 2, 23, 22);
        tool.SetAnchors(akTop | akRight);
    }
    TPanel& head = Add<TPanel>(u"pnlHead");
    TMemo& memo = Add<TMemo>(u"memInfo", head);
    TStatusBar& bar = Add<TStatusBar>(u"stbar");
    TPanel& main = Add<TPanel>(u"pnlMain");
    TStringGrid& grid = Add<TStringGrid>(u"gridFiles", main);
    TButton& ok = Add<TButton>(u"btnOk", main);
    TSpeedButton& tool = Add<TSpeedButton>(u"spdConfig", main);
};

TEST(Layout, DockedPanelsShareTheClientAreaAndAnchorsFollowResizing) {
    headless::HeadlessUi ui;
    LayoutForm f;
    struct Layout {
        TBounds head, bar, main, memo, grid, ok, tool;
    };
    const Layout designed{{0, 0, 577, 65},  {0, 332, 577, 19},  {0, 65, 577, 267},
                          {54, 8, 515, 55}, {14, 27, 435, 223}, {462, 196, 102, 25},
                          {552, 2, 23, 22}};
    const Layout grown{{0, 0, 777, 65},    {0, 432, 777, 19},   {0, 65, 777, 367}, {54, 8, 715, 55},
                       {14, 27, 635, 323}, {662, 296, 102, 25}, {752, 2, 23, 22}};
    struct Case {
        int outerW, outerH; // asked for
        Layout expected;
    } cases[] = {
        {585, 382, designed},
        {785, 482, grown},
        {300, 200, designed}, // below the minimum: kept at the designed size
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.outerW);
        f.WindowResized(c.outerW, c.outerH);
        EXPECT_EQ(f.Width(), std::max(c.outerW, 585));
        EXPECT_EQ(f.Height(), std::max(c.outerH, 382));
        const Layout& e = c.expected;
        EXPECT_EQ(f.head.BoundsRect(), e.head);
        EXPECT_EQ(f.bar.BoundsRect(), e.bar);
        EXPECT_EQ(f.main.BoundsRect(), e.main);
        EXPECT_EQ(f.memo.BoundsRect(), e.memo);
        EXPECT_EQ(f.grid.BoundsRect(), e.grid);
        EXPECT_EQ(f.ok.BoundsRect(), e.ok);
        EXPECT_EQ(f.tool.BoundsRect(), e.tool);
        // What was declared stays as declared.
        EXPECT_EQ(f.grid.DesignBounds(), (TBounds{14, 27, 435, 223}));
    }
}

TEST(Layout, HiddenDockedControlsTakeNoSpace) {
    headless::HeadlessUi ui;
    LayoutForm f;
    f.head.SetVisible(false);
    EXPECT_EQ(f.main.BoundsRect(), (TBounds{0, 0, 577, 332}));
    f.head.SetVisible(true);
    EXPECT_EQ(f.main.BoundsRect(), (TBounds{0, 65, 577, 267}));
}

TEST(Layout, ClientToScreenFollowsTheWindow) {
    headless::HeadlessUi ui;
    LayoutForm f;
    f.WindowMoved(100, 50);
    const TPoint corner{f.tool.Left(), f.tool.Top() + f.tool.Height()};
    // Frame 4 left, 27 top; pnlMain at 65.
    EXPECT_EQ(f.main.ClientToScreen(corner), (TPoint{100 + 4 + 552, 50 + 27 + 65 + 24}));
    f.WindowMoved(0, 0);
    f.WindowResized(685, 382);
    const TPoint moved{f.tool.Left(), f.tool.Top() + f.tool.Height()};
    EXPECT_EQ(f.main.ClientToScreen(moved), (TPoint{4 + 652, 27 + 65 + 24}));
}

TEST(Layout, FontsComeFromTheParentUntilSetOwn) {
    LayoutForm f;
    TFont tahoma{u"Tahoma", 11, 8, false};
    f.SetFont(tahoma);
    EXPECT_EQ(f.grid.Font(), tahoma);
    TFont bold{u"MS Sans Serif", 19, 14, true};
    f.ok.SetFont(bold);
    EXPECT_EQ(f.ok.Font(), bold);
    EXPECT_TRUE(f.grid.ParentFont());
    EXPECT_FALSE(f.ok.ParentFont());
}

TEST(Layout, TheFirstFocusIsTheFirstControlInTabOrderThroughThePanels) {
    LayoutForm f;
    f.head.SetTabOrder(1);
    f.main.SetTabOrder(0);
    f.grid.SetTabOrder(1);
    f.ok.SetTabOrder(0);
    EXPECT_EQ(f.FirstInTabOrder(), &f.ok);
    f.ok.SetVisible(false);
    EXPECT_EQ(f.FirstInTabOrder(), &f.grid);
    f.main.SetEnabled(false);
    EXPECT_EQ(f.FirstInTabOrder(), &f.memo);
}

} // namespace
} // namespace mtp::tk
