// Automatic selection by age: which block of grid rows the checked radio button selects.
#pragma once

#include "common/datetime.h"
#include "toolkit/string_grid.h"

namespace mtp {

// The rule of one radio button: the newest file, files younger than a number of days, or all.
struct TAutoSelectRule {
    enum class Kind { Newest, YoungerThan, All };
    Kind kind = Kind::Newest;
    int dayLimit = 0; // YoungerThan only
};

// A row's age: whole days between its date and now, either way (a future date counts by its
// distance), from the times rounded to the millisecond so that "exactly 7 days" is 7.
int64_t AgeInDays(TDateTime date, TDateTime now);

// Applies the rule to the grid. Every non-empty Date cell is read with the locale's date-time
// conversion first; a cell it cannot read throws ConvertError and leaves the selection and its
// visibility as they were. Then the selection is shown and set to a block from row 1: row 1
// for Newest (and for a limit that only row 1 meets), rows 1 to the last qualifying row for a
// limit, every data row for All. When a limit finds no row, nothing is selected and the
// selection is hidden until the user clicks a row.
void SelectRowsByAge(tk::TStringGrid& grid, const TAutoSelectRule& rule, TDateTime now);

} // namespace mtp
