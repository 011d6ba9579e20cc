// Binds the import run (plugin/import_run.h) to the window toolkit: the dialog the run creates
// is a TFImport, and the application object it binds to the host's window is the toolkit's.
// Installed for the lifetime of a binding object by whoever runs imports on a toolkit back end:
// natively the demo and the end-to-end tests over the headless back end. The DLL installs none
// yet, so its runs keep the stand-in dialog that closes at once until the toolkit has a
// Windows back end.
#pragma once

#include "plugin/import_application.h"
#include "plugin/import_dialog.h"

namespace mtp {

class TFImportRunBinding {
public:
    // Installs TFImport and the toolkit's application object for the import run.
    TFImportRunBinding();
    // Restores what the run used before.
    ~TFImportRunBinding();
    TFImportRunBinding(const TFImportRunBinding&) = delete;
    TFImportRunBinding& operator=(const TFImportRunBinding&) = delete;

private:
    ImportDialogFactory previousFactory_;
    ImportApplication* previousApplication_;
};

} // namespace mtp
