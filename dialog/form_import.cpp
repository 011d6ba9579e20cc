// The form as designed: every component with its name, text, place, size and anchors, and
// the handlers bound to their events.
#include <iterator>

#include "dialog/FormImport.h"
#include "dialog/dialog_texts.h"
#include "dialog/options_glyph.h"

namespace mtp {

namespace texts = dialog_texts;
using namespace tk;

TFImport::TFImport() : TForm(u"FImport") {
    SetCaption(std::u16string(texts::kCaption));
    SetClientSize(577, 351);
    SetMinSize(585, 382); // the designed outer size: the window grows but does not shrink
    SetBorderStyle(TBorderStyle::bsSizeable);
    SetBorderIcons(biSystemMenu | biMaximize | biHelp);
    SetPosition(TPosition::poDefaultPosOnly);
    SetKeyPreview(true);
    AdvFormStyler1.SetStyle(TTMSStyle::tsOffice2003Blue);
    DeclareHead();
    DeclareStatusBar();
    DeclareMain();
    DeclareSelection();
    tmStart.SetInterval(100);
    tmStart.SetEnabled(false);
    mnuMDepp.SetCaption(std::u16string(texts::kDepthItemCaption));
    mnuDoub.SetCaption(std::u16string(texts::kDoublettesItemCaption));
    mnuDoub.SetChecked(true);
    pmnuOptions.AddItem(mnuMDepp);
    pmnuOptions.AddItem(mnuDoub);
    BindHandlers();
    DoCreate();
}

TFImport::~TFImport() = default;

void TFImport::DeclareHead() {
    pnlHead.SetAlign(TAlign::alTop);
    pnlHead.SetBounds(0, 0, 577, 65);
    pnlHead.SetColor(clWhite);
    pnlHead.SetBevelOuter(TBevel::bvNone);
    pnlHead.SetTabOrder(0);

    imgDevice.SetBounds(12, 12, 32, 32);
    imgDevice.SetTransparent(true);

    lblDev.SetBounds(471, 6, 240, 24);
    lblDev.SetCaption(u"MTP device import plugin");
    lblDev.SetFont({u"MS Sans Serif", 19, 14, true});
    lblDev.SetVisible(false);

    memInfo.SetBounds(54, 8, 515, 55);
    memInfo.SetAnchors(akLeft | akTop | akRight);
    memInfo.SetBorderStyle(TBorderStyle::bsNone);
    memInfo.SetWordWrap(false);
    memInfo.SetReadOnly(false);
    memInfo.SetTabOrder(0);
    memInfo.SetLines({std::begin(texts::kInfoLines), std::end(texts::kInfoLines)});
}

void TFImport::DeclareStatusBar() {
    stbar.SetAlign(TAlign::alBottom);
    stbar.SetBounds(0, 332, 577, 19);
    stbar.SetTabOrder(1);
    TStatusPanel& file = stbar.AddPanel();
    file.SetWidth(120);
    file.SetAlignment(TAlignment::taLeftJustify);
    TStatusPanel& progress = stbar.AddPanel();
    progress.SetWidth(160);
    progress.SetStyle(TPanelStyle::psProgress);
    progress.SetProgressMin(0);
    progress.SetShowPercentage(true);
    TStatusPanel& stage = stbar.AddPanel();
    stage.SetWidth(50);
    stage.SetAlignment(TAlignment::taRightJustify);
}

void TFImport::DeclareMain() {
    pnlMain.SetAlign(TAlign::alClient);
    pnlMain.SetBounds(0, 65, 577, 267);
    pnlMain.SetBevelOuter(TBevel::bvNone);
    pnlMain.SetGradient({Rgb(218, 234, 253), Rgb(136, 174, 228), true});
    pnlMain.SetTabOrder(2);

    lblDevID.SetLeft(15);
    lblDevID.SetTop(14);
    lblDevID.SetCaption(std::u16string(texts::kDeviceLabel));

    lblDeep.SetLeft(441);
    lblDeep.SetTop(14);
    lblDeep.SetCaption(u"0");
    lblDeep.SetAlignment(TAlignment::taRightJustify);
    lblDeep.SetVisible(false);

    spdConfig.SetBounds(552, 2, 23, 22);
    spdConfig.SetAnchors(akTop | akRight);
    spdConfig.SetFlat(true);
    spdConfig.SetGlyph(OptionsGlyph());

    gridFiles.SetBounds(14, 27, 435, 223);
    gridFiles.SetAnchors(kAllAnchors);
    gridFiles.SetTabOrder(0);
    gridFiles.SetColCount(6);
    gridFiles.SetFixedRows(1);
    TGridLook look;
    look.RowSelect = true;
    look.RangeSelect = true;
    look.GridLines = true;
    look.ScrollBars = true;
    look.HeaderHeight = 22;
    look.HeaderBold = true;
    look.StretchLastColumn = true;
    look.ActiveCellBold = true;
    gridFiles.SetLook(look);
    gridFiles.SetSortSettings({0, TSortDirection::sdAscending, true, true});

    btnOk.SetBounds(462, 196, 102, 25);
    btnOk.SetAnchors(akRight | akBottom);
    btnOk.SetCaption(u"&Import");
    btnOk.SetDefault(true);
    btnOk.SetTabOrder(1);

    btnAbort.SetBounds(462, 225, 102, 25);
    btnAbort.SetAnchors(akRight | akBottom);
    btnAbort.SetCaption(u"&Abort");
    btnAbort.SetCancel(true);
    btnAbort.SetModalResult(mrCancel);
    btnAbort.SetTabOrder(2);
}

void TFImport::DeclareSelection() {
    lblFileSel.SetBounds(461, 27, 90, 11);
    lblFileSel.SetAnchors(akTop | akRight);
    lblFileSel.SetCaption(u"File auto selection");
    lblFileSel.SetFont({u"Tahoma", 9, 7, true});
    lblFileSel.SetTransparent(true);

    struct Radio {
        TRadioButton& button;
        const char16_t* caption;
        int top, tabOrder;
    };
    const Radio radios[] = {
        {rdb0, u"Newest file", 46, 3},  {rdb1, u"< 1 week", 66, 4},   {rdb2, u"< 2 weeks", 86, 5},
        {rdb3, u"< 3 weeks", 106, 6},   {rdb4, u"< 4 weeks", 126, 7}, {rdb5, u"< 2 months", 146, 9},
        {rdbAll, u"All files", 166, 8},
    };
    for (const Radio& r : radios) {
        r.button.SetBounds(462, r.top, 100, 17);
        r.button.SetAnchors(akTop | akRight);
        r.button.SetCaption(r.caption);
        r.button.SetTabOrder(r.tabOrder);
        r.button.OnClick = [this] { rdb0Click(); };
    }
    rdb0.SetChecked(true);
}

void TFImport::BindHandlers() {
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](TCloseAction& action) { FormClose(action); };
    OnKeyDown = [this](uint16_t& key, TShiftState shift) { FormKeyDown(key, shift); };
    SetMessageHandler(kWmDeviceChange, [this](TMessage& m) { WMDeviceChange(m); });
    tmStart.OnTimer = [this] { tmStartTimer(); };
    ApplicationEvents1.OnIdle = [this](bool& done) { ApplicationEvents1Idle(done); };
    gridFiles.OnClickCell = [this](int col, int row) { gridFilesClickCell(col, row); };
    gridFiles.OnDblClick = [this] { gridFilesDblClick(); };
    btnOk.OnClick = [this] { btnOkClick(); };
    spdConfig.OnClick = [this] { spdConfigClick(); };
    pmnuOptions.OnPopup = [this] { pmnuOptionsPopup(); };
    mnuMDepp.OnClick = [this] { mnuMDeppClick(); };
    mnuDoub.OnClick = [this] { mnuDoubClick(); };
}

} // namespace mtp
