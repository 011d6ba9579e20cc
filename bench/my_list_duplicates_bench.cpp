// The found-file list's duplicate test for 10,000 names, beside the plain pass over the list
// that the hash index replaces.
#include <benchmark/benchmark.h>

#include "common/text.h"
#include "dialog/my_list.h"
#include "dialog/scan_settings.h"

namespace {

using namespace mtp;

std::vector<TMyRec> MakeRecords(int n, int distinct) {
    std::vector<TMyRec> recs(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& r = recs[static_cast<size_t>(i)];
        r.FName = FormatD(u"2019-05-06-07-08-%d.fit", i % distinct);
        r.OName = FormatD(u"o%d", i);
        r.DevID = u"dev";
        r.Extension = u"fit";
    }
    return recs;
}

// range(0): names; range(1): how many of them differ.
void BM_AddWithDuplicateTest(benchmark::State& state) {
    NoDoublettes = true;
    const auto recs =
        MakeRecords(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        TMyList list;
        for (const auto& r : recs)
            list.Add(r);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddWithDuplicateTest)
    ->Args({10000, 10000})
    ->Args({10000, 5000})
    ->Unit(benchmark::kMillisecond);

// The same adds with a pass over every earlier name, for comparison.
void BM_AddWithLinearPass(benchmark::State& state) {
    const auto recs =
        MakeRecords(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::vector<std::unique_ptr<TMyRec>> list;
        for (const auto& r : recs) {
            bool found = false;
            for (const auto& e : list)
                if (e->FName == r.FName) {
                    found = true;
                    break;
                }
            if (!found)
                list.push_back(std::make_unique<TMyRec>(r));
        }
        benchmark::DoNotOptimize(list.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddWithLinearPass)
    ->Args({10000, 10000})
    ->Args({10000, 5000})
    ->Unit(benchmark::kMillisecond);

} // namespace
