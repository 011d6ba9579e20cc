#include "device/sim/sim_device.h"

#include <algorithm>
#include <fstream>

#include "device/sim/sim_values.h"

namespace mtp {

namespace {

// One open connection. Every object the device hands out keeps it, and stops answering once
// the device is closed, as WPD objects do.
struct SimConnection {
    std::shared_ptr<const SimDeviceImage> image;
    std::shared_ptr<SimDeviceCounters> counters;
    bool open = true;
};

using Connection = std::shared_ptr<SimConnection>;

class SimEnum : public EnumPortableDeviceObjectIDs {
public:
    SimEnum(Connection connection, std::vector<std::u16string> ids)
        : connection_(std::move(connection)), ids_(std::move(ids)) {}

    HRESULT Next(std::uint32_t count, std::u16string* ids, std::uint32_t& fetched) override {
        fetched = 0;
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        if (!ids && count > 0)
            return E_POINTER;
        while (fetched < count && next_ < ids_.size())
            ids[fetched++] = ids_[next_++];
        return fetched == count ? S_OK : S_FALSE;
    }

    HRESULT Reset() override {
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        next_ = 0;
        return S_OK;
    }

private:
    Connection connection_;
    std::vector<std::u16string> ids_;
    std::size_t next_ = 0;
};

class SimPropertiesService : public PortableDeviceProperties {
public:
    explicit SimPropertiesService(Connection connection) : connection_(std::move(connection)) {}

    HRESULT GetSupportedProperties(const std::u16string& objectId,
                                   std::unique_ptr<PortableDeviceKeyCollection>& keys) override {
        keys.reset();
        const SimObject* object = nullptr;
        if (HRESULT hr = Find(objectId, object); hr != S_OK)
            return hr;
        std::vector<PropertyKey> list;
        for (const auto& [key, value] : object->properties)
            list.push_back(key);
        keys = std::make_unique<SimKeyCollection>(std::move(list));
        return S_OK;
    }

    HRESULT GetValues(const std::u16string& objectId, PortableDeviceKeyCollection* keys,
                      std::unique_ptr<PortableDeviceValues>& values) override {
        values.reset();
        const SimObject* object = nullptr;
        if (HRESULT hr = Find(objectId, object); hr != S_OK)
            return hr;
        if (object->valuesFail)
            return E_FAIL;
        SimProperties chosen;
        if (!keys) {
            chosen = object->properties;
        } else {
            std::uint32_t count = 0;
            keys->GetCount(count);
            for (std::uint32_t i = 0; i < count; ++i) {
                PropertyKey key;
                if (keys->GetAt(i, key) != S_OK)
                    continue;
                const SimValue* value = FindValue(object->properties, key);
                SetValue(chosen, key,
                         value ? *value : UnreadableValue{HRESULT_FROM_WIN32(ERROR_NOT_FOUND)});
            }
        }
        const bool partial = std::any_of(chosen.begin(), chosen.end(), [](const auto& entry) {
            return std::holds_alternative<UnreadableValue>(entry.second);
        });
        values = std::make_unique<SimValues>(std::move(chosen));
        return partial ? S_FALSE : S_OK;
    }

private:
    HRESULT Find(const std::u16string& objectId, const SimObject*& object) {
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        object = connection_->image->Find(objectId);
        return object ? S_OK : HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    }

    Connection connection_;
};

class SimStream : public DeviceStream {
public:
    SimStream(Connection connection, const SimObject& object)
        : connection_(std::move(connection)), in_(object.data, std::ios::binary),
          failAfter_(object.readFailsAfter) {
        ++connection_->counters->liveStreams;
    }
    ~SimStream() override { --connection_->counters->liveStreams; }

    bool Ready() const { return static_cast<bool>(in_); }

    HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t& read) override {
        read = 0;
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        std::uint64_t allowed = size;
        if (failAfter_) {
            allowed =
                std::min<std::uint64_t>(size, *failAfter_ - std::min(*failAfter_, delivered_));
            if (allowed == 0 && size > 0)
                return E_FAIL;
        }
        in_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(allowed));
        read = static_cast<std::uint32_t>(in_.gcount());
        delivered_ += read;
        return read == size ? S_OK : S_FALSE;
    }

private:
    Connection connection_;
    std::ifstream in_;
    std::optional<std::uint64_t> failAfter_;
    std::uint64_t delivered_ = 0;
};

class SimResources : public PortableDeviceResources {
public:
    explicit SimResources(Connection connection) : connection_(std::move(connection)) {}

    HRESULT GetStream(const std::u16string& objectId, const PropertyKey& resource,
                      std::uint32_t mode, std::uint32_t* optimalBufferSize,
                      std::unique_ptr<DeviceStream>& stream) override {
        stream.reset();
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        if (!(resource == WPD_RESOURCE_DEFAULT))
            return E_INVALIDARG;
        if (mode != STGM_READ)
            return E_ACCESSDENIED; // the images are never written
        const SimObject* object = connection_->image->Find(objectId);
        if (!object)
            return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
        if (object->streamFails || object->data.empty())
            return E_FAIL;
        auto opened = std::make_unique<SimStream>(connection_, *object);
        if (!opened->Ready())
            return E_FAIL;
        if (optimalBufferSize)
            *optimalBufferSize = 256 * 1024; // what MTP devices commonly suggest
        stream = std::move(opened);
        return S_OK;
    }

private:
    Connection connection_;
};

class SimContent : public PortableDeviceContent {
public:
    explicit SimContent(Connection connection) : connection_(std::move(connection)) {}

    HRESULT EnumObjects(std::uint32_t, const std::u16string& parentId, PortableDeviceValues*,
                        std::unique_ptr<EnumPortableDeviceObjectIDs>& objects) override {
        objects.reset();
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        const SimDeviceImage& image = *connection_->image;
        std::vector<std::u16string> ids;
        if (parentId.empty()) {
            if (image.emptyParent == EmptyParent::Fail)
                return E_FAIL;
            if (image.emptyParent == EmptyParent::Root)
                ids.push_back(image.objects.front().id);
        } else {
            const SimObject* parent = image.Find(parentId);
            if (!parent)
                return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
            if (parent->enumFails)
                return E_FAIL;
            for (std::size_t child : parent->children)
                ids.push_back(image.objects[child].id);
        }
        objects = std::make_unique<SimEnum>(connection_, std::move(ids));
        return S_OK;
    }

    HRESULT Properties(std::unique_ptr<PortableDeviceProperties>& properties) override {
        properties.reset();
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        if (connection_->image->propertiesFail)
            return E_FAIL;
        properties = std::make_unique<SimPropertiesService>(connection_);
        return S_OK;
    }

    HRESULT Transfer(std::unique_ptr<PortableDeviceResources>& resources) override {
        resources.reset();
        if (!connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        if (connection_->image->transferFails)
            return E_FAIL;
        resources = std::make_unique<SimResources>(connection_);
        return S_OK;
    }

private:
    Connection connection_;
};

class SimDevice : public PortableDevice {
public:
    explicit SimDevice(std::shared_ptr<SimState> state) : state_(std::move(state)) {}
    // Releasing the device ends its connection, as releasing the last WPD reference does.
    ~SimDevice() override {
        if (connection_)
            connection_->open = false;
    }

    HRESULT Open(const std::u16string& deviceId, PortableDeviceValues& clientInfo) override {
        auto image = state_->FindDevice(deviceId);
        if (!image)
            return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
        auto counters = state_->CountersOf(image->id);
        ++counters->openCalls;
        if (connection_ && connection_->open)
            return E_WPD_DEVICE_ALREADY_OPENED;
        std::u16string clientName;
        clientInfo.GetStringValue(WPD_CLIENT_NAME, clientName);
        counters->lastClientName = clientName;
        std::uint32_t access = 0;
        counters->lastDesiredAccess.reset();
        if (clientInfo.GetUnsignedIntegerValue(WPD_CLIENT_DESIRED_ACCESS, access) == S_OK)
            counters->lastDesiredAccess = access;
        const bool readOnly = counters->lastDesiredAccess == GENERIC_READ;
        switch (image->open) {
        case OpenBehaviour::Ok:
            break;
        case OpenBehaviour::ReadOnly:
            if (!readOnly)
                return E_ACCESSDENIED;
            break;
        case OpenBehaviour::Denied:
            return E_ACCESSDENIED;
        case OpenBehaviour::Fail:
            return image->openError;
        }
        connection_ = std::make_shared<SimConnection>(SimConnection{image, counters});
        ++counters->opens;
        return S_OK;
    }

    HRESULT Content(std::unique_ptr<PortableDeviceContent>& content) override {
        content.reset();
        if (!connection_ || !connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        if (connection_->image->contentFails)
            return E_FAIL;
        content = std::make_unique<SimContent>(connection_);
        return S_OK;
    }

    HRESULT Close() override {
        if (!connection_ || !connection_->open)
            return E_WPD_DEVICE_NOT_OPEN;
        connection_->open = false;
        ++connection_->counters->closes;
        connection_->counters->liveStreamsAtLastClose = connection_->counters->liveStreams;
        return S_OK;
    }

private:
    std::shared_ptr<SimState> state_;
    Connection connection_;
};

} // namespace

std::unique_ptr<PortableDevice> MakeSimDevice(std::shared_ptr<SimState> state) {
    return std::make_unique<SimDevice>(std::move(state));
}

} // namespace mtp
