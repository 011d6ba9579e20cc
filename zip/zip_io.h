// The archive's own file access: a file read from start to end in chunks, and the archive
// file written in chunks with its local headers patched in place once an entry's sizes are
// known. Failures throw with the system's reason; which side failed decides the message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"

namespace mtp {

// A file being added cannot be opened, read or stored; the text is the reason.
class ZipSourceError : public Error {
    using Error::Error;
};
// The archive file cannot be created, written or closed; the text is the reason.
class ZipTargetError : public Error {
    using Error::Error;
};

class ZipInputFile {
public:
    explicit ZipInputFile(const std::u16string& path); // throws ZipSourceError
    ~ZipInputFile();
    ZipInputFile(const ZipInputFile&) = delete;
    ZipInputFile& operator=(const ZipInputFile&) = delete;

    uint64_t Size() const { return size_; }
    // Up to `capacity` bytes; 0 only at the end of the file. Throws ZipSourceError.
    size_t Read(uint8_t* buffer, size_t capacity);

private:
    intptr_t handle_;
    uint64_t size_ = 0;
};

class ZipOutputFile {
public:
    // Creates the file, replacing one of that name. Throws ZipTargetError.
    explicit ZipOutputFile(const std::u16string& path);
    // Closes the file if Close was not reached; failures then go unreported.
    ~ZipOutputFile();
    ZipOutputFile(const ZipOutputFile&) = delete;
    ZipOutputFile& operator=(const ZipOutputFile&) = delete;

    // Appends at the end. Throws ZipTargetError, also for a short write.
    void Write(const uint8_t* data, size_t size);
    // Overwrites bytes already written.
    void WriteAt(uint64_t offset, const uint8_t* data, size_t size);
    uint64_t Position() const { return position_; }
    // Closes the file and reports what the system reports on closing.
    void Close();

private:
    intptr_t handle_;
    uint64_t position_ = 0;
};

} // namespace mtp
