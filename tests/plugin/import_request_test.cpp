// CallImportDialog's narrow arguments count by their low byte only.
#include <gtest/gtest.h>

#include "plugin/import_run.h"

namespace mtp {
namespace {

TEST(ImportRequestTest, KeepsTheHostsArgumentsInOrder) {
    const char* target = "C:\\Corvanta\\Import\\";
    const ImportRequest r = MakeImportRequest(0x1234, -10, 20, 650, -1, 3, 1, target, 1);
    EXPECT_EQ(r.HostWindow, 0x1234u);
    EXPECT_EQ(r.Left, -10);
    EXPECT_EQ(r.Top, 20);
    EXPECT_EQ(r.Right, 650);
    EXPECT_EQ(r.Bottom, -1);
    EXPECT_EQ(r.Style, 3);
    EXPECT_EQ(r.Language, 1);
    EXPECT_EQ(r.TargetFolder, target);
    EXPECT_TRUE(r.Silent);
}

TEST(ImportRequestTest, OnlyTheLowByteCounts) {
    const struct {
        uint32_t raw;
        uint8_t low;
        bool flag;
    } cases[] = {
        {0x00000000u, 0, false}, {0x00000100u, 0, false},   {0xFFFFFF00u, 0, false},
        {0x00000001u, 1, true},  {0x00000210u, 0x10, true}, {0x800000FFu, 0xFF, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        const ImportRequest r = MakeImportRequest(0, 0, 0, 0, 0, c.raw, c.raw, nullptr, c.raw);
        EXPECT_EQ(r.Style, c.low);
        EXPECT_EQ(r.Language, c.low);
        EXPECT_EQ(r.Silent, c.flag);
    }
}

} // namespace
} // namespace mtp
