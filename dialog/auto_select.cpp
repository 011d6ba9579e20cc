#include "dialog/auto_select.h"

#include <cmath>
#include <optional>

#include "common/locale_formats.h"
#include "dialog/file_grid.h"

namespace mtp {

namespace {

constexpr double kMsPerDay = 86400000.0;

} // namespace

int64_t AgeInDays(TDateTime date, TDateTime now) {
    const auto ms = std::llround(std::fabs(now - date) * kMsPerDay);
    return ms / static_cast<int64_t>(kMsPerDay);
}

void SelectRowsByAge(tk::TStringGrid& grid, const TAutoSelectRule& rule, TDateTime now) {
    using Kind = TAutoSelectRule::Kind;
    const int first = grid.FixedRows();
    std::optional<int> lastSelected;
    if (rule.kind == Kind::Newest)
        lastSelected = first;
    // Every cell is read whatever the rule, so an unreadable date fails every choice alike.
    for (int row = first; row < grid.RowCount(); ++row) {
        const auto& cell = grid.Cell(colDate, row);
        if (cell.empty())
            continue;
        const TDateTime date = StrToDateTime(cell);
        if (rule.kind == Kind::YoungerThan && AgeInDays(date, now) < rule.dayLimit)
            lastSelected = row;
    }

    grid.SetShowSelection(true);
    int last = first;
    if (rule.kind == Kind::All) {
        last = grid.RowCount() - 1;
    } else if (!lastSelected) {
        grid.ClearSelection();
        grid.SetShowSelection(false);
        return;
    } else {
        last = *lastSelected;
    }
    // The block covers the four visible columns; an empty grid selects nothing.
    grid.SetSelection({colFilename, first, colExtension, last});
}

} // namespace mtp
