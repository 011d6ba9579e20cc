// FillGrid: what each row shows in both date modes, the order after the fill, and that the
// grid is left consistent when writing a row fails.
#include "dialog/file_grid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/datetime.h"
#include "common/errors.h"
#include "common/locale_formats.h"
#include "dialog/scan_settings.h"

namespace mtp {
namespace {

using tk::TStringGrid;

TMyRec Rec(std::u16string name, TDateTime date, std::u16string sdate = u"device text",
           int64_t size = 1000) {
    TMyRec r;
    r.FName = name;
    r.OName = u"o-" + name;
    r.FDate = date;
    r.SDate = std::move(sdate);
    r.Size = size;
    r.DevID = u"\\\\?\\usb#dev";
    r.Extension = u"fit";
    return r;
}

std::vector<std::u16string> Column(const TStringGrid& grid, int col) {
    std::vector<std::u16string> out;
    for (int row = 1; row < grid.RowCount(); ++row)
        out.push_back(grid.Cell(col, row));
    return out;
}

class FillGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentLocale(DottedDayFirstLocale());
        SetupFileGridColumns(grid);
    }
    void TearDown() override { NoDoublettes = true; }
    TStringGrid grid{u"gridFiles"};
    TMyList list;
};

TEST_F(FillGridTest, ColumnsAreTitledSizedAndTheIdentitiesHidden) {
    EXPECT_THAT(
        std::vector<std::u16string>({grid.Cell(0, 0), grid.Cell(1, 0), grid.Cell(2, 0),
                                     grid.Cell(3, 0), grid.Cell(4, 0), grid.Cell(5, 0)}),
        ::testing::ElementsAre(u"Filename", u"Date", u"Size", u"Extension", u"OName", u"DevID"));
    const int widths[] = {160, 90, 80, 80, 0, 0};
    for (int col = 0; col < 6; ++col) {
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << col;
        EXPECT_EQ(grid.IsHiddenColumn(col), col >= 4) << col;
    }
    SetDateTextColumnWidths(grid);
    const int textWidths[] = {160, 130, 70, 50, 0, 0};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(grid.ColWidth(col), textWidths[col]) << col;
}

TEST_F(FillGridTest, RowsEndNewestFirstWhateverTheListOrder) {
    list.Add(Rec(u"oldest.fit", EncodeDate(2019, 5, 6) + 0.5));
    list.Add(Rec(u"newest.fit", EncodeDate(2020, 1, 2) + 0.25));
    list.Add(Rec(u"middle.fit", EncodeDate(2019, 12, 31) + 0.75));
    FillGrid(grid, list, false);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_THAT(Column(grid, 0),
                ::testing::ElementsAre(u"newest.fit", u"middle.fit", u"oldest.fit"));
    // Dates compare as dates, not as texts: "31.12.2019" sorts after "02.01.2020" as a text.
    EXPECT_THAT(Column(grid, 1),
                ::testing::ElementsAre(u"02.01.2020 06:00:00", u"31.12.2019 18:00:00",
                                       u"06.05.2019 12:00:00"));
    EXPECT_FALSE(grid.Updating());
}

TEST_F(FillGridTest, EachRowCarriesItsRecordInBothDateModes) {
    const TDateTime midnight = EncodeDate(2019, 5, 6);
    list.Add(Rec(u"RIDE.FIT", midnight, u"2019/05/06:00:00:00.000", 1234567));
    for (bool dateText : {false, true}) {
        FillGrid(grid, list, dateText);
        EXPECT_THAT(
            std::vector<std::u16string>({grid.Cell(0, 1), grid.Cell(1, 1), grid.Cell(2, 1),
                                         grid.Cell(3, 1), grid.Cell(4, 1), grid.Cell(5, 1)}),
            ::testing::ElementsAre(u"RIDE.FIT",
                                   // midnight shows the date alone
                                   dateText ? u"2019/05/06:00:00:00.000" : u"06.05.2019",
                                   u"1234567", u"fit", u"o-RIDE.FIT", u"\\\\?\\usb#dev"))
            << "date-text mode " << dateText;
    }
}

TEST_F(FillGridTest, AFillReplacesTheRowsOfTheLastOne) {
    for (int i = 0; i < 5; ++i)
        list.Add(Rec(u"f" + std::u16string(1, u'0' + i) + u".fit", 43000 + i));
    FillGrid(grid, list, false);
    TMyList one;
    one.Add(Rec(u"only.fit", 43000));
    FillGrid(grid, one, false);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(0, 1), u"only.fit");
    EXPECT_EQ(grid.Cell(0, 2), u""); // the old rows are cleared, not just hidden

    FillGrid(grid, TMyList(), false);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), u"Filename");
}

TEST_F(FillGridTest, ARowThatCannotBeWrittenStillLeavesTheGridCountedAndSorted) {
    list.Add(Rec(u"a.fit", EncodeDate(2019, 5, 6)));
    list.Add(Rec(u"b.fit", EncodeDate(2019, 5, 8)));
    list.Add(Rec(u"beyond.fit", 1e9)); // no date a year below 10000 can show
    EXPECT_THROW(FillGrid(grid, list, false), DateEncodeError);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_FALSE(grid.Updating());
    EXPECT_EQ(grid.SortSettings().Column, 1);
    EXPECT_EQ(grid.SortSettings().Direction, tk::TSortDirection::sdDescending);
    // The failing row keeps what was written before its date.
    EXPECT_THAT(Column(grid, 0), ::testing::ElementsAre(u"b.fit", u"a.fit", u"beyond.fit"));
}

} // namespace
} // namespace mtp
