// The grid's cells, columns, current row and row-block selection.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "toolkit/form.h"
#include "toolkit/headless/scenario.h"
#include "toolkit/string_grid.h"

namespace mtp::tk {
namespace {

using Texts = std::vector<std::u16string>;

TStringGrid& SixColumnGrid(TForm& form, int dataRows) {
    auto& grid = form.Add<TStringGrid>(u"gridFiles");
    grid.SetColCount(6);
    grid.SetRowCount(dataRows + 1);
    const Texts titles{u"Filename", u"Date", u"Size", u"Extension", u"OName", u"DevID"};
    for (int c = 0; c < 6; ++c)
        grid.SetCell(c, 0, titles[static_cast<size_t>(c)]);
    for (int r = 1; r <= dataRows; ++r)
        for (int c = 0; c < 6; ++c)
            grid.SetCell(c, r, titles[static_cast<size_t>(c)] + ToText(r));
    return grid;
}

TEST(GridCells, CellsWrittenBeyondTheRowCountAppearWhenTheGridGrows) {
    TForm form;
    auto& grid = SixColumnGrid(form, 0);
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetCell(0, 3, u"c.fit");
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cell(0, 3), u"c.fit");
    EXPECT_EQ(grid.Cell(0, 2), u"");
    EXPECT_EQ(grid.Cell(40, 40), u"");
    EXPECT_THROW(grid.Cell(-1, 0), Error);
    EXPECT_THROW(grid.SetCell(0, -1, u"x"), Error);
}

TEST(GridCells, ClearNormalCellsKeepsTheHeaderAndTheRowCount) {
    TForm form;
    auto& grid = SixColumnGrid(form, 3);
    grid.SetCell(0, 7, u"beyond");
    grid.ClearNormalCells();
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(5, 0), u"DevID");
    for (int r = 1; r < 8; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(grid.Cell(c, r), u"") << c << "," << r;
}

TEST(GridCells, HiddenColumnsKeepTheirCellsAndTheirIndex) {
    TForm form;
    auto& grid = SixColumnGrid(form, 2);
    const int widths[] = {160, 90, 80, 80, 0, 0};
    for (int c = 0; c < 6; ++c)
        grid.SetColWidth(c, widths[c]);
    grid.HideColumns(4, 5);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid.IsHiddenColumn(c), c >= 4) << c;
    EXPECT_EQ(grid.Cell(4, 2), u"OName2");
    grid.SetCell(5, 2, u"dev");
    EXPECT_EQ(grid.Cell(5, 2), u"dev");
    EXPECT_EQ(grid.ColWidth(1), 90);
    EXPECT_THROW(grid.HideColumns(4, 6), Error);
    EXPECT_THROW(grid.SetColWidth(6, 10), Error);
    grid.UnHideColumns(5, 5);
    EXPECT_FALSE(grid.IsHiddenColumn(5));
}

TEST(GridCells, UpdatesBetweenBeginAndEndReachTheBackEndOnce) {
    headless::HeadlessUi ui;
    TForm form;
    auto& grid = SixColumnGrid(form, 0);
    const int before = ui.ChangeCount(grid);
    grid.BeginUpdate();
    grid.ClearNormalCells();
    grid.BeginUpdate();
    for (int r = 1; r <= 50; ++r)
        grid.SetCell(0, r, u"x");
    grid.EndUpdate();
    grid.SetRowCount(51);
    grid.SortByColumn(0, TSortDirection::sdDescending);
    EXPECT_EQ(ui.ChangeCount(grid), before);
    grid.EndUpdate();
    EXPECT_EQ(ui.ChangeCount(grid), before + 1);
    grid.EndUpdate(); // unbalanced: ignored
    EXPECT_FALSE(grid.Updating());
}

TEST(GridSelection, ProgramSetBlocksAreOrderedAndKeptToTheDataRows) {
    TForm form;
    auto& grid = SixColumnGrid(form, 5);
    struct Case {
        TGridRect set;
        TGridRect expected;
        int row; // current row afterwards
    } cases[] = {
        {{0, 1, 3, 3}, {0, 1, 3, 3}, 3},
        {{3, 5, 0, 2}, {0, 2, 3, 5}, 5}, // dragged upward
        {{0, 0, 3, 9}, {0, 1, 3, 5}, 5}, // clipped to rows 1 to 5
        {{0, 7, 3, 9}, {}, 5},           // outside: nothing
        {{}, {}, 5},                     // nothing
    };
    for (const auto& c : cases) {
        grid.SetRow(2);
        grid.SetSelection(c.set);
        EXPECT_EQ(grid.Selection(), c.expected);
        if (!c.expected.Empty()) {
            EXPECT_EQ(grid.Row(), c.row);
        }
    }
    grid.SetRow(4);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 4, 5, 4}));
    for (int r = 0; r <= 6; ++r)
        EXPECT_EQ(grid.Selection().ContainsRow(r), r == 4);
}

TEST(GridSelection, TheBlockFollowsTheRowCount) {
    TForm form;
    auto& grid = SixColumnGrid(form, 5);
    grid.SetSelection({0, 2, 3, 5});
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 2, 3, 3}));
    grid.SetRowCount(2);
    EXPECT_TRUE(grid.Selection().Empty()) << "the whole block lies below the rows left";
    EXPECT_EQ(grid.Row(), 1);
    grid.SetSelection({0, 1, 3, 1});
    grid.SetRowCount(1);
    EXPECT_TRUE(grid.Selection().Empty());
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 1, 3, 1})) << "the block is back with the rows";
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1) << "the header row stays";
    grid.SetRow(1);
    EXPECT_TRUE(grid.Selection().Empty()) << "no data row, nothing to select";
}

TEST(GridSelection, AGridFilledForTheFirstTimeHasItsFirstDataRowCurrentAndSelected) {
    TForm form;
    auto& grid = SixColumnGrid(form, 0);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 1, 5, 1}));
}

TEST(GridSelection, ClicksSelectRowsAndShiftClicksExtendTheBlock) {
    using namespace headless;
    HeadlessUi ui;
    TForm form;
    auto& grid = SixColumnGrid(form, 6);
    form.SetVisible(true); // input reaches shown windows only
    grid.SetShowSelection(false);
    std::vector<std::string> events;
    grid.OnClickCell = [&](int col, int row) {
        grid.SetShowSelection(true);
        events.push_back("click " + std::to_string(col) + "," + std::to_string(row));
    };
    grid.OnDblClick = [&] { events.push_back("double"); };

    ui.ClickCell(u"gridFiles", 1, 5);
    EXPECT_TRUE(grid.ShowSelection());
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 5, 5, 5}));
    ui.ClickCell(u"gridFiles", 0, 2, ssShift);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 2, 5, 5}));
    EXPECT_EQ(grid.Row(), 2);
    ui.ClickCell(u"gridFiles", 0, 6, ssShift);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 5, 5, 6})) << "the anchor stays at row 5";
    ui.DoubleClickCell(u"gridFiles", 0, 3);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 3, 5, 3}));
    EXPECT_EQ(events, (std::vector<std::string>{"click 1,5", "click 0,2", "click 0,6", "click 0,3",
                                                "double"}));
    EXPECT_THROW(ui.ClickCell(u"gridFiles", 0, 7), BackendFailure);
    EXPECT_EQ(form.ActiveControl(), &grid);
}

} // namespace
} // namespace mtp::tk
