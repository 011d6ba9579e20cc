// How the service's string read renders the values that are not texts on the device: sizes
// as decimal digits, dates in WPD's text form. Shared by every back end, so that the scan
// reads the same texts from the simulated devices as from real ones.
#pragma once

#include <cstdint>
#include <string>

#include "common/datetime.h"

namespace mtp {

// "YYYY/MM/DD:HH:MM:SS.mmm", for example 2019/05/06:12:34:56.000.
std::u16string WpdDateText(const DateTimeParts& parts);
// Decimal digits, for example 1234.
std::u16string WpdSizeText(std::uint64_t size);

} // namespace mtp
