// The copy that "&Import" makes of 500 generated activity files (about 46 MB) from a simulated
// device into the working folder, beside a plain copy of the same files from disk to disk.
// BM_CopySelectedFiles is the dialog's whole copy: per file one device open and close, the
// stream read in 1,024-byte chunks, the local name and the file date. BM_CopyFromDeviceEach is
// the transfer alone, BM_PlainFileCopy std::filesystem::copy_file. MB_per_s is the throughput
// in megabytes (10^6 bytes) per second; the ratios are printed at the end.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "activity_files.h"
#include "bench_images.h"
#include "common/datetime.h"
#include "common/text.h"
#include "device/copy_from_device.h"
#include "device/device_service.h"
#include "device/sim/image_writer.h"
#include "device/sim/sim_service.h"
#include "dialog/copy_selected_files.h"
#include "dialog/my_list.h"
#include "remembering_reporter.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/status_bar.h"
#include "toolkit/string_grid.h"

namespace {

using namespace mtp;
namespace fs = std::filesystem;

constexpr int kFiles = 500;
const std::u16string kDevice = u"\\\\?\\usb#bench-watch";
constexpr const char* kActivityFolder = "Internal Storage/GARMIN/Activity";

// The device with the rides, the dialog's grid and list as a scan leaves them with every row
// selected, and the folders the copies go to.
struct Setup {
    bench::BenchFolder folder{"import-copy"};
    fs::path sourceFolder; // the rides on disk, inside the device image
    fs::path workFolder = folder.Path() / "CorvantaSync";
    fs::path plainFolder = folder.Path() / "plain";
    std::vector<std::string> names;
    std::vector<std::u16string> objectIds;
    uint64_t bytes = 0;

    tk::headless::HeadlessUi ui; // the paint pump of the copy loop
    tk::TStringGrid grid;
    tk::TStatusBar stbar;
    TMyList list;

    Setup() {
        const fs::path device = folder.Path() / "set" / "watch";
        std::string objects;
        grid.SetColCount(6);
        grid.SetRowCount(kFiles + 1);
        for (int i = 0; i < kFiles; ++i) {
            const std::string ride = bench::ActivityFile(0xc0b1 + i);
            const std::string path =
                std::string(kActivityFolder) + "/" + bench::ActivityFileName(i);
            WriteImageFile(device, path, ride);
            bytes += ride.size();
            names.push_back(bench::ActivityFileName(i));
            objectIds.push_back(U16("ride" + std::to_string(i)));
            objects +=
                (i ? ", \"" : "\"") + path + "\": {\"id\": \"ride" + std::to_string(i) + "\"}";
            const int row = i + 1;
            grid.SetCell(0, row, U16(names.back()));
            grid.SetCell(4, row, objectIds.back());
            grid.SetCell(5, row, kDevice);
            list.Add(TMyRec{.FName = U16(names.back()),
                            .OName = objectIds.back(),
                            .FDate = EncodeDateTime({2024, 3, 1, 6, 0, 0, 0}) + i,
                            .SDate = u"",
                            .Size = 0,
                            .DevID = kDevice,
                            .Extension = u"fit"});
        }
        WriteImageManifest(device,
                           R"({"id": "\\\\?\\usb#bench-watch", "date": "2024-03-01T06:00:00",
                                       "objects": {)" +
                               objects + "}}");
        grid.SetSelection({0, 1, 5, kFiles});
        for (int i = 0; i < 3; ++i)
            stbar.AddPanel();
        sourceFolder = device / "DEVICE" / fs::path(kActivityFolder);
        fs::create_directories(workFolder);
        fs::create_directories(plainFolder);
        SetDeviceService(std::make_shared<SimDeviceService>(folder.Path() / "set"));
    }
    ~Setup() { SetDeviceService(nullptr); }
};

Setup& Once() {
    static Setup setup;
    return setup;
}

void ReportThroughput(benchmark::State& state, uint64_t bytes) {
    const auto total = static_cast<double>(bytes) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(total));
    state.counters["MB_per_s"] = benchmark::Counter(total / 1e6, benchmark::Counter::kIsRate);
    state.counters["files"] = kFiles;
}

void BM_CopySelectedFiles(benchmark::State& state) {
    Setup& s = Once();
    for (auto _ : state) {
        int32_t fcounter = 0;
        TLocalFileNames localNames; // a fresh dialog's: every file counts
        CopySelectedFiles(
            {s.grid, s.list, s.workFolder.u16string(), s.stbar, fcounter, localNames});
        if (fcounter != kFiles)
            state.SkipWithError("not every file was copied");
    }
    ReportThroughput(state, s.bytes);
}
BENCHMARK(BM_CopySelectedFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CopyFromDeviceEach(benchmark::State& state) {
    Setup& s = Once();
    for (auto _ : state)
        for (int i = 0; i < kFiles; ++i)
            if (!CopyFromDevice(kDevice, s.objectIds[i], (s.workFolder / s.names[i]).u16string()))
                state.SkipWithError("copy failed");
    ReportThroughput(state, s.bytes);
}
BENCHMARK(BM_CopyFromDeviceEach)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainFileCopy(benchmark::State& state) {
    Setup& s = Once();
    for (auto _ : state)
        for (const auto& name : s.names)
            fs::copy_file(s.sourceFolder / name, s.plainFolder / name,
                          fs::copy_options::overwrite_existing);
    ReportThroughput(state, s.bytes);
}
BENCHMARK(BM_PlainFileCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::RememberingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto throughput = [&reporter](std::string_view name) {
        const auto* run = reporter.Find(name);
        return run ? run->counters.at("MB_per_s").value : 0.0;
    };
    const double selected = throughput("BM_CopySelectedFiles");
    const double transfer = throughput("BM_CopyFromDeviceEach");
    const double plain = throughput("BM_PlainFileCopy");
    if (plain > 0) {
        std::printf("\n%d files, %.1f MB: Import's copy %.0f MB/s, transfer alone %.0f MB/s, "
                    "plain copy %.0f MB/s\n",
                    kFiles, static_cast<double>(Once().bytes) / 1e6, selected, transfer, plain);
        std::printf("ratios to the plain copy: Import's copy %.2f, transfer alone %.2f\n",
                    selected / plain, transfer / plain);
    }
    benchmark::Shutdown();
    return 0;
}
