#include "common/locale_formats.h"

namespace mtp {

// Natively the formats are whatever a test chooses; they start as the dotted locale.
LocaleFormats ReadUserLocale() {
    return DottedDayFirstLocale();
}

} // namespace mtp
