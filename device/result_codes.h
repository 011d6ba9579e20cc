// Result codes of the portable-device service: HRESULT values as WPD and COM report them.
// Only S_OK is success for the callers; the codes named here are the ones the service port,
// its back ends and the tests hand around.
//
// On Windows the platform headers define these names as macros with the same values. Each
// constant is therefore defined only where no macro of that name exists yet, and code always
// writes the names unqualified (S_OK, never mtp::S_OK) so that either definition serves.
#pragma once

#include <cstdint>

namespace mtp {

using HRESULT = std::int32_t;

constexpr HRESULT MakeHResult(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

#ifndef S_OK
inline constexpr HRESULT S_OK = 0;
#endif
#ifndef S_FALSE
inline constexpr HRESULT S_FALSE = 1;
#endif
#ifndef E_FAIL
inline constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
#endif
#ifndef E_POINTER
inline constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
#endif
#ifndef E_INVALIDARG
inline constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
#endif
#ifndef E_ACCESSDENIED
inline constexpr HRESULT E_ACCESSDENIED = MakeHResult(0x80070005);
#endif
#ifndef REGDB_E_CLASSNOTREG
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);
#endif
#ifndef DISP_E_TYPEMISMATCH
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHResult(0x80020005);
#endif
#ifndef E_WPD_DEVICE_ALREADY_OPENED
inline constexpr HRESULT E_WPD_DEVICE_ALREADY_OPENED = MakeHResult(0x802A0001);
#endif
#ifndef E_WPD_DEVICE_NOT_OPEN
inline constexpr HRESULT E_WPD_DEVICE_NOT_OPEN = MakeHResult(0x802A0002);
#endif
#ifndef E_WPD_DEVICE_IS_HUNG
inline constexpr HRESULT E_WPD_DEVICE_IS_HUNG = MakeHResult(0x802A0006);
#endif

#ifndef ERROR_INVALID_DATA
inline constexpr std::uint32_t ERROR_INVALID_DATA = 13;
#endif
#ifndef ERROR_INSUFFICIENT_BUFFER
inline constexpr std::uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
#endif
#ifndef ERROR_NOT_FOUND
inline constexpr std::uint32_t ERROR_NOT_FOUND = 1168;
#endif
#ifndef HRESULT_FROM_WIN32
// A Win32 error code as an HRESULT of the Win32 facility (7).
constexpr HRESULT HRESULT_FROM_WIN32(std::uint32_t error) {
    return static_cast<std::int32_t>(error) <= 0
               ? static_cast<HRESULT>(error)
               : MakeHResult((error & 0xFFFF) | (7u << 16) | 0x80000000u);
}
#endif

// The access mask and stream mode the port passes through.
#ifndef GENERIC_READ
inline constexpr std::uint32_t GENERIC_READ = 0x80000000u;
#endif
#ifndef STGM_READ
inline constexpr std::uint32_t STGM_READ = 0;
#endif

} // namespace mtp
