// The files port for copies from devices: a local file made anew and written while no one
// else may open it, and given a date afterwards (removing one is in common/file_system.h). Win32
// file calls on Windows; natively a stand-in with the same rules (no sharing is enforced there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/datetime.h"

namespace mtp {

class LocalFile {
public:
    // Creates the file, replacing any file of that name, open for reading and writing and
    // shared with nobody. Throws FileError naming the file's full path and the system's
    // message: Cannot create file "C:\...\a.fit". The process cannot access the file ...
    static LocalFile Create(const std::u16string& path);

    LocalFile(LocalFile&& other) noexcept;
    LocalFile& operator=(LocalFile&&) = delete;
    ~LocalFile();

    // Writes the bytes and answers how many were written: fewer than asked when the disk is
    // full or the file may grow no more.
    std::size_t Write(const void* data, std::size_t size);
    void Close();

private:
    explicit LocalFile(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_;
};

// Sets the last-write time of an existing file to a local date-time, milliseconds included;
// the creation and last-access times stay. The local time is taken to UTC with the offset in
// force now, not the one of the date itself (as Windows' LocalFileTimeToFileTime does). False
// for a date the system's file times cannot hold (before 1601, invalid fields), without
// opening the file, and when the file cannot be opened (missing, in use) or its time not set.
bool SetLocalFileWriteTime(const std::u16string& path, const DateTimeParts& local);

} // namespace mtp
