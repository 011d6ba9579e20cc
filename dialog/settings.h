// The dialog's three settings in the plug-in's settings file, section "SETTINGS", and the
// depth limits of the options menu. The dialog's LoadSettings and SaveSettings call
// LoadDialogSettings and SaveDialogSettings with PluginState's PluginIniFileName:
//
//     fDateStringMode = LoadDialogSettings(PluginState.PluginIniFileName); // sets the globals
//     SaveDialogSettings(PluginState.PluginIniFileName, fDateStringMode);  // may throw FileError
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/settings_file.h"

namespace mtp {

struct DialogSettings {
    int32_t maxDeep = 255;     // "MaxDeep"
    bool noDoublettes = true;  // "NoDoublettes"
    bool dateAsString = false; // "DateAsString"
};

// Missing keys and values that do not convert as integers (decimal or $/x/0x hexadecimal)
// give the defaults; Booleans are true for any number but 0. Nothing is clamped.
DialogSettings ReadDialogSettings(SettingsFile& file);
// Writes "MaxDeep" as decimal text and "NoDoublettes" as "1" or "0"; "DateAsString" only while
// date-text mode is off, and then as "0", so a "1" put into the file by hand stays. Throws
// FileError naming the file at the first key that cannot be written.
void WriteDialogSettings(SettingsFile& file, const DialogSettings& settings);

// Reads the file into the process-wide MaxDeep and NoDoublettes and returns date-text mode.
// With no file named (an empty path) every setting takes its default.
bool LoadDialogSettings(const std::u16string& iniPath);
// Writes MaxDeep, NoDoublettes and the dialog's date-text mode. With no file named nothing is
// written, so the profile functions never fall back to a file of the system's own.
void SaveDialogSettings(const std::u16string& iniPath, bool dateStringMode);

// The options menu's limits: above 255 becomes 255, 1 or less becomes 2.
int32_t ClampDepth(int32_t depth);
// The depth the prompt's text asks for: clamped, or the current depth when the text does not
// convert (also a number beyond the 32-bit range).
int32_t DepthFromPrompt(std::u16string_view text, int32_t currentDepth);

} // namespace mtp
