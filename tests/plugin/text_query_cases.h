// The text-query rule as a table, run against the portable answers natively and against the
// DLL's exports under Wine: what a query writes into a host buffer for a given maximum length.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace mtp::test {

using TextQuery = std::function<void(char* buffer, uint32_t maxLength)>;

struct TextQueryCase {
    const char* label;
    uint32_t maxLength;
    bool nullBuffer;
    // The bytes the query writes, terminating zero included; empty when it writes nothing.
    std::string_view written;
};

using namespace std::string_view_literals;

// GetDeviceName answers "MTPDevice Import" (16 characters).
inline constexpr std::array DeviceNameCases = {
    TextQueryCase{"five characters and a zero", 5, false, "MTPDe\0"sv},
    TextQueryCase{"length equal to the text", 16, false, "MTPDevice Import\0"sv},
    TextQueryCase{"one short of the text", 15, false, "MTPDevice Impor\0"sv},
    TextQueryCase{"more room than the text", 100, false, "MTPDevice Import\0"sv},
    TextQueryCase{"zero length writes nothing", 0, false, ""sv},
    TextQueryCase{"65536 counts as 0", 65536, false, ""sv},
    TextQueryCase{"65541 counts as 5", 65541, false, "MTPDe\0"sv},
    TextQueryCase{"high bits ignored, 16 counts", 0xFFFF0010u, false, "MTPDevice Import\0"sv},
    TextQueryCase{"null buffer writes nothing", 100, true, ""sv},
};

// Calls the query on a buffer full of canary bytes and checks that exactly the expected bytes
// were written and nothing beyond them.
inline void ExpectQueryWrites(const TextQuery& query, uint32_t maxLength, bool nullBuffer,
                              std::string_view written) {
    constexpr char canary = '#';
    std::string buffer(70000, canary);
    query(nullBuffer ? nullptr : buffer.data(), maxLength);
    EXPECT_EQ(buffer.substr(0, written.size()), written);
    EXPECT_EQ(buffer.find_first_not_of(canary, written.size()), std::string::npos)
        << "bytes written beyond the text and its zero";
}

inline void ExpectDeviceNameCases(const TextQuery& getDeviceName) {
    for (const auto& c : DeviceNameCases) {
        SCOPED_TRACE(c.label);
        ExpectQueryWrites(getDeviceName, c.maxLength, c.nullBuffer, c.written);
    }
}

} // namespace mtp::test
