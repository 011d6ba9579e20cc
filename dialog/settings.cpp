#include "dialog/settings.h"

#include "common/int_text.h"
#include "common/text.h"
#include "dialog/scan_settings.h"

namespace mtp {

namespace {

constexpr std::u16string_view kSection = u"SETTINGS";

int32_t ReadInteger(SettingsFile& file, std::u16string_view key, int32_t fallback) {
    // A text that no number can be made of stands for a missing key.
    return StrToIntDef(file.ReadString(kSection, key, u""), fallback);
}

bool ReadBool(SettingsFile& file, std::u16string_view key, bool fallback) {
    return ReadInteger(file, key, fallback ? 1 : 0) != 0;
}

} // namespace

DialogSettings ReadDialogSettings(SettingsFile& file) {
    const DialogSettings defaults;
    DialogSettings s;
    s.maxDeep = ReadInteger(file, u"MaxDeep", defaults.maxDeep);
    s.noDoublettes = ReadBool(file, u"NoDoublettes", defaults.noDoublettes);
    s.dateAsString = ReadBool(file, u"DateAsString", defaults.dateAsString);
    return s;
}

void WriteDialogSettings(SettingsFile& file, const DialogSettings& settings) {
    file.WriteString(kSection, u"MaxDeep", ToText(settings.maxDeep));
    file.WriteString(kSection, u"NoDoublettes", settings.noDoublettes ? u"1" : u"0");
    // Date-text mode switched on by a rescan lasts for one dialog; it is never saved as on.
    if (!settings.dateAsString)
        file.WriteString(kSection, u"DateAsString", u"0");
}

bool LoadDialogSettings(const std::u16string& iniPath) {
    DialogSettings settings;
    if (!iniPath.empty())
        settings = ReadDialogSettings(*OpenSettingsFile(iniPath));
    MaxDeep = settings.maxDeep;
    NoDoublettes = settings.noDoublettes;
    return settings.dateAsString;
}

void SaveDialogSettings(const std::u16string& iniPath, bool dateStringMode) {
    if (iniPath.empty())
        return;
    WriteDialogSettings(*OpenSettingsFile(iniPath), {MaxDeep, NoDoublettes, dateStringMode});
}

int32_t ClampDepth(int32_t depth) {
    if (depth > 255)
        return 255;
    if (depth <= 1)
        return 2;
    return depth;
}

int32_t DepthFromPrompt(std::u16string_view text, int32_t currentDepth) {
    int32_t depth = 0;
    return TryStrToInt(text, depth) ? ClampDepth(depth) : currentDepth;
}

} // namespace mtp
