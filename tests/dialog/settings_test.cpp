// The dialog's settings over the build's own settings file: the portable one natively, the
// Win32 profile functions under Wine.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/text.h"
#include "dialog/scan_settings.h"
#include "dialog/settings.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;

class DialogSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("mtp-dialog-settings-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "plugin.ini").u16string();
        MaxDeep = 7;
        NoDoublettes = false;
    }
    void TearDown() override {
        fs::remove_all(folder_);
        MaxDeep = 255;
        NoDoublettes = true;
    }
    void WriteFile(const std::string& bytes) {
        std::ofstream(fs::path(path_), std::ios::binary) << bytes;
    }
    std::string ReadFile() {
        std::ifstream in(fs::path(path_), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder_;
    std::u16string path_;
};

struct LoadCase {
    const char* file; // nullptr: no file
    int32_t maxDeep;
    bool noDoublettes, dateAsString;
};

TEST_F(DialogSettingsTest, LoadsEachKeyOrItsDefault) {
    const LoadCase cases[] = {
        {nullptr, 255, true, false},
        {"", 255, true, false},
        {"[Other]\r\nMaxDeep=5\r\n", 255, true, false},
        {"[SETTINGS]\r\nMaxDeep=12\r\nNoDoublettes=0\r\nDateAsString=1\r\n", 12, false, true},
        {"[SETTINGS]\r\nMaxDeep=0x10\r\n", 16, true, false},
        {"[SETTINGS]\r\nMaxDeep=$FF\r\n", 255, true, false},
        {"[SETTINGS]\r\nMaxDeep=abc\r\n", 255, true, false},
        {"[SETTINGS]\r\nMaxDeep=\r\n", 255, true, false},
        {"[SETTINGS]\r\nMaxDeep=99999999999\r\n", 255, true, false},
        // nothing is clamped on reading
        {"[SETTINGS]\r\nMaxDeep=1000\r\n", 1000, true, false},
        {"[SETTINGS]\r\nMaxDeep=-5\r\n", -5, true, false},
        {"[SETTINGS]\r\nMaxDeep=0\r\n", 0, true, false},
        // Booleans are integers: anything but 0 is true
        {"[SETTINGS]\r\nNoDoublettes=2\r\nDateAsString=-1\r\n", 255, true, true},
        {"[SETTINGS]\r\nNoDoublettes=yes\r\nDateAsString=true\r\n", 255, true, false},
        {"[SETTINGS]\r\nNoDoublettes=0x0\r\nDateAsString=0x1\r\n", 255, false, true},
    };
    for (const auto& c : cases) {
        fs::remove(fs::path(path_));
        if (c.file)
            WriteFile(c.file);
        MaxDeep = 7;
        NoDoublettes = !c.noDoublettes;
        const bool dateAsString = LoadDialogSettings(path_);
        const std::string label = c.file ? c.file : "no file";
        EXPECT_EQ(MaxDeep, c.maxDeep) << label;
        EXPECT_EQ(NoDoublettes, c.noDoublettes) << label;
        EXPECT_EQ(dateAsString, c.dateAsString) << label;
    }
}

struct SaveCase {
    const char* before; // nullptr: no file
    int32_t maxDeep;
    bool noDoublettes, dateStringMode;
    const char* after;
};

TEST_F(DialogSettingsTest, SavesBothScanSettingsAndDateModeOnlyWhileOff) {
    const SaveCase cases[] = {
        {nullptr, 255, true, false,
         "[SETTINGS]\r\nMaxDeep=255\r\nNoDoublettes=1\r\nDateAsString=0\r\n"},
        {nullptr, -5, false, true, "[SETTINGS]\r\nMaxDeep=-5\r\nNoDoublettes=0\r\n"},
        // a "1" put in by hand is never overwritten
        {"[SETTINGS]\r\nDateAsString=1\r\n", 12, true, true,
         "[SETTINGS]\r\nDateAsString=1\r\nMaxDeep=12\r\nNoDoublettes=1\r\n"},
        // date-text mode that a rescan switched on is not saved
        {"[SETTINGS]\r\nMaxDeep=$10\r\nDateAsString=0\r\n", 16, true, true,
         "[SETTINGS]\r\nMaxDeep=16\r\nDateAsString=0\r\nNoDoublettes=1\r\n"},
        // everything else in the file stays
        {"; host "
         "settings\r\n[Host]\r\nMaxDeep=1\r\n[SETTINGS]\r\nDateAsString=1\r\n[Tail]\r\nX=y\r\n",
         255, true, false,
         "; host settings\r\n[Host]\r\nMaxDeep=1\r\n[SETTINGS]\r\nDateAsString=0\r\nMaxDeep=255\r\n"
         "NoDoublettes=1\r\n[Tail]\r\nX=y\r\n"},
    };
    for (const auto& c : cases) {
        fs::remove(fs::path(path_));
        if (c.before)
            WriteFile(c.before);
        MaxDeep = c.maxDeep;
        NoDoublettes = c.noDoublettes;
        SaveDialogSettings(path_, c.dateStringMode);
        EXPECT_EQ(ReadFile(), c.after) << (c.before ? c.before : "no file");
    }
}

TEST_F(DialogSettingsTest, SavedSettingsLoadBackUnchanged) {
    for (const int32_t depth : {2, 255, 1000, -5, INT32_MIN})
        for (const bool noDoublettes : {false, true}) {
            MaxDeep = depth;
            NoDoublettes = noDoublettes;
            SaveDialogSettings(path_, false);
            MaxDeep = 7;
            NoDoublettes = !noDoublettes;
            EXPECT_FALSE(LoadDialogSettings(path_));
            EXPECT_EQ(MaxDeep, depth);
            EXPECT_EQ(NoDoublettes, noDoublettes);
        }
}

TEST_F(DialogSettingsTest, AnUnwritableFileRaisesAnErrorNamingIt) {
    const std::u16string path = (folder_ / "missing" / "plugin.ini").u16string();
    try {
        SaveDialogSettings(path, false);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(e.Text().find(path), std::u16string::npos) << Utf16ToUtf8(e.Text());
    }
}

TEST_F(DialogSettingsTest, NoFileNamedMeansDefaultsAndNothingWritten) {
    EXPECT_FALSE(LoadDialogSettings(u""));
    EXPECT_EQ(MaxDeep, 255);
    EXPECT_TRUE(NoDoublettes);
    EXPECT_NO_THROW(SaveDialogSettings(u"", false));
}

TEST(DepthPrompt, ClampsToTwoTo255AndIgnoresTextThatDoesNotConvert) {
    const struct {
        const char16_t* text;
        int32_t current, expected;
    } cases[] = {
        {u"12", 255, 12},     {u"255", 12, 255},        {u"2", 12, 2},
        {u"300", 12, 255},    {u"2147483647", 12, 255}, {u"1", 12, 2},
        {u"0", 12, 2},        {u"-5", 12, 2},           {u"-2147483648", 12, 2},
        {u"$10", 12, 16},     {u" 40", 12, 40},         {u"abc", 12, 12},
        {u"", 12, 12},        {u"2147483648", 12, 12},  {u"12 ", 40, 40},
        {u"1000", 1000, 255}, // a depth loaded unclamped is clamped once the menu sets it
    };
    for (const auto& c : cases)
        EXPECT_EQ(DepthFromPrompt(c.text, c.current), c.expected) << Utf16ToUtf8(c.text);
    EXPECT_EQ(ClampDepth(256), 255);
    EXPECT_EQ(ClampDepth(INT32_MAX), 255);
    EXPECT_EQ(ClampDepth(1), 2);
    EXPECT_EQ(ClampDepth(INT32_MIN), 2);
    EXPECT_EQ(ClampDepth(100), 100);
}

} // namespace
} // namespace mtp
