#include "toolkit/string_grid.h"

#include <algorithm>
#include <utility>

#include "common/errors.h"
#include "common/locale_formats.h"
#include "toolkit/grid_sort.h"

namespace mtp::tk {
namespace {

constexpr int kDefaultColWidth = 64;
const std::u16string kEmpty;

} // namespace

TStringGrid::TStringGrid(std::u16string name)
    : TControl(std::move(name)), colWidths_(2, kDefaultColWidth), hidden_(2, false) {
    SetRow(1);
}

void TStringGrid::Notify(TChange what) {
    if (updateCount_ > 0)
        changedWhileUpdating_ = true;
    else
        Changed(what);
}

void TStringGrid::EndUpdate() {
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && std::exchange(changedWhileUpdating_, false))
        Changed(TChange::Content);
}

void TStringGrid::CheckIndex(int col, int row) {
    if (col < 0 || row < 0)
        throw Error(FormatD(FormatD(u"Grid index out of range (%d, %d)", col), row));
}

void TStringGrid::SetColCount(int count) {
    count = std::max(count, 1);
    // A block of whole rows stays whole.
    if (!selection_.Empty() && selection_.Left == 0 && selection_.Right == ColCount() - 1)
        selection_.Right = count - 1;
    colWidths_.resize(static_cast<size_t>(count), kDefaultColWidth);
    hidden_.resize(static_cast<size_t>(count), false);
    Notify(TChange::Content);
}

void TStringGrid::SetRowCount(int count) {
    rowCount_ = std::max(count, fixedRows_);
    ClampSelection();
    Notify(TChange::Content);
}

void TStringGrid::SetFixedRows(int count) {
    fixedRows_ = std::max(count, 0);
    rowCount_ = std::max(rowCount_, fixedRows_);
    ClampSelection();
    Notify(TChange::Content);
}

const std::u16string& TStringGrid::Cell(int col, int row) const {
    CheckIndex(col, row);
    auto r = static_cast<size_t>(row);
    auto c = static_cast<size_t>(col);
    if (r >= rows_.size() || c >= rows_[r].size())
        return kEmpty;
    return rows_[r][c];
}

void TStringGrid::SetCell(int col, int row, std::u16string text) {
    CheckIndex(col, row);
    auto r = static_cast<size_t>(row);
    auto c = static_cast<size_t>(col);
    if (r >= rows_.size()) {
        if (text.empty())
            return;
        rows_.resize(r + 1);
    }
    auto& cells = rows_[r];
    if (c >= cells.size()) {
        if (text.empty())
            return;
        cells.resize(std::max(c + 1, colWidths_.size()));
    }
    cells[c] = std::move(text);
    Notify(TChange::Content);
}

void TStringGrid::ClearNormalCells() {
    if (rows_.size() > static_cast<size_t>(fixedRows_))
        rows_.resize(static_cast<size_t>(fixedRows_));
    Notify(TChange::Content);
}

int TStringGrid::ColWidth(int col) const {
    if (col < 0 || col >= ColCount())
        throw Error(FormatD(u"Grid column out of range (%d)", col));
    return colWidths_[static_cast<size_t>(col)];
}

void TStringGrid::SetColWidth(int col, int width) {
    ColWidth(col);
    colWidths_[static_cast<size_t>(col)] = width;
    Notify(TChange::Look);
}

void TStringGrid::SetHidden(int fromCol, int toCol, bool hidden) {
    ColWidth(fromCol);
    ColWidth(toCol);
    for (int c = fromCol; c <= toCol; ++c)
        hidden_[static_cast<size_t>(c)] = hidden;
    Notify(TChange::Look);
}

bool TStringGrid::IsHiddenColumn(int col) const {
    ColWidth(col);
    return hidden_[static_cast<size_t>(col)];
}

void TStringGrid::SetLook(const TGridLook& look) {
    look_ = look;
    Notify(TChange::Look);
}

void TStringGrid::SetSortSettings(const TSortSettings& settings) {
    sort_ = settings;
    Notify(TChange::Sorting);
}

void TStringGrid::QSort() {
    const size_t first = static_cast<size_t>(fixedRows_);
    const size_t end = static_cast<size_t>(rowCount_);
    if (end <= first + 1)
        return;
    if (rows_.size() < end)
        rows_.resize(end);
    std::vector<std::u16string_view> cells;
    cells.reserve(end - first);
    for (size_t r = first; r < end; ++r)
        cells.push_back(Cell(sort_.Column, static_cast<int>(r)));
    auto order =
        SortedOrder(cells, sort_.Direction == TSortDirection::sdDescending, CurrentLocale());
    std::vector<std::vector<std::u16string>> sorted;
    sorted.reserve(order.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows_[first + i]));
    std::move(sorted.begin(), sorted.end(), rows_.begin() + static_cast<ptrdiff_t>(first));
    Notify(TChange::Content);
}

void TStringGrid::SortByColumn(int col, TSortDirection direction) {
    ColWidth(col);
    sort_.Column = col;
    sort_.Direction = direction;
    Notify(TChange::Sorting);
    QSort();
}

void TStringGrid::SetRow(int row) {
    if (DataRowCount() <= 0) {
        row_ = anchorRow_ = fixedRows_;
        return;
    }
    row_ = anchorRow_ = std::clamp(row, fixedRows_, rowCount_ - 1);
    selection_ = {0, row_, ColCount() - 1, row_};
    Notify(TChange::Selection);
}

void TStringGrid::SetSelection(TGridRect rect) {
    if (rect.Top > rect.Bottom)
        std::swap(rect.Top, rect.Bottom);
    if (rect.Left > rect.Right)
        std::swap(rect.Left, rect.Right);
    if (rect.Top < 0 || DataRowCount() <= 0 || rect.Bottom < fixedRows_ || rect.Top >= rowCount_) {
        selection_ = {};
    } else {
        rect.Top = std::max(rect.Top, fixedRows_);
        rect.Bottom = std::min(rect.Bottom, rowCount_ - 1);
        selection_ = rect;
        anchorRow_ = rect.Top;
        row_ = rect.Bottom;
    }
    Notify(TChange::Selection);
}

TGridRect TStringGrid::Selection() const {
    return DataRowCount() > 0 ? selection_ : TGridRect{};
}

void TStringGrid::SetShowSelection(bool on) {
    showSelection_ = on;
    Notify(TChange::Selection);
}

void TStringGrid::ClampSelection() {
    const int last = std::max(fixedRows_, rowCount_ - 1);
    row_ = std::clamp(row_, fixedRows_, last);
    anchorRow_ = std::clamp(anchorRow_, fixedRows_, last);
    // Without data rows the block only reads as empty: it is there again when rows come back,
    // as the current row is.
    if (selection_.Empty() || DataRowCount() <= 0)
        return;
    if (selection_.Top > rowCount_ - 1)
        selection_ = {};
    else
        selection_.Bottom = std::min(selection_.Bottom, rowCount_ - 1);
}

void TStringGrid::ClickCell(int col, int row, TShiftState shift) {
    CheckIndex(col, row);
    if (row < fixedRows_) {
        if (sort_.ByHeaderClick && DataRowCount() >= 2 && col < ColCount()) {
            if (col == sort_.Column)
                sort_.Direction = sort_.Direction == TSortDirection::sdAscending
                                      ? TSortDirection::sdDescending
                                      : TSortDirection::sdAscending;
            else
                sort_ = {col, TSortDirection::sdAscending, sort_.Show, sort_.ByHeaderClick};
            Notify(TChange::Sorting);
            QSort();
        }
    } else if (row < rowCount_) {
        if ((shift & ssShift) && look_.RangeSelect && !selection_.Empty()) {
            const int anchor = anchorRow_;
            selection_ = {0, std::min(anchor, row), ColCount() - 1, std::max(anchor, row)};
            row_ = row;
            Notify(TChange::Selection);
        } else {
            SetRow(row);
        }
    }
    if (OnClickCell)
        OnClickCell(col, row);
}

} // namespace mtp::tk
