#include "dialog/copy_selected_files.h"

#include <unordered_map>

#include "common/file_system.h"
#include "device/copy_from_device.h"
#include "device/set_file_date.h"
#include "toolkit/application.h"

namespace mtp {

namespace {

// The date of each found file by its device and object identifiers, the first record in list
// order winning, so every row finds its own record whatever order the grid shows.
class RecordDates {
public:
    explicit RecordDates(const TMyList& list) {
        for (int32_t i = 0; i < list.Count(); ++i) {
            const TMyRec rec = list.GetItem(i);
            dates_.try_emplace(DeviceObjectKey(rec.DevID, rec.OName), rec.FDate);
        }
    }
    const TDateTime* Find(const std::u16string& devId, const std::u16string& oName) const {
        const auto it = dates_.find(DeviceObjectKey(devId, oName));
        return it == dates_.end() ? nullptr : &it->second;
    }

private:
    std::unordered_map<std::u16string, TDateTime> dates_;
};

} // namespace

void CopySelectedFiles(const TCopyContext& ctx) {
    tk::TStringGrid& grid = ctx.gridFiles;
    tk::TStatusPanel& progress = ctx.stbar.Panels(1);
    tk::TStatusPanel& stage = ctx.stbar.Panels(2);

    stage.SetText(u"Copy files...");
    if (ctx.fMyList.Count() == 0)
        return;
    const RecordDates dates(ctx.fMyList);

    progress.SetProgressMax(grid.RowCount());
    for (int r = 1; r < grid.RowCount(); ++r) {
        progress.SetProgressPosition(r);
        tk::Application().ProcessPaintMessages();
        if (!grid.Selection().ContainsRow(r))
            continue;
        const std::u16string devId = grid.Cell(5, r);
        if (devId.empty())
            continue;
        const std::u16string oName = grid.Cell(4, r);
        const std::u16string localPath = JoinPath(
            ctx.workFolder, ctx.localNames.NameFor(devId, oName, grid.Cell(0, r), ctx.workFolder));
        if (!CopyFromDevice(devId, oName, localPath)) {
            // A copy that fails after it began removes the file an earlier Import delivered
            // for this object, so that file no longer counts.
            if (FileGetAttr(localPath) == faInvalid && ctx.localNames.Uncount(devId, oName))
                --ctx.fcounter;
            continue;
        }
        if (const TDateTime* date = dates.Find(devId, oName))
            SetFileDate(localPath, *date);
        if (ctx.localNames.CountOnce(devId, oName))
            ++ctx.fcounter;
    }
    progress.SetProgressPosition(0);
    stage.SetText(u"OK!");
    tk::Application().ProcessPaintMessages();
}

} // namespace mtp
