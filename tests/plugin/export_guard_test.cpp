// No exception crosses an exported function: the user is told and the host gets an answer.
#include <new>
#include <stdexcept>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "plugin/export_guard.h"
#include "tests/plugin/message_capture.h"

namespace mtp {
namespace {

TEST(ExportGuardTest, AnswersTheBodysResultWhenNothingFails) {
    test::MessageCapture capture;
    EXPECT_EQ(GuardExport([] { return 7; }, 0), 7);
    EXPECT_TRUE(capture.messages.empty());
}

TEST(ExportGuardTest, FailureIsReportedAndAnsweredWithTheFallback) {
    const struct {
        const char* label;
        void (*fail)();
        std::u16string shown;
    } failures[] = {
        {"own error", [] { throw Error(u"Cannot create C:\\Temp\\CorvantaSync"); },
         u"Cannot create C:\\Temp\\CorvantaSync"},
        {"standard exception", [] { throw std::runtime_error("bad state"); }, u"bad state"},
        {"not an exception class", [] { throw 42; }, u"The plug-in met an unknown error."},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.label);
        test::MessageCapture capture;
        EXPECT_EQ(GuardExport(
                      [&] {
                          f.fail();
                          return 5;
                      },
                      -1),
                  -1);
        GuardExport([&] { f.fail(); });
        ASSERT_EQ(capture.messages.size(), 2u);
        EXPECT_EQ(capture.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(capture.messages[0].text, f.shown);
    }
}

TEST(ExportGuardTest, AFailingReportStillAnswers) {
    const auto previous = SetMessageSink(
        [](MessageKind, std::u16string_view, std::u16string_view) { throw std::bad_alloc(); });
    EXPECT_EQ(GuardExport([]() -> int { throw std::runtime_error("first"); }, 3), 3);
    SetMessageSink(previous);
}

} // namespace
} // namespace mtp
