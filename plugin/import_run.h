// One import run, as the host asks for it through CallImportDialog.
#pragma once

#include <cstdint>

namespace mtp {

// The nine arguments of CallImportDialog, in the host's order, with the narrow ones already cut
// to the part that counts.
struct ImportRequest {
    // The host's window (an HWND): the plug-in's windows belong to it during the run.
    std::uintptr_t HostWindow = 0;
    // The rectangle handed to the dialog's SetupDialog as TR.
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    // Visual style of the dialog, 0 to 16 (low byte of the argument).
    uint8_t Style = 0;
    // Language: 0 lgEng, 1 lgGer, 2 lgFre, 3 lgSpa, 4 lgIta (low byte of the argument).
    uint8_t Language = 0;
    // Zero-terminated 8-bit text in the ANSI code page: the folder that receives Connect.zip.
    // Owned by the host and valid for the call only.
    const char* TargetFolder = nullptr;
    // Nonzero low byte of the argument.
    bool Silent = false;
};

// Cuts the host's raw 32-bit arguments to the request.
ImportRequest MakeImportRequest(std::uintptr_t hostWindow, int32_t left, int32_t top, int32_t right,
                                int32_t bottom, uint32_t style, uint32_t language,
                                const char* targetFolder, uint32_t silent);

// Runs the import and answers the number of files copied, 0 when the host is too old or the
// user copied nothing. Failures leave as exceptions; the exported function catches them.
int32_t RunImport(const ImportRequest& request);

} // namespace mtp
