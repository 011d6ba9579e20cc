// The built DLL for a test: loaded fresh, so that its state starts empty, and unloaded after.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tools/hostsim/plugin_api.h"

namespace mtp::test {

// The DLL's Windows path; the build passes it with forward slashes.
inline std::wstring PluginDllPath() {
    const std::string path = MTP_PLUGIN_DLL;
    std::wstring wide(path.begin(), path.end());
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

class PluginDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_THROW(plugin = std::make_unique<hostsim::LoadedPlugin>(PluginDllPath()));
    }
    const hostsim::PluginExports& dll() const { return **plugin; }

    std::unique_ptr<hostsim::LoadedPlugin> plugin;
};

} // namespace mtp::test
