// The plug-in's single process-wide record: what the host has told it and the import run's
// own state. It lives from load to unload; every export runs on the host's thread, so it has no
// lock.
#pragma once

#include <cstdint>
#include <string>

namespace mtp {

class TFImport;

struct TPluginState {
    // The open import dialog while an import run shows it, otherwise null.
    TFImport* ImportDialog = nullptr;
    // Texts from the host: 8-bit, in the system's ANSI code page, kept as given.
    std::string InitDir;
    std::string IniFileName;
    std::string PluginIniFileName;
    // The working folder of the import run. Held as UTF-16 so that a temporary folder whose
    // name the ANSI code page cannot spell still works.
    std::u16string WorkFolder;
    int32_t HostVersion = 0;
    std::string UserName;
};

inline TPluginState PluginState;

// The plug-in's copy of a zero-terminated text of the host's; a null pointer is an empty text.
std::string CopyHostText(const char* text);

} // namespace mtp
