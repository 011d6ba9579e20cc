// The host's texts and version as the plug-in keeps them.
#include <cstring>

#include <gtest/gtest.h>

#include "plugin/plugin_state.h"
#include "plugin/uExportFunctions.h"
#include "tests/plugin/fresh_plugin_state.h"

namespace mtp {
namespace {

using PluginStateTest = test::FreshPluginState;

TEST_F(PluginStateTest, StartsEmpty) {
    EXPECT_EQ(PluginState.ImportDialog, nullptr);
    EXPECT_EQ(PluginState.HostVersion, 0);
    EXPECT_TRUE(PluginState.InitDir.empty());
    EXPECT_TRUE(PluginState.WorkFolder.empty());
}

// Each setter keeps its own copy of the host's bytes, unchanged in code page, and treats a null
// text as an empty one.
TEST_F(PluginStateTest, TextSettersCopyTheHostsText) {
    const struct {
        const char* name;
        void (*set)(const char*);
        std::string TPluginState::*field;
    } setters[] = {
        {"SetUserName", SetUserName, &TPluginState::UserName},
        {"SetIniFile", SetIniFile, &TPluginState::IniFileName},
        {"SetPluginIniFile", SetPluginIniFile, &TPluginState::PluginIniFileName},
        {"Initialize", [](const char* t) { Initialize(t); }, &TPluginState::InitDir},
    };
    for (const auto& s : setters) {
        SCOPED_TRACE(s.name);
        char hostText[] = "C:\\Benutzer\\J\xF6rg\\plug.ini"; // "ö" in code page 1252
        s.set(hostText);
        std::memset(hostText, 'x', sizeof hostText - 1);
        EXPECT_EQ(PluginState.*s.field, "C:\\Benutzer\\J\xF6rg\\plug.ini");

        s.set("second");
        EXPECT_EQ(PluginState.*s.field, "second");
        s.set(nullptr);
        EXPECT_EQ(PluginState.*s.field, "");
    }
}

TEST_F(PluginStateTest, SetCorvantaVersionKeepsTheSignedValue) {
    for (int32_t version : {755, -1, INT32_MIN, INT32_MAX}) {
        SetCorvantaVersion(version);
        EXPECT_EQ(PluginState.HostVersion, version);
    }
}

} // namespace
} // namespace mtp
