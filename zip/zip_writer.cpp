#include "zip/zip_writer.h"

#include <limits>
#include <zlib.h>

#include "common/file_system.h"
#include "zip/dos_date_time.h"

namespace mtp {

namespace {

constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr uint32_t kEndOfCentralDirectorySignature = 0x06054b50;
constexpr uint16_t kVersion = 20; // 2.0: deflate; made by MS-DOS/FAT (host 0)
constexpr uint16_t kMethodDeflate = 8;
constexpr uint16_t kFlagUtf8Name = 1 << 11;
constexpr uint16_t kExtendedTimestampTag = 0x5455;
constexpr uint32_t kExternalAttributes = 0x20; // a plain file: FILE_ATTRIBUTE_ARCHIVE
constexpr uint64_t kMax32 = std::numeric_limits<uint32_t>::max();
constexpr size_t kChunk = 64 * 1024;
// Offset of the CRC-32 in a local header; the two sizes follow it.
constexpr uint64_t kLocalCrcOffset = 14;

void Put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, static_cast<uint16_t>(v));
    Put16(b, static_cast<uint16_t>(v >> 16));
}

void PutBytes(std::vector<uint8_t>& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}

bool IsAscii(const std::string& s) {
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

// The extended-timestamp field with the modification time only, as Info-ZIP writes it; left
// out for a time that 32-bit signed seconds cannot hold.
std::vector<uint8_t> ExtendedTimestamp(int64_t unixSeconds) {
    std::vector<uint8_t> extra;
    if (unixSeconds < std::numeric_limits<int32_t>::min() ||
        unixSeconds > std::numeric_limits<int32_t>::max())
        return extra;
    Put16(extra, kExtendedTimestampTag);
    Put16(extra, 5);
    extra.push_back(1); // modification time present
    Put32(extra, static_cast<uint32_t>(static_cast<int32_t>(unixSeconds)));
    return extra;
}

class Deflater {
public:
    Deflater() {
        if (deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                         Z_DEFAULT_STRATEGY) != Z_OK)
            throw ZipTargetError(u"the compressor cannot be started (out of memory)");
    }
    ~Deflater() { deflateEnd(&stream_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // Compresses `size` bytes (the last call with `finish`) and writes what comes out.
    uint64_t Pump(const uint8_t* data, size_t size, bool finish, ZipOutputFile& out) {
        uint64_t produced = 0;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        int result;
        do {
            stream_.next_out = buffer_.data();
            stream_.avail_out = static_cast<uInt>(buffer_.size());
            result = deflate(&stream_, finish ? Z_FINISH : Z_NO_FLUSH);
            if (result == Z_STREAM_ERROR)
                throw ZipTargetError(u"the compressor failed");
            const size_t have = buffer_.size() - stream_.avail_out;
            out.Write(buffer_.data(), have);
            produced += have;
        } while (stream_.avail_out == 0 || (finish && result != Z_STREAM_END));
        return produced;
    }

private:
    z_stream stream_ = {};
    std::vector<uint8_t> buffer_ = std::vector<uint8_t>(kChunk);
};

} // namespace

void ZipWriter::AddFile(const std::u16string& path, const std::u16string& entryName) {
    ZipInputFile in(path);
    if (in.Size() > kMax32)
        throw ZipSourceError(u"the file is larger than 4 GiB, more than a ZIP archive can hold");
    if (entries_.size() >= 0xFFFF)
        throw ZipTargetError(u"a ZIP archive cannot hold more than 65,535 files");
    FileWriteTime written;
    if (!FileLastWriteTime(path, written))
        throw ZipSourceError(LastSystemErrorText());

    CentralEntry entry;
    entry.name = Utf16ToUtf8(entryName);
    if (entry.name.size() > 0xFFFF)
        throw ZipSourceError(u"the file name is too long for a ZIP archive");
    entry.flags = IsAscii(entry.name) ? 0 : kFlagUtf8Name;
    const DosDateTime dos = ToDosDateTime(written.local);
    entry.dosTime = dos.time;
    entry.dosDate = dos.date;
    entry.extra = ExtendedTimestamp(written.unixSeconds);
    if (out_.Position() > kMax32)
        throw ZipTargetError(u"the archive would be larger than 4 GiB");
    entry.localHeaderOffset = static_cast<uint32_t>(out_.Position());

    // The local header, with CRC-32 and sizes zero until the data has been written.
    std::vector<uint8_t> header;
    Put32(header, kLocalHeaderSignature);
    Put16(header, kVersion);
    Put16(header, entry.flags);
    Put16(header, kMethodDeflate);
    Put16(header, entry.dosTime);
    Put16(header, entry.dosDate);
    Put32(header, 0);
    Put32(header, 0);
    Put32(header, 0);
    Put16(header, static_cast<uint16_t>(entry.name.size()));
    Put16(header, static_cast<uint16_t>(entry.extra.size()));
    PutBytes(header, entry.name);
    header.insert(header.end(), entry.extra.begin(), entry.extra.end());
    out_.Write(header.data(), header.size());

    Deflater deflater;
    std::vector<uint8_t> chunk(kChunk);
    uLong crc = crc32(0, nullptr, 0);
    uint64_t size = 0;
    uint64_t compressed = 0;
    for (;;) {
        const size_t got = in.Read(chunk.data(), chunk.size());
        size += got;
        if (size > kMax32) // the file grew while it was read
            throw ZipSourceError(
                u"the file is larger than 4 GiB, more than a ZIP archive can hold");
        crc = crc32(crc, chunk.data(), static_cast<uInt>(got));
        compressed += deflater.Pump(chunk.data(), got, got == 0, out_);
        if (got == 0)
            break;
    }
    if (compressed > kMax32 || out_.Position() > kMax32)
        throw ZipTargetError(u"the archive would be larger than 4 GiB");
    entry.crc = static_cast<uint32_t>(crc);
    entry.compressedSize = static_cast<uint32_t>(compressed);
    entry.size = static_cast<uint32_t>(size);

    std::vector<uint8_t> sizes;
    Put32(sizes, entry.crc);
    Put32(sizes, entry.compressedSize);
    Put32(sizes, entry.size);
    out_.WriteAt(entry.localHeaderOffset + kLocalCrcOffset, sizes.data(), sizes.size());
    entries_.push_back(std::move(entry));
}

void ZipWriter::Finish() {
    const uint64_t directoryOffset = out_.Position();
    std::vector<uint8_t> directory;
    for (const CentralEntry& e : entries_) {
        Put32(directory, kCentralHeaderSignature);
        Put16(directory, kVersion); // made by
        Put16(directory, kVersion); // needed to extract
        Put16(directory, e.flags);
        Put16(directory, kMethodDeflate);
        Put16(directory, e.dosTime);
        Put16(directory, e.dosDate);
        Put32(directory, e.crc);
        Put32(directory, e.compressedSize);
        Put32(directory, e.size);
        Put16(directory, static_cast<uint16_t>(e.name.size()));
        Put16(directory, static_cast<uint16_t>(e.extra.size()));
        Put16(directory, 0); // comment length
        Put16(directory, 0); // disk number
        Put16(directory, 0); // internal attributes
        Put32(directory, kExternalAttributes);
        Put32(directory, e.localHeaderOffset);
        PutBytes(directory, e.name);
        directory.insert(directory.end(), e.extra.begin(), e.extra.end());
    }
    if (directoryOffset + directory.size() > kMax32)
        throw ZipTargetError(u"the archive would be larger than 4 GiB");
    const auto count = static_cast<uint16_t>(entries_.size());
    std::vector<uint8_t> end;
    Put32(end, kEndOfCentralDirectorySignature);
    Put16(end, 0); // this disk
    Put16(end, 0); // disk with the directory
    Put16(end, count);
    Put16(end, count);
    Put32(end, static_cast<uint32_t>(directory.size()));
    Put32(end, static_cast<uint32_t>(directoryOffset));
    Put16(end, 0); // comment length
    out_.Write(directory.data(), directory.size());
    out_.Write(end.data(), end.size());
}

} // namespace mtp
