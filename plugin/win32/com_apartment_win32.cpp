#include "plugin/com_apartment.h"

#include <ole2.h>
#include <windows.h>

namespace mtp {

// S_OK and S_FALSE (already initialised as a single-threaded apartment) both count once and
// are balanced; RPC_E_CHANGED_MODE (the host chose a multi-threaded apartment) counts nothing,
// and COM is used in the host's apartment.
ComApartment::ComApartment() : balance_(SUCCEEDED(OleInitialize(nullptr))) {}

ComApartment::~ComApartment() {
    if (balance_)
        OleUninitialize();
}

} // namespace mtp
