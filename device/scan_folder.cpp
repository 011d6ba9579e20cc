#include "device/scan_folder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <utility>

#include "common/clock.h"
#include "common/int_text.h"
#include "common/locale_formats.h"
#include "common/text.h"
#include "device/container_object.h"
#include "device/parse_device_date.h"
#include "dialog/scan_settings.h"

namespace mtp {

namespace {

constexpr std::array<std::u16string_view, 5> ActivityFolders{u"export", u"exports", u"activity",
                                                             u"fitfiles", u"activities"};
constexpr std::array<std::u16string_view, 11> SkippedFolders{
    u"maps",     u"tiles",     u"mtklog", u"dcim",        u"vysor",  u".tmp",
    u"pictures", u"ringtones", u"music",  u"routeimages", u"offline"};

// The deepest the scan goes whatever MaxDeep says: the options menu offers no more, and a
// settings file edited by hand could otherwise let a device whose folders list each other
// recurse until the stack runs out.
constexpr int32_t DeepestDescent = 255;

template <std::size_t N>
bool IsOneOf(const std::array<std::u16string_view, N>& names, const std::u16string& name) {
    for (std::u16string_view n : names)
        if (n == name)
            return true;
    return false;
}

// A property the object does not have, or that cannot be read, reads as an empty text.
std::u16string ReadText(PortableDeviceValues& values, const PropertyKey& key) {
    std::u16string text;
    if (values.GetStringValue(key, text) != S_OK)
        text.clear();
    return text;
}

// The next child of an enumeration, one identifier a call; false once a call delivers none.
bool NextChild(EnumPortableDeviceObjectIDs& children, std::u16string& id) {
    std::uint32_t fetched = 0;
    const HRESULT hr = children.Next(1, &id, fetched);
    return (hr == S_OK || hr == S_FALSE) && fetched == 1;
}

// One descent into a folder: the target's depth and folder name for its length, restored
// however the folder's scan ends.
class Descent {
public:
    Descent(TScanTarget& target, std::u16string folderName)
        : target_(target), outerFolder_(std::exchange(target.CurFolder(), std::move(folderName))) {
        ++target_.DeepCounter();
    }
    ~Descent() {
        target_.CurFolder() = std::move(outerFolder_);
        --target_.DeepCounter();
    }
    Descent(const Descent&) = delete;
    Descent& operator=(const Descent&) = delete;

private:
    TScanTarget& target_;
    std::u16string outerFolder_;
};

// The accepted file's record. The size text must be a 32-bit integer: StrToInt throws
// ConvertError naming the text otherwise.
TMyRec MakeRecord(const std::u16string& name, const std::u16string& objectId,
                  const std::u16string& deviceId, TDateTime date, const std::u16string& dateText,
                  const std::u16string& sizeText) {
    TMyRec rec;
    rec.FName = name;
    rec.OName = objectId;
    rec.FDate = date;
    rec.SDate = dateText.empty() ? FormatDefaultDateTime(Now()) : dateText;
    rec.Size = StrToInt(sizeText);
    rec.DevID = deviceId;
    rec.Extension = u"fit";
    return rec;
}

} // namespace

bool IsActivityFolderName(const std::u16string& lowerName) {
    return IsOneOf(ActivityFolders, lowerName);
}

bool IsSkippedFolderName(const std::u16string& lowerName) {
    return IsOneOf(SkippedFolders, lowerName);
}

std::u16string ExtractFileExt(const std::u16string& name) {
    const std::size_t pos = name.find_last_of(u".\\:");
    if (pos == std::u16string::npos || name[pos] != u'.')
        return {};
    return name.substr(pos);
}

void ScanFolder(TScanTarget& target, int deviceIndex, const std::u16string& deviceId,
                PortableDeviceContent& content, const std::u16string& parentId, bool descend) {
    std::unique_ptr<PortableDeviceProperties> properties;
    if (content.Properties(properties) != S_OK || !properties)
        return;
    std::unique_ptr<EnumPortableDeviceObjectIDs> children;
    if (content.EnumObjects(0, parentId, nullptr, children) != S_OK || !children)
        return;

    // A first pass reads the enumeration to its end without using it; the children are
    // examined on the second pass after the reset.
    std::u16string childId;
    while (NextChild(*children, childId)) {
    }
    children->Reset();

    while (NextChild(*children, childId)) {
        std::unique_ptr<PortableDeviceKeyCollection> keys;
        properties->GetSupportedProperties(childId, keys);
        std::unique_ptr<PortableDeviceValues> values;
        const HRESULT got = properties->GetValues(childId, keys.get(), values);
        if ((got != S_OK && got != S_FALSE) || !values)
            continue;

        std::u16string name = ReadText(*values, WPD_OBJECT_ORIGINAL_FILE_NAME);
        if (Trim(name).empty())
            name = childId;
        const std::u16string sizeText = ReadText(*values, WPD_OBJECT_SIZE);

        const TDateTime created = ParseDeviceDate(ReadText(*values, WPD_OBJECT_DATE_CREATED));
        const std::u16string dateText = ReadText(*values, WPD_OBJECT_DATE_MODIFIED);
        const TDateTime modified = ParseDeviceDate(dateText);
        if (created != 0 || modified != 0)
            target.DateFound() = true;

        if (IsContainerObject(values.get())) {
            std::u16string folderName = LowerAscii(name);
            if (descend && target.DeepCounter() < std::min(MaxDeep, DeepestDescent) &&
                !IsSkippedFolderName(folderName)) {
                Descent descent(target, std::move(folderName));
                ScanFolder(target, deviceIndex, deviceId, content, childId, descend);
            }
        } else if (IsActivityFolderName(target.CurFolder()) &&
                   LowerAscii(ExtractFileExt(name)) == u".fit") {
            const TDateTime date = modified != 0 ? modified : created != 0 ? created : Now();
            target.AddFoundFile(MakeRecord(name, childId, deviceId, date, dateText, sizeText));
            if (target.FoundFileCount() % 2 == 0)
                target.ShowFoundFileName(name);
            target.ShowDeviceLabel(FormatS(u"Device: %s", target.DeviceName(deviceIndex)));
        }
    }
}

} // namespace mtp
