// Walking a generated device image of 20,000 objects through the service port the way the
// activity-file scan does: every folder listed, and for every child its supported keys, all
// values, four text reads and the content-type test. items_per_second is objects per
// second; the baseline for the scan. Loading the image (the simulated service's start-up)
// is measured apart.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "bench_images.h"
#include "device/container_object.h"
#include "device/device_service.h"
#include "device/open_device.h"
#include "device/sim/image_writer.h"
#include "device/sim/sim_service.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;
constexpr int kFolders = 40;
constexpr int kFilesPerFolder = 499; // 1 storage + 40 folders + 19,960 files = 20,001 objects
const std::u16string kDevice = u"\\\\?\\usb#bench";

struct Setup {
    bench::BenchFolder folder{"enumerate"};
    fs::path set;
    std::shared_ptr<SimDeviceService> service;

    Setup() : set(folder.Path() / "set") {
        const fs::path device = set / "bench";
        WriteImageManifest(device, R"({"id": "\\\\?\\usb#bench", "date": "2024-03-01T06:00:00"})");
        for (int f = 0; f < kFolders; ++f)
            for (int i = 0; i < kFilesPerFolder; ++i)
                WriteImageFile(device, "Internal Storage/Folder" + std::to_string(f) + "/" +
                                           std::to_string(i) + ".fit");
        service = std::make_shared<SimDeviceService>(set);
        SetDeviceService(service);
    }
};

Setup& Once() {
    static Setup setup;
    return setup;
}

// Examines the children of `parent` as the scan does and descends into containers.
int64_t Walk(PortableDeviceContent& content, PortableDeviceProperties& properties,
             const std::u16string& parent) {
    std::unique_ptr<EnumPortableDeviceObjectIDs> children;
    if (content.EnumObjects(0, parent, nullptr, children) != S_OK)
        return 0;
    int64_t visited = 0;
    std::u16string child;
    std::uint32_t fetched = 0;
    while (children->Next(1, &child, fetched) == S_OK && fetched == 1) {
        ++visited;
        std::unique_ptr<PortableDeviceKeyCollection> keys;
        std::unique_ptr<PortableDeviceValues> values;
        if (properties.GetSupportedProperties(child, keys) != S_OK ||
            properties.GetValues(child, keys.get(), values) < 0)
            continue;
        std::u16string text;
        for (const auto& key : {WPD_OBJECT_ORIGINAL_FILE_NAME, WPD_OBJECT_SIZE,
                                WPD_OBJECT_DATE_CREATED, WPD_OBJECT_DATE_MODIFIED})
            values->GetStringValue(key, text);
        if (IsContainerObject(values.get()))
            visited += Walk(content, properties, child);
    }
    return visited;
}

void BM_EnumerateImage20k(benchmark::State& state) {
    Once();
    DeviceConnection connection = OpenDevice(kDevice);
    std::unique_ptr<PortableDeviceContent> content;
    std::unique_ptr<PortableDeviceProperties> properties;
    if (!connection.IsOpen() || connection.Device().Content(content) != S_OK ||
        content->Properties(properties) != S_OK) {
        state.SkipWithError("device did not open");
        return;
    }
    int64_t objects = 0;
    for (auto _ : state)
        objects += Walk(*content, *properties, u"DEVICE");
    state.SetItemsProcessed(objects);
    state.counters["objects"] = static_cast<double>(objects / state.iterations());
}
BENCHMARK(BM_EnumerateImage20k)->Unit(benchmark::kMillisecond);

void BM_LoadImage20k(benchmark::State& state) {
    Setup& s = Once();
    for (auto _ : state)
        benchmark::DoNotOptimize(SimDeviceService(s.set));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                            (1 + kFolders + kFolders * kFilesPerFolder));
}
BENCHMARK(BM_LoadImage20k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mtp
