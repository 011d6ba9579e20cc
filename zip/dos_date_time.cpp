#include "zip/dos_date_time.h"

namespace mtp {

DosDateTime ToDosDateTime(const DateTimeParts& local) {
    if (local.year < 1980)
        return ToDosDateTime(DateTimeParts{1980, 1, 1});
    if (local.year > 2107)
        return ToDosDateTime(DateTimeParts{2107, 12, 31, 23, 59, 58});
    DosDateTime dos;
    dos.time = static_cast<uint16_t>(local.hour << 11 | local.minute << 5 | local.second / 2);
    dos.date = static_cast<uint16_t>((local.year - 1980) << 9 | local.month << 5 | local.day);
    return dos;
}

} // namespace mtp
