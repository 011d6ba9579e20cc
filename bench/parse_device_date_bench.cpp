// ParseDeviceDate over a mix of date texts as devices report them: the fixed layouts (most
// devices), texts in the user's format, the fallbacks and texts that read as no date. The
// items_per_second column is texts per second; one WPD property read costs milliseconds.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "common/locale_formats.h"
#include "device/parse_device_date.h"

namespace {

const std::vector<std::u16string> kRealWorldMix = {
    u"2019/05/06:12:34:56.000",
    u"2021/11/30:07:05:00.000",
    u"2019-05-06T12:34:56Z",
    u"2023-01-15T18:22:09.123+01:00",
    u"06.05.2019 12:34:56",
    u"20190506T123456",
    u"20221224T235959.000Z",
    u"06.05.2019",
    u"6.5.2019 7:08",
    u"5/6/19",
    u"13/6/19",
    u"6-5-30",
    u"2019/05/06",
    u"",
    u"unknown",
    u"30.12.1899 00:00:00",
};

void ParseMix(benchmark::State& state, const std::vector<std::u16string>& texts) {
    mtp::SetCurrentLocale(mtp::DottedDayFirstLocale());
    for (auto _ : state)
        for (const auto& text : texts)
            benchmark::DoNotOptimize(mtp::ParseDeviceDate(text));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * texts.size()));
}

void BM_ParseDeviceDate_RealWorldMix(benchmark::State& state) {
    ParseMix(state, kRealWorldMix);
}
BENCHMARK(BM_ParseDeviceDate_RealWorldMix);

// The common case: the WPD layout every MTP device driver writes.
void BM_ParseDeviceDate_WpdLayout(benchmark::State& state) {
    ParseMix(state, {u"2019/05/06:12:34:56.000"});
}
BENCHMARK(BM_ParseDeviceDate_WpdLayout);

// The slowest path: every step fails and both fallbacks raise their error.
void BM_ParseDeviceDate_NothingReads(benchmark::State& state) {
    ParseMix(state, {u"29/2/19"});
}
BENCHMARK(BM_ParseDeviceDate_NothingReads);

} // namespace
