// What the import run needs of its dialog: set it up, show it modally, read its copy count.
// The dialog module provides the real one through a factory; tests provide fakes. Until a
// factory is installed, the run gets a dialog that closes at once with nothing copied.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace mtp {

class TFImport;

// The rectangle the host hands over (its arguments 2 to 5), kept by the dialog.
struct DialogRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const DialogRect&) const = default;
};

// The modal result of "&Import" after the copy.
inline constexpr int kModalResultOk = 1;

class ImportDialog {
public:
    virtual ~ImportDialog() = default; // destroys the dialog
    // The dialog object that PluginState.ImportDialog names while it exists.
    virtual TFImport* Form() = 0;
    virtual void SetupDialog(uint8_t mode, uint8_t lang, const DialogRect& TR,
                             const std::u16string& aParams, bool aSilent) = 0;
    // Runs the dialog's modal loop; answers its modal result.
    virtual int ShowModal() = 0;
    virtual int32_t GetCounter() = 0;
};

using ImportDialogFactory = std::function<std::unique_ptr<ImportDialog>()>;

// Installs the factory the run creates its dialog with; an empty one restores the default.
// Answers the factory installed before.
ImportDialogFactory SetImportDialogFactory(ImportDialogFactory factory);
std::unique_ptr<ImportDialog> CreateImportDialog();

} // namespace mtp
