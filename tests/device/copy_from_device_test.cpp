// Copying a file object from a device into a local file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

#include "common/errors.h"
#include "common/local_file.h"
#include "common/text.h"
#include "device/copy_from_device.h"
#include "sim_fixture.h"

namespace mtp {
namespace {

namespace fs = std::filesystem;
using testing::DeviceSetFixture;

const std::u16string kId = u"\\\\?\\usb#watch";

// Bytes that differ from chunk to chunk, so a chunk written twice or skipped shows.
std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 1024) & 0xFF);
    return bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::u16string Local(const fs::path& path) {
    return path.u16string();
}

// A watch whose Activity folder holds the given files; objects o3, o4 ... in name order.
class CopyTest : public ::testing::Test {
protected:
    SimDeviceService& Watch(const std::string& fields = "",
                            std::vector<std::pair<std::string, std::string>> files = {}) {
        set_.Device("watch", R"({"id": "\\\\?\\usb#watch")" + fields + "}");
        set_.Folder("watch", "Internal Storage/GARMIN/Activity");
        for (const auto& [name, bytes] : files)
            set_.File("watch", "Internal Storage/GARMIN/Activity/" + name, bytes);
        fs::create_directories(Out());
        return set_.Install();
    }
    fs::path Out() const { return set_.Scratch() / "out"; }

    DeviceSetFixture set_;
};

TEST_F(CopyTest, CopiesTheWholeResourceWhateverItsSize) {
    const std::size_t sizes[] = {0, 1, 1023, 1024, 1025, 2048, 5000};
    std::vector<std::pair<std::string, std::string>> files;
    for (std::size_t size : sizes)
        files.emplace_back(std::to_string(10000 + size) + ".fit", Pattern(size));
    auto& service = Watch("", files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].first);
        const fs::path target = Out() / files[i].first;
        EXPECT_TRUE(CopyFromDevice(kId, Utf8ToUtf16(std::string("o").append(std::to_string(3 + i))),
                                   Local(target)));
        EXPECT_EQ(ReadFile(target), files[i].second);
    }
    // One open and one close per copy; every stream released before its device is closed.
    const SimDeviceCounters counters = service.Counters(kId);
    EXPECT_EQ(counters.opens, static_cast<int>(files.size()));
    EXPECT_EQ(counters.closes, static_cast<int>(files.size()));
    EXPECT_EQ(counters.liveStreams, 0);
    EXPECT_EQ(counters.liveStreamsAtLastClose, 0);
}

TEST_F(CopyTest, ReplacesALongerFileOfTheSameName) {
    Watch("", {{"a.fit", "new"}});
    const fs::path target = Out() / "a.fit";
    std::ofstream(target, std::ios::binary) << Pattern(5000);
    EXPECT_TRUE(CopyFromDevice(kId, u"o3", Local(target)));
    EXPECT_EQ(ReadFile(target), "new");
}

TEST_F(CopyTest, AReadFailingMidwayFailsTheCopyAndLeavesNoFile) {
    for (int failAfter : {0, 1000, 1500}) {
        SCOPED_TRACE(failAfter);
        auto& service = Watch(R"(, "objects": {"Internal Storage/GARMIN/Activity/a.fit":
                                  {"readFailsAfter": )" +
                                  std::to_string(failAfter) + "}}",
                              {{"a.fit", Pattern(3000)}});
        const fs::path target = Out() / "a.fit";
        std::ofstream(target, std::ios::binary) << "an earlier copy";
        EXPECT_FALSE(CopyFromDevice(kId, u"o3", Local(target)));
        EXPECT_FALSE(fs::exists(target));
        EXPECT_EQ(service.Counters(kId).closes, 1);
    }
}

TEST_F(CopyTest, NoLocalFileWhenTheDeviceOrTheObjectIsUnavailable) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(, "open": "fail")", "o3"},
        {R"(, "open": "denied")", "o3"},
        {R"(, "contentFails": true)", "o3"},
        {R"(, "transferFails": true)", "o3"},
        {R"(, "objects": {"Internal Storage/GARMIN/Activity/a.fit": {"streamFails": true}})", "o3"},
        {"", "o99"},
        {"", "o2"}, // a folder has no data
    };
    for (const auto& [fields, object] : cases) {
        SCOPED_TRACE(fields);
        SCOPED_TRACE(object);
        DeviceSetFixture set;
        set.Device("watch", R"({"id": "\\\\?\\usb#watch")" + std::string(fields) + "}");
        set.File("watch", "Internal Storage/GARMIN/Activity/a.fit", "data");
        auto& service = set.Install();
        const fs::path target = set.Scratch() / "a.fit";
        EXPECT_FALSE(CopyFromDevice(kId, Utf8ToUtf16(object), Local(target)));
        EXPECT_FALSE(fs::exists(target));
        EXPECT_EQ(service.Counters(kId).closes, service.Counters(kId).opens);
    }
}

TEST_F(CopyTest, AnUncreatableLocalFileRaisesAfterTheDeviceIsClosed) {
    auto& service = Watch("", {{"a.fit", "data"}});
    const fs::path target = Out() / "missing folder" / "a.fit";
    try {
        CopyFromDevice(kId, u"o3", Local(target));
        FAIL() << "no error raised";
    } catch (const FileError& e) {
        const std::string text = Utf16ToUtf8(e.Text());
        EXPECT_THAT(text,
                    ::testing::StartsWith("Cannot create file \"" +
                                          Utf16ToUtf8(fs::absolute(target).u16string()) + "\". "));
        EXPECT_GT(text.size(), Utf16ToUtf8(fs::absolute(target).u16string()).size() + 24)
            << "no system message";
    }
    const SimDeviceCounters counters = service.Counters(kId);
    EXPECT_EQ(counters.closes, 1);
    EXPECT_EQ(counters.liveStreams, 0);
    EXPECT_EQ(counters.liveStreamsAtLastClose, 0);
}

#ifdef _WIN32
TEST_F(CopyTest, AFileInUseCannotBeReplaced) {
    Watch("", {{"a.fit", "data"}});
    const fs::path target = Out() / "a.fit";
    LocalFile holder = LocalFile::Create(Local(target));
    EXPECT_THROW(CopyFromDevice(kId, u"o3", Local(target)), FileError);
}
#else
TEST_F(CopyTest, AShortWriteFailsTheCopyAndRemovesThePartialFile) {
    Watch("", {{"a.fit", Pattern(3000)}});
    const fs::path target = Out() / "a.fit";
    // The file may grow to 1,500 bytes only: the second chunk is written short.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 1500;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool copied = CopyFromDevice(kId, u"o3", Local(target));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(copied);
    EXPECT_FALSE(fs::exists(target));
}
#endif

} // namespace
} // namespace mtp
