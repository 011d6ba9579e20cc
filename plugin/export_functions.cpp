#include "plugin/import_run.h"
#include "plugin/plugin_state.h"
#include "plugin/text_query.h"
#include "plugin/uExportFunctions.h"
#include "plugin/version.h"

namespace mtp {

uint8_t GetExInterface() {
    return 6;
}
int32_t GetPluginExeParam() {
    return 0;
}
bool GetZipImpProperty() {
    return true;
}
bool GetDevImpProperty() {
    return true;
}
int32_t GetDelProperty() {
    return 0;
}
bool UseOwnImportDialog() {
    return true;
}
int32_t UseOwnSetupDialog() {
    return 0;
}
uint8_t GetPluginDevType() {
    return 5;
}
bool GetPluginType() {
    return true;
}

int32_t GetVersion() {
    return MTP_VERSION_MAJOR * 100 + MTP_VERSION_MINOR * 10 + MTP_VERSION_PATCH;
}

void SetUserName(const char* text) {
    PluginState.UserName = CopyHostText(text);
}
void SetCorvantaVersion(int32_t hostVersion) {
    PluginState.HostVersion = hostVersion;
}
void SetPluginIniFile(const char* text) {
    PluginState.PluginIniFileName = CopyHostText(text);
}
void SetIniFile(const char* text) {
    PluginState.IniFileName = CopyHostText(text);
}

bool Initialize(const char* initDir) {
    PluginState.InitDir = CopyHostText(initDir);
    return true;
}

void GetDir(char* buffer, uint32_t maxLength) {
    CopyToHostBuffer(PluginState.InitDir, buffer, maxLength);
}
void GetDeviceName(char* buffer, uint32_t maxLength) {
    CopyToHostBuffer(DeviceNameText, buffer, maxLength);
}
void GetAuthor(char* buffer, uint32_t maxLength) {
    CopyToHostBuffer(AuthorText, buffer, maxLength);
}
void GetPluginName(char* buffer, uint32_t maxLength) {
    CopyToHostBuffer(PluginNameText, buffer, maxLength);
}

int32_t CallImportDialog(std::uintptr_t hostWindow, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, uint32_t style, uint32_t language,
                         const char* targetFolder, uint32_t silent) {
    return RunImport(MakeImportRequest(hostWindow, left, top, right, bottom, style, language,
                                       targetFolder, silent));
}

} // namespace mtp
