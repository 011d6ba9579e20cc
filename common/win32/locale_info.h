// Reading a Windows locale's date and time formats by locale name (tests read named locales;
// the plug-in reads the user's).
#pragma once

#include "common/locale_formats.h"

namespace mtp {

// localeName: a name such as L"de-DE", or LOCALE_NAME_USER_DEFAULT (null).
LocaleFormats ReadLocaleFormats(const wchar_t* localeName);

} // namespace mtp
