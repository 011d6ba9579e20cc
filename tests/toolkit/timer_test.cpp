// Timers on the test clock.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "toolkit/form.h"
#include "toolkit/headless/headless_ui.h"
#include "toolkit/timer.h"

namespace mtp::tk {
namespace {

using Log = std::vector<std::string>;

class Timers : public ::testing::Test {
protected:
    TTimer& Make(std::u16string name, unsigned interval) {
        auto& t = form.Add<TTimer>(std::move(name));
        t.SetInterval(interval);
        t.OnTimer = [this, &t] {
            log.push_back(std::to_string(ui.Clock()) + " " +
                          std::string(t.Name().begin(), t.Name().end()));
        };
        return t;
    }
    headless::HeadlessUi ui;
    TForm form;
    Log log;
};

TEST_F(Timers, FireInTheOrderTheyFallDueWhileTheClockAdvances) {
    Make(u"a", 30);
    Make(u"b", 50);
    ui.Advance(100);
    EXPECT_EQ(log, (Log{"30 a", "50 b", "60 a", "90 a", "100 b"}));
    EXPECT_EQ(ui.Clock(), 100);
    log.clear();
    ui.Advance(19);
    EXPECT_EQ(log, Log{});
    ui.Advance(1);
    EXPECT_EQ(log, Log{"120 a"});
}

TEST_F(Timers, EnablingOrChangingTheIntervalStartsANewPeriod) {
    auto& t = Make(u"t", 100);
    t.SetEnabled(false);
    ui.Advance(250);
    EXPECT_EQ(log, Log{});
    t.SetEnabled(true);
    ui.Advance(99);
    t.SetInterval(40);
    ui.Advance(100);
    EXPECT_EQ(log, (Log{"389 t", "429 t"}));
    t.SetInterval(0);
    ui.Advance(1000);
    EXPECT_EQ(log.size(), 2u) << "an interval of 0 never fires";
}

TEST_F(Timers, AHandlerThatDisablesItsTimerMakesItOneShot) {
    auto& t = Make(u"t", 100);
    auto log_it = t.OnTimer;
    t.OnTimer = [&] {
        t.SetEnabled(false);
        log_it();
    };
    ui.Advance(1000);
    EXPECT_EQ(log, Log{"100 t"});
}

TEST_F(Timers, AFailingHandlerIsReportedAndTheTimerRunsOn) {
    auto& t = Make(u"t", 100);
    t.OnTimer = [] { throw Error(u"scan failed"); };
    ui.Advance(200);
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].Text, u"scan failed");
}

TEST_F(Timers, ADestroyedTimerIsForgotten) {
    {
        TForm other;
        auto& t = other.Add<TTimer>(u"gone");
        t.SetInterval(10);
        t.OnTimer = [this] { log.push_back("gone"); };
    }
    ui.Advance(100);
    EXPECT_EQ(log, Log{});
}

} // namespace
} // namespace mtp::tk
