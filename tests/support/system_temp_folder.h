// Points the system's temporary folder (GetTempPathW through TMP, natively $TMPDIR) at a folder
// of the test's, so that the import run's working folder lands there.
#pragma once

#include <string>

#include "common/text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace mtp::testing {

inline void SetSystemTempFolder(const std::u16string& folder) {
#ifdef _WIN32
    SetEnvironmentVariableW(L"TMP", std::wstring(folder.begin(), folder.end()).c_str());
#else
    setenv("TMPDIR", Utf16ToUtf8(folder).c_str(), 1);
#endif
}

} // namespace mtp::testing
