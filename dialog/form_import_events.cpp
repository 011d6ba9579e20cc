// The dialog's life: creation, the start timer, device changes, the idle hook, the grid, the
// buttons and keys, and closing.
#include "dialog/FormImport.h"
#include "dialog/file_grid.h"

namespace mtp {

using namespace tk;

namespace {

// WM_DEVICECHANGE event codes that change the set of devices.
constexpr uintptr_t kDbtDevNodesChanged = 0x0007;
constexpr uintptr_t kDbtDeviceRemoveComplete = 0x8004;

} // namespace

void TFImport::FormCreate() {
    SetDoubleBuffered(true);
    pnlHead.SetDoubleBuffered(true);
    pnlMain.SetDoubleBuffered(true);
    gridFiles.SetDoubleBuffered(true);

    imgDevice.SetPicture(LoadBitmapResource(u"DEVICON"));

    fMyList = std::make_unique<TMyList>();
    fDevList = std::make_unique<std::vector<std::u16string>>();

    TGridLook look = gridFiles.Look();
    look.Flat = false;
    gridFiles.SetLook(look);
    SetupFileGridColumns(gridFiles);
}

void TFImport::FormShow() {
    tmStart.SetEnabled(true);
    Application().ProcessMessages(); // the window is drawn before the scan starts
}

void TFImport::tmStartTimer() {
    tmStart.SetEnabled(false);
    RescanDevices();
}

void TFImport::WMDeviceChange(TMessage& message) {
    message.Result = 1;
    if (message.WParam == kDbtDevNodesChanged || message.WParam == kDbtDeviceRemoveComplete)
        RescanDevices();
}

void TFImport::ApplicationEvents1Idle(bool& done) {
    Application().FixModalWindow(Handle());
    done = true;
}

void TFImport::gridFilesClickCell(int /*col*/, int /*row*/) {
    gridFiles.SetShowSelection(true);
}

void TFImport::gridFilesDblClick() {
    btnOkClick();
}

void TFImport::btnOkClick() {
    {
        TWorkScope work(fWorkRunning);
        CopySelectedFiles();
    }
    // A rescan that waited for the copy is dropped when the dialog closes (FormClose); after a
    // failed copy the dialog stays open and the rescan runs.
    SetModalResult(mrOk);
}

void TFImport::FormKeyDown(uint16_t& key, TShiftState /*shift*/) {
    if (key == vkEscape)
        SetModalResult(mrCancel);
}

void TFImport::FormClose(TCloseAction& /*action*/) {
    // A rescan still waiting for its turn has no dialog left to show in.
    tmStart.SetEnabled(false);
    try {
        SaveSettings();
    } catch (const std::exception& e) {
        // Reported once; the dialog closes all the same, or it could never be left while the
        // file stays unwritable.
        Application().HandleException(e);
    }
    fMyList.reset();
    fDevList.reset();
}

} // namespace mtp
