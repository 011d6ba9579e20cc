#include "plugin/host_version_gate.h"

#include "plugin/plugin_state.h"
#include "plugin/user_message.h"

namespace mtp {

bool HostIsTooOld() {
    if (PluginState.HostVersion >= MinimumHostVersion)
        return false;
    ShowUserMessage(MessageKind::Information, HostTooOldMessage);
    return true;
}

} // namespace mtp
