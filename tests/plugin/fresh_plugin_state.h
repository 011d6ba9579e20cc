// A fixture whose tests start and end with the plug-in's state as loading leaves it.
#pragma once

#include <gtest/gtest.h>

#include "plugin/plugin_state.h"

namespace mtp::test {

class FreshPluginState : public ::testing::Test {
protected:
    void SetUp() override { PluginState = TPluginState{}; }
    void TearDown() override { PluginState = TPluginState{}; }
};

} // namespace mtp::test
