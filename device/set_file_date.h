// Gives a copied file the date the scan recorded for it.
#pragma once

#include <string>

#include "common/datetime.h"

namespace mtp {

// Sets the file's last-write time to the local date-time (to the nearest millisecond),
// converted to UTC with the offset in force now; its creation time stays. False when the
// date-time is no date the file system can hold (before 1601) or the file cannot be opened
// or dated.
bool SetFileDate(const std::u16string& path, TDateTime date);

} // namespace mtp
