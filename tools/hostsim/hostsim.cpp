// hostsim: plays Corvanta Pro against the plug-in DLL. It loads the DLL by path, calls the
// exports as the host does (what the plug-in is, the INI files, the user, Initialize, every
// query, then the import) and prints every answer.
//
//   hostsim.exe <path of MTPDeviceImport.dll> [--target <folder>] [--host-version <n>]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include <windows.h>

#include "tools/hostsim/plugin_api.h"

namespace {

struct Options {
    std::wstring dllPath;
    std::wstring targetFolder;
    int32_t hostVersion = 760; // Corvanta Pro 7.60
};

[[noreturn]] void Usage() {
    std::fprintf(stderr, "usage: hostsim <plug-in DLL> [--target <folder>] [--host-version <n>]\n");
    std::exit(2);
}

Options ParseOptions(int argc, wchar_t** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if (arg == L"--target" && i + 1 < argc)
            options.targetFolder = argv[++i];
        else if (arg == L"--host-version" && i + 1 < argc)
            options.hostVersion = static_cast<int32_t>(std::wcstol(argv[++i], nullptr, 10));
        else if (!arg.starts_with(L"--") && options.dllPath.empty())
            options.dllPath = arg;
        else
            Usage();
    }
    if (options.dllPath.empty())
        Usage();
    if (options.targetFolder.empty()) {
        wchar_t current[MAX_PATH];
        const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
        options.targetFolder.assign(current, length < MAX_PATH ? length : 0);
    }
    return options;
}

// The host's texts are 8-bit, in the system's ANSI code page.
std::string Ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::string Query(void(__stdcall* query)(char*, uint32_t)) {
    char buffer[256] = {};
    query(buffer, sizeof buffer - 1);
    return buffer;
}

void PrintBitmapAnswer(const char* name, int32_t(__stdcall* query)(HBITMAP*)) {
    HBITMAP bitmap = nullptr;
    const int32_t answer = query(&bitmap);
    BITMAP format{};
    if (bitmap != nullptr && GetObjectW(bitmap, sizeof format, &format) == sizeof format)
        std::printf("%-20s -> %d, bitmap %ld x %ld, %u bits per pixel\n", name, answer,
                    format.bmWidth, format.bmHeight, format.bmBitsPixel);
    else
        std::printf("%-20s -> %d, no bitmap\n", name, answer);
    if (bitmap != nullptr)
        DeleteObject(bitmap); // the host owns the bitmap it received
}

int Run(const Options& options) {
    hostsim::LoadedPlugin plugin(options.dllPath);
    std::printf("loaded %ls\n", options.dllPath.c_str());

    std::printf("%-20s -> %d\n", "GetVersion", plugin->GetVersion());
    std::printf("%-20s -> %u\n", "GetExInterface", plugin->GetExInterface());
    std::printf("%-20s -> %u\n", "GetPluginType", plugin->GetPluginType());
    std::printf("%-20s -> %u\n", "GetPluginDevType", plugin->GetPluginDevType());
    std::printf("%-20s -> %d\n", "GetPluginExeParam", plugin->GetPluginExeParam(0, 0, 0));
    std::printf("%-20s -> %u\n", "GetZipImpProperty", plugin->GetZipImpProperty());
    std::printf("%-20s -> %u\n", "GetDevImpProperty", plugin->GetDevImpProperty());
    std::printf("%-20s -> %d\n", "GetDelProperty", plugin->GetDelProperty());
    std::printf("%-20s -> %u\n", "UseOwnImportDialog", plugin->UseOwnImportDialog());
    std::printf("%-20s -> %d\n", "UseOwnSetupDialog", plugin->UseOwnSetupDialog());
    std::printf("%-20s -> \"%s\"\n", "GetPluginName", Query(plugin->GetPluginName).c_str());
    std::printf("%-20s -> \"%s\"\n", "GetDeviceName", Query(plugin->GetDeviceName).c_str());
    std::printf("%-20s -> \"%s\"\n", "GetAuthor", Query(plugin->GetAuthor).c_str());
    PrintBitmapAnswer("GetPluginIcon", plugin->GetPluginIcon);
    PrintBitmapAnswer("GetPluginImage", plugin->GetPluginImage);

    const std::string target = Ansi(options.targetFolder);
    const std::string hostIni = target + "\\Corvanta.ini";
    const std::string pluginIni = target + "\\MTPDeviceImport.ini";
    const char* userName = "Demo Athlete";
    plugin->SetCorvantaVersion(options.hostVersion);
    std::printf("%-20s (%d)\n", "SetCorvantaVersion", options.hostVersion);
    plugin->SetIniFile(hostIni.c_str());
    std::printf("%-20s (\"%s\")\n", "SetIniFile", hostIni.c_str());
    plugin->SetPluginIniFile(pluginIni.c_str());
    std::printf("%-20s (\"%s\")\n", "SetPluginIniFile", pluginIni.c_str());
    plugin->SetUserName(userName);
    std::printf("%-20s (\"%s\")\n", "SetUserName", userName);
    std::printf("%-20s -> %u\n", "Initialize", plugin->Initialize(0, target.c_str(), 0));
    std::printf("%-20s -> \"%s\"\n", "GetDir", Query(plugin->GetDir).c_str());

    const int32_t count =
        plugin->CallImportDialog(nullptr, 100, 100, 740, 580, 0, 0, target.c_str(), 0);
    std::printf("%-20s -> %d files\n", "CallImportDialog", count);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hostsim: %s\n", e.what());
        return 1;
    }
}
