// The activity-file scan: walks one device's object tree depth first and offers every .fit
// file that lies directly in an activity folder to the found-file list of the dialog that
// runs the scan.
#pragma once

#include <cstdint>
#include <string>

#include "device/portable_device_service.h"
#include "dialog/my_list.h"

namespace mtp {

// What the scan reads and writes of the dialog that runs it. The dialog implements it over
// its own fields and components, so the scan needs nothing else of the dialog.
class TScanTarget {
public:
    virtual ~TScanTarget() = default;

    // The found-file list (fMyList): offers a record, which the list may refuse as a
    // duplicate, and answers the number of records it holds.
    virtual void AddFoundFile(const TMyRec& rec) = 0;
    virtual int32_t FoundFileCount() const = 0;

    // The scan's state fields: fCurFolder (lower-cased name of the folder being examined,
    // empty at a device's root), fdeepcounter (descents in progress) and fDateFound (some
    // object had a readable date).
    virtual std::u16string& CurFolder() = 0;
    virtual int32_t& DeepCounter() = 0;
    virtual bool& DateFound() = 0;

    // Status panel 0: the name of a found file.
    virtual void ShowFoundFileName(const std::u16string& name) = 0;
    // The device label lblDevID: the whole caption, "Device: <name>".
    virtual void ShowDeviceLabel(const std::u16string& caption) = 0;
    // GetDevName of the dialog's device list at this index.
    virtual std::u16string DeviceName(int deviceIndex) const = 0;
};

// Folder names, compared after lower-casing A to Z.
bool IsActivityFolderName(const std::u16string& lowerName);
bool IsSkippedFolderName(const std::u16string& lowerName);

// The extension of a name, from its last "." to the end, the "." included; empty when the
// name has no "." or a "\" or ":" follows the last one.
std::u16string ExtractFileExt(const std::u16string& name);

// Examines the children of `parentId` and, while `descend` is set and the process-wide
// MaxDeep allows, the folders below them (skipped folders never). Accepted files go to the
// target's list; the device label then shows the device's name. Objects whose values cannot
// be read and parents that cannot be listed contribute nothing. A size text that is no 32-bit
// integer throws ConvertError; the records offered before it stay, and the target's folder
// and depth are restored on the way out.
void ScanFolder(TScanTarget& target, int deviceIndex, const std::u16string& deviceId,
                PortableDeviceContent& content, const std::u16string& parentId, bool descend);

} // namespace mtp
