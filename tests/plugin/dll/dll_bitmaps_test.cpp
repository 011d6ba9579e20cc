// The plug-in's picture: its resources and the bitmaps GetPluginIcon / GetPluginImage hand out.
#include <cstring>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/plugin/dll/plugin_dll.h"

namespace mtp::test {
namespace {

class DllBitmapsTest : public PluginDllTest {
protected:
    std::string_view Resource(const wchar_t* name) {
        const HRSRC found = FindResourceW(plugin->Module(), name, MAKEINTRESOURCEW(2)); // RT_BITMAP
        if (found == nullptr)
            return {};
        const void* data = LockResource(LoadResource(plugin->Module(), found));
        return {static_cast<const char*>(data), SizeofResource(plugin->Module(), found)};
    }
};

// Top-down BGR rows of a bitmap, read through the device-independent interface.
std::vector<uint8_t> Pixels(HBITMAP bitmap) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> pixels(32 * 32 * 3);
    const HDC dc = CreateCompatibleDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, 32, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    EXPECT_EQ(rows, 32);
    return pixels;
}

TEST_F(DllBitmapsTest, ResourcesAreTheSame32x32TrueColourPicture) {
    const std::string_view icon = Resource(L"DEVICON");
    const std::string_view image = Resource(L"DEVIMG");
    ASSERT_GE(icon.size(), sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(icon, image) << "DEVIMG must be DEVICON byte for byte";

    BITMAPINFOHEADER header;
    std::memcpy(&header, icon.data(), sizeof header);
    EXPECT_EQ(header.biSize, sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 32) << "positive: rows stored bottom-up";
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(header.biXPelsPerMeter, 2835);
    EXPECT_EQ(header.biYPelsPerMeter, 2835);
    EXPECT_EQ(icon.size(), sizeof header + 32 * 32 * 3);
}

TEST_F(DllBitmapsTest, IconAndImageAreIdenticalBitmapsOnLightCyan) {
    HBITMAP icon = nullptr;
    HBITMAP image = nullptr;
    ASSERT_EQ(dll().GetPluginIcon(&icon), 1);
    ASSERT_EQ(dll().GetPluginImage(&image), 1);
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_NE(icon, image);

    for (HBITMAP bitmap : {icon, image}) {
        DIBSECTION format{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof format, &format), static_cast<int>(sizeof format));
        EXPECT_EQ(format.dsBm.bmWidth, 32);
        EXPECT_EQ(format.dsBm.bmHeight, 32);
        EXPECT_EQ(format.dsBm.bmBitsPixel, 24);
    }
    const std::vector<uint8_t> iconPixels = Pixels(icon);
    EXPECT_EQ(iconPixels, Pixels(image));
    for (int corner : {0, 31, 31 * 32, 32 * 32 - 1}) {
        const uint8_t* bgr = &iconPixels[corner * 3];
        EXPECT_EQ((std::vector<int>{bgr[2], bgr[1], bgr[0]}), (std::vector<int>{128, 255, 255}))
            << "corner pixel " << corner;
    }
    DeleteObject(icon);
    DeleteObject(image);
}

TEST_F(DllBitmapsTest, TheVariablesOldBitmapIsReleased) {
    for (auto query : {dll().GetPluginIcon, dll().GetPluginImage}) {
        HBITMAP old = CreateBitmap(8, 8, 1, 32, nullptr);
        ASSERT_EQ(GetObjectType(old), static_cast<DWORD>(OBJ_BITMAP));
        HBITMAP variable = old;
        EXPECT_EQ(query(&variable), 1);
        EXPECT_EQ(GetObjectType(old), 0u) << "the bitmap taken over is deleted";
        EXPECT_EQ(GetObjectType(variable), static_cast<DWORD>(OBJ_BITMAP));
        DeleteObject(variable);
    }
}

TEST_F(DllBitmapsTest, ANullVariableIsAnsweredWithoutABitmap) {
    EXPECT_EQ(dll().GetPluginIcon(nullptr), 1);
    EXPECT_EQ(dll().GetPluginImage(nullptr), 1);
}

} // namespace
} // namespace mtp::test
