#include "plugin/import_application.h"

#include <utility>

namespace mtp {

namespace {

class RememberedBinding : public ImportApplication {
public:
    void SetHandle(std::uintptr_t hostWindow) override { handle_ = hostWindow; }
    std::uintptr_t Handle() const override { return handle_; }
    void ProcessMessages() override {}

private:
    std::uintptr_t handle_ = 0;
};

ImportApplication*& Installed() {
    static ImportApplication* installed = nullptr;
    return installed;
}

} // namespace

ImportApplication* SetImportApplication(ImportApplication* application) {
    return std::exchange(Installed(), application);
}

ImportApplication& CurrentImportApplication() {
    static RememberedBinding fallback;
    return Installed() ? *Installed() : fallback;
}

} // namespace mtp
