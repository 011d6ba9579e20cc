// What the text queries write into the host's buffer.
#include <gtest/gtest.h>

#include "plugin/plugin_state.h"
#include "plugin/uExportFunctions.h"
#include "tests/plugin/fresh_plugin_state.h"
#include "tests/plugin/text_query_cases.h"

namespace mtp {
namespace {

using TextQueryTest = test::FreshPluginState;

TEST_F(TextQueryTest, DeviceNameWithinTheMaximumLength) {
    test::ExpectDeviceNameCases(GetDeviceName);
}

TEST_F(TextQueryTest, EachQueryAnswersItsWholeText) {
    const struct {
        const char* name;
        void (*query)(char*, uint32_t);
        std::string_view text;
    } queries[] = {
        {"GetDeviceName", GetDeviceName, "MTPDevice Import"},
        {"GetPluginName", GetPluginName, "MTPDevice Import Plugin"},
        {"GetAuthor", GetAuthor, "Jorin Vaskel"},
    };
    for (const auto& q : queries) {
        SCOPED_TRACE(q.name);
        test::ExpectQueryWrites(q.query, 255, false, std::string(q.text) + '\0');
    }
}

TEST_F(TextQueryTest, GetDirAnswersWhatInitializeWasGiven) {
    test::ExpectQueryWrites(GetDir, 100, false, std::string_view("\0", 1));

    EXPECT_TRUE(Initialize("C:\\Training\\Import"));
    test::ExpectQueryWrites(GetDir, 100, false, std::string_view("C:\\Training\\Import\0", 19));
    test::ExpectQueryWrites(GetDir, 2, false, std::string_view("C:\0", 3));

    EXPECT_TRUE(Initialize(nullptr));
    test::ExpectQueryWrites(GetDir, 100, false, std::string_view("\0", 1));
}

} // namespace
} // namespace mtp
