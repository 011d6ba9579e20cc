// Archives written by the writer, read back by readers that share no code with it.
#include "zip/zip_archive.h"

#include <array>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

#include "tests/support/independent_zip_reader.h"
#include "tests/support/scratch_folder.h"

namespace mtp {
namespace {

using testing::IndependentZipReader;
using testing::ReadArchive;
using testing::ScratchFolder;

class ZipInterop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!IndependentZipReader::Available())
            GTEST_SKIP() << "python3 and unzip run natively only";
#ifndef _WIN32
        // Central European time: the DOS fields must follow the daylight-saving rule of
        // each file's own date, not the one in force today.
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
#endif
    }

    // Writes a file with the given bytes and modification time and returns its source.
    ZipSource Source(const std::u16string& name, const std::string& bytes, int64_t mtime) {
        const std::u16string path = folder / name;
        testing::WriteBytes(path, bytes);
        testing::SetMtime(path, mtime);
        return ZipSource{path, name};
    }

    ReadArchive Write(const std::vector<ZipSource>& sources) {
        WriteZipArchive(archive, sources);
        return IndependentZipReader::Read(Utf16ToUtf8(archive));
    }

    ScratchFolder folder;
    ScratchFolder target;
    std::u16string archive = target / u"Connect.zip";
};

TEST_F(ZipInterop, EntriesHoldBareNamesAndTheFilesByteForByte) {
    const int64_t t = 1721039445;
    const std::string compressible(200000, 'x');
    const std::vector<std::pair<std::u16string, std::string>> files = {
        {u"2024-07-15-08-00-00.fit", "\x0e\x10\x43\x08.FIT payload"},
        {u"empty.fit", ""},
        {u"noise.fit", testing::NoiseBytes(300000)}, // several read chunks, barely shrinks
        {u"repeat.fit", compressible},
        {u"Läufer-ß.fit", "utf-8 name"},
    };
    std::vector<ZipSource> sources;
    for (const auto& [name, bytes] : files)
        sources.push_back(Source(name, bytes, t));

    const ReadArchive read = Write(sources);

    EXPECT_EQ(read.unzipTestStatus, 0) << read.unzipTestOutput;
    EXPECT_FALSE(read.firstBadEntry.has_value());
    ASSERT_EQ(read.entries.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        const auto& entry = read.entries[i];
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.name, Utf16ToUtf8(files[i].first)); // in list order, no folder part
        EXPECT_EQ(entry.utf8Flag, files[i].first == u"Läufer-ß.fit");
        EXPECT_EQ(entry.method, 8); // deflate
        EXPECT_EQ(entry.size, files[i].second.size());
        EXPECT_TRUE(entry.data == files[i].second);
    }
}

TEST_F(ZipInterop, TimesAreLocalDosTimeOfTheirOwnDateAndExactUtcSeconds) {
    struct Case {
        const char16_t* name;
        int64_t mtime;
        std::array<int, 6> dosLocal;
    } cases[] = {
        {u"summer.fit", 1721039445, {2024, 7, 15, 12, 30, 44}},    // 10:30:45 UTC, CEST
        {u"winter.fit", 1705314645, {2024, 1, 15, 11, 30, 44}},    // 10:30:45 UTC, CET
        {u"before-dst.fit", 1711846799, {2024, 3, 31, 1, 59, 58}}, // one second before
        {u"after-dst.fit", 1711846801, {2024, 3, 31, 3, 0, 0}},    // one second after
        {u"1970.fit", 86400, {1980, 1, 1, 0, 0, 0}},               // DOS time cannot go below 1980
    };
    std::vector<ZipSource> sources;
    for (const auto& c : cases)
        sources.push_back(Source(c.name, "data", c.mtime));

    const ReadArchive read = Write(sources);

    ASSERT_EQ(read.entries.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& entry = read.entries[i];
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.dateTime, cases[i].dosLocal);
        EXPECT_EQ(entry.centralMtime, cases[i].mtime);
        EXPECT_EQ(entry.localMtime, cases[i].mtime);
        EXPECT_EQ(read.unzipMtimes.at(entry.name), cases[i].mtime); // what unzip restores
    }
}

TEST_F(ZipInterop, ReplacesAnArchiveThatHeldOtherEntriesAndLeavesNoTemporaryFile) {
    WriteZipArchive(archive, {Source(u"old1.fit", "old one", 1705314645),
                              Source(u"old2.fit", "old two", 1705314645)});

    const ReadArchive read = Write({Source(u"new.fit", "new", 1721039445)});

    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].name, "new.fit");
    EXPECT_EQ(read.entries[0].data, "new");
    std::vector<std::u16string> left;
    for (const auto& entry : std::filesystem::directory_iterator(testing::FsPath(target.Path())))
        left.push_back(entry.path().filename().u16string());
    EXPECT_EQ(left, std::vector<std::u16string>{u"Connect.zip"});
}

} // namespace
} // namespace mtp
