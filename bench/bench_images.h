// Device images written once per benchmark run into the temporary folder, removed at exit.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace mtp::bench {

class BenchFolder {
public:
    explicit BenchFolder(const std::string& name) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("mtp-bench-" + name + "-" + std::to_string(stamp));
        std::filesystem::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace mtp::bench
