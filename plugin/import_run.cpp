#include "plugin/import_run.h"

#include <exception>
#include <memory>

#include "common/ansi_text.h"
#include "common/errors.h"
#include "common/file_system.h"
#include "plugin/com_apartment.h"
#include "plugin/host_version_gate.h"
#include "plugin/import_application.h"
#include "plugin/import_dialog.h"
#include "plugin/plugin_state.h"
#include "plugin/uhelper.h"
#include "plugin/user_message.h"

namespace mtp {

namespace {

// Runs `body`, then `cleanup` however `body` ends. When both fail, the body's failure is
// the one that goes on.
template <class Body, class Cleanup> void WithCleanup(Body&& body, Cleanup&& cleanup) {
    try {
        body();
    } catch (...) {
        try {
            cleanup();
        } catch (...) {
        }
        throw;
    }
    cleanup();
}

// Packs the working folder's files into Connect.zip in the target folder when the dialog
// copied any.
void PackWorkFolder(int32_t count, const std::u16string& targetFolder) {
    if (count <= 0)
        return;
    FileList list;
    if (ListFolderFiles(PluginState.WorkFolder, u"*.*", list) == 0)
        return;
    // Without a target the archive would land in the root of the current drive.
    if (targetFolder.empty())
        throw FileError(u"Cannot write the archive: the host named no folder for it.");
    ZipFiles(JoinPath(targetFolder, ArchiveName), PluginState.WorkFolder, list);
}

// The working folder under the user's temporary folder, created with its parents.
void PrepareWorkFolder() {
    const std::u16string temp = GetTempFolder();
    if (temp.empty())
        throw FileError(u"The system reports no temporary folder for the import.");
    PluginState.WorkFolder = JoinPath(temp, WorkFolderName);
    ForceDirectories(PluginState.WorkFolder); // a failure shows when files are copied into it
}

// Creates the dialog, sets it up and shows it modally; PluginState names it while it
// exists, and it is destroyed however it ends. Answers its count when it closed with OK.
int32_t RunDialog(const ImportRequest& request, const std::u16string& targetFolder) {
    std::unique_ptr<ImportDialog> dialog = CreateImportDialog();
    PluginState.ImportDialog = dialog->Form();
    int32_t count = 0;
    WithCleanup(
        [&] {
            const DialogRect rect{request.Left, request.Top, request.Right, request.Bottom};
            dialog->SetupDialog(request.Style, request.Language, rect, targetFolder,
                                request.Silent);
            if (dialog->ShowModal() == kModalResultOk)
                count = dialog->GetCounter();
        },
        [&] {
            PluginState.ImportDialog = nullptr;
            dialog.reset();
        });
    return count;
}

int32_t ImportSteps(const ImportRequest& request) {
    const std::string target = CopyHostText(request.TargetFolder);
    const std::u16string targetFolder = AnsiToUtf16(target);
    ImportApplication& application = CurrentImportApplication();
    application.SetHandle(request.HostWindow);
    int32_t count = 0;
    WithCleanup(
        [&] {
            application.ProcessMessages();
            PrepareWorkFolder();
            WithCleanup([&] { count = RunDialog(request, targetFolder); },
                        [&] { PackWorkFolder(count, targetFolder); });
        },
        [&] {
            if (DirectoryExists(PluginState.WorkFolder))
                WipeFolder(PluginState.WorkFolder);
            application.SetHandle(0);
        });
    return count;
}

} // namespace

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

std::u16string GetTempFolder() {
    return SystemTempPath();
}

int32_t RunImport(const ImportRequest& request) {
    if (HostIsTooOld())
        return 0;
    ComApartment com;
    try {
        return ImportSteps(request);
    } catch (const std::exception& e) {
        ShowUserMessage(MessageKind::Error, ErrorText(e));
    } catch (...) {
        ShowUserMessage(MessageKind::Error, u"The import failed for an unknown reason.");
    }
    return 0;
}

} // namespace mtp
