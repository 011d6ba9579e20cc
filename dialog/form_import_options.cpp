// Set-up, settings and the options menu behind the tool button.
#include "common/ansi_text.h"
#include "common/text.h"
#include "dialog/FormImport.h"
#include "dialog/dialog_texts.h"
#include "dialog/file_grid.h"
#include "dialog/scan_settings.h"
#include "dialog/settings.h"
#include "plugin/plugin_state.h"
#include "toolkit/dialogs.h"

namespace mtp {

namespace texts = dialog_texts;
using namespace tk;

void TFImport::SetupDialog(uint8_t mode, TLanguage lang, TRect TR,
                           const std::u16string& /*aParams*/, bool /*aSilent*/) {
    flang = lang;
    fRect = TR;
    LoadSettings();
    if (fDateStringMode)
        SetDateTextColumnWidths();
    // A number beyond the 17 styles keeps the designed style rather than naming none.
    if (mode < kStyleCount)
        AdvFormStyler1.SetStyle(static_cast<TTMSStyle>(mode));
}

void TFImport::LoadSettings() {
    fDateStringMode = LoadDialogSettings(AnsiToUtf16(PluginState.PluginIniFileName));
}

void TFImport::SaveSettings() {
    SaveDialogSettings(AnsiToUtf16(PluginState.PluginIniFileName), fDateStringMode);
}

void TFImport::SetDateTextColumnWidths() {
    mtp::SetDateTextColumnWidths(gridFiles);
}

void TFImport::spdConfigClick() {
    // The menu opens at the button's lower-left corner, wherever the window is now.
    const TPoint corner =
        pnlMain.ClientToScreen({spdConfig.Left(), spdConfig.Top() + spdConfig.Height()});
    pmnuOptions.Popup(corner.X, corner.Y);
}

void TFImport::pmnuOptionsPopup() {
    mnuMDepp.SetCaption(FormatD(texts::kDepthItemFormat, MaxDeep));
    mnuDoub.SetChecked(NoDoublettes);
}

void TFImport::mnuMDeppClick() {
    std::u16string text = ToText(MaxDeep);
    int32_t depth = MaxDeep;
    if (InputQuery(std::u16string(texts::kDepthPromptCaption),
                   std::u16string(texts::kDepthPromptText), text))
        depth = DepthFromPrompt(text, MaxDeep);
    if (depth == MaxDeep)
        return;
    MaxDeep = depth;
    RescanDevices();
}

void TFImport::mnuDoubClick() {
    NoDoublettes = !NoDoublettes;
    RescanDevices();
}

} // namespace mtp
