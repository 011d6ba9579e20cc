// The plug-in's 22 exported functions as the host declares them: stdcall, one byte for Boolean
// and 8-bit results, 32 bits for the rest. Written from the host's side of the interface, so
// that the stand-in host and the DLL tests call the DLL exactly as the host does.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include <windows.h>

namespace hostsim {

using HostBool = uint8_t;

struct PluginExports {
    uint8_t(__stdcall* GetExInterface)();
    int32_t(__stdcall* GetPluginExeParam)(uint32_t, uint32_t, uint32_t);
    void(__stdcall* SetUserName)(const char* text);
    HostBool(__stdcall* GetZipImpProperty)();
    void(__stdcall* SetCorvantaVersion)(int32_t hostVersion);
    int32_t(__stdcall* CallImportDialog)(HWND hostWindow, int32_t left, int32_t top, int32_t right,
                                         int32_t bottom, uint32_t style, uint32_t language,
                                         const char* targetFolder, uint32_t silent);
    HostBool(__stdcall* GetDevImpProperty)();
    int32_t(__stdcall* GetDelProperty)();
    HostBool(__stdcall* UseOwnImportDialog)();
    int32_t(__stdcall* UseOwnSetupDialog)();
    int32_t(__stdcall* GetPluginImage)(HBITMAP* bitmap);
    int32_t(__stdcall* GetPluginIcon)(HBITMAP* bitmap);
    void(__stdcall* SetPluginIniFile)(const char* text);
    void(__stdcall* SetIniFile)(const char* text);
    void(__stdcall* GetDir)(char* buffer, uint32_t maxLength);
    void(__stdcall* GetDeviceName)(char* buffer, uint32_t maxLength);
    void(__stdcall* GetAuthor)(char* buffer, uint32_t maxLength);
    uint8_t(__stdcall* GetPluginDevType)();
    HostBool(__stdcall* GetPluginType)();
    void(__stdcall* GetPluginName)(char* buffer, uint32_t maxLength);
    int32_t(__stdcall* GetVersion)();
    HostBool(__stdcall* Initialize)(uint32_t, const char* initDir, uint32_t);
};

// The DLL loaded by path with its exports resolved by name; unloaded again on destruction.
class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
        if (module_ == nullptr)
            throw std::runtime_error("cannot load the plug-in (error " +
                                     std::to_string(GetLastError()) + ")");
        try {
            BindAll();
        } catch (...) {
            FreeLibrary(module_);
            throw;
        }
    }
    ~LoadedPlugin() { FreeLibrary(module_); }
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    const PluginExports& operator*() const { return exports_; }
    const PluginExports* operator->() const { return &exports_; }
    HMODULE Module() const { return module_; }

private:
    template <class Function> void Bind(const char* name, Function& slot) {
        FARPROC address = GetProcAddress(module_, name);
        if (address == nullptr)
            throw std::runtime_error(std::string("the plug-in does not export ") + name);
        // Through void(*)(), the generic function pointer type, to the declared prototype.
        slot = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    }

    void BindAll() {
#define HOSTSIM_BIND(name) Bind(#name, exports_.name)
        HOSTSIM_BIND(GetExInterface);
        HOSTSIM_BIND(GetPluginExeParam);
        HOSTSIM_BIND(SetUserName);
        HOSTSIM_BIND(GetZipImpProperty);
        HOSTSIM_BIND(SetCorvantaVersion);
        HOSTSIM_BIND(CallImportDialog);
        HOSTSIM_BIND(GetDevImpProperty);
        HOSTSIM_BIND(GetDelProperty);
        HOSTSIM_BIND(UseOwnImportDialog);
        HOSTSIM_BIND(UseOwnSetupDialog);
        HOSTSIM_BIND(GetPluginImage);
        HOSTSIM_BIND(GetPluginIcon);
        HOSTSIM_BIND(SetPluginIniFile);
        HOSTSIM_BIND(SetIniFile);
        HOSTSIM_BIND(GetDir);
        HOSTSIM_BIND(GetDeviceName);
        HOSTSIM_BIND(GetAuthor);
        HOSTSIM_BIND(GetPluginDevType);
        HOSTSIM_BIND(GetPluginType);
        HOSTSIM_BIND(GetPluginName);
        HOSTSIM_BIND(GetVersion);
        HOSTSIM_BIND(Initialize);
#undef HOSTSIM_BIND
    }

    HMODULE module_;
    PluginExports exports_{};
};

} // namespace hostsim
