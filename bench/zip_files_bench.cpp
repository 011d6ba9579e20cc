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

#include "common/file_system.h"
#include "common/text.h"
#include "plugin/uhelper.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 500;

// A FIT-like recording: a 14-byte header, then one 28-byte record per second of a ride of
// 20 to 90 minutes, the values drifting the way a ride's do (position, heart rate, cadence,
// power, altitude), so the files compress like real ones rather than like noise or zeros.
std::string ActivityFile(uint32_t seed) {
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const int seconds = 1200 + static_cast<int>(next() % 4200);
    std::string out = {14, 0x20, static_cast<char>(0x9A), 0x08, 0, 0, 0, 0, '.', 'F', 'I', 'T',
                       0,  0};
    uint32_t timestamp = 1000000000 + seed % 100000000;
    int32_t lat = 600000000 + static_cast<int32_t>(next() % 1000000);
    int32_t lon = 100000000 + static_cast<int32_t>(next() % 1000000);
    double heart = 120, power = 180, altitude = 300;
    for (int s = 0; s < seconds; ++s) {
        lat += static_cast<int32_t>(next() % 200) - 90;
        lon += static_cast<int32_t>(next() % 200) - 90;
        heart = std::clamp(heart + (static_cast<int>(next() % 5) - 2) * 0.5, 90.0, 190.0);
        power = std::clamp(power + (static_cast<int>(next() % 41) - 20), 0.0, 600.0);
        altitude += (static_cast<int>(next() % 9) - 4) * 0.2;
        const uint32_t fields[] = {
            timestamp + static_cast<uint32_t>(s),
            static_cast<uint32_t>(lat),
            static_cast<uint32_t>(lon),
            static_cast<uint32_t>(altitude * 5 + 500),
            static_cast<uint32_t>(s * 7), // distance in cm, roughly 25 km/h
            static_cast<uint32_t>(heart) | (85u + next() % 10) << 8 |
                static_cast<uint32_t>(power) << 16,
        };
        out.push_back(0); // record header: local message 0
        out.append(reinterpret_cast<const char*>(fields), sizeof fields);
        out.append(3, static_cast<char>(next() % 4)); // temperature and flags
    }
    return out;
}

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
            char name[64];
            // One ride a day, named as devices name them: unique for 500 days.
            std::snprintf(name, sizeof name, "%04d-%02d-%02d-%02d-%02d-00.fit", 2023 + i / 336,
                          1 + (i / 28) % 12, 1 + i % 28, 6 + i % 14, i % 60);
            std::ofstream(work / name, std::ios::binary) << ActivityFile(0x5eed + i);
            names.push_back(mtp::Utf8ToUtf16(name));
        }
    }
    ~Fixture() { fs::remove_all(root); }
};

Fixture& Files() {
    static Fixture fixture;
    return fixture;
}

double oursSeconds = 0, infoZipSeconds = 0;
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

// Keeps the console output and remembers each benchmark's wall time for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            if (run.benchmark_name().starts_with("BM_ZipFiles"))
                oursSeconds = seconds;
            else if (run.benchmark_name().starts_with("BM_InfoZip6"))
                infoZipSeconds = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (oursSeconds > 0 && infoZipSeconds > 0 && infoZipBytes > 0) {
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
