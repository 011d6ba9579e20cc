// A fresh folder under the system's temporary folder for one test, removed with everything
// in it afterwards (read-only files included), and small helpers for the files in it.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/file_system.h"
#include "common/text.h"

#ifdef _WIN32
#include <process.h>
#define MTP_TEST_PID _getpid()
#else
#include <unistd.h>
#define MTP_TEST_PID getpid()
#endif

namespace mtp::testing {

inline std::filesystem::path FsPath(const std::u16string& path) {
    return path;
}

class ScratchFolder {
public:
    explicit ScratchFolder(const std::u16string& base = SystemTempPath()) {
        static std::atomic<int> counter{0};
        path_ = JoinPath(base, U16("mtp-test-" + std::to_string(MTP_TEST_PID) + "-" +
                                   std::to_string(counter++)));
        std::filesystem::remove_all(FsPath(path_));
        std::filesystem::create_directories(FsPath(path_));
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!std::filesystem::exists(FsPath(path_), ec))
            return;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(FsPath(path_), ec))
            if (!entry.is_directory(ec))
                FileSetAttr(entry.path().u16string(), faArchive);
        std::filesystem::remove_all(FsPath(path_), ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::u16string& Path() const { return path_; }
    std::u16string operator/(std::u16string_view name) const { return JoinPath(path_, name); }

private:
    std::u16string path_;
};

inline void WriteBytes(const std::u16string& path, const std::string& bytes) {
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + Utf16ToUtf8(path));
}

inline std::string ReadBytes(const std::u16string& path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::u16string& path) {
    std::error_code ec;
    return std::filesystem::exists(FsPath(path), ec);
}

// Sets a file's last-write time to an exact UTC second.
inline void SetMtime(const std::u16string& path, int64_t unixSeconds) {
    const auto sys = std::chrono::sys_seconds(std::chrono::seconds(unixSeconds));
    std::filesystem::last_write_time(FsPath(path), std::chrono::file_clock::from_sys(sys));
}

// Bytes that deflate cannot shrink much, from a fixed seed.
inline std::string NoiseBytes(size_t size, uint32_t seed = 1) {
    std::string out(size, '\0');
    for (auto& c : out) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return out;
}

} // namespace mtp::testing
