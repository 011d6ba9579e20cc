// Status panels: texts and the progress bar's range.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "toolkit/status_bar.h"

namespace mtp::tk {
namespace {

TEST(StatusBar, ProgressStaysWithinItsRangeAndShowsItsPercentage) {
    TStatusBar bar(u"stbar");
    for (int i = 0; i < 3; ++i)
        bar.AddPanel();
    auto& progress = bar.Panels(1);
    progress.SetStyle(TPanelStyle::psProgress);
    struct Case {
        int max, position;
        int expectedPosition, percent;
    } cases[] = {
        {4, 0, 0, 0},   {4, 1, 1, 25}, {4, 3, 3, 75},
        {4, 9, 4, 100}, {4, -2, 0, 0}, {0, 0, 0, 0}, // no devices: an empty range
        {10, 7, 7, 70},
    };
    for (const auto& c : cases) {
        progress.SetProgressMax(c.max);
        progress.SetProgressPosition(c.position);
        EXPECT_EQ(progress.ProgressPosition(), c.expectedPosition) << c.max << " " << c.position;
        EXPECT_EQ(progress.ProgressPercent(), c.percent) << c.max << " " << c.position;
    }
    progress.SetProgressPosition(7);
    progress.SetProgressMax(5);
    EXPECT_EQ(progress.ProgressPosition(), 5) << "a smaller maximum pulls the position along";
}

TEST(StatusBar, PanelsAreAddressedByIndex) {
    TStatusBar bar(u"stbar");
    bar.AddPanel().SetText(u"Files: 3");
    bar.AddPanel();
    EXPECT_EQ(bar.Panels(0).Text(), u"Files: 3");
    EXPECT_EQ(bar.PanelCount(), 2);
    EXPECT_THROW(bar.Panels(2), Error);
    EXPECT_THROW(bar.Panels(-1), Error);
}

} // namespace
} // namespace mtp::tk
