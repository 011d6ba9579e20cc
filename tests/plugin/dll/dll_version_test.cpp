// The DLL's version resource, read as Windows' file properties read it.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/plugin/dll/plugin_dll.h"

namespace mtp::test {
namespace {

TEST(DllVersionTest, FileVersionIs8_1_4_83AndMatchesGetVersion) {
    const std::wstring path = PluginDllPath();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    ASSERT_GE(fixedSize, sizeof *fixed);

    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 8);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 1);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 4);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 83);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    hostsim::LoadedPlugin plugin(path);
    EXPECT_EQ(plugin->GetVersion(), HIWORD(fixed->dwFileVersionMS) * 100 +
                                        LOWORD(fixed->dwFileVersionMS) * 10 +
                                        HIWORD(fixed->dwFileVersionLS));
}

} // namespace
} // namespace mtp::test
