// Filling the file grid with 10,000 rows as the dialog does, and sorting it newest first with
// content recognition.
#include <benchmark/benchmark.h>

#include "common/locale_formats.h"
#include "common/text.h"
#include "toolkit/string_grid.h"

namespace {

using namespace mtp;
using namespace mtp::tk;

struct Row {
    std::u16string name, date, size, oname, dev;
};

std::vector<Row> MakeRows(int n) {
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        // Dates spread over about three years, in scrambled order.
        const double date = 43000.0 + ((i * 7919) % 1000) + ((i * 104729) % 86400) / 86400.0;
        rows.push_back({FormatD(u"2019-05-06-%d.fit", i), FormatDefaultDateTime(date),
                        ToText(1000 + (i * 31) % 900000), FormatD(u"o%d", i), u"\\\\?\\usb#dev"});
    }
    return rows;
}

void Fill(TStringGrid& grid, const std::vector<Row>& rows) {
    grid.ClearNormalCells();
    grid.BeginUpdate();
    int r = 1;
    for (const auto& row : rows) {
        grid.SetCell(0, r, row.name);
        grid.SetCell(1, r, row.date);
        grid.SetCell(2, r, row.size);
        grid.SetCell(3, r, u"fit");
        grid.SetCell(4, r, row.oname);
        grid.SetCell(5, r, row.dev);
        ++r;
    }
    grid.SetRowCount(r);
    grid.SortByColumn(1, TSortDirection::sdDescending);
    grid.EndUpdate();
}

void BM_FillAndSortByDate(benchmark::State& state) {
    const auto rows = MakeRows(static_cast<int>(state.range(0)));
    TStringGrid grid(u"gridFiles");
    grid.SetColCount(6);
    for (auto _ : state)
        Fill(grid, rows);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillAndSortByDate)->Arg(10000)->Unit(benchmark::kMillisecond);

// A title click on each kind of column of a filled grid.
void BM_SortColumn(benchmark::State& state) {
    const auto rows = MakeRows(10000);
    TStringGrid grid(u"gridFiles");
    grid.SetColCount(6);
    Fill(grid, rows);
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
