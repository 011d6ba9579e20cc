// What the plug-in answers to each of the host's calls, one function per exported function of
// the DLL. plugin/dll wraps each in its stdcall export; the bitmap queries live there alone,
// since they hand out Windows bitmaps. CallImportDialog runs the import (import_run.h).
#pragma once

#include <cstdint>
#include <string_view>

namespace mtp {

inline constexpr std::string_view DeviceNameText = "MTPDevice Import";
inline constexpr std::string_view PluginNameText = "MTPDevice Import Plugin";
inline constexpr std::string_view AuthorText = "Jorin Vaskel";

// Fixed answers about the kind of plug-in.
uint8_t GetExInterface();
int32_t GetPluginExeParam();
bool GetZipImpProperty();
bool GetDevImpProperty();
int32_t GetDelProperty();
bool UseOwnImportDialog();
int32_t UseOwnSetupDialog();
uint8_t GetPluginDevType();
bool GetPluginType();
int32_t GetVersion();

// The host's texts and version, copied into PluginState. A null text is an empty one.
void SetUserName(const char* text);
void SetCorvantaVersion(int32_t hostVersion);
void SetPluginIniFile(const char* text);
void SetIniFile(const char* text);
bool Initialize(const char* initDir);

// Text queries: see CopyToHostBuffer for how the buffer and its maximum length are used.
void GetDir(char* buffer, uint32_t maxLength);
void GetDeviceName(char* buffer, uint32_t maxLength);
void GetAuthor(char* buffer, uint32_t maxLength);
void GetPluginName(char* buffer, uint32_t maxLength);

// The import: the host's nine raw arguments, answered with the number of files copied.
int32_t CallImportDialog(std::uintptr_t hostWindow, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, uint32_t style, uint32_t language,
                         const char* targetFolder, uint32_t silent);

} // namespace mtp
