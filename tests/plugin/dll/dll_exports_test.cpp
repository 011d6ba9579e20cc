// The answers of the DLL's exports, called through the host's stdcall prototypes.
#include <cstdint>
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/plugin/dll/plugin_dll.h"
#include "tests/plugin/text_query_cases.h"

namespace mtp::test {
namespace {

class DllExportsTest : public PluginDllTest {};

TEST_F(DllExportsTest, EveryAnswer) {
    const hostsim::PluginExports& p = dll();
    auto text = [](void(__stdcall * query)(char*, uint32_t)) {
        return [=] {
            char buffer[64] = {};
            query(buffer, sizeof buffer - 1);
            return std::string(buffer);
        };
    };
    const struct {
        const char* name;
        std::function<uint32_t()> call;
        uint32_t expected;
    } numbers[] = {
        {"GetExInterface", [&] { return p.GetExInterface(); }, 6},
        {"GetPluginExeParam", [&] { return p.GetPluginExeParam(1, 2, 3); }, 0},
        {"GetZipImpProperty", [&] { return p.GetZipImpProperty(); }, 1},
        {"GetDevImpProperty", [&] { return p.GetDevImpProperty(); }, 1},
        {"GetDelProperty", [&] { return p.GetDelProperty(); }, 0},
        {"UseOwnImportDialog", [&] { return p.UseOwnImportDialog(); }, 1},
        {"UseOwnSetupDialog", [&] { return p.UseOwnSetupDialog(); }, 0},
        {"GetPluginDevType", [&] { return p.GetPluginDevType(); }, 5},
        {"GetPluginType", [&] { return p.GetPluginType(); }, 1},
        {"GetVersion", [&] { return p.GetVersion(); }, 814},
        {"Initialize", [&] { return p.Initialize(7, "C:\\Init", 9); }, 1},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(n.call(), n.expected) << n.name;

    const struct {
        const char* name;
        std::function<std::string()> call;
        std::string expected;
    } texts[] = {
        {"GetDeviceName", text(p.GetDeviceName), "MTPDevice Import"},
        {"GetPluginName", text(p.GetPluginName), "MTPDevice Import Plugin"},
        {"GetAuthor", text(p.GetAuthor), "Jorin Vaskel"},
        {"GetDir", text(p.GetDir), "C:\\Init"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.call(), t.expected) << t.name;
}

TEST_F(DllExportsTest, DeviceNameWithinTheMaximumLength) {
    ExpectDeviceNameCases(dll().GetDeviceName);
}

TEST_F(DllExportsTest, GetDirBeforeAndAfterInitialize) {
    const std::string_view empty("\0", 1);
    ExpectQueryWrites(dll().GetDir, 100, false, empty);
    ASSERT_EQ(dll().Initialize(0, "D:\\Daten", 0), 1);
    ExpectQueryWrites(dll().GetDir, 100, false, std::string_view("D:\\Daten\0", 9));
    ASSERT_EQ(dll().Initialize(0, nullptr, 0), 1);
    ExpectQueryWrites(dll().GetDir, 100, false, empty);
}

// The real message box of the refused import: read and closed by a hook as soon as it opens.
struct SeenBox {
    int count = 0;
    std::wstring caption;
    std::wstring text;
    bool informationIcon = false;
};
SeenBox seen;

BOOL CALLBACK ReadStatic(HWND child, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (lstrcmpiW(className, L"Static") != 0)
        return TRUE;
    if (HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)))
        seen.informationIcon = icon == LoadIconW(nullptr, IDI_INFORMATION);
    wchar_t text[512] = {};
    if (GetWindowTextW(child, text, 512) > static_cast<int>(seen.text.size()))
        seen.text = text;
    return TRUE;
}

// Runs inside the box's own message loop, once the box has filled in its texts.
void CALLBACK ReadAndClose(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    wchar_t caption[128] = {};
    GetWindowTextW(box, caption, 128);
    seen.caption = caption;
    EnumChildWindows(box, ReadStatic, 0);
    ++seen.count;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK CloseOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE)
        SetTimer(reinterpret_cast<HWND>(wParam), 1, 10, ReadAndClose);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(DllExportsTest, OldHostIsToldInAnInformationBoxAndGetsNoImport) {
    seen = {};
    const HHOOK hook = SetWindowsHookExW(WH_CBT, CloseOnActivate, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    dll().SetCorvantaVersion(753);
    const int32_t count = dll().CallImportDialog(nullptr, 0, 0, 640, 480, 0, 0, "C:\\", 0);
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(count, 0);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.caption, L"MTP Device Import");
    EXPECT_EQ(seen.text,
              L"This import plug-in is not compatible with Corvanta Pro versions < 7.55.\r\n"
              L"Please update the Corvanta Pro version to 7.55.");
    EXPECT_TRUE(seen.informationIcon);
}

} // namespace
} // namespace mtp::test
