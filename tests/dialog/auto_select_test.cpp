// Selection by age with a fixed "now": which block of rows each rule selects, the day
// limits to the second, dates in the future, nothing qualifying and unreadable dates.
#include "dialog/auto_select.h"

#include <optional>

#include <gtest/gtest.h>

#include "common/datetime.h"
#include "common/errors.h"
#include "common/locale_formats.h"
#include "dialog/file_grid.h"

namespace mtp {
namespace {

using Kind = TAutoSelectRule::Kind;
using tk::TGridRect;
using tk::TStringGrid;

const TDateTime kNow = EncodeDateTime({2024, 3, 15, 12, 0, 0, 0});
constexpr double kHour = 1.0 / 24;
constexpr double kSecond = 1.0 / 86400;

// Rows in the given order, their dates the given ages in days before now (negative: future).
void Fill(TStringGrid& grid, const std::vector<double>& agesInDays) {
    grid.ClearNormalCells();
    int row = 1;
    for (double age : agesInDays) {
        grid.SetCell(colFilename, row, u"f.fit");
        grid.SetCell(colDate, row, FormatDefaultDateTime(kNow - age));
        ++row;
    }
    grid.SetRowCount(row);
}

struct Case {
    const char* what;
    TAutoSelectRule rule;
    std::vector<double> ages;
    std::optional<std::pair<int, int>> rows; // the selected block, none for no selection
    bool shown = true;                       // whether the grid shows its selection
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

class SelectRowsByAgeTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        SetCurrentLocale(DottedDayFirstLocale());
        SetupFileGridColumns(grid);
    }
    TStringGrid grid{u"gridFiles"};
};

TEST_P(SelectRowsByAgeTest, SelectsTheBlockFromRowOne) {
    const Case& c = GetParam();
    Fill(grid, c.ages);
    grid.SetShowSelection(false);
    SelectRowsByAge(grid, c.rule, kNow);
    if (c.rows)
        EXPECT_EQ(grid.Selection(), (TGridRect{0, c.rows->first, 3, c.rows->second}));
    else
        EXPECT_TRUE(grid.Selection().Empty());
    EXPECT_EQ(grid.ShowSelection(), c.shown);
}

const TAutoSelectRule kNewest{Kind::Newest, 0};
const TAutoSelectRule kAll{Kind::All, 0};
TAutoSelectRule Below(int days) {
    return {Kind::YoungerThan, days};
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SelectRowsByAgeTest,
    ::testing::Values(
        Case{"newest file: row 1 alone", kNewest, {1, 3, 80}, std::pair{1, 1}},
        Case{"all files: every row", kAll, {1, 3, 8, 20, 400}, std::pair{1, 5}},
        Case{"one week: ages 1, 3, 8", Below(7), {1, 3, 8}, std::pair{1, 2}},
        Case{"two weeks", Below(14), {1, 13.9, 14.1}, std::pair{1, 2}},
        Case{"three weeks", Below(21), {20, 20.99, 21}, std::pair{1, 2}},
        Case{"four weeks", Below(28), {2, 27, 28, 29}, std::pair{1, 2}},
        Case{"two months are 56 days", Below(56), {10, 55.5, 57}, std::pair{1, 2}},
        Case{"exactly 7 days is not below the limit", Below(7), {7}, std::nullopt, false},
        Case{"6 days 23 hours is", Below(7), {6 + 23 * kHour}, std::pair{1, 1}},
        Case{"one second short of 7 days is", Below(7), {7 - kSecond}, std::pair{1, 1}},
        Case{"3 days ahead counts as 3 days", Below(7), {-3}, std::pair{1, 1}},
        Case{"a far future row above the block is taken along",
             Below(7),
             {-9, 2, 5},
             std::pair{1, 3}},
        Case{"only row 1 qualifies", Below(7), {1, 10, 20}, std::pair{1, 1}},
        Case{"nothing qualifies: no selection, none shown",
             Below(14),
             {15, 20, 30},
             std::nullopt,
             false},
        Case{"newest file without rows", kNewest, {}, std::nullopt},
        Case{"all files without rows", kAll, {}, std::nullopt}));

TEST_F(SelectRowsByAgeTest, EmptyDateCellsAreSkipped) {
    Fill(grid, {1, 2, 3});
    grid.SetCell(colDate, 3, u"");
    SelectRowsByAge(grid, Below(7), kNow);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 1, 3, 2}));
}

TEST_F(SelectRowsByAgeTest, AnUnreadableDateFailsEveryRuleAndLeavesTheSelectionAlone) {
    // Date-text mode: the device's own text in a locale whose date separator is ".".
    for (const auto& rule : {kNewest, kAll, Below(28)}) {
        Fill(grid, {1, 2, 3});
        grid.SetCell(colDate, 2, u"2019/05/06:12:34:56.000");
        grid.SetSelection({0, 3, 3, 3});
        grid.SetShowSelection(false);
        try {
            SelectRowsByAge(grid, rule, kNow);
            ADD_FAILURE() << "no conversion error";
        } catch (const ConvertError& e) {
            EXPECT_NE(e.Text().find(u"2019/05/06:12:34:56.000"), std::u16string::npos);
        }
        EXPECT_EQ(grid.Selection(), (TGridRect{0, 3, 3, 3}));
        EXPECT_FALSE(grid.ShowSelection());
    }
}

TEST(AgeInDays, CountsWholeDaysEitherWay) {
    EXPECT_EQ(AgeInDays(kNow - 7, kNow), 7);
    EXPECT_EQ(AgeInDays(kNow + 7, kNow), 7);
    EXPECT_EQ(AgeInDays(kNow - 7 + kSecond, kNow), 6);
    EXPECT_EQ(AgeInDays(kNow, kNow), 0);
}

} // namespace
} // namespace mtp
