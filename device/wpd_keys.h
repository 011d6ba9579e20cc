// GUIDs and property keys of the Windows Portable Devices API that the plug-in uses, in
// portable form. Guid and PropertyKey have the memory layout of the platform's GUID and
// PROPERTYKEY, so the WPD back end passes them through unchanged.
#pragma once

#include <cstdint>

namespace mtp {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};
    bool operator==(const Guid&) const = default;
};

struct PropertyKey {
    Guid fmtid;
    std::uint32_t pid = 0;
    bool operator==(const PropertyKey&) const = default;
};

static_assert(sizeof(Guid) == 16 && sizeof(PropertyKey) == 20);

// Object properties.
inline constexpr Guid WPD_OBJECT_PROPERTIES_V1{
    0xEF6B490D, 0x5CD8, 0x437A, {0xAF, 0xFC, 0xDA, 0x8B, 0x60, 0xEE, 0x4A, 0x3C}};
inline constexpr PropertyKey WPD_OBJECT_ID{WPD_OBJECT_PROPERTIES_V1, 2};
inline constexpr PropertyKey WPD_OBJECT_PARENT_ID{WPD_OBJECT_PROPERTIES_V1, 3};
inline constexpr PropertyKey WPD_OBJECT_NAME{WPD_OBJECT_PROPERTIES_V1, 4};
inline constexpr PropertyKey WPD_OBJECT_CONTENT_TYPE{WPD_OBJECT_PROPERTIES_V1, 7};
inline constexpr PropertyKey WPD_OBJECT_SIZE{WPD_OBJECT_PROPERTIES_V1, 11};
inline constexpr PropertyKey WPD_OBJECT_ORIGINAL_FILE_NAME{WPD_OBJECT_PROPERTIES_V1, 12};
inline constexpr PropertyKey WPD_OBJECT_DATE_CREATED{WPD_OBJECT_PROPERTIES_V1, 18};
inline constexpr PropertyKey WPD_OBJECT_DATE_MODIFIED{WPD_OBJECT_PROPERTIES_V1, 19};

// Client information given with every open.
inline constexpr Guid WPD_CLIENT_INFORMATION_PROPERTIES_V1{
    0x204D9F0C, 0x2292, 0x4080, {0x9F, 0x42, 0x40, 0x66, 0x4E, 0x70, 0xF8, 0x59}};
inline constexpr PropertyKey WPD_CLIENT_NAME{WPD_CLIENT_INFORMATION_PROPERTIES_V1, 2};
inline constexpr PropertyKey WPD_CLIENT_MAJOR_VERSION{WPD_CLIENT_INFORMATION_PROPERTIES_V1, 3};
inline constexpr PropertyKey WPD_CLIENT_MINOR_VERSION{WPD_CLIENT_INFORMATION_PROPERTIES_V1, 4};
inline constexpr PropertyKey WPD_CLIENT_REVISION{WPD_CLIENT_INFORMATION_PROPERTIES_V1, 5};
inline constexpr PropertyKey WPD_CLIENT_DESIRED_ACCESS{WPD_CLIENT_INFORMATION_PROPERTIES_V1, 9};

// The whole data of an object, as a resource key for GetStream.
inline constexpr PropertyKey WPD_RESOURCE_DEFAULT{
    {0xE81E79BE, 0x34F0, 0x41BF, {0xB5, 0x3F, 0xF1, 0xA0, 0x6A, 0xE8, 0x78, 0x42}}, 0};

// Values of WPD_OBJECT_CONTENT_TYPE.
inline constexpr Guid WPD_CONTENT_TYPE_FOLDER{
    0x27E2E392, 0xA111, 0x48E0, {0xAB, 0x0C, 0xE1, 0x77, 0x05, 0xA0, 0x5F, 0x85}};
inline constexpr Guid WPD_CONTENT_TYPE_FUNCTIONAL_OBJECT{
    0x99ED0160, 0x17FF, 0x4C44, {0x9D, 0x98, 0x1D, 0x7A, 0x6F, 0x94, 0x19, 0x21}};
inline constexpr Guid WPD_CONTENT_TYPE_GENERIC_FILE{
    0x0085E0A6, 0x8D34, 0x45D7, {0xBC, 0x5C, 0x44, 0x7E, 0x59, 0xC7, 0x3D, 0x48}};
inline constexpr Guid WPD_CONTENT_TYPE_UNSPECIFIED{
    0x28D8D31E, 0x249C, 0x454E, {0xAA, 0xBC, 0x34, 0x88, 0x31, 0x68, 0xE6, 0x34}};

// A device's root object.
inline constexpr char16_t WPD_DEVICE_OBJECT_ID[] = u"DEVICE";

} // namespace mtp
