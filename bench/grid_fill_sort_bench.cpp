// Filling the file grid with 10,000 found files and sorting it newest first with content
// recognition, the automatic selection over it, and sorts by a click on a column title.
#include <benchmark/benchmark.h>

#include "common/text.h"
#include "dialog/auto_select.h"
#include "dialog/file_grid.h"
#include "dialog/scan_settings.h"
#include "toolkit/string_grid.h"

namespace {

using namespace mtp;
using namespace mtp::tk;

// Found files with dates spread over about three years, in scrambled order.
void MakeList(TMyList& list, int n) {
    const bool noDoublettes = NoDoublettes;
    NoDoublettes = false;
    for (int i = 0; i < n; ++i) {
        TMyRec rec;
        rec.FName = FormatD(u"2019-05-06-%d.fit", i);
        rec.OName = FormatD(u"o%d", i);
        rec.FDate = 43000.0 + ((i * 7919) % 1000) + ((i * 104729) % 86400) / 86400.0;
        rec.SDate = u"2019/05/06:12:34:56.000";
        rec.Size = 1000 + (i * 31) % 900000;
        rec.DevID = u"\\\\?\\usb#dev";
        rec.Extension = u"fit";
        list.Add(rec);
    }
    NoDoublettes = noDoublettes;
}

TStringGrid& FileGrid() {
    static TStringGrid grid(u"gridFiles");
    SetupFileGridColumns(grid);
    return grid;
}

// The dialog's FillGrid: every row written, then sorted on Date, newest first.
void BM_FillAndSortByDate(benchmark::State& state) {
    TMyList list;
    MakeList(list, static_cast<int>(state.range(0)));
    TStringGrid& grid = FileGrid();
    for (auto _ : state)
        FillGrid(grid, list, false);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillAndSortByDate)->Arg(10000)->Unit(benchmark::kMillisecond);

// The automatic selection after the fill: every Date cell read back with the locale's
// conversion.
void BM_SelectByAge(benchmark::State& state) {
    TMyList list;
    MakeList(list, static_cast<int>(state.range(0)));
    TStringGrid& grid = FileGrid();
    FillGrid(grid, list, false);
    const TAutoSelectRule rule{TAutoSelectRule::Kind::YoungerThan, 28};
    for (auto _ : state)
        SelectRowsByAge(grid, rule, 44000.0);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SelectByAge)->Arg(10000)->Unit(benchmark::kMillisecond);

// A title click on each kind of column of a filled grid.
void BM_SortColumn(benchmark::State& state) {
    TMyList list;
    MakeList(list, 10000);
    TStringGrid& grid = FileGrid();
    FillGrid(grid, list, false);
    const int col = static_cast<int>(state.range(0));
    bool descending = false;
    for (auto _ : state) {
        grid.SortByColumn(col,
                          descending ? TSortDirection::sdDescending : TSortDirection::sdAscending);
        descending = !descending;
    }
    state.SetItemsProcessed(state.iterations() * 10000);
    state.SetLabel(col == 0 ? "names (texts)" : col == 1 ? "dates" : "sizes (numbers)");
}
BENCHMARK(BM_SortColumn)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
