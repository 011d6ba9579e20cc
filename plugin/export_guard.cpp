#include "plugin/export_guard.h"

#include "common/errors.h"
#include "plugin/user_message.h"

namespace mtp {

void ReportExportFailure(std::exception_ptr failure) noexcept {
    try {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            ShowUserMessage(MessageKind::Error, ErrorText(e));
        } catch (...) {
            ShowUserMessage(MessageKind::Error, u"The plug-in met an unknown error.");
        }
    } catch (...) {
        // Showing the message failed as well; the host must still get its answer.
    }
}

} // namespace mtp
