// The radio buttons of "File auto selection" and the rule each one stands for.
#include "common/clock.h"
#include "dialog/FormImport.h"
#include "dialog/auto_select.h"
#include "dialog/file_grid.h"

namespace mtp {

using namespace tk;

void TFImport::AutoSelectFiles() {
    // The first rescan leaves the grid's current row, the newest file, as the selection.
    if (!FInitialized)
        return;
    using Kind = TAutoSelectRule::Kind;
    const std::pair<const TRadioButton*, TAutoSelectRule> rules[] = {
        {&rdb0, {Kind::Newest, 0}},       {&rdb1, {Kind::YoungerThan, 7}},
        {&rdb2, {Kind::YoungerThan, 14}}, {&rdb3, {Kind::YoungerThan, 21}},
        {&rdb4, {Kind::YoungerThan, 28}}, {&rdb5, {Kind::YoungerThan, 56}},
        {&rdbAll, {Kind::All, 0}},
    };
    TAutoSelectRule rule;
    for (const auto& [button, r] : rules)
        if (button->Checked())
            rule = r;
    SelectRowsByAge(gridFiles, rule, Now());
}

void TFImport::rdb0Click() {
    gridFiles.SortByColumn(colDate, TSortDirection::sdDescending);
    if (gridFiles.DataRowCount() >= 1)
        gridFiles.SetRow(gridFiles.FixedRows());
    AutoSelectFiles();
}

} // namespace mtp
