// One table of INI cases, run against every settings-file implementation of the build: the
// portable one everywhere, and in the Windows build also the Win32 profile functions, so the
// two provably agree.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/settings_file.h"
#include "common/text.h"
#include "tests/support/folder_trouble.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;

struct Implementation {
    const char* name;
    std::unique_ptr<SettingsFile> (*open)(const std::u16string&);
};

std::vector<Implementation> Implementations() {
    std::vector<Implementation> all{{"portable", &OpenPortableSettingsFile}};
#ifdef _WIN32
    all.push_back({"win32_profile", &OpenSettingsFile});
#endif
    return all;
}

class SettingsFileTest : public ::testing::TestWithParam<Implementation> {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("mtp-settings-" + std::string(info->name()) + "-" + std::to_string(rand()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = folder_ / "plugin.ini";
    }
    void TearDown() override { fs::remove_all(folder_); }

    void WriteFile(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string ReadFile() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::unique_ptr<SettingsFile> Open() { return GetParam().open(path_.u16string()); }

    fs::path folder_;
    fs::path path_;
};

// Other sections, comments and keys that must survive every write byte for byte.
const std::string kMixedFile = "; written by the host\r\n"
                               "[Host]\r\n"
                               "MaxDeep=9\r\n"
                               "; the plug-in's own section\r\n"
                               "[SETTINGS]\r\n"
                               "; depth of the folder scan\r\n"
                               "MaxDeep=12\r\n"
                               "Other=keep me\r\n"
                               "[Tail]\r\n"
                               "NoDoublettes=0\r\n";

struct ReadCase {
    const char* file;
    const char16_t* section;
    const char16_t* key;
    const char16_t* expected;
};

TEST_P(SettingsFileTest, ReadsKeysOfTheirOwnSectionOnly) {
    const ReadCase cases[] = {
        {"", u"SETTINGS", u"MaxDeep", u"<default>"},
        {"[SETTINGS]\r\nMaxDeep=12\r\n", u"SETTINGS", u"MaxDeep", u"12"},
        {"[settings]\r\nmaxdeep=12\r\n", u"SETTINGS", u"MaxDeep", u"12"},
        {"[ SETTINGS ]\r\n  MaxDeep =  12  \r\n", u"SETTINGS", u"MaxDeep", u"12"},
        {"[SETTINGS]\r\nMaxDeep=\"0x10\"\r\n", u"SETTINGS", u"MaxDeep", u"0x10"},
        {"[SETTINGS]\r\nMaxDeep='a b'\r\n", u"SETTINGS", u"MaxDeep", u"a b"},
        {"[SETTINGS]\r\nMaxDeep=\"a\r\n", u"SETTINGS", u"MaxDeep", u"\"a"},
        {"[SETTINGS]\r\nMaxDeep=\r\n", u"SETTINGS", u"MaxDeep", u""},
        {"[SETTINGS]\r\nMaxDeep\r\n", u"SETTINGS", u"MaxDeep", u"<default>"},
        {"[SETTINGS]\r\n;MaxDeep=5\r\n", u"SETTINGS", u"MaxDeep", u"<default>"},
        {"MaxDeep=5\r\n[SETTINGS]\r\n", u"SETTINGS", u"MaxDeep", u"<default>"},
        {"[SETTINGS]\r\nMaxDeep=1\r\nMaxDeep=2\r\n", u"SETTINGS", u"MaxDeep", u"1"},
        {"[SETTINGS]\r\nA=1\r\n[SETTINGS]\r\nMaxDeep=2\r\n", u"SETTINGS", u"MaxDeep", u"<default>"},
        {"[SETTINGS]\nMaxDeep=7", u"SETTINGS", u"MaxDeep", u"7"},
        {kMixedFile.c_str(), u"SETTINGS", u"MaxDeep", u"12"},
        {kMixedFile.c_str(), u"Tail", u"NoDoublettes", u"0"},
        {kMixedFile.c_str(), u"SETTINGS", u"NoDoublettes", u"<default>"},
    };
    for (const auto& c : cases) {
        WriteFile(c.file);
        EXPECT_EQ(Open()->ReadString(c.section, c.key, u"<default>"), c.expected) << c.file;
    }
}

struct WriteCase {
    std::string before;
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
    std::string after;
};

TEST_P(SettingsFileTest, WritesOneKeyAndKeepsEveryOtherByte) {
    const WriteCase cases[] = {
        // An existing key: only its line changes.
        {kMixedFile, u"SETTINGS", u"MaxDeep", u"255",
         "; written by the host\r\n[Host]\r\nMaxDeep=9\r\n; the plug-in's own section\r\n"
         "[SETTINGS]\r\n; depth of the folder scan\r\nMaxDeep=255\r\nOther=keep me\r\n"
         "[Tail]\r\nNoDoublettes=0\r\n"},
        // A new key goes to the end of its section.
        {kMixedFile, u"SETTINGS", u"NoDoublettes", u"1",
         "; written by the host\r\n[Host]\r\nMaxDeep=9\r\n; the plug-in's own section\r\n"
         "[SETTINGS]\r\n; depth of the folder scan\r\nMaxDeep=12\r\nOther=keep me\r\n"
         "NoDoublettes=1\r\n[Tail]\r\nNoDoublettes=0\r\n"},
        // A new section goes to the end of the file.
        {"; host\r\n[Host]\r\nA=1\r\n", u"SETTINGS", u"DateAsString", u"0",
         "; host\r\n[Host]\r\nA=1\r\n[SETTINGS]\r\nDateAsString=0\r\n"},
        // An empty section gets its first key.
        {"[SETTINGS]\r\n[Tail]\r\nB=2\r\n", u"SETTINGS", u"MaxDeep", u"-5",
         "[SETTINGS]\r\nMaxDeep=-5\r\n[Tail]\r\nB=2\r\n"},
        // Section and key names match in any case; the file's spelling stays.
        {"[settings]\r\nmaxdeep=1\r\n", u"SETTINGS", u"MaxDeep", u"2",
         "[settings]\r\nmaxdeep=2\r\n"},
        // A first write creates the file.
        {"", u"SETTINGS", u"MaxDeep", u"255", "[SETTINGS]\r\nMaxDeep=255\r\n"},
    };
    for (const auto& c : cases) {
        fs::remove(path_);
        if (!c.before.empty())
            WriteFile(c.before);
        Open()->WriteString(c.section, c.key, c.value);
        EXPECT_EQ(ReadFile(), c.after) << c.before;
        EXPECT_EQ(Open()->ReadString(c.section, c.key, u""), c.value);
    }
}

TEST_P(SettingsFileTest, AFileThatCannotBeWrittenRaisesAnErrorNamingIt) {
    for (const fs::path& target : {folder_ / "missing" / "plugin.ini", folder_}) {
        const std::u16string path = target.u16string();
        try {
            GetParam().open(path)->WriteString(u"SETTINGS", u"MaxDeep", u"255");
            ADD_FAILURE() << "no error for " << target;
        } catch (const FileError& e) {
            EXPECT_NE(e.Text().find(path), std::u16string::npos) << Utf16ToUtf8(e.Text());
        }
        EXPECT_EQ(GetParam().open(path)->ReadString(u"SETTINGS", u"MaxDeep", u"d"), u"d");
    }
}

INSTANTIATE_TEST_SUITE_P(AllImplementations, SettingsFileTest,
                         ::testing::ValuesIn(Implementations()),
                         [](const auto& info) { return std::string(info.param.name); });

// The portable file also keeps what the Win32 functions would tidy away: blank lines,
// blanks around "=", LF line endings and a last line without one.
TEST(PortableSettingsFile, KeepsLayoutItDoesNotOwn) {
    const fs::path folder = fs::temp_directory_path() / "mtp-settings-portable-layout";
    fs::create_directories(folder);
    const fs::path path = folder / "plugin.ini";
    const struct {
        std::string before, after;
    } cases[] = {
        {"[A]\nx = 1\n\n[SETTINGS]\nMaxDeep = 3\n\n[B]\ny = 2\n",
         "[A]\nx = 1\n\n[SETTINGS]\nMaxDeep=7\n\n[B]\ny = 2\n"},
        {"[SETTINGS]\nOther = 1\n\n\n[B]\n", "[SETTINGS]\nOther = 1\nMaxDeep=7\n\n\n[B]\n"},
        {"[A]\nx=1", "[A]\nx=1\n[SETTINGS]\nMaxDeep=7\n"},
        {"\xEF\xBB\xBF[SETTINGS]\r\nMaxDeep=3\r\n", "\xEF\xBB\xBF[SETTINGS]\r\nMaxDeep=7\r\n"},
    };
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary) << c.before;
        OpenPortableSettingsFile(path.u16string())->WriteString(u"SETTINGS", u"MaxDeep", u"7");
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.after) << c.before;
    }
    fs::remove_all(folder);
}

#ifndef _WIN32
// A write that finds no room raises the error and leaves the file as it was, every other
// section included.
TEST(PortableSettingsFile, AFullDiskLeavesTheFileAsItWas) {
    const fs::path folder = fs::temp_directory_path() / "mtp-settings-portable-full";
    fs::create_directories(folder);
    {
        const testing::OutOfRoom full(folder.u16string());
        const fs::path path = folder / "plugin.ini";
        const std::string before =
            "[OTHER]\nnotes=" + std::string(40 * 1024, 'n') + "\n[SETTINGS]\nMaxDeep=3\n";
        std::ofstream(path, std::ios::binary) << before;
        EXPECT_THROW(OpenPortableSettingsFile(path.u16string())
                         ->WriteString(u"SETTINGS", u"Wide", std::u16string(30 * 1024, u'w')),
                     FileError);
        std::ifstream in(path, std::ios::binary);
        // Compared whole, so that a failure does not print 40 KiB twice.
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == before)
            << "the file changed";
        EXPECT_FALSE(fs::exists(folder / "plugin.ini.tmp"));
    }
    fs::remove_all(folder);
}
#endif

} // namespace
} // namespace mtp
