#include "plugin/import_dialog.h"

#include <utility>

namespace mtp {

namespace {

// Shows nothing and copies nothing: the run's result with no dialog built in.
class ClosedImportDialog : public ImportDialog {
public:
    TFImport* Form() override { return nullptr; }
    void SetupDialog(uint8_t, uint8_t, const DialogRect&, const std::u16string&, bool) override {}
    int ShowModal() override { return 2; }
    int32_t GetCounter() override { return 0; }
};

ImportDialogFactory& Factory() {
    static ImportDialogFactory factory;
    return factory;
}

} // namespace

ImportDialogFactory SetImportDialogFactory(ImportDialogFactory factory) {
    return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<ImportDialog> CreateImportDialog() {
    if (const auto& factory = Factory())
        return factory();
    return std::make_unique<ClosedImportDialog>();
}

} // namespace mtp
