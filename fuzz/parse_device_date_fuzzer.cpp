// libFuzzer target for the device date texts and the integer-text conversion. Build with clang:
//   cmake -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
//         -DMTP_FUZZ=ON && cmake --build build/fuzz --target parse_device_date_fuzzer
//   build/fuzz/fuzz/parse_device_date_fuzzer -max_total_time=60
// The input bytes are read as UTF-16 code units; the first byte picks the user's locale.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/int_text.h"
#include "common/locale_formats.h"
#include "device/parse_device_date.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const mtp::LocaleFormats locales[] = {mtp::DottedDayFirstLocale(), mtp::UsLocale(),
                                                 mtp::IsoLocale(), mtp::TwoDigitYearLocale()};
    mtp::SetCurrentLocale(locales[data[0] % 4]);
    std::u16string text;
    for (size_t i = 1; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

    const mtp::TDateTime value = mtp::ParseDeviceDate(text);
    mtp::DateTimeParts parts;
    if (value != 0 && !mtp::TryDecodeDateTime(value, parts))
        __builtin_trap(); // a date the rest of the plug-in could not use

    int32_t number = 0;
    if (mtp::TryStrToInt(text, number) && mtp::StrToInt(text) != number)
        __builtin_trap();
    mtp::TDateTime read = 0;
    (void)mtp::TryStrToDateTime(text, read);
    return 0;
}
