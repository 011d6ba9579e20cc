// The dialog as designed: every component where the form's table puts it, with its texts,
// anchors and tab order; the window's frame; the fixed texts; resizing.
#include <gmock/gmock.h>

#include "dialog_fixture.h"
#include "toolkit/headless/headless_ui.h"

namespace mtp::testing {
namespace {

using ::testing::ElementsAre;

struct Placed {
    const char16_t* name;
    const char16_t* parent; // nullptr: the form
    TBounds bounds;         // width and height 0: sized by the back end (labels)
    TAnchors anchors;
    const char16_t* caption;
    int tabOrder;
    bool visible;
};

TEST_F(DialogTest, EveryComponentIsPlacedAsDesigned) {
    TFImport& dlg = Open();
    constexpr TAnchors kTopRight = akTop | akRight;
    constexpr TAnchors kBottomRight = akRight | akBottom;
    const Placed table[] = {
        {u"pnlHead", nullptr, {0, 0, 577, 65}, kDefaultAnchors, u"", 0, true},
        {u"imgDevice", u"pnlHead", {12, 12, 32, 32}, kDefaultAnchors, u"", 0, true},
        {u"lblDev",
         u"pnlHead",
         {471, 6, 240, 24},
         kDefaultAnchors,
         u"MTP device import plugin",
         0,
         false},
        {u"memInfo", u"pnlHead", {54, 8, 515, 55}, akLeft | akTop | akRight, u"", 0, true},
        {u"stbar", nullptr, {0, 332, 577, 19}, kDefaultAnchors, u"", 1, true},
        {u"pnlMain", nullptr, {0, 65, 577, 267}, kDefaultAnchors, u"", 2, true},
        {u"lblDevID", u"pnlMain", {15, 14, 0, 0}, kDefaultAnchors, u"Device:", 0, true},
        {u"lblFileSel", u"pnlMain", {461, 27, 90, 11}, kTopRight, u"File auto selection", 0, true},
        {u"lblDeep", u"pnlMain", {441, 14, 0, 0}, kDefaultAnchors, u"0", 0, false},
        {u"spdConfig", u"pnlMain", {552, 2, 23, 22}, kTopRight, u"", 0, true},
        {u"gridFiles", u"pnlMain", {14, 27, 435, 223}, kAllAnchors, u"", 0, true},
        {u"btnOk", u"pnlMain", {462, 196, 102, 25}, kBottomRight, u"&Import", 1, true},
        {u"btnAbort", u"pnlMain", {462, 225, 102, 25}, kBottomRight, u"&Abort", 2, true},
        {u"rdb0", u"pnlMain", {462, 46, 100, 17}, kTopRight, u"Newest file", 3, true},
        {u"rdb1", u"pnlMain", {462, 66, 100, 17}, kTopRight, u"< 1 week", 4, true},
        {u"rdb2", u"pnlMain", {462, 86, 100, 17}, kTopRight, u"< 2 weeks", 5, true},
        {u"rdb3", u"pnlMain", {462, 106, 100, 17}, kTopRight, u"< 3 weeks", 6, true},
        {u"rdb4", u"pnlMain", {462, 126, 100, 17}, kTopRight, u"< 4 weeks", 7, true},
        {u"rdb5", u"pnlMain", {462, 146, 100, 17}, kTopRight, u"< 2 months", 9, true},
        {u"rdbAll", u"pnlMain", {462, 166, 100, 17}, kTopRight, u"All files", 8, true},
    };
    for (const Placed& p : table) {
        SCOPED_TRACE(Utf16ToUtf8(p.name));
        auto* c = dlg.Find<TControl>(p.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Parent(), p.parent ? dlg.Find<TControl>(p.parent) : &dlg);
        const TBounds& b = c->DesignBounds();
        if (p.bounds.Width == 0)
            EXPECT_EQ((TBounds{b.Left, b.Top, 0, 0}), p.bounds);
        else
            EXPECT_EQ(b, p.bounds);
        EXPECT_EQ(c->Anchors(), p.anchors);
        EXPECT_EQ(c->Caption(), p.caption);
        EXPECT_EQ(c->TabOrder(), p.tabOrder);
        EXPECT_EQ(c->Visible(), p.visible);
    }
    EXPECT_EQ(dlg.pnlHead.Align(), TAlign::alTop);
    EXPECT_EQ(dlg.stbar.Align(), TAlign::alBottom);
    EXPECT_EQ(dlg.pnlMain.Align(), TAlign::alClient);
    for (const auto* name : {u"tmStart", u"ApplicationEvents1", u"pmnuOptions", u"mnuMDepp",
                             u"mnuDoub", u"AdvFormStyler1"})
        EXPECT_NE(dlg.FindComponent(name), nullptr) << Utf16ToUtf8(name);
}

TEST_F(DialogTest, TheFormItsTextsAndItsNonVisualComponents) {
    TFImport& dlg = Open();
    EXPECT_EQ(dlg.Name(), u"FImport");
    EXPECT_EQ(dlg.Caption(), u"MTP Device Import");
    EXPECT_EQ(dlg.DesignClientWidth(), 577);
    EXPECT_EQ(dlg.DesignClientHeight(), 351);
    EXPECT_EQ(dlg.MinWidth(), 585);
    EXPECT_EQ(dlg.MinHeight(), 382);
    EXPECT_EQ(dlg.BorderStyle(), TBorderStyle::bsSizeable);
    EXPECT_EQ(dlg.BorderIcons(), unsigned(biSystemMenu | biMaximize | biHelp));
    EXPECT_EQ(dlg.Position(), TPosition::poDefaultPosOnly);
    EXPECT_TRUE(dlg.KeyPreview());
    EXPECT_EQ(dlg.Font(), (TFont{u"Tahoma", 11, 8, false}));
    for (const TControl* c :
         {static_cast<const TControl*>(&dlg), static_cast<const TControl*>(&dlg.pnlHead),
          static_cast<const TControl*>(&dlg.pnlMain), static_cast<const TControl*>(&dlg.gridFiles)})
        EXPECT_TRUE(c->DoubleBuffered()) << Utf16ToUtf8(c->Name());

    EXPECT_THAT(
        dlg.memInfo.Lines(),
        ElementsAre(u"This import plugin should be able to import *.fit activities on MTP "
                    u"based devices like Wahoo ELEMNT bike ",
                    u"computers and GARMIN sport and outdoor watches that support music "
                    u"functions. ",
                    u"NOTE: At the moment this plugin hasn't been tested by me because I do "
                    u"not own any of these computers, ",
                    u"just implemented on spec (based on the Windows WPD framework "
                    u"documentation)!"));
    EXPECT_EQ(dlg.memInfo.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_FALSE(dlg.memInfo.WordWrap());
    EXPECT_FALSE(dlg.memInfo.ReadOnly());
    EXPECT_EQ(dlg.imgDevice.Picture().ResourceName, u"DEVICON");
    EXPECT_TRUE(dlg.imgDevice.Transparent());
    EXPECT_EQ(dlg.lblDev.Font(), (TFont{u"MS Sans Serif", 19, 14, true}));
    EXPECT_TRUE(dlg.lblFileSel.Font().Bold);
    EXPECT_EQ(dlg.lblFileSel.Font().Height, 9);
    EXPECT_EQ(dlg.lblDeep.Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(dlg.pnlHead.Color(), clWhite);
    EXPECT_EQ(dlg.pnlHead.BevelOuter(), TBevel::bvNone);
    EXPECT_EQ(dlg.pnlMain.BevelOuter(), TBevel::bvNone);
    EXPECT_EQ(dlg.pnlMain.Gradient(), (TGradient{Rgb(218, 234, 253), Rgb(136, 174, 228), true}));
    EXPECT_TRUE(dlg.spdConfig.Flat());
    EXPECT_EQ(dlg.spdConfig.Glyph().Width, 16);
    EXPECT_EQ(dlg.spdConfig.Glyph().Height, 16);
    EXPECT_TRUE(dlg.btnOk.Default());
    EXPECT_TRUE(dlg.btnAbort.Cancel());
    EXPECT_EQ(dlg.btnAbort.ModalResult(), mrCancel);
    EXPECT_TRUE(dlg.rdb0.Checked());

    const int widths[] = {120, 160, 50};
    const TPanelStyle styles[] = {TPanelStyle::psText, TPanelStyle::psProgress,
                                  TPanelStyle::psText};
    ASSERT_EQ(dlg.stbar.PanelCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dlg.stbar.Panels(i).Width(), widths[i]);
        EXPECT_EQ(dlg.stbar.Panels(i).Style(), styles[i]);
    }
    EXPECT_EQ(dlg.stbar.Panels(2).Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(dlg.stbar.Panels(1).ProgressMin(), 0);

    EXPECT_EQ(dlg.tmStart.Interval(), 100u);
    EXPECT_FALSE(dlg.tmStart.Enabled());
    ASSERT_EQ(dlg.pmnuOptions.Items().size(), 2u);
    EXPECT_EQ(dlg.pmnuOptions.Items()[0], &dlg.mnuMDepp);
    EXPECT_EQ(dlg.mnuMDepp.Caption(), u"Max");
    EXPECT_EQ(dlg.mnuDoub.Caption(), u"No doublettes");
    EXPECT_TRUE(dlg.mnuDoub.Checked());
}

TEST_F(DialogTest, TheGridIsSetUpForItsSixColumns) {
    const TStringGrid& grid = Open().gridFiles;
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.FixedRows(), 1);
    const TGridLook& look = grid.Look();
    EXPECT_TRUE(look.RowSelect && look.RangeSelect && look.GridLines && look.ScrollBars);
    EXPECT_FALSE(look.Flat);
    EXPECT_TRUE(look.StretchLastColumn && look.ActiveCellBold && look.HeaderBold);
    EXPECT_EQ(look.HeaderHeight, 22);
    EXPECT_TRUE(grid.SortSettings().Show);
    EXPECT_TRUE(grid.SortSettings().ByHeaderClick);
    EXPECT_EQ(grid.Cell(4, 0), u"OName");
    EXPECT_TRUE(grid.IsHiddenColumn(4) && grid.IsHiddenColumn(5));
    EXPECT_EQ(grid.ColWidth(1), 90);
}

TEST_F(DialogTest, ResizingKeepsTheGridFillingAndTheControlsAtTheRightEdge) {
    Install();
    TFImport& dlg = Open();
    Run({ResizeWindow(785, 482),
         Do("grown",
            [&](HeadlessUi&) {
                EXPECT_EQ(dlg.gridFiles.BoundsRect(), (TBounds{14, 27, 635, 323}));
                EXPECT_EQ(dlg.btnOk.BoundsRect(), (TBounds{662, 296, 102, 25}));
                EXPECT_EQ(dlg.btnAbort.BoundsRect(), (TBounds{662, 325, 102, 25}));
                EXPECT_EQ(dlg.rdbAll.BoundsRect(), (TBounds{662, 166, 100, 17}));
                EXPECT_EQ(dlg.spdConfig.BoundsRect(), (TBounds{752, 2, 23, 22}));
                EXPECT_EQ(dlg.memInfo.BoundsRect(), (TBounds{54, 8, 715, 55}));
                EXPECT_EQ(dlg.stbar.BoundsRect(), (TBounds{0, 432, 777, 19}));
            }),
         ResizeWindow(100, 100),
         Do("never below the designed size",
            [&](HeadlessUi&) {
                EXPECT_EQ(dlg.Width(), 585);
                EXPECT_EQ(dlg.Height(), 382);
                EXPECT_EQ(dlg.gridFiles.BoundsRect(), (TBounds{14, 27, 435, 223}));
            }),
         PressKey(vkEscape)});
}

TEST_F(DialogTest, SetupStoresItsArgumentsAndOnlyTheModeChangesTheLook) {
    const TRect rect{10, 20, 610, 420};
    for (int mode = 0; mode < 17; ++mode) {
        dialog = std::make_unique<TFImport>();
        dialog->SetupDialog(static_cast<uint8_t>(mode), TLanguage::lgIta, rect, u"-silent", true);
        EXPECT_EQ(static_cast<int>(dialog->AdvFormStyler1.Style()), mode);
        EXPECT_EQ(dialog->Language(), TLanguage::lgIta);
        EXPECT_EQ(dialog->HostRect(), rect);
    }
    // A number beyond the styles keeps the designed one.
    dialog = std::make_unique<TFImport>();
    dialog->SetupDialog(200, TLanguage::lgEng, {}, u"", false);
    EXPECT_EQ(dialog->AdvFormStyler1.Style(), TTMSStyle::tsOffice2003Blue);
}

} // namespace
} // namespace mtp::testing
