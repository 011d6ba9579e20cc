#include "common/int_text.h"

#include "common/errors.h"

namespace mtp {

namespace {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

bool TryStrToInt(std::u16string_view text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return false; // no digits at all
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit =
            hex ? HexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (magnitude > 0xFFFF'FFFFu)
            return false;
    }
    uint32_t bits = 0;
    if (hex) {
        // A hexadecimal number spells the 32 bits themselves: $FFFFFFFF is -1.
        bits = static_cast<uint32_t>(magnitude);
    } else {
        if (magnitude > (negative ? 0x8000'0000u : 0x7FFF'FFFFu))
            return false;
        bits = static_cast<uint32_t>(magnitude);
    }
    if (negative)
        bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
}

int32_t StrToInt(std::u16string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw ConvertError(u"'" + std::u16string(text) + u"' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(std::u16string_view text, int32_t fallback) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

} // namespace mtp
