#include "toolkit/headless/scenario.h"

#include "common/text.h"

namespace mtp::tk::headless {
namespace {

std::string Name(const std::u16string& s) {
    return Utf16ToUtf8(s);
}

} // namespace

Step AdvanceClock(int64_t ms) {
    return {"advance clock " + std::to_string(ms) + " ms",
            [ms](HeadlessUi& ui) { ui.Advance(ms); }};
}

Step Click(std::u16string name) {
    return {"click " + Name(name), [name](HeadlessUi& ui) { ui.Click(name); }};
}

Step ClickCell(std::u16string grid, int col, int row, TShiftState shift) {
    return {"click " + Name(grid) + " cell " + std::to_string(col) + "," + std::to_string(row),
            [=](HeadlessUi& ui) { ui.ClickCell(grid, col, row, shift); }};
}

Step DoubleClickCell(std::u16string grid, int col, int row) {
    return {"double-click " + Name(grid) + " cell " + std::to_string(col) + "," +
                std::to_string(row),
            [=](HeadlessUi& ui) { ui.DoubleClickCell(grid, col, row); }};
}

Step ClickColumnTitle(std::u16string grid, int col) {
    return {"click " + Name(grid) + " title " + std::to_string(col),
            [=](HeadlessUi& ui) { ui.ClickColumnTitle(grid, col); }};
}

Step Focus(std::u16string name) {
    return {"focus " + Name(name), [name](HeadlessUi& ui) { ui.Focus(name); }};
}

Step PressKey(uint16_t key, TShiftState shift) {
    return {"press key " + std::to_string(key), [=](HeadlessUi& ui) { ui.PressKey(key, shift); }};
}

Step CloseBox() {
    return {"close box", [](HeadlessUi& ui) { ui.CloseBox(); }};
}

Step DeviceChange(uintptr_t eventCode) {
    return {"device change " + std::to_string(eventCode),
            [eventCode](HeadlessUi& ui) { ui.DeviceChange(eventCode); }};
}

Step ChooseMenuItem(std::u16string item) {
    return {"choose " + Name(item), [item](HeadlessUi& ui) { ui.ChooseMenuItem(item); }};
}

Step DismissMenu() {
    return {"dismiss menu", [](HeadlessUi& ui) { ui.DismissMenu(); }};
}

Step ResizeWindow(int width, int height) {
    return {"resize to " + std::to_string(width) + "x" + std::to_string(height),
            [=](HeadlessUi& ui) { ui.ResizeWindow(width, height); }};
}

Step MoveForm(int left, int top) {
    return {"move to " + std::to_string(left) + "," + std::to_string(top),
            [=](HeadlessUi& ui) { ui.MoveForm(left, top); }};
}

Step Do(std::string what, std::function<void(HeadlessUi&)> action) {
    return {std::move(what), std::move(action)};
}

} // namespace mtp::tk::headless
