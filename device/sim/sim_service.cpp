#include "device/sim/sim_service.h"

#include <algorithm>

#include "common/errors.h"
#include "common/text.h"
#include "device/sim/sim_device.h"
#include "device/sim/sim_paths.h"
#include "device/sim/sim_values.h"

namespace mtp {

namespace fs = std::filesystem;

void SimState::Reload() {
    if (!fs::is_directory(deviceSet))
        throw Error(u"Device set " + Utf8ToUtf16(PathToUtf8(deviceSet)) + u" is not a folder");
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(deviceSet))
        if (entry.is_directory() && fs::exists(entry.path() / kManifestName))
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    std::vector<std::shared_ptr<const SimDeviceImage>> loaded;
    for (const auto& folder : folders)
        loaded.push_back(std::make_shared<const SimDeviceImage>(LoadDeviceImage(folder)));
    devices = std::move(loaded);
}

std::shared_ptr<const SimDeviceImage> SimState::FindDevice(const std::u16string& deviceId) const {
    for (const auto& device : devices)
        if (device->id == deviceId)
            return device;
    const std::u16string trimmed = Trim(deviceId);
    for (const auto& device : devices)
        if (Trim(device->id) == trimmed)
            return device;
    return nullptr;
}

std::shared_ptr<SimDeviceCounters> SimState::CountersOf(const std::u16string& deviceId) {
    auto& slot = counters[Trim(deviceId)];
    if (!slot)
        slot = std::make_shared<SimDeviceCounters>();
    return slot;
}

namespace {

class SimManager : public PortableDeviceManager {
public:
    explicit SimManager(std::shared_ptr<SimState> state)
        : state_(std::move(state)), devices_(state_->devices) {}

    HRESULT GetDevices(std::u16string* ids, std::uint32_t& count) override {
        if (state_->faults.getDevices != S_OK)
            return state_->faults.getDevices;
        const auto attached = static_cast<std::uint32_t>(devices_.size());
        if (!ids) {
            count = attached;
            return S_OK;
        }
        const std::uint32_t written = std::min(count, attached);
        for (std::uint32_t i = 0; i < written; ++i)
            ids[i] = devices_[i]->id;
        count = written;
        return written == attached ? S_OK : S_FALSE;
    }

    HRESULT RefreshDeviceList() override {
        if (state_->faults.refreshDeviceList != S_OK)
            return state_->faults.refreshDeviceList;
        try {
            state_->Reload();
        } catch (const Error&) {
            return HRESULT_FROM_WIN32(ERROR_INVALID_DATA); // a broken image: keep the old list
        }
        devices_ = state_->devices;
        return S_OK;
    }

    HRESULT GetDeviceFriendlyName(const std::u16string& deviceId, char16_t* buffer,
                                  std::uint32_t& length) override {
        return Answer(deviceId, &SimDeviceImage::friendlyName, buffer, length);
    }

    HRESULT GetDeviceDescription(const std::u16string& deviceId, char16_t* buffer,
                                 std::uint32_t& length) override {
        return Answer(deviceId, &SimDeviceImage::description, buffer, length);
    }

private:
    HRESULT Answer(const std::u16string& deviceId, std::optional<NameAnswer> SimDeviceImage::*name,
                   char16_t* buffer, std::uint32_t& length) {
        auto device = std::find_if(devices_.begin(), devices_.end(),
                                   [&](const auto& d) { return d->id == deviceId; });
        if (device == devices_.end())
            return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
        const std::optional<NameAnswer>& answer = (**device).*name;
        if (!answer)
            return HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
        const auto needed = static_cast<std::uint32_t>(answer->text.size() + 1);
        if (!buffer) {
            length = needed;
            return S_OK;
        }
        if (answer->fillFails)
            return E_FAIL;
        if (length < needed) {
            length = needed;
            return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
        }
        std::copy(answer->text.begin(), answer->text.end(), buffer);
        buffer[answer->text.size()] = u'\0';
        length = needed;
        return S_OK;
    }

    std::shared_ptr<SimState> state_;
    std::vector<std::shared_ptr<const SimDeviceImage>> devices_;
};

} // namespace

SimDeviceService::SimDeviceService(const fs::path& deviceSet)
    : state_(std::make_shared<SimState>()) {
    state_->deviceSet = deviceSet;
    state_->Reload();
}

SimDeviceService::~SimDeviceService() = default;

HRESULT SimDeviceService::CreatePortableDeviceManager(std::unique_ptr<PortableDeviceManager>& out) {
    out.reset();
    if (state_->faults.createManager != S_OK)
        return state_->faults.createManager;
    out = std::make_unique<SimManager>(state_);
    return S_OK;
}

HRESULT SimDeviceService::CreatePortableDevice(std::unique_ptr<PortableDevice>& out) {
    out.reset();
    if (state_->faults.createDevice != S_OK)
        return state_->faults.createDevice;
    out = MakeSimDevice(state_);
    return S_OK;
}

HRESULT SimDeviceService::CreatePortableDeviceValues(std::unique_ptr<PortableDeviceValues>& out) {
    out.reset();
    if (state_->faults.createValues != S_OK)
        return state_->faults.createValues;
    out = std::make_unique<SimValues>();
    return S_OK;
}

SimServiceFaults& SimDeviceService::Faults() {
    return state_->faults;
}

SimDeviceCounters SimDeviceService::Counters(const std::u16string& deviceId) const {
    auto it = state_->counters.find(Trim(deviceId));
    return it == state_->counters.end() ? SimDeviceCounters{} : *it->second;
}

void SimDeviceService::Reload() {
    state_->Reload();
}

} // namespace mtp
