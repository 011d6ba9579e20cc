#include "plugin/import_run.h"

#include "plugin/host_version_gate.h"

namespace mtp {

ImportRequest MakeImportRequest(std::uintptr_t hostWindow, int32_t left, int32_t top, int32_t right,
                                int32_t bottom, uint32_t style, uint32_t language,
                                const char* targetFolder, uint32_t silent) {
    ImportRequest request;
    request.HostWindow = hostWindow;
    request.Left = left;
    request.Top = top;
    request.Right = right;
    request.Bottom = bottom;
    request.Style = static_cast<uint8_t>(style & 0xFFu);
    request.Language = static_cast<uint8_t>(language & 0xFFu);
    request.TargetFolder = targetFolder;
    request.Silent = (silent & 0xFFu) != 0;
    return request;
}

int32_t RunImport(const ImportRequest& request) {
    if (HostIsTooOld())
        return 0;
    // The dialog run follows the gate here; until then nothing is copied.
    static_cast<void>(request);
    return 0;
}

} // namespace mtp
