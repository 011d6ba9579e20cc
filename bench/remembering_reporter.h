// A console reporter that also keeps each benchmark's last run, so that a benchmark program's
// main can print ratios between its benchmarks after they have run.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

namespace mtp::bench {

class RememberingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred)
                runs_[run.benchmark_name()] = run;
        ConsoleReporter::ReportRuns(runs);
    }

    // The run whose name starts with `prefix` (BM_Name, whatever options follow), or null
    // when it did not run or failed.
    const Run* Find(std::string_view prefix) const {
        for (const auto& [name, run] : runs_)
            if (name.starts_with(prefix))
                return &run;
        return nullptr;
    }

    // Wall-clock seconds per iteration of a run.
    static double SecondsPerIteration(const Run& run) {
        return run.real_accumulated_time / static_cast<double>(run.iterations);
    }

private:
    std::map<std::string, Run> runs_;
};

} // namespace mtp::bench
