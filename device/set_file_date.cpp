#include "device/set_file_date.h"

#include "common/local_file.h"

namespace mtp {

bool SetFileDate(const std::u16string& path, TDateTime date) {
    DateTimeParts parts;
    if (!TryDecodeDateTime(date, parts))
        return false;
    return SetLocalFileWriteTime(path, parts);
}

} // namespace mtp
