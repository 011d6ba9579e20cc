// One import run, as the host asks for it through CallImportDialog.
#pragma once

#include <cstdint>
#include <string>

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

// The working folder's name under the user's temporary folder.
inline constexpr std::u16string_view WorkFolderName = u"CorvantaSync";
// The archive's name in the host's target folder.
inline constexpr std::u16string_view ArchiveName = u"Connect.zip";

// The user's temporary folder as the system reports it (GetTempPathW with a buffer of 260
// characters, up to the first zero).
std::u16string GetTempFolder();

// Runs the import and answers the number of files the dialog copied when it closed with OK,
// otherwise 0: the host is too old, the user aborted, or nothing was copied. COM is
// initialised on the calling thread for the run. The working folder is wiped and the
// application unbound from the host's window however the run ends. A failure (the archive
// cannot be written, or anything else) is reported in an error message after that clean-up,
// and the answer is then 0; nothing is thrown.
int32_t RunImport(const ImportRequest& request);

} // namespace mtp
