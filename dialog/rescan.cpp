// The rescan: discovery of the attached devices, the scan of each one for activity files,
// the grid and the automatic selection.
#include "common/text.h"
#include "device/device_list.h"
#include "device/enumerate_devices.h"
#include "device/scan_device.h"
#include "device/scan_folder.h"
#include "dialog/FormImport.h"
#include "dialog/dialog_texts.h"
#include "dialog/file_grid.h"

namespace mtp {

namespace texts = dialog_texts;
using namespace tk;

namespace {

constexpr int kFilePanel = 0;
constexpr int kProgressPanel = 1;
constexpr int kStagePanel = 2;

// The hourglass for the length of a rescan, the default cursor again however it ends.
class HourGlass {
public:
    HourGlass() { Screen().SetCursor(crHourGlass); }
    ~HourGlass() { Screen().SetCursor(crDefault); }
    HourGlass(const HourGlass&) = delete;
    HourGlass& operator=(const HourGlass&) = delete;
};

} // namespace

// The dialog's fields, label and status bar as the scan of one device sees them.
class TFImport::TScanHook : public TScanTarget {
public:
    explicit TScanHook(TFImport& dialog) : d_(dialog) {}

    void AddFoundFile(const TMyRec& rec) override { d_.fMyList->Add(rec); }
    int32_t FoundFileCount() const override { return d_.fMyList->Count(); }
    std::u16string& CurFolder() override { return d_.fCurFolder; }
    int32_t& DeepCounter() override { return d_.fdeepcounter; }
    bool& DateFound() override { return d_.fDateFound; }
    void ShowFoundFileName(const std::u16string& name) override {
        d_.stbar.Panels(kFilePanel).SetText(name);
    }
    void ShowDeviceLabel(const std::u16string& caption) override {
        d_.lblDevID.SetCaption(caption);
    }
    std::u16string DeviceName(int deviceIndex) const override {
        return GetDevName(*d_.fDevList, deviceIndex);
    }

private:
    TFImport& d_;
};

void TFImport::SetStage(std::u16string_view text) {
    stbar.Panels(kStagePanel).SetText(std::u16string(text));
}

void TFImport::DeferRescan() {
    // Timer messages wait until the running loop has handed control back to the modal loop;
    // however many requests came meanwhile, the timer fires once.
    tmStart.SetEnabled(true);
}

void TFImport::RescanDevices() {
    if (fWorkRunning) {
        DeferRescan();
        return;
    }
    TWorkScope work(fWorkRunning);
    fcounter = 0;
    fLocalNames.RestartCount();
    fDateFound = false;
    fMyList->Clear();
    fDevList->clear();
    lblDevID.SetCaption(FormatS(texts::kDeviceFormat, texts::kNoDevice));
    {
        HourGlass wait;
        EnumerateDevices(*fDevList, [this](const std::u16string& text) { SetStage(text); });
        if (!fDevList->empty())
            lblDevID.SetCaption(FormatS(texts::kDeviceFormat, GetDevName(*fDevList, 0)));
        EnumerateFiles();
        SetStage(texts::kStageDone);
    }
    FInitialized = true;
}

void TFImport::EnumerateFiles() {
    SetStage(texts::kStageEnumerateFiles);
    TStatusPanel& progress = stbar.Panels(kProgressPanel);
    const int devices = static_cast<int>(fDevList->size());
    progress.SetProgressMax(devices);
    for (int index = 0; index < devices; ++index) {
        fdeepcounter = 0;
        const std::u16string deviceId = GetDevID(*fDevList, index);
        const std::u16string name = GetDevName(*fDevList, index);
        progress.SetProgressPosition(index);
        Application().ProcessPaintMessages();
        if (!deviceId.empty() && !IsDriveRoot(name))
            ScanOneDevice(index, deviceId);
    }
    progress.SetProgressPosition(0);
    stbar.Panels(kFilePanel).SetText(FormatD(texts::kFilesFormat, fMyList->Count()));
    Application().ProcessPaintMessages();
    // No device gave a date: the devices' own texts say more than the scan times would.
    if (!fDateFound && !fDateStringMode) {
        fDateStringMode = true;
        SetDateTextColumnWidths();
    }
    FillGrid();
    AutoSelectFiles();
}

void TFImport::ScanOneDevice(int index, const std::u16string& deviceId) {
    TScanHook hook(*this);
    ScanDevice(index, deviceId, true,
               [&hook](int deviceIndex, const std::u16string& id, PortableDeviceContent& content,
                       const std::u16string& parentId, bool descend) {
                   ScanFolder(hook, deviceIndex, id, content, parentId, descend);
               });
}

void TFImport::FillGrid() {
    mtp::FillGrid(gridFiles, *fMyList, fDateStringMode);
}

} // namespace mtp
