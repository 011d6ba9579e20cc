// The file grid: its six columns, their widths in both date modes, and FillGrid, which shows
// the found-file list in the grid newest first.
#pragma once

#include "dialog/my_list.h"
#include "toolkit/string_grid.h"

namespace mtp {

// Columns of gridFiles; 4 and 5 are hidden and carry the identity of a row's file.
enum TFileColumn : int {
    colFilename = 0,
    colDate = 1,
    colSize = 2,
    colExtension = 3,
    colOName = 4,
    colDevID = 5,
    kFileColumnCount = 6,
};

// Titles, widths and hidden columns as the grid is created: widths 160, 90, 80, 80, 0, 0.
void SetupFileGridColumns(tk::TStringGrid& grid);
// Date-text mode's widths of columns 1 to 3: 130, 70 and 50.
void SetDateTextColumnWidths(tk::TStringGrid& grid);

// Clears the data rows and writes one row per record, in list order: name, date (the device's
// own text in date-text mode, else the date-time in the locale's default format), size,
// extension, object and device identifier. Then, even when writing a row failed, sets the row
// count to the records plus the header and sorts on the Date column, newest first.
void FillGrid(tk::TStringGrid& grid, const TMyList& list, bool dateStringMode);

} // namespace mtp
