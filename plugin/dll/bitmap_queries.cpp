// GetPluginIcon and GetPluginImage: the host hands over a bitmap-handle variable and receives a
// fresh copy of the plug-in's picture in it, which it then owns.
#include <cstdint>

#include <windows.h>

#include "plugin/export_guard.h"

extern "C" IMAGE_DOS_HEADER __ImageBase; // this DLL's own module, as the linker places it

namespace {

// Releases the bitmap the variable names, then loads the resource in its place. A DIB section
// keeps the picture's own format (32 x 32, 24 bits per pixel) whatever the screen's depth.
int32_t ReplaceWithResource(HBITMAP* variable, const wchar_t* resourceName) {
    if (variable == nullptr)
        return 1; // nowhere to deliver a bitmap: loading one would only leak it
    if (*variable != nullptr)
        DeleteObject(*variable);
    *variable =
        static_cast<HBITMAP>(LoadImageW(reinterpret_cast<HINSTANCE>(&__ImageBase), resourceName,
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return 1;
}

} // namespace

extern "C" __stdcall int32_t GetPluginImage(HBITMAP* variable) {
    return mtp::GuardExport([=] { return ReplaceWithResource(variable, L"DEVIMG"); }, 1);
}

extern "C" __stdcall int32_t GetPluginIcon(HBITMAP* variable) {
    return mtp::GuardExport([=] { return ReplaceWithResource(variable, L"DEVICON"); }, 1);
}
