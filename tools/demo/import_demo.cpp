// A whole import, natively: plays the host against the plug-in's import run with the import
// dialog on the headless toolkit and the simulated device service over a set of device images.
// The scripted user waits for the scan, chooses "All files" and presses "&Import"; the run
// then packs the copied files into Connect.zip in the target folder.
//
//   import_demo <device set folder> <target folder>
//
// Prints what the dialog shows at each step and what the run answers; exits with 1 when no
// archive was written.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "common/file_system.h"
#include "common/text.h"
#include "device/device_service.h"
#include "device/sim/sim_service.h"
#include "dialog/FormImport.h"
#include "dialog/import_run_binding.h"
#include "plugin/plugin_state.h"
#include "plugin/uExportFunctions.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/headless/scenario.h"

namespace {

using namespace mtp;
using namespace mtp::tk::headless;
namespace fs = std::filesystem;

std::string U8(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

TFImport& Dialog() {
    return *PluginState.ImportDialog;
}

// The grid's visible columns, a "*" before each selected row.
void PrintGrid() {
    const tk::TStringGrid& grid = Dialog().gridFiles;
    const tk::TGridRect selection = grid.Selection();
    for (int row = 0; row < grid.RowCount(); ++row) {
        const char* mark = row > 0 && selection.ContainsRow(row) ? "*" : " ";
        std::printf("  %s %-46s %-20s %6s\n", mark, U8(grid.Cell(0, row)).c_str(),
                    U8(grid.Cell(1, row)).c_str(), U8(grid.Cell(2, row)).c_str());
    }
}

void PrintStatus() {
    const tk::TStatusBar& stbar = Dialog().stbar;
    std::printf("  status bar: \"%s\" | progress %d | \"%s\"\n", U8(stbar.Panels(0).Text()).c_str(),
                stbar.Panels(1).ProgressPosition(), U8(stbar.Panels(2).Text()).c_str());
}

int SelectedRows() {
    const tk::TGridRect selection = Dialog().gridFiles.Selection();
    return selection.Empty() ? 0 : selection.Bottom - selection.Top + 1;
}

// The host's configuration calls, as Corvanta Pro makes them before an import.
void ConfigureAsHost(const std::string& target) {
    SetCorvantaVersion(760);
    SetIniFile((target + "/Corvanta.ini").c_str());
    SetPluginIniFile((target + "/MTPDeviceImport.ini").c_str());
    SetUserName("Demo");
    Initialize(target.c_str());
}

int RunDemo(const fs::path& deviceSet, const fs::path& target) {
    fs::create_directories(target);
    const std::string targetText = fs::absolute(target).string();
    const std::u16string archive = JoinPath(Utf8ToUtf16(targetText), u"Connect.zip");
    fs::remove(fs::path(archive));

    HeadlessUi ui;
    ui.AddBitmapResource(u"DEVICON", PlaceholderBitmap(32, 32));
    SetDeviceService(std::make_shared<SimDeviceService>(deviceSet));
    TFImportRunBinding binding;
    ConfigureAsHost(targetText);

    std::printf("Import from the device images in %s into %s\n\n", deviceSet.string().c_str(),
                targetText.c_str());
    ui.Script({
        Do("shown",
           [](HeadlessUi&) {
               std::printf("The dialog \"%s\" is shown; its scan starts 100 ms later.\n",
                           U8(Dialog().Caption()).c_str());
           }),
        AdvanceClock(100),
        Do("scanned",
           [](HeadlessUi&) {
               std::printf("\nAfter the scan, the devices attached:\n");
               for (const auto& entry : *Dialog().DeviceList())
                   std::printf("    %s\n", U8(entry).c_str());
               std::printf("  device label: \"%s\"\n", U8(Dialog().lblDevID.Caption()).c_str());
               PrintStatus();
               std::printf("  the files found, %d preselected (\"Newest file\"):\n",
                           SelectedRows());
               PrintGrid();
           }),
        Click(u"rdbAll"),
        Do("all chosen",
           [](HeadlessUi&) {
               std::printf("\nChose \"All files\": %d rows selected. Pressing \"&Import\".\n",
                           SelectedRows());
           }),
        Click(u"btnOk"),
    });

    const int32_t count =
        CallImportDialog(0x10001, 100, 100, 740, 580, 0, 0, targetText.c_str(), 0);

    for (const auto& box : ui.MessageBoxes())
        std::printf("message box \"%s\": %s\n", U8(box.Caption).c_str(), U8(box.Text).c_str());
    std::printf("\nCallImportDialog answered %d.\n", count);
    std::printf("Working folder %s: %s\n", U8(PluginState.WorkFolder).c_str(),
                DirectoryExists(PluginState.WorkFolder) ? "still there" : "removed");
    if (!fs::exists(fs::path(archive))) {
        std::printf("No archive was written.\n");
        return 1;
    }
    std::printf("Archive: %s, %ju bytes\n", U8(archive).c_str(),
                static_cast<uintmax_t>(fs::file_size(fs::path(archive))));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: import_demo <device set folder> <target folder>\n");
        return 2;
    }
    try {
        return RunDemo(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "import_demo: %s\n", e.what());
        return 1;
    }
}
