// The plug-in's application object as the import run uses it: bound to the host's window for
// the run, and asked once to handle the messages already waiting. The window toolkit's
// application object is installed here; by default the binding is only remembered.
#pragma once

#include <cstdint>

namespace mtp {

class ImportApplication {
public:
    virtual ~ImportApplication() = default;
    // The window that owns the plug-in's windows; 0 unbinds.
    virtual void SetHandle(std::uintptr_t hostWindow) = 0;
    virtual std::uintptr_t Handle() const = 0;
    // Handles every message waiting now, once.
    virtual void ProcessMessages() = 0;
};

// Installs the application object (not owned); null restores the default. Answers the one
// installed before.
ImportApplication* SetImportApplication(ImportApplication* application);
ImportApplication& CurrentImportApplication();

} // namespace mtp
