// The host-version gate in front of every import run.
#include <climits>

#include <gtest/gtest.h>

#include "plugin/host_version_gate.h"
#include "plugin/plugin_state.h"
#include "plugin/uExportFunctions.h"
#include "tests/plugin/fresh_plugin_state.h"
#include "tests/plugin/message_capture.h"

namespace mtp {
namespace {

class HostVersionGateTest : public test::FreshPluginState {
protected:
    test::MessageCapture capture;
};

constexpr std::u16string_view ExpectedMessage =
    u"This import plug-in is not compatible with Corvanta Pro versions < 7.55.\r\n"
    u"Please update the Corvanta Pro version to 7.55.";

TEST_F(HostVersionGateTest, OlderHostsAreToldAndRefused) {
    for (int32_t version : {753, 0, -1, -754, INT32_MIN}) {
        SCOPED_TRACE(version);
        capture.messages.clear();
        PluginState.HostVersion = version;

        EXPECT_TRUE(HostIsTooOld());
        ASSERT_EQ(capture.messages.size(), 1u);
        EXPECT_EQ(capture.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(capture.messages[0].text, ExpectedMessage);
        EXPECT_EQ(capture.messages[0].caption, u"MTP Device Import");
    }
}

TEST_F(HostVersionGateTest, Version754AndLaterPassSilently) {
    for (int32_t version : {754, 755, 1000, INT32_MAX}) {
        SCOPED_TRACE(version);
        PluginState.HostVersion = version;
        EXPECT_FALSE(HostIsTooOld());
    }
    EXPECT_TRUE(capture.messages.empty());
}

TEST_F(HostVersionGateTest, CallImportDialogIsRefusedWhenVersionWasNeverSet) {
    EXPECT_EQ(CallImportDialog(0, 0, 0, 640, 480, 0, 0, "C:\\Import", 0), 0);
    ASSERT_EQ(capture.messages.size(), 1u);
    EXPECT_EQ(capture.messages[0].text, ExpectedMessage);
    EXPECT_TRUE(PluginState.WorkFolder.empty()) << "a refused run changes no state";
}

} // namespace
} // namespace mtp
