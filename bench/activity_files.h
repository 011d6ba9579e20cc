// Generated activity files for the benchmarks: FIT-like rides that compress like real ones,
// named as devices name them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace mtp::bench {

// A FIT-like recording: a 14-byte header, then one 28-byte record per second of a ride of
// 20 to 90 minutes, the values drifting the way a ride's do (position, heart rate, cadence,
// power, altitude), so the files compress like real ones rather than like noise or zeros.
inline std::string ActivityFile(uint32_t seed) {
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const int seconds = 1200 + static_cast<int>(next() % 4200);
    std::string out = {14, 0x20, static_cast<char>(0x9A), 0x08, 0, 0, 0, 0, '.', 'F', 'I', 'T',
                       0,  0};
    uint32_t timestamp = 1000000000 + seed % 100000000;
    int32_t lat = 600000000 + static_cast<int32_t>(next() % 1000000);
    int32_t lon = 100000000 + static_cast<int32_t>(next() % 1000000);
    double heart = 120, power = 180, altitude = 300;
    for (int s = 0; s < seconds; ++s) {
        lat += static_cast<int32_t>(next() % 200) - 90;
        lon += static_cast<int32_t>(next() % 200) - 90;
        heart = std::clamp(heart + (static_cast<int>(next() % 5) - 2) * 0.5, 90.0, 190.0);
        power = std::clamp(power + (static_cast<int>(next() % 41) - 20), 0.0, 600.0);
        altitude += (static_cast<int>(next() % 9) - 4) * 0.2;
        const uint32_t fields[] = {
            timestamp + static_cast<uint32_t>(s),
            static_cast<uint32_t>(lat),
            static_cast<uint32_t>(lon),
            static_cast<uint32_t>(altitude * 5 + 500),
            static_cast<uint32_t>(s * 7), // distance in cm, roughly 25 km/h
            static_cast<uint32_t>(heart) | (85u + next() % 10) << 8 |
                static_cast<uint32_t>(power) << 16,
        };
        out.push_back(0); // record header: local message 0
        out.append(reinterpret_cast<const char*>(fields), sizeof fields);
        out.append(3, static_cast<char>(next() % 4)); // temperature and flags
    }
    return out;
}

// The name of the i-th of up to 500 rides, one a day: names sort in the order of i.
inline std::string ActivityFileName(int i) {
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d-%02d-%02d-00.fit", 2023 + i / 336,
                  1 + (i / 28) % 12, 1 + i % 28, 6 + i % 14, i % 60);
    return name;
}

} // namespace mtp::bench
