// Steps of a scripted scenario, for tables such as
//   ui.Script({AdvanceClock(100), Click(u"rdb1"), PressKey(vkEscape)});
//   EXPECT_EQ(form.ShowModal(), mrCancel);
// Components are named as the form names them; a step that names none fails the scenario.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/headless/headless_ui.h"

namespace mtp::tk::headless {

Step AdvanceClock(int64_t ms);
Step Click(std::u16string name);
Step ClickCell(std::u16string grid, int col, int row, TShiftState shift = 0);
Step DoubleClickCell(std::u16string grid, int col, int row);
Step ClickColumnTitle(std::u16string grid, int col);
Step Focus(std::u16string name);
Step PressKey(uint16_t key, TShiftState shift = 0);
Step CloseBox();
Step DeviceChange(uintptr_t eventCode);
Step ChooseMenuItem(std::u16string item);
Step DismissMenu();
Step ResizeWindow(int width, int height);
Step MoveForm(int left, int top);
// Anything else: a check of the state at this point of the scenario, or an action.
Step Do(std::string what, std::function<void(HeadlessUi&)> action);

} // namespace mtp::tk::headless
