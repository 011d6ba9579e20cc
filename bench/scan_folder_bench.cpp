// A full rescan of a generated device of about 20,000 objects (2,000 activity files among
// them) beside the bare walk of the same service calls, so the scan's own cost shows: the
// goal is that the dialog's work adds less than 10% to the walk. The scan is measured twice:
// on a minimal stand-in for the dialog, and in the real dialog on the headless toolkit (its
// start-timer rescan with the status texts, the grid filled and sorted and the automatic
// selection, plus creating and closing the dialog).
#include <benchmark/benchmark.h>

#include <time.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_images.h"
#include "common/text.h"
#include "device/container_object.h"
#include "device/device_list.h"
#include "device/device_service.h"
#include "device/enumerate_devices.h"
#include "device/scan_device.h"
#include "device/scan_folder.h"
#include "device/sim/image_writer.h"
#include "device/sim/sim_service.h"
#include "dialog/FormImport.h"
#include "dialog/scan_settings.h"
#include "plugin/plugin_state.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/headless/scenario.h"
#include "toolkit/label.h"
#include "toolkit/status_bar.h"
#include "toolkit/types.h"

namespace {

using namespace mtp;
namespace fs = std::filesystem;

constexpr int kActivityFiles = 2000;
constexpr int kOtherFolders = 18;
constexpr int kFilesPerOtherFolder = 999;

// The generated device set, written once per process and removed at exit.
class GeneratedDevice {
public:
    GeneratedDevice() {
        const fs::path device = folder_.Path() / "set" / "watch";
        WriteImageManifest(device, R"({"friendlyName": "Bench Watch",
                                       "date": "2024-03-01T06:00:00"})");
        for (int i = 0; i < kActivityFiles; ++i)
            WriteImageFile(device,
                           "Internal Storage/GARMIN/Activity/2024-" + std::to_string(i) + ".fit",
                           "FIT");
        for (int f = 0; f < kOtherFolders; ++f)
            for (int i = 0; i < kFilesPerOtherFolder; ++i)
                WriteImageFile(device,
                               "Internal Storage/GARMIN/Monitor/M" + std::to_string(f) + "/" +
                                   std::to_string(i) + ".FIT",
                               "FIT");
        service_ = std::make_shared<SimDeviceService>(folder_.Path() / "set");
        SetDeviceService(service_);
    }
    ~GeneratedDevice() { SetDeviceService(nullptr); }

    // A settings file of the benchmark's own for the dialog.
    std::u16string SettingsPath() const { return (folder_.Path() / "plugin.ini").u16string(); }

private:
    bench::BenchFolder folder_{"scan"};
    std::shared_ptr<SimDeviceService> service_;
};

const GeneratedDevice& Device() {
    static const GeneratedDevice device;
    return device;
}

// The dialog's side of the scan, as TFImport keeps it.
class BenchDialog : public TScanTarget {
public:
    BenchDialog() {
        for (int i = 0; i < 3; ++i)
            stbar.AddPanel();
    }
    void AddFoundFile(const TMyRec& rec) override { fMyList.Add(rec); }
    int32_t FoundFileCount() const override { return fMyList.Count(); }
    std::u16string& CurFolder() override { return fCurFolder; }
    int32_t& DeepCounter() override { return fdeepcounter; }
    bool& DateFound() override { return fDateFound; }
    void ShowFoundFileName(const std::u16string& name) override { stbar.Panels(0).SetText(name); }
    void ShowDeviceLabel(const std::u16string& caption) override { lblDevID.SetCaption(caption); }
    std::u16string DeviceName(int index) const override { return GetDevName(fDevList, index); }

    DeviceList fDevList;
    TMyList fMyList;
    std::u16string fCurFolder;
    int32_t fdeepcounter = 0;
    bool fDateFound = false;
    tk::TStatusBar stbar;
    tk::TLabel lblDevID;
};

// The same service calls as ScanFolder, without the dialog's work on them: no date texts
// parsed, no records made. Folders are entered by the same rules so the walks match.
void BareWalk(PortableDeviceContent& content, const std::u16string& parentId, int depth,
              int64_t& objects) {
    std::unique_ptr<PortableDeviceProperties> properties;
    if (content.Properties(properties) != S_OK)
        return;
    std::unique_ptr<EnumPortableDeviceObjectIDs> children;
    if (content.EnumObjects(0, parentId, nullptr, children) != S_OK)
        return;
    std::u16string id;
    std::uint32_t fetched = 0;
    while (children->Next(1, &id, fetched) == S_OK && fetched == 1) {
    }
    children->Reset();
    while (children->Next(1, &id, fetched) == S_OK && fetched == 1) {
        ++objects;
        std::unique_ptr<PortableDeviceKeyCollection> keys;
        properties->GetSupportedProperties(id, keys);
        std::unique_ptr<PortableDeviceValues> values;
        const HRESULT got = properties->GetValues(id, keys.get(), values);
        if ((got != S_OK && got != S_FALSE) || !values)
            continue;
        std::u16string name, size, created, modified;
        values->GetStringValue(WPD_OBJECT_ORIGINAL_FILE_NAME, name);
        values->GetStringValue(WPD_OBJECT_SIZE, size);
        values->GetStringValue(WPD_OBJECT_DATE_CREATED, created);
        values->GetStringValue(WPD_OBJECT_DATE_MODIFIED, modified);
        if (name.empty())
            name = id;
        if (IsContainerObject(values.get()) && depth < MaxDeep &&
            !IsSkippedFolderName(LowerAscii(name)))
            BareWalk(content, id, depth + 1, objects);
    }
}

int64_t RunBareWalk() {
    DeviceList devList;
    EnumerateDevices(devList, nullptr);
    int64_t objects = 0;
    for (int i = 0; i < static_cast<int>(devList.size()); ++i)
        ScanDevice(i, GetDevID(devList, i), true,
                   [&](int, const std::u16string&, PortableDeviceContent& content,
                       const std::u16string& root, bool) { BareWalk(content, root, 0, objects); });
    return objects;
}

int32_t RunRescan() {
    BenchDialog dialog;
    EnumerateDevices(dialog.fDevList, nullptr);
    for (int i = 0; i < static_cast<int>(dialog.fDevList.size()); ++i) {
        dialog.fdeepcounter = 0;
        ScanDevice(i, GetDevID(dialog.fDevList, i), true,
                   [&](int index, const std::u16string& id, PortableDeviceContent& content,
                       const std::u16string& root,
                       bool descend) { ScanFolder(dialog, index, id, content, root, descend); });
    }
    return dialog.fMyList.Count();
}

// The dialog's own rescan: created, set up, shown until its start timer has rescanned, closed
// with Escape. Answers the number of rows the grid was filled with.
int32_t RunDialogRescan() {
    tk::headless::HeadlessUi ui;
    ui.AddBitmapResource(u"DEVICON", tk::headless::PlaceholderBitmap(32, 32));
    PluginState.PluginIniFileName = Utf16ToUtf8(Device().SettingsPath());
    TFImport dialog;
    dialog.SetupDialog(0, TLanguage::lgEng, {}, u"", false);
    ui.Script({tk::headless::AdvanceClock(100), tk::headless::PressKey(tk::vkEscape)});
    dialog.ShowModal();
    return dialog.gridFiles.RowCount() - 1;
}

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_BareWalk(benchmark::State& state) {
    Device();
    int64_t objects = 0;
    for (auto _ : state)
        objects = RunBareWalk();
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["objects/s"] = benchmark::Counter(static_cast<double>(objects),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BareWalk)->Unit(benchmark::kMillisecond);

// Repeats one way of rescanning; the rate counts the objects the bare walk visits.
void MeasureRescan(benchmark::State& state, int32_t (*rescan)()) {
    Device();
    const int64_t objects = RunBareWalk();
    int32_t found = 0;
    for (auto _ : state)
        found = rescan();
    state.counters["found"] = found;
    state.counters["objects/s"] = benchmark::Counter(static_cast<double>(objects),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Rescan(benchmark::State& state) {
    MeasureRescan(state, RunRescan);
}
BENCHMARK(BM_Rescan)->Unit(benchmark::kMillisecond);

void BM_DialogRescan(benchmark::State& state) {
    MeasureRescan(state, RunDialogRescan);
}
BENCHMARK(BM_DialogRescan)->Unit(benchmark::kMillisecond);

// Both in turn within one run, so the two figures meet the same machine state: the CPU time
// the scan spends beyond the bare walk, per object and as a share of the walk.
void BM_RescanOverBareWalk(benchmark::State& state) {
    Device();
    double bare = 0, scan = 0, dialog = 0;
    int64_t objects = 0;
    for (auto _ : state) {
        double t0 = ThreadCpuSeconds();
        objects = RunBareWalk();
        double t1 = ThreadCpuSeconds();
        benchmark::DoNotOptimize(RunRescan());
        double t2 = ThreadCpuSeconds();
        benchmark::DoNotOptimize(RunDialogRescan());
        double t3 = ThreadCpuSeconds();
        bare += t1 - t0;
        scan += t2 - t1;
        dialog += t3 - t2;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["bare_us_per_object"] = bare / runs / static_cast<double>(objects) * 1e6;
    state.counters["scan_us_per_object"] = scan / runs / static_cast<double>(objects) * 1e6;
    state.counters["dialog_us_per_object"] =
        (scan - bare) / runs / static_cast<double>(objects) * 1e6;
    state.counters["overhead_pct"] = (scan - bare) / bare * 100.0;
    state.counters["whole_dialog_overhead_pct"] = (dialog - bare) / bare * 100.0;
}
BENCHMARK(BM_RescanOverBareWalk)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
