// The portable-device service port: the Windows Portable Devices operations the plug-in uses,
// one to one, so that the WPD back end is a thin wrapper over the COM interfaces and the
// simulated back end (device/sim) answers the same calls from device images.
//
// Conventions, as in WPD:
// - Every call answers an HRESULT (device/result_codes.h); only S_OK is success for callers.
// - Objects that a call hands out go into a std::unique_ptr out-parameter; destroying the
//   object is releasing it. Objects stay valid when the object that made them is released
//   (a content outlives its device object), but a device's objects stop answering with
//   E_WPD_DEVICE_NOT_OPEN once the device is closed.
// - Identifier strings belong to the caller (std::u16string), so nothing is freed by hand.
// - Texts are UTF-16.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device/result_codes.h"
#include "device/wpd_keys.h"

namespace mtp {

// IPortableDeviceValues: a collection of property values.
class PortableDeviceValues {
public:
    virtual ~PortableDeviceValues() = default;
    virtual HRESULT SetStringValue(const PropertyKey& key, const std::u16string& value) = 0;
    virtual HRESULT SetUnsignedIntegerValue(const PropertyKey& key, std::uint32_t value) = 0;
    // Reads a value as text. Beyond WPD's own string read, back ends render the two kinds
    // of value the scan reads as text: sizes (unsigned integers) as decimal digits and dates
    // in WPD's text form "YYYY/MM/DD:HH:MM:SS.mmm" (device/wpd_value_text.h). A missing key
    // answers HRESULT_FROM_WIN32(ERROR_NOT_FOUND); a value of another kind or one that the
    // device could not read, DISP_E_TYPEMISMATCH.
    virtual HRESULT GetStringValue(const PropertyKey& key, std::u16string& value) = 0;
    virtual HRESULT GetUnsignedIntegerValue(const PropertyKey& key, std::uint32_t& value) = 0;
    virtual HRESULT GetGuidValue(const PropertyKey& key, Guid& value) = 0;
};

// IPortableDeviceKeyCollection: the property keys an object supports.
class PortableDeviceKeyCollection {
public:
    virtual ~PortableDeviceKeyCollection() = default;
    virtual HRESULT GetCount(std::uint32_t& count) = 0;
    virtual HRESULT GetAt(std::uint32_t index, PropertyKey& key) = 0;
};

// IEnumPortableDeviceObjectIDs: the immediate children of one object.
class EnumPortableDeviceObjectIDs {
public:
    virtual ~EnumPortableDeviceObjectIDs() = default;
    // Delivers up to `count` identifiers into `ids` (room for `count` texts) and sets
    // `fetched`. S_OK when all were delivered, S_FALSE when the enumeration ran out first.
    virtual HRESULT Next(std::uint32_t count, std::u16string* ids, std::uint32_t& fetched) = 0;
    virtual HRESULT Reset() = 0;
};

// IPortableDeviceProperties: reading an object's property values.
class PortableDeviceProperties {
public:
    virtual ~PortableDeviceProperties() = default;
    virtual HRESULT GetSupportedProperties(const std::u16string& objectId,
                                           std::unique_ptr<PortableDeviceKeyCollection>& keys) = 0;
    // `keys` may be null: all properties. Values that the device could not read are kept as
    // unreadable entries and the call answers S_FALSE.
    virtual HRESULT GetValues(const std::u16string& objectId, PortableDeviceKeyCollection* keys,
                              std::unique_ptr<PortableDeviceValues>& values) = 0;
};

// IStream, as far as reading goes.
class DeviceStream {
public:
    virtual ~DeviceStream() = default;
    // Reads up to `size` bytes and sets `read` to the count delivered. S_OK when the buffer
    // was filled, S_FALSE at the end of the data, a failure code when the read failed.
    virtual HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t& read) = 0;
};

// IPortableDeviceResources: the data of objects.
class PortableDeviceResources {
public:
    virtual ~PortableDeviceResources() = default;
    // `optimalBufferSize` may be null; when given it receives the transfer size the device
    // suggests.
    virtual HRESULT GetStream(const std::u16string& objectId, const PropertyKey& resource,
                              std::uint32_t mode, std::uint32_t* optimalBufferSize,
                              std::unique_ptr<DeviceStream>& stream) = 0;
};

// IPortableDeviceContent: the objects of an open device.
class PortableDeviceContent {
public:
    virtual ~PortableDeviceContent() = default;
    // `parentId` "DEVICE" or "" names the device's root; `filter` is ignored and may be null.
    virtual HRESULT EnumObjects(std::uint32_t flags, const std::u16string& parentId,
                                PortableDeviceValues* filter,
                                std::unique_ptr<EnumPortableDeviceObjectIDs>& objects) = 0;
    virtual HRESULT Properties(std::unique_ptr<PortableDeviceProperties>& properties) = 0;
    virtual HRESULT Transfer(std::unique_ptr<PortableDeviceResources>& resources) = 0;
};

// IPortableDevice: one connection to one device.
class PortableDevice {
public:
    virtual ~PortableDevice() = default;
    // E_ACCESSDENIED when the device refuses the access asked for (read and write unless
    // WPD_CLIENT_DESIRED_ACCESS says otherwise).
    virtual HRESULT Open(const std::u16string& deviceId, PortableDeviceValues& clientInfo) = 0;
    virtual HRESULT Content(std::unique_ptr<PortableDeviceContent>& content) = 0;
    virtual HRESULT Close() = 0;
};

// IPortableDeviceManager: the devices attached at the moment.
class PortableDeviceManager {
public:
    virtual ~PortableDeviceManager() = default;
    // With `ids` null: sets `count` to the number of devices. Otherwise fills up to `count`
    // texts and sets `count` to the number written.
    virtual HRESULT GetDevices(std::u16string* ids, std::uint32_t& count) = 0;
    // The list is taken when the manager is made and changes only through this call.
    virtual HRESULT RefreshDeviceList() = 0;
    // Two-call name queries: with `buffer` null and `length` 0, sets `length` to the length
    // in wide characters including the terminating zero; then fills a buffer of `length`
    // characters, the terminator included.
    virtual HRESULT GetDeviceFriendlyName(const std::u16string& deviceId, char16_t* buffer,
                                          std::uint32_t& length) = 0;
    virtual HRESULT GetDeviceDescription(const std::u16string& deviceId, char16_t* buffer,
                                         std::uint32_t& length) = 0;
};

// The service itself: what CoCreateInstance gives for the three WPD classes the plug-in
// makes. Creation fails (REGDB_E_CLASSNOTREG) where the service is absent.
class PortableDeviceService {
public:
    virtual ~PortableDeviceService() = default;
    virtual HRESULT CreatePortableDeviceManager(std::unique_ptr<PortableDeviceManager>& out) = 0;
    virtual HRESULT CreatePortableDevice(std::unique_ptr<PortableDevice>& out) = 0;
    virtual HRESULT CreatePortableDeviceValues(std::unique_ptr<PortableDeviceValues>& out) = 0;
};

} // namespace mtp
