// The two process-wide scan settings. They keep their values between dialogs; every dialog
// reloads them from the settings file when it is set up.
#pragma once

#include <cstdint>

namespace mtp {

// Folder descents the scan may make below a device's start object.
inline int32_t MaxDeep = 255;
// Whether the found-file list refuses a second file with the same name.
inline bool NoDoublettes = true;

} // namespace mtp
