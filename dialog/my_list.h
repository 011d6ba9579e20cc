// The found-file list: one record per accepted activity file, in scan order. While the
// process-wide NoDoublettes setting is on, a record whose FName some earlier record already
// has is refused without a word.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "common/datetime.h"

namespace mtp {

// One found activity file.
struct TMyRec {
    bool IsFile = true;       // the entry is a file; the scan adds nothing else
    std::u16string FName;     // the name on the device, or the object identifier when blank
    std::u16string OName;     // the object identifier on its device
    TDateTime FDate = 0;      // modification date, else creation date, else the scan time
    std::u16string SDate;     // the device's modification-date text, or the scan time as text
    int64_t Size = 0;         // bytes
    std::u16string DevID;     // the identifier of the device the file lies on
    std::u16string Extension; // always "fit"
    bool operator==(const TMyRec&) const = default;
};

// One text that names a device object: its device and object identifiers, kept apart so
// that no other pair gives the same text.
std::u16string DeviceObjectKey(const std::u16string& devId, const std::u16string& oName);

class TMyList {
public:
    TMyList() = default;
    ~TMyList() { Clear(); }
    TMyList(const TMyList&) = delete;
    TMyList& operator=(const TMyList&) = delete;

    // Releases every record, the last first.
    void Clear();
    // Keeps a heap copy of the record unless IsDoublette refuses it.
    void Add(TMyRec Items);
    int32_t Count() const { return static_cast<int32_t>(fFList.size()); }
    // A copy of the record at a zero-based index; throws mtp::Error outside 0 to Count - 1.
    TMyRec GetItem(int32_t Index) const;

private:
    // True while NoDoublettes is on and an earlier record has the same FName, compared by
    // code unit (case-sensitive, untrimmed).
    bool IsDoublette(const TMyRec& Rec) const;

    std::vector<std::unique_ptr<TMyRec>> fFList;
    // Every FName in the list, whatever the setting was when it was added, so the test stays
    // right when the setting changes between adds.
    std::unordered_set<std::u16string> fNames;
};

} // namespace mtp
