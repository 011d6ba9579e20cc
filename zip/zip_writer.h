// A standard ZIP archive written entry by entry: each file deflated with zlib as it is read,
// its CRC-32 and sizes patched into the local header afterwards, and the central directory
// written at the end. No ZIP64: a file or an archive beyond 4 GiB fails, never wraps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "zip/zip_io.h"

namespace mtp {

class ZipWriter {
public:
    explicit ZipWriter(ZipOutputFile& out) : out_(out) {}

    // Adds the file at `path` under `entryName` (a bare name: no folder is stored), with
    // the file's last-write time as local DOS time and as exact UTC seconds in the
    // extended-timestamp field. Names outside ASCII are stored as UTF-8 and flagged so.
    // Throws ZipSourceError for the file, ZipTargetError for the archive.
    void AddFile(const std::u16string& path, const std::u16string& entryName);

    // Writes the central directory. Throws ZipTargetError.
    void Finish();

private:
    struct CentralEntry {
        std::string name; // as stored
        uint16_t flags, dosTime, dosDate;
        uint32_t crc, compressedSize, size, localHeaderOffset;
        std::vector<uint8_t> extra;
    };
    ZipOutputFile& out_;
    std::vector<CentralEntry> entries_;
};

} // namespace mtp
