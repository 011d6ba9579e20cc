// The one integer-text conversion used for device size texts, settings values and the depth
// prompt: leading spaces, an optional sign, then decimal digits to the end, or a hexadecimal
// number after "$", "x" or "0x" (either case). Decimal numbers must lie in the 32-bit signed
// range; a hexadecimal number of up to 32 bits spells the bits ($FFFFFFFF is -1), as the
// platform's conversion does. Anything else fails.
#pragma once

#include <cstdint>
#include <string_view>

namespace mtp {

bool TryStrToInt(std::u16string_view text, int32_t& value);
// Throws ConvertError whose text names the text: "'abc' is not a valid integer value".
int32_t StrToInt(std::u16string_view text);
// The default when the text does not convert.
int32_t StrToIntDef(std::u16string_view text, int32_t fallback);

} // namespace mtp
