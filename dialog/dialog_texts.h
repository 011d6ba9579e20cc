// The dialog's fixed texts. Every text is English whatever language the host asks for.
#pragma once

#include <string_view>

namespace mtp::dialog_texts {

inline constexpr std::u16string_view kCaption = u"MTP Device Import";

// The four lines of memInfo; the first three end with one blank.
inline constexpr std::u16string_view kInfoLines[] = {
    u"This import plugin should be able to import *.fit activities on MTP based devices like "
    u"Wahoo ELEMNT bike ",
    u"computers and GARMIN sport and outdoor watches that support music functions. ",
    u"NOTE: At the moment this plugin hasn't been tested by me because I do not own any of these "
    u"computers, ",
    u"just implemented on spec (based on the Windows WPD framework documentation)!",
};

// The device label and what it shows with no device.
inline constexpr std::u16string_view kDeviceLabel = u"Device:";
inline constexpr std::u16string_view kDeviceFormat = u"Device: %s";
inline constexpr std::u16string_view kNoDevice = u"No device found!";

// Stage texts of status panel 2, and the file count of panel 0.
inline constexpr std::u16string_view kStageEnumerateFiles = u"Enumerate files...";
inline constexpr std::u16string_view kStageDone = u"OK!";
inline constexpr std::u16string_view kFilesFormat = u"Files: %d";

// The options menu and its depth prompt.
inline constexpr std::u16string_view kDepthItemCaption = u"Max";
inline constexpr std::u16string_view kDepthItemFormat = u"Max folder scan deep: %d";
inline constexpr std::u16string_view kDoublettesItemCaption = u"No doublettes";
inline constexpr std::u16string_view kDepthPromptCaption = u"Max folder scan deep";
inline constexpr std::u16string_view kDepthPromptText = u"Enter value (2..255):";

} // namespace mtp::dialog_texts
