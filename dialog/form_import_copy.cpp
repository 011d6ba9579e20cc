// "&Import": the copy of the selected rows' files into the working folder.
#include "dialog/FormImport.h"
#include "dialog/copy_selected_files.h"
#include "plugin/plugin_state.h"

namespace mtp {

void TFImport::CopySelectedFiles() {
    mtp::CopySelectedFiles(
        {gridFiles, *fMyList, PluginState.WorkFolder, stbar, fcounter, fLocalNames});
}

} // namespace mtp
