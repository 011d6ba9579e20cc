// Copying a 5 MB object from a simulated device in 1,024-byte chunks (CopyFromDevice: open,
// stream, local file, close), beside reading and copying the same file straight from disk
// with the same chunk size. bytes_per_second is the throughput.
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "bench_images.h"
#include "device/copy_from_device.h"
#include "device/device_service.h"
#include "device/sim/image_writer.h"
#include "device/sim/sim_service.h"

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kSize = 5 * 1024 * 1024;
const std::u16string kDevice = u"\\\\?\\usb#bench";

struct Setup {
    mtp::bench::BenchFolder folder{"copy"};
    fs::path source;
    fs::path target;

    Setup() {
        std::string bytes(kSize, '\0');
        for (std::size_t i = 0; i < kSize; ++i)
            bytes[i] = static_cast<char>(i * 131 >> 3);
        const fs::path device = folder.Path() / "set" / "bench";
        mtp::WriteImageManifest(device, R"({"id": "\\\\?\\usb#bench"})");
        mtp::WriteImageFile(device, "Internal Storage/Activity/big.fit", bytes);
        source = device / "DEVICE" / "Internal Storage" / "Activity" / "big.fit";
        target = folder.Path() / "copy.fit";
        mtp::SetDeviceService(std::make_shared<mtp::SimDeviceService>(folder.Path() / "set"));
    }
};

Setup& Once() {
    static Setup setup;
    return setup;
}

void BM_CopyFromSimDevice(benchmark::State& state) {
    Setup& s = Once();
    // o2 is the file: s10001 the storage, o1 Activity.
    for (auto _ : state)
        if (!mtp::CopyFromDevice(kDevice, u"o2", s.target.u16string()))
            state.SkipWithError("copy failed");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_CopyFromSimDevice)->Unit(benchmark::kMillisecond);

void BM_PlainRead1024(benchmark::State& state) {
    Setup& s = Once();
    char buffer[1024];
    for (auto _ : state) {
        std::FILE* in = std::fopen(s.source.string().c_str(), "rb");
        while (std::fread(buffer, 1, sizeof buffer, in) > 0)
            benchmark::DoNotOptimize(buffer);
        std::fclose(in);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_PlainRead1024)->Unit(benchmark::kMillisecond);

void BM_PlainCopy1024(benchmark::State& state) {
    Setup& s = Once();
    char buffer[1024];
    for (auto _ : state) {
        std::FILE* in = std::fopen(s.source.string().c_str(), "rb");
        std::FILE* out = std::fopen(s.target.string().c_str(), "wb");
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            std::fwrite(buffer, 1, n, out);
        std::fclose(out);
        std::fclose(in);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_PlainCopy1024)->Unit(benchmark::kMillisecond);

} // namespace
