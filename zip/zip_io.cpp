#include "zip/zip_io.h"

namespace mtp {

void ZipOutputFile::Write(const uint8_t* data, size_t size) {
    WriteAt(position_, data, size);
    position_ += size;
}

} // namespace mtp
