// The DLL file as the host's loader sees it: a 32-bit DLL with exactly the 22 exports at their
// ordinals, importing nothing but DLLs that every Windows has.
#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/plugin/dll/pe_image.h"
#include "tests/plugin/dll/plugin_dll.h"

namespace mtp::test {
namespace {

using ::testing::UnorderedElementsAreArray;

TEST(DllPeTablesTest, IsA32BitDll) {
    const PeImage image = PeImage::FromFile(PluginDllPath());
    EXPECT_EQ(image.FileHeader().Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_TRUE(image.FileHeader().Characteristics & IMAGE_FILE_DLL);
}

TEST(DllPeTablesTest, ExactlyThe22NamesAtTheirOrdinals) {
    const char* const expected[] = {
        "GetExInterface",    "GetPluginExeParam",  "SetUserName",
        "GetZipImpProperty", "SetCorvantaVersion", "CallImportDialog",
        "GetDevImpProperty", "GetDelProperty",     "UseOwnImportDialog",
        "UseOwnSetupDialog", "GetPluginImage",     "GetPluginIcon",
        "SetPluginIniFile",  "SetIniFile",         "GetDir",
        "GetDeviceName",     "GetAuthor",          "GetPluginDevType",
        "GetPluginType",     "GetPluginName",      "GetVersion",
        "Initialize",
    };
    std::vector<std::pair<std::string, uint32_t>> want;
    for (uint32_t i = 0; i < std::size(expected); ++i)
        want.emplace_back(expected[i], i + 1);

    uint32_t functionCount = 0;
    std::vector<std::pair<std::string, uint32_t>> have;
    for (const auto& e : PeImage::FromFile(PluginDllPath()).Exports(&functionCount))
        have.emplace_back(e.name, e.ordinal);

    EXPECT_THAT(have, UnorderedElementsAreArray(want));
    EXPECT_EQ(functionCount, 22u) << "no exports by ordinal alone";
}

TEST(DllPeTablesTest, ImportsOnlySystemDlls) {
    const std::set<std::string> system = {
        "kernel32.dll", "user32.dll",   "gdi32.dll",   "comctl32.dll", "comdlg32.dll",
        "ole32.dll",    "oleaut32.dll", "shell32.dll", "shlwapi.dll",  "advapi32.dll",
        "version.dll",  "msvcrt.dll",   "uxtheme.dll", "setupapi.dll",
    };
    const std::vector<std::string> imported = PeImage::FromFile(PluginDllPath()).ImportedDlls();
    EXPECT_FALSE(imported.empty());
    for (std::string name : imported) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(system.count(name)) << name << " is not part of every Windows";
    }
}

} // namespace
} // namespace mtp::test
