// A target folder that cannot take Connect.zip: the user is told which path failed and why, the
// host gets 0, and nothing is left behind: no working folder, no half-written archive, an
// earlier archive untouched.
#include <gtest/gtest.h>

#include "tests/e2e/import_fixture.h"
#include "tests/support/folder_trouble.h"

namespace mtp::testing {
namespace {

class ImportTargetTrouble : public ImportEndToEnd {
protected:
    void SetUp() override {
        ImportEndToEnd::SetUp();
        // Three rides that deflate cannot shrink: together more than a 64 KiB folder holds.
        Watch("watch", "Forerunner", {});
        for (const char* name : {"a.fit", "b.fit", "c.fit"})
            devices.File("watch", std::string("Internal Storage/GARMIN/Activity/") + name,
                         NoiseBytes(40000, name[0]));
        Install();
    }

    int32_t ImportAll(const std::u16string& targetFolder) {
        return Import({Scan(), Click(u"rdbAll"), Click(u"btnOk")}, targetFolder);
    }

    // The one message of the run: the archive's path and, when given, the system's reason.
    void ExpectReported(const std::u16string& archivePath, const std::u16string& reason = {}) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].kind, MessageKind::Error);
        const std::u16string& text = messages.messages[0].text;
        const std::u16string start = u"Cannot write the archive \"" + archivePath + u"\": ";
        EXPECT_TRUE(text.starts_with(start)) << Utf16ToUtf8(text);
        EXPECT_GT(text.size(), start.size()); // a reason is given
        if (!reason.empty()) {
            EXPECT_EQ(text, start + reason);
        }
        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_EQ(Application().Handle(), 0u);
    }
};

TEST_F(ImportTargetTrouble, AMissingFolderOrAPlainFileIsReportedWithItsPath) {
    WriteBytes(target / u"plain-file", "not a folder");
    const struct {
        const char* what;
        std::u16string targetFolder;
    } cases[] = {
        {"missing folder", target / u"missing"},
        {"plain file", target / u"plain-file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();

        EXPECT_EQ(ImportAll(c.targetFolder), 0);

        ExpectReported(JoinPath(c.targetFolder, u"Connect.zip"));
    }
    EXPECT_EQ(Names(target.Path()), std::vector<std::u16string>{u"plain-file"});
    EXPECT_EQ(ReadBytes(target / u"plain-file"), "not a folder");
}

#ifndef _WIN32
TEST_F(ImportTargetTrouble, AFullFolderKeepsTheEarlierArchive) {
    OutOfRoom full(target.Path());
    WriteBytes(Archive(), "an archive of an earlier import");

    EXPECT_EQ(ImportAll(target.Path()), 0);

    ExpectReported(Archive(), full.Reason());
    EXPECT_EQ(ReadBytes(Archive()), "an archive of an earlier import");
    EXPECT_EQ(Names(target.Path()), std::vector<std::u16string>{u"Connect.zip"});
}

TEST_F(ImportTargetTrouble, AReadOnlyFolderIsReported) {
    ReadOnlyFolder readOnly(target.Path());
    if (!readOnly.Arranged())
        GTEST_SKIP() << "this process may not mount a read-only folder";

    EXPECT_EQ(ImportAll(target.Path()), 0);

    ExpectReported(Archive(), readOnly.Reason());
    EXPECT_TRUE(Names(target.Path()).empty());
}
#endif

} // namespace
} // namespace mtp::testing
