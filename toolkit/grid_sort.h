// The grid's content recognition for sorting: each cell is read as a number, as a date-time
// written in the locale's format, or as a text, and cells are ordered by kind, then by value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_formats.h"

namespace mtp::tk {

enum class TCellKind { Empty, Number, DateTime, Text };

struct TCellSortKey {
    TCellKind Kind = TCellKind::Empty;
    double Value = 0; // the number or the date-time
};

// A number is an optional sign, digits and an optional fraction after a point ("-12", "3.5").
// A date-time is a text with the locale's date separator that the locale's date-time
// conversion reads. Anything else that is not empty is a text.
TCellSortKey RecognizeCell(std::u16string_view text, const LocaleFormats& locale);

// The stable order of the cells, ascending or descending: empty cells, numbers, date-times,
// texts (by code unit). One kind per rank keeps the order total even in a mixed column.
std::vector<size_t> SortedOrder(const std::vector<std::u16string_view>& cells, bool descending,
                                const LocaleFormats& locale);

} // namespace mtp::tk
