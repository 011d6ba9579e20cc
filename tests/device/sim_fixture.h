// Device images for one test: a fresh folder of device images, removed afterwards, and the
// simulated service over them installed as the process's device service.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "device/device_service.h"
#include "device/sim/image_writer.h"
#include "device/sim/sim_service.h"

namespace mtp::testing {

// A folder under the system's temporary folder, unique to the test, removed with its content.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("mtp-test-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

class DeviceSetFixture {
public:
    // Writes a device image with its manifest; `name` is its folder, which orders the devices.
    std::filesystem::path Device(const std::string& name, std::string_view manifest) {
        const auto folder = set_.Path() / "set" / name;
        WriteImageManifest(folder, manifest);
        return folder;
    }
    void File(const std::string& device, const std::string& path, std::string_view bytes = {}) {
        WriteImageFile(set_.Path() / "set" / device, path, bytes);
    }
    void Folder(const std::string& device, const std::string& path) {
        MakeImageFolder(set_.Path() / "set" / device, path);
    }

    // Makes the service over the images written so far and installs it.
    SimDeviceService& Install() {
        std::filesystem::create_directories(set_.Path() / "set");
        scope_.reset(); // a second install replaces the first
        service_ = std::make_shared<SimDeviceService>(set_.Path() / "set");
        scope_ = std::make_unique<ScopedDeviceService>(service_);
        return *service_;
    }

    std::filesystem::path Scratch() const { return set_.Path(); }

private:
    TempFolder set_;
    std::shared_ptr<SimDeviceService> service_;
    std::unique_ptr<ScopedDeviceService> scope_;
};

} // namespace mtp::testing
