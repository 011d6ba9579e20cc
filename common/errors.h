// Errors inside the plug-in are exceptions that carry the text the user should read. They are
// caught where the window toolkit reports an event's failure and at every exported function.
#pragma once

#include <stdexcept>
#include <string>

#include "common/text.h"

namespace mtp {

class Error : public std::runtime_error {
public:
    explicit Error(std::u16string text)
        : std::runtime_error(Utf16ToUtf8(text)), text_(std::move(text)) {}
    const std::u16string& Text() const { return text_; }

private:
    std::u16string text_;
};

// The integer-text conversion failed: "'abc' is not a valid integer value".
class ConvertError : public Error {
    using Error::Error;
};

// Year, month, day, hour, minute or second out of range when encoding a date-time.
class DateEncodeError : public Error {
    using Error::Error;
};

// A file or folder operation of the platform failed; the text names the path.
class FileError : public Error {
    using Error::Error;
};

// The text of any exception, for a message box.
std::u16string ErrorText(const std::exception& e);

} // namespace mtp
