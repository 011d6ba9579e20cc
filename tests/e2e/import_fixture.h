// A whole import as the host starts it: CallImportDialog with TFImport on the headless toolkit
// (TFImportRunBinding), the simulated devices of the dialog fixture, the system's temporary
// folder and the target folder the test's own, and the plug-in's messages captured.
#pragma once

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "common/file_system.h"
#include "common/text.h"
#include "dialog/import_run_binding.h"
#include "plugin/uExportFunctions.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/plugin/message_capture.h"
#include "tests/support/independent_zip_reader.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_temp_folder.h"

namespace mtp::testing {

// The host's window during the run.
inline constexpr std::uintptr_t kHostWindow = 0x4242;

// The scan that the start timer runs 100 ms after the dialog is shown.
inline Step Scan() {
    return AdvanceClock(100);
}

// The "objects" field of a manifest that gives each activity file of Watch() its own date
// (local, as 2024-03-01T06:00:00) and further fields ("size": ..., text as JSON).
struct ActivityOverride {
    std::string name, date, more = {};
};
inline std::string ActivityOverrides(const std::vector<ActivityOverride>& files) {
    std::string json = "\"objects\": {";
    for (const auto& f : files) {
        if (&f != &files.front())
            json += ", ";
        json += "\"Internal Storage/GARMIN/Activity/" + f.name + "\": {\"date\": \"" + f.date +
                "\"" + (f.more.empty() ? "" : ", " + f.more) + "}";
    }
    return json + "}";
}

// Seconds since 1970 of a UTC date-time: the tests run in UTC, so a device's local date.
inline int64_t UtcSeconds(int y, unsigned m, unsigned d, int hh, int mm, int ss) {
    using namespace std::chrono;
    const auto day = sys_days{year{y} / month{m} / std::chrono::day{d}};
    return duration_cast<seconds>(day.time_since_epoch()).count() + hh * 3600 + mm * 60 + ss;
}

class ImportEndToEnd : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        PluginState.HostVersion = 760;
        SetSystemTempFolder(temp.Path());
    }
    void TearDown() override {
        SetSystemTempFolder(savedTemp);
        DialogTest::TearDown();
    }

    // Runs the import while the dialog plays `steps`; answers what the host gets.
    int32_t Import(std::vector<Step> steps, const std::u16string& targetFolder) {
        ui.Script(std::move(steps));
        return CallImportDialog(kHostWindow, 10, 20, 650, 500, 0, 0,
                                Utf16ToUtf8(targetFolder).c_str(), 0);
    }
    int32_t Import(std::vector<Step> steps) { return Import(std::move(steps), target.Path()); }

    // The dialog the run shows, while it is shown.
    static TFImport& Shown() { return *PluginState.ImportDialog; }

    std::u16string WorkFolder() const { return temp / u"CorvantaSync"; }
    std::u16string Archive() const { return target / u"Connect.zip"; }

    // The names in a folder, sorted.
    static std::vector<std::u16string> Names(const std::u16string& folder) {
        std::vector<std::u16string> names;
        for (const auto& entry : std::filesystem::directory_iterator(FsPath(folder)))
            names.push_back(entry.path().filename().u16string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The archive as independent readers see it; natively only (none under Wine).
    std::optional<ReadArchive> ReadBack() const {
        if (!IndependentZipReader::Available())
            return std::nullopt;
        return IndependentZipReader::Read(Utf16ToUtf8(Archive()));
    }

    std::u16string savedTemp = SystemTempPath();
    ScratchFolder temp;
    ScratchFolder target;
    TFImportRunBinding binding;
    test::MessageCapture messages;
};

} // namespace mtp::testing
