// The DLL's exported functions: stdcall, one byte for Boolean and 8-bit results, each body
// guarded so that no exception reaches the host. The answers come from uExportFunctions.h.
//
// There is deliberately no DllMain of our own: nothing may initialise COM/OLE under the loader
// lock, and the plug-in has nothing else to do on attach or detach. The import run initialises
// COM on the host's calling thread and balances it.
#include <cstdint>

#include "plugin/export_guard.h"
#include "plugin/uExportFunctions.h"

#define PLUGIN_EXPORT extern "C" __stdcall

namespace {
using HostBool = uint8_t;
HostBool ToHost(bool value) {
    return value ? 1 : 0;
}
} // namespace

PLUGIN_EXPORT uint8_t GetExInterface() {
    return mtp::GuardExport([] { return mtp::GetExInterface(); }, uint8_t{0});
}

PLUGIN_EXPORT int32_t GetPluginExeParam(uint32_t, uint32_t, uint32_t) {
    return mtp::GuardExport([] { return mtp::GetPluginExeParam(); }, 0);
}

PLUGIN_EXPORT void SetUserName(const char* text) {
    mtp::GuardExport([=] { mtp::SetUserName(text); });
}

PLUGIN_EXPORT HostBool GetZipImpProperty() {
    return mtp::GuardExport([] { return ToHost(mtp::GetZipImpProperty()); }, HostBool{0});
}

PLUGIN_EXPORT void SetCorvantaVersion(int32_t hostVersion) {
    mtp::GuardExport([=] { mtp::SetCorvantaVersion(hostVersion); });
}

PLUGIN_EXPORT int32_t CallImportDialog(uintptr_t hostWindow, int32_t left, int32_t top,
                                       int32_t right, int32_t bottom, uint32_t style,
                                       uint32_t language, const char* targetFolder,
                                       uint32_t silent) {
    return mtp::GuardExport(
        [=] {
            return mtp::CallImportDialog(hostWindow, left, top, right, bottom, style, language,
                                         targetFolder, silent);
        },
        0);
}

PLUGIN_EXPORT HostBool GetDevImpProperty() {
    return mtp::GuardExport([] { return ToHost(mtp::GetDevImpProperty()); }, HostBool{0});
}

PLUGIN_EXPORT int32_t GetDelProperty() {
    return mtp::GuardExport([] { return mtp::GetDelProperty(); }, 0);
}

PLUGIN_EXPORT HostBool UseOwnImportDialog() {
    return mtp::GuardExport([] { return ToHost(mtp::UseOwnImportDialog()); }, HostBool{0});
}

PLUGIN_EXPORT int32_t UseOwnSetupDialog() {
    return mtp::GuardExport([] { return mtp::UseOwnSetupDialog(); }, 0);
}

PLUGIN_EXPORT void SetPluginIniFile(const char* text) {
    mtp::GuardExport([=] { mtp::SetPluginIniFile(text); });
}

PLUGIN_EXPORT void SetIniFile(const char* text) {
    mtp::GuardExport([=] { mtp::SetIniFile(text); });
}

PLUGIN_EXPORT void GetDir(char* buffer, uint32_t maxLength) {
    mtp::GuardExport([=] { mtp::GetDir(buffer, maxLength); });
}

PLUGIN_EXPORT void GetDeviceName(char* buffer, uint32_t maxLength) {
    mtp::GuardExport([=] { mtp::GetDeviceName(buffer, maxLength); });
}

PLUGIN_EXPORT void GetAuthor(char* buffer, uint32_t maxLength) {
    mtp::GuardExport([=] { mtp::GetAuthor(buffer, maxLength); });
}

PLUGIN_EXPORT uint8_t GetPluginDevType() {
    return mtp::GuardExport([] { return mtp::GetPluginDevType(); }, uint8_t{0});
}

PLUGIN_EXPORT HostBool GetPluginType() {
    return mtp::GuardExport([] { return ToHost(mtp::GetPluginType()); }, HostBool{0});
}

PLUGIN_EXPORT void GetPluginName(char* buffer, uint32_t maxLength) {
    mtp::GuardExport([=] { mtp::GetPluginName(buffer, maxLength); });
}

PLUGIN_EXPORT int32_t GetVersion() {
    return mtp::GuardExport([] { return mtp::GetVersion(); }, 0);
}

PLUGIN_EXPORT HostBool Initialize(uint32_t, const char* initDir, uint32_t) {
    return mtp::GuardExport([=] { return ToHost(mtp::Initialize(initDir)); }, HostBool{0});
}
