#include "dialog/import_run_binding.h"

#include <memory>
#include <utility>

#include "dialog/FormImport.h"
#include "toolkit/application.h"

namespace mtp {

namespace {

// TFImport as the run's dialog: it lives as long as this object.
class TFImportRunDialog : public ImportDialog {
public:
    TFImport* Form() override { return &form_; }
    void SetupDialog(uint8_t mode, uint8_t lang, const DialogRect& TR,
                     const std::u16string& aParams, bool aSilent) override {
        form_.SetupDialog(mode, static_cast<TLanguage>(lang),
                          {TR.Left, TR.Top, TR.Right, TR.Bottom}, aParams, aSilent);
    }
    int ShowModal() override { return form_.ShowModal(); }
    int32_t GetCounter() override { return form_.GetCounter(); }

private:
    TFImport form_;
};

// The toolkit's application object: its owner window and its message pump.
class ToolkitImportApplication : public ImportApplication {
public:
    void SetHandle(std::uintptr_t hostWindow) override { tk::Application().SetHandle(hostWindow); }
    std::uintptr_t Handle() const override { return tk::Application().Handle(); }
    void ProcessMessages() override { tk::Application().ProcessMessages(); }
};

ToolkitImportApplication& ToolkitApplication() {
    static ToolkitImportApplication application;
    return application;
}

} // namespace

TFImportRunBinding::TFImportRunBinding()
    : previousFactory_(
          SetImportDialogFactory([] { return std::make_unique<TFImportRunDialog>(); })),
      previousApplication_(SetImportApplication(&ToolkitApplication())) {}

TFImportRunBinding::~TFImportRunBinding() {
    SetImportApplication(previousApplication_);
    SetImportDialogFactory(std::move(previousFactory_));
}

} // namespace mtp
