// The import dialog on the headless toolkit and simulated devices: a fixed clock and locale,
// a settings file and a working folder of the test's own, the DEVICON resource, and helpers
// that read what the dialog shows.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/datetime.h"
#include "common/locale_formats.h"
#include "common/text.h"
#include "dialog/FormImport.h"
#include "dialog/scan_settings.h"
#include "plugin/plugin_state.h"
#include "tests/device/sim_fixture.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/headless/scenario.h"

namespace mtp::testing {

using namespace mtp::tk;
using namespace mtp::tk::headless;

// "Now" in every dialog test: Friday 15 March 2024, 12:00.
inline TDateTime TestNow() {
    return EncodeDateTime({2024, 3, 15, 12, 0, 0, 0});
}

// The identifier of the test device in a folder: \\?\usb#<folder>.
inline std::u16string DevId(const std::string& folder) {
    return u"\\\\?\\usb#" + U16(folder);
}

// A device manifest: identifier, friendly name (JSON text), the date of every object without
// its own, and further fields.
inline std::string Manifest(const std::string& folder, const std::string& friendlyName,
                            const std::string& extra = {},
                            const std::string& date = "2024-03-01T06:00:00") {
    std::string json = "{\"id\": \"\\\\\\\\?\\\\usb#" + folder + "\", \"friendlyName\": \"" +
                       friendlyName + "\", \"date\": \"" + date + "\"";
    if (!extra.empty())
        json += ", " + extra;
    return json + "}";
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui.AddBitmapResource(u"DEVICON", PlaceholderBitmap(32, 32));
        SetClockForTesting(TestNow);
        SetCurrentLocale(DottedDayFirstLocale());
        iniPath = (devices.Scratch() / "plugin.ini").u16string();
        workFolder = (devices.Scratch() / "work").u16string();
        std::filesystem::create_directories(std::filesystem::path(workFolder));
        PluginState.PluginIniFileName = Utf16ToUtf8(iniPath);
        PluginState.WorkFolder = workFolder;
        MaxDeep = 255;
        NoDoublettes = true;
    }
    void TearDown() override {
        dialog.reset();
        PluginState = {};
        MaxDeep = 255;
        NoDoublettes = true;
        SetClockForTesting(nullptr);
    }

    // A device with a Garmin layout: each name becomes a file in GARMIN/Activity.
    void Watch(const std::string& folder, const std::string& name,
               const std::vector<std::string>& activities, const std::string& extra = {},
               const std::string& date = "2024-03-01T06:00:00") {
        devices.Device(folder, Manifest(folder, name, extra, date));
        devices.Folder(folder, "Internal Storage/GARMIN/Activity");
        for (const auto& file : activities)
            devices.File(folder, "Internal Storage/GARMIN/Activity/" + file, "FIT" + file);
    }

    SimDeviceService& Install() {
        service = &devices.Install();
        return *service;
    }

    // Creates the dialog and sets it up as the run does.
    TFImport& Open(uint8_t mode = 0) {
        dialog = std::make_unique<TFImport>();
        dialog->SetupDialog(mode, TLanguage::lgEng, {}, u"", false);
        return *dialog;
    }
    // Shows it modally through the scripted steps; answers the modal result.
    int Run(std::vector<Step> steps) {
        ui.Script(std::move(steps));
        return dialog->ShowModal();
    }

    // What the dialog shows.
    std::u16string Panel(int index) const { return dialog->stbar.Panels(index).Text(); }
    std::vector<std::u16string> GridColumn(int col) const {
        std::vector<std::u16string> out;
        for (int row = 1; row < dialog->gridFiles.RowCount(); ++row)
            out.push_back(dialog->gridFiles.Cell(col, row));
        return out;
    }
    // How many rescans ran: each one shows the hourglass once.
    int Rescans() const {
        int n = 0;
        for (int cursor : ui.CursorHistory())
            n += cursor == crHourGlass;
        return n;
    }
    std::vector<std::u16string> MessageTexts() const {
        std::vector<std::u16string> out;
        for (const auto& box : ui.MessageBoxes())
            out.push_back(box.Text);
        return out;
    }
    std::string IniText() const {
        std::ifstream in(std::filesystem::path(iniPath), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    HeadlessUi ui;
    DeviceSetFixture devices;
    SimDeviceService* service = nullptr; // set by Install()
    std::u16string iniPath;
    std::u16string workFolder;
    std::unique_ptr<TFImport> dialog;
};

} // namespace mtp::testing
