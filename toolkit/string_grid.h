// A grid of texts with fixed header rows, hidden columns, sorting with content recognition,
// sorting by a click on a column title, a current row and a contiguous block of selected rows.
// Columns are always addressed by their real index, hidden or not.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace mtp::tk {

enum class TSortDirection { sdAscending, sdDescending };

struct TSortSettings {
    int Column = 0;
    TSortDirection Direction = TSortDirection::sdAscending;
    bool Show = false;          // show the sort indicator in the title of Column
    bool ByHeaderClick = false; // a click on a column title sorts on that column
    bool operator==(const TSortSettings&) const = default;
};

// A block of cells. Rows and columns run from Top to Bottom and Left to Right, inclusive; a
// rectangle with Top below zero selects nothing.
struct TGridRect {
    int Left = -1, Top = -1, Right = -1, Bottom = -1;
    bool Empty() const { return Top < 0; }
    bool ContainsRow(int row) const { return !Empty() && row >= Top && row <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

// Appearance and selection behaviour, as data for the back end.
struct TGridLook {
    bool RowSelect = true;   // a click selects whole rows
    bool RangeSelect = true; // Shift+click extends the selection to a block of rows
    bool GridLines = true;
    bool ScrollBars = true;
    bool Flat = true;
    bool StretchLastColumn = false; // the last visible column fills the width
    bool ActiveCellBold = false;    // the current cell's font is bold
    int HeaderHeight = 24;
    bool HeaderBold = false;
    bool operator==(const TGridLook&) const = default;
};

class TStringGrid : public TControl {
public:
    explicit TStringGrid(std::u16string name = {});

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    // The row count never drops below the fixed rows.
    void SetRowCount(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    int DataRowCount() const { return rowCount_ - fixedRows_; }

    // Cells may be written beyond the row and column count: they are kept and appear when the
    // grid grows. A cell never written reads as empty. A negative index is an error.
    const std::u16string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::u16string text);
    // Empties every cell below the fixed rows; the header texts and the row count stay.
    void ClearNormalCells();

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    void HideColumns(int fromCol, int toCol) { SetHidden(fromCol, toCol, true); }
    void UnHideColumns(int fromCol, int toCol) { SetHidden(fromCol, toCol, false); }
    bool IsHiddenColumn(int col) const;

    const TGridLook& Look() const { return look_; }
    void SetLook(const TGridLook& look);

    // Repainting waits until the outermost EndUpdate.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    const TSortSettings& SortSettings() const { return sort_; }
    void SetSortSettings(const TSortSettings& settings);
    // Sorts the rows below the fixed rows on SortSettings().Column in its direction. Cells
    // that are numbers compare as numbers, date-times in the locale's format as date-times,
    // other texts by their code units; empty cells come first, then numbers, date-times and
    // texts. Equal cells keep their order.
    void QSort();
    void SortByColumn(int col, TSortDirection direction);

    // The current row, always a data row while there is one.
    int Row() const { return row_; }
    // Makes a data row current; the selection becomes that row.
    void SetRow(int row);
    // The selected block, its rows within the data rows; empty while there is none. Fewer
    // rows clip the block; with no data rows left it reads as empty until rows come back.
    TGridRect Selection() const;
    // Rows are put in order and kept to the data rows; a block outside them, or an empty
    // rectangle, selects nothing. The current row moves to the block's bottom row.
    void SetSelection(TGridRect rect);
    void ClearSelection() { SetSelection({}); }
    bool ShowSelection() const { return showSelection_; }
    void SetShowSelection(bool on);

    // Input from the back end. A click on a data row makes it current and selects it (with
    // Shift, the block from the anchor row to it); a click on a column title sorts when
    // sorting by header click is on and there are at least two data rows (a second click on
    // the same column reverses the order). OnClickCell follows in both cases.
    void ClickCell(int col, int row, TShiftState shift = 0);
    void DblClick() {
        if (OnDblClick)
            OnDblClick();
    }
    std::function<void(int col, int row)> OnClickCell;
    std::function<void()> OnDblClick;

    bool TabStop() const override { return true; }

private:
    void Notify(TChange what);
    void SetHidden(int fromCol, int toCol, bool hidden);
    void ClampSelection();
    static void CheckIndex(int col, int row);

    std::vector<std::vector<std::u16string>> rows_;
    std::vector<int> colWidths_;
    std::vector<bool> hidden_;
    int rowCount_ = 2;
    int fixedRows_ = 1;
    TGridLook look_;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
    TSortSettings sort_;
    int row_ = 1;
    int anchorRow_ = 1;
    TGridRect selection_;
    bool showSelection_ = true;
};

} // namespace mtp::tk
