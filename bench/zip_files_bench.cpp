// ZipFiles on 500 generated activity files beside Info-ZIP's `zip -6` on the same files: the
// time (wall clock, since zip runs as a process of its own) and the archive size of each, and
// at the end the two ratios, ours over Info-ZIP's. Both deflate at level 6.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "activity_files.h"
#include "common/file_system.h"
#include "common/text.h"
#include "plugin/uhelper.h"
#include "remembering_reporter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 500;

struct Fixture {
    fs::path root = fs::temp_directory_path() / "mtp-bench-zip";
    fs::path work = root / "CorvantaSync";
    fs::path target = root / "target";
    mtp::FileList names;

    Fixture() {
        fs::remove_all(root);
        fs::create_directories(work);
        fs::create_directories(target);
        for (int i = 0; i < kFiles; ++i) {
            const std::string name = mtp::bench::ActivityFileName(i);
            std::ofstream(work / name, std::ios::binary) << mtp::bench::ActivityFile(0x5eed + i);
            names.push_back(mtp::Utf8ToUtf16(name));
        }
    }
    ~Fixture() { fs::remove_all(root); }
};

Fixture& Files() {
    static Fixture fixture;
    return fixture;
}

uintmax_t oursBytes = 0, infoZipBytes = 0;

void BM_ZipFiles(benchmark::State& state) {
    Fixture& f = Files();
    const auto archive = (f.target / "Connect.zip").u16string();
    for (auto _ : state)
        mtp::ZipFiles(archive, f.work.u16string(), f.names);
    oursBytes = fs::file_size(f.target / "Connect.zip");
    state.counters["archive_MB"] = static_cast<double>(oursBytes) / 1e6;
}
BENCHMARK(BM_ZipFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_InfoZip6(benchmark::State& state) {
    Fixture& f = Files();
    const fs::path archive = f.target / "infozip.zip";
    // -j: bare names, -X: no extra attributes beyond the time, as the plug-in's entries.
    const std::string command = "cd '" + f.work.string() + "' && rm -f '" + archive.string() +
                                "' && zip -q -6 -j -X '" + archive.string() + "' *.fit";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("zip failed");
    infoZipBytes = fs::file_size(archive);
    state.counters["archive_MB"] = static_cast<double>(infoZipBytes) / 1e6;
}
BENCHMARK(BM_InfoZip6)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    mtp::bench::RememberingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto* ours = reporter.Find("BM_ZipFiles");
    const auto* infoZip = reporter.Find("BM_InfoZip6");
    if (ours && infoZip && infoZipBytes > 0) {
        const double oursSeconds = mtp::bench::RememberingReporter::SecondsPerIteration(*ours);
        const double infoZipSeconds =
            mtp::bench::RememberingReporter::SecondsPerIteration(*infoZip);
        uintmax_t input = 0;
        for (const auto& entry : fs::directory_iterator(Files().work))
            input += entry.file_size();
        std::printf("\n%d files, %.1f MB: ZipFiles %.0f ms, %.2f MB; zip -6 %.0f ms, %.2f MB\n",
                    kFiles, input / 1e6, oursSeconds * 1e3, oursBytes / 1e6, infoZipSeconds * 1e3,
                    infoZipBytes / 1e6);
        std::printf("ratios, ZipFiles / zip -6: time %.2f, size %.3f\n",
                    oursSeconds / infoZipSeconds,
                    static_cast<double>(oursBytes) / static_cast<double>(infoZipBytes));
    }
    benchmark::Shutdown();
    return 0;
}
