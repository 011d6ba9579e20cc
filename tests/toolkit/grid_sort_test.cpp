// Sorting the grid with content recognition, and by clicks on the column titles.
#include <gtest/gtest.h>

#include "common/locale_formats.h"
#include "common/text.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/string_grid.h"

namespace mtp::tk {
namespace {

using Texts = std::vector<std::u16string>;
constexpr auto asc = TSortDirection::sdAscending;
constexpr auto desc = TSortDirection::sdDescending;

// A grid whose column 0 names each row and column 1 holds the values to sort.
class Grid : public ::testing::Test {
protected:
    void TearDown() override { SetCurrentLocale(DottedDayFirstLocale()); }

    void Fill(const Texts& values) {
        grid.SetColCount(3);
        grid.SetRowCount(static_cast<int>(values.size()) + 1);
        grid.SetCell(0, 0, u"Name");
        grid.SetCell(1, 0, u"Value");
        for (size_t i = 0; i < values.size(); ++i) {
            grid.SetCell(0, static_cast<int>(i) + 1, FormatD(u"r%d", static_cast<long long>(i)));
            grid.SetCell(1, static_cast<int>(i) + 1, values[i]);
        }
    }
    Texts Column(int col) const {
        Texts out;
        for (int r = 1; r < grid.RowCount(); ++r)
            out.push_back(grid.Cell(col, r));
        return out;
    }

    TStringGrid grid{u"grid"};
};

TEST_F(Grid, SortRecognisesNumbersDateTimesAndTexts) {
    struct Case {
        const char* what;
        LocaleFormats locale;
        Texts values;
        Texts ascending; // descending is its reverse when no two values are equal
    } cases[] = {
        {"numbers as numbers",
         DottedDayFirstLocale(),
         {u"10", u"9", u"100", u"-5", u"3.5", u"0"},
         {u"-5", u"0", u"3.5", u"9", u"10", u"100"}},
        {"dotted dates, midnight without a time",
         DottedDayFirstLocale(),
         {u"06.05.2019 12:34:56", u"31.12.2018 23:59:59", u"06.05.2019", u"01.01.2020 00:00:01",
          u"5.6.2019 08:00:00"},
         {u"31.12.2018 23:59:59", u"06.05.2019", u"06.05.2019 12:34:56", u"5.6.2019 08:00:00",
          u"01.01.2020 00:00:01"}},
        {"US dates with AM and PM",
         UsLocale(),
         {u"5/6/2019 1:00:00 PM", u"5/6/2019 11:00:00 AM", u"12/31/2018", u"10/1/2019"},
         {u"12/31/2018", u"5/6/2019 11:00:00 AM", u"5/6/2019 1:00:00 PM", u"10/1/2019"}},
        {"device texts with another separator are texts",
         DottedDayFirstLocale(),
         {u"2019/05/06:12:34:56.000", u"2018/12/31:23:59:59.000", u"2019/01/10:00:00:00.000"},
         {u"2018/12/31:23:59:59.000", u"2019/01/10:00:00:00.000", u"2019/05/06:12:34:56.000"}},
        {"texts by code unit, capitals first",
         DottedDayFirstLocale(),
         {u"b", u"B", u"a", u"\u00e4", u"A"},
         {u"A", u"B", u"a", u"b", u"\u00e4"}},
        {"mixed: empty, numbers, date-times, texts",
         DottedDayFirstLocale(),
         {u"b", u"10", u"", u"01.02.2020", u"9", u"abc", u"31.01.2020", u"1.5.x"},
         {u"", u"9", u"10", u"31.01.2020", u"01.02.2020", u"1.5.x", u"abc", u"b"}},
        {"not quite numbers are texts",
         DottedDayFirstLocale(),
         {u"12a", u"1.", u".5", u"+7", u"1 000"},
         {u"+7", u".5", u"1 000", u"1.", u"12a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetCurrentLocale(c.locale);
        Fill(c.values);
        grid.SortByColumn(1, asc);
        EXPECT_EQ(Column(1), c.ascending);
        grid.SortByColumn(1, desc);
        EXPECT_EQ(Column(1), Texts(c.ascending.rbegin(), c.ascending.rend()));
        EXPECT_EQ(grid.Cell(1, 0), u"Value") << "the header row stays";
    }
}

TEST_F(Grid, SortIsStableInBothDirectionsAndMovesWholeRows) {
    Fill({u"2", u"1", u"2", u"1", u"2"});
    grid.HideColumns(2, 2);
    for (int r = 1; r <= 5; ++r)
        grid.SetCell(2, r, FormatD(u"hidden r%d", r - 1));
    grid.SortByColumn(1, asc);
    EXPECT_EQ(Column(0), (Texts{u"r1", u"r3", u"r0", u"r2", u"r4"}));
    EXPECT_EQ(Column(2),
              (Texts{u"hidden r1", u"hidden r3", u"hidden r0", u"hidden r2", u"hidden r4"}));
    Fill({u"2", u"1", u"2", u"1", u"2"});
    grid.SortByColumn(1, desc);
    EXPECT_EQ(Column(0), (Texts{u"r0", u"r2", u"r4", u"r1", u"r3"}));
}

TEST_F(Grid, SortLeavesRowsBeyondTheRowCountAlone) {
    Fill({u"3", u"1", u"2"});
    grid.SetCell(1, 4, u"0");
    grid.SortByColumn(1, asc);
    EXPECT_EQ(Column(1), (Texts{u"1", u"2", u"3"}));
    EXPECT_EQ(grid.Cell(1, 4), u"0");
}

TEST_F(Grid, TitleClicksSortAscendingThenReverseWithTheIndicator) {
    headless::HeadlessUi ui; // title clicks are input
    Fill({u"b", u"c", u"a"});
    for (int r = 1; r <= 3; ++r)
        grid.SetCell(2, r, ToText(r * 10));
    grid.SetSortSettings({0, asc, true, true});
    std::vector<std::pair<int, int>> clicks;
    grid.OnClickCell = [&](int col, int row) { clicks.push_back({col, row}); };

    struct Step {
        int col;
        TSortDirection direction;
        Texts column1;
    } steps[] = {
        {1, asc, {u"a", u"b", u"c"}},                                // a new column sorts ascending
        {1, desc, {u"c", u"b", u"a"}},                               // a second click reverses
        {1, asc, {u"a", u"b", u"c"}},  {2, asc, {u"b", u"c", u"a"}}, // numbers 10, 20, 30
        {2, desc, {u"a", u"c", u"b"}},
    };
    for (const auto& s : steps) {
        grid.ClickCell(s.col, 0);
        EXPECT_EQ(grid.SortSettings(), (TSortSettings{s.col, s.direction, true, true}));
        EXPECT_EQ(Column(1), s.column1);
    }
    EXPECT_EQ(clicks.size(), 5u);
    EXPECT_EQ(clicks[0], (std::pair<int, int>{1, 0}));
}

TEST_F(Grid, TitleClickAfterAProgramSortReversesThatSort) {
    Fill({u"01.01.2020", u"03.01.2020", u"02.01.2020"});
    grid.SetSortSettings({0, asc, true, true});
    grid.SortByColumn(1, desc);
    EXPECT_EQ(Column(1), (Texts{u"03.01.2020", u"02.01.2020", u"01.01.2020"}));
    grid.ClickCell(1, 0);
    EXPECT_EQ(grid.SortSettings().Direction, asc);
    EXPECT_EQ(Column(1), (Texts{u"01.01.2020", u"02.01.2020", u"03.01.2020"}));
}

TEST_F(Grid, TitleClicksNeedTwoDataRowsAndSortingByHeaderClick) {
    struct Case {
        const char* what;
        Texts values;
        bool byHeaderClick;
        Texts after;
    } cases[] = {
        {"no data row", {}, true, {}},
        {"one data row", {u"x"}, true, {u"x"}},
        {"switched off", {u"b", u"a"}, false, {u"b", u"a"}},
        {"two rows sort", {u"b", u"a"}, true, {u"a", u"b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fill(c.values);
        const TSortSettings before{0, desc, true, c.byHeaderClick};
        grid.SetSortSettings(before);
        grid.ClickCell(1, 0);
        EXPECT_EQ(Column(1), c.after);
        if (c.after == c.values) {
            EXPECT_EQ(grid.SortSettings(), before) << "no sort, no indicator change";
        }
    }
}

} // namespace
} // namespace mtp::tk
