// Local names for files fetched from devices. A device may name a file anything; the copy in
// the working folder must stay inside that folder, be a name Windows accepts, and never
// overwrite the file of another object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace mtp {

// The device's name made into a plain Windows file name: control characters and
// < > : " / \ | ? * become "_", trailing dots and blanks are dropped, a name Windows
// reserves for a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9, also followed by an extension)
// gets a "_" in front, and a name left empty becomes "_".
std::u16string SafeLocalName(std::u16string_view deviceName);

// Which device object each local name in the working folder holds. The dialog keeps one for
// its whole life, so a second Import (after an error) puts an object again under the name it
// had, and a different object whose safe name is taken gets a distinct one ("a (2).fit").
// Names compare without regard to case, as Windows compares file names, and a file already in
// the folder that no object holds is never overwritten.
class TLocalFileNames {
public:
    // The local name of the object in `folder`: the one it already holds, else its safe name,
    // short enough for the whole path to open on Windows, made distinct from every name
    // another object holds and every file the folder already has. The name is reserved for
    // the object.
    std::u16string NameFor(const std::u16string& devId, const std::u16string& oName,
                           std::u16string_view deviceName, const std::u16string& folder);

    // Marks the object as counted: true the first time since the count last restarted.
    bool CountOnce(const std::u16string& devId, const std::u16string& oName);
    // The object's file is gone (a failed copy removes it): it no longer counts. True when it
    // was counted.
    bool Uncount(const std::u16string& devId, const std::u16string& oName);
    // Every object counts again. Call it wherever the copy count is set back to 0 (each
    // rescan), so that the count stays the number of files the working folder holds for it.
    void RestartCount();

private:
    struct Holder {
        std::u16string localName;
        std::u16string deviceName; // the name the device gave the object
        bool counted = false;
    };

    std::unordered_map<std::u16string, Holder> byObject_;       // object key -> its name
    std::unordered_map<std::u16string, std::u16string> byName_; // folded name -> object key
};

} // namespace mtp
