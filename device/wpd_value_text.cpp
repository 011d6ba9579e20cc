#include "device/wpd_value_text.h"

#include <cstdio>

#include "common/text.h"

namespace mtp {

std::u16string WpdDateText(const DateTimeParts& p) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d:%02d:%02d:%02d.%03d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second, p.millisecond);
    return Utf8ToUtf16(text);
}

std::u16string WpdSizeText(std::uint64_t size) {
    return Utf8ToUtf16(std::to_string(size));
}

} // namespace mtp
