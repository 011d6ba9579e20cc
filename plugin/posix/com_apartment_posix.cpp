#include "plugin/com_apartment.h"

namespace mtp {

// Natively there is no COM: nothing to start, nothing to balance.
ComApartment::ComApartment() = default;
ComApartment::~ComApartment() = default;

} // namespace mtp
