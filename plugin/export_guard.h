// No C++ exception may cross into the host: every exported function runs its body through
// GuardExport, which tells the user what failed and answers a fixed value instead.
#pragma once

#include <exception>
#include <type_traits>
#include <utility>

namespace mtp {

// Shows the failure's text in an error message. Never throws.
void ReportExportFailure(std::exception_ptr failure) noexcept;

template <class Body>
requires(!std::is_void_v<std::invoke_result_t<Body>>) auto GuardExport(
    Body&& body, std::invoke_result_t<Body> onFailure) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportExportFailure(std::current_exception());
        return onFailure;
    }
}

template <class Body>
requires std::is_void_v<std::invoke_result_t<Body>>
void GuardExport(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        ReportExportFailure(std::current_exception());
    }
}

} // namespace mtp
