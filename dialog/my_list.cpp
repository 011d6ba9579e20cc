#include "dialog/my_list.h"

#include "common/errors.h"
#include "common/text.h"
#include "dialog/scan_settings.h"

namespace mtp {

void TMyList::Clear() {
    while (!fFList.empty())
        fFList.pop_back();
    fNames.clear();
}

void TMyList::Add(TMyRec Items) {
    if (IsDoublette(Items))
        return;
    fNames.insert(Items.FName);
    fFList.push_back(std::make_unique<TMyRec>(std::move(Items)));
}

TMyRec TMyList::GetItem(int32_t Index) const {
    if (Index < 0 || Index >= Count())
        throw Error(FormatD(u"List index out of bounds (%d)", Index));
    return *fFList[static_cast<size_t>(Index)];
}

bool TMyList::IsDoublette(const TMyRec& Rec) const {
    return NoDoublettes && fNames.contains(Rec.FName);
}

std::u16string DeviceObjectKey(const std::u16string& devId, const std::u16string& oName) {
    // Device identifiers never hold a zero character, so the pair splits one way only.
    std::u16string key = devId;
    key += u'\0';
    key += oName;
    return key;
}

} // namespace mtp
