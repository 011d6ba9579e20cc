// A device image: one simulated device, read from a folder that holds its object tree on disk
// (the folder DEVICE, whose sub-folders are the storages) and a manifest, manifest.json, for
// what the folder cannot say. The format is described in samples/README.md.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "device/sim/sim_value.h"

namespace mtp {

// How the device answers Open.
enum class OpenBehaviour {
    Ok,       // opens with any access
    ReadOnly, // refuses the default read-write access with E_ACCESSDENIED, accepts GENERIC_READ
    Denied,   // always E_ACCESSDENIED
    Fail,     // always the manifest's error code
};

// What enumerating the empty parent identifier "" delivers.
enum class EmptyParent { Root, Nothing, Fail };

// The answer of a name query: absent (the query fails), or a text.
struct NameAnswer {
    std::u16string text;
    bool fillFails = false; // the length query works, the filling call fails
};

struct SimObject {
    std::u16string id;
    std::filesystem::path data; // the file holding the object's data; empty for folders
    SimProperties properties;
    std::vector<std::size_t> children; // indexes into SimDeviceImage::objects
    bool enumFails = false;
    bool valuesFail = false;
    bool streamFails = false;
    std::optional<std::uint64_t> readFailsAfter;
};

struct SimDeviceImage {
    std::filesystem::path folder;
    std::u16string id; // as GetDevices delivers it
    std::optional<NameAnswer> friendlyName;
    std::optional<NameAnswer> description;
    OpenBehaviour open = OpenBehaviour::Ok;
    HRESULT openError = E_FAIL;
    bool contentFails = false;
    bool propertiesFail = false;
    bool transferFails = false;
    EmptyParent emptyParent = EmptyParent::Root;
    std::vector<SimObject> objects; // objects[0] is the root
    std::unordered_map<std::u16string, std::size_t> byId;

    // The object of an identifier; "DEVICE" always names the root.
    const SimObject* Find(const std::u16string& objectId) const;
};

// Reads one device image. Throws Error naming the folder and the problem when the manifest
// is not valid JSON, has a field of the wrong kind or an unknown field, names an object that
// is not in the tree, or gives two objects the same identifier.
SimDeviceImage LoadDeviceImage(const std::filesystem::path& folder);

// The manifest's file name inside a device folder, and the folder of its object tree.
inline constexpr char kManifestName[] = "manifest.json";
inline constexpr char kTreeFolderName[] = "DEVICE";

} // namespace mtp
