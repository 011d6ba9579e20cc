#include "common/local_file.h"

#include <utility>

namespace mtp {

LocalFile::LocalFile(LocalFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

LocalFile::~LocalFile() {
    Close();
}

} // namespace mtp
