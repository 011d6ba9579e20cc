#include "dialog/file_grid.h"

#include "common/locale_formats.h"
#include "common/text.h"

namespace mtp {

namespace {

constexpr std::u16string_view kTitles[kFileColumnCount] = {u"Filename",  u"Date",  u"Size",
                                                           u"Extension", u"OName", u"DevID"};
constexpr int kWidths[kFileColumnCount] = {160, 90, 80, 80, 0, 0};

// Ends the grid's update however the fill ends: row count, sort and one repaint.
class FillEnd {
public:
    FillEnd(tk::TStringGrid& grid, int32_t count) : grid_(grid), count_(count) {}
    FillEnd(const FillEnd&) = delete;
    FillEnd& operator=(const FillEnd&) = delete;
    ~FillEnd() {
        grid_.SetRowCount(count_ + grid_.FixedRows());
        grid_.SortByColumn(colDate, tk::TSortDirection::sdDescending);
        grid_.EndUpdate();
    }

private:
    tk::TStringGrid& grid_;
    int32_t count_;
};

} // namespace

void SetupFileGridColumns(tk::TStringGrid& grid) {
    grid.SetColCount(kFileColumnCount);
    for (int col = 0; col < kFileColumnCount; ++col) {
        grid.SetCell(col, 0, std::u16string(kTitles[col]));
        grid.SetColWidth(col, kWidths[col]);
    }
    grid.HideColumns(colOName, colDevID);
}

void SetDateTextColumnWidths(tk::TStringGrid& grid) {
    grid.SetColWidth(colDate, 130);
    grid.SetColWidth(colSize, 70);
    grid.SetColWidth(colExtension, 50);
}

void FillGrid(tk::TStringGrid& grid, const TMyList& list, bool dateStringMode) {
    grid.ClearNormalCells();
    grid.BeginUpdate();
    const int32_t count = list.Count();
    FillEnd end(grid, count);
    for (int32_t i = 0; i < count; ++i) {
        TMyRec rec = list.GetItem(i);
        const int row = i + grid.FixedRows();
        grid.SetCell(colFilename, row, std::move(rec.FName));
        grid.SetCell(colDate, row,
                     dateStringMode ? std::move(rec.SDate) : FormatDefaultDateTime(rec.FDate));
        grid.SetCell(colSize, row, ToText(rec.Size));
        grid.SetCell(colExtension, row, std::move(rec.Extension));
        grid.SetCell(colOName, row, std::move(rec.OName));
        grid.SetCell(colDevID, row, std::move(rec.DevID));
    }
}

} // namespace mtp
