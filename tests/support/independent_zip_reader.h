// Runs tests/support/zip_reader.py (Python's zipfile and Info-ZIP's unzip) on an archive and
// returns what they read. Native builds only: a Windows test program under Wine cannot start
// the Linux interpreter, and Available() then answers false.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef _WIN32
#include <nlohmann/json.hpp>
#endif

namespace mtp::testing {

struct ReadEntry {
    std::string name; // UTF-8
    bool utf8Flag = false;
    int method = 0;
    std::array<int, 6> dateTime{}; // year, month, day, hour, minute, second (DOS: even)
    uint64_t size = 0;
    std::string data;
    std::optional<int64_t> centralMtime, localMtime; // extended-timestamp field (UTC)
};

struct ReadArchive {
    std::vector<ReadEntry> entries;
    std::optional<std::string> firstBadEntry; // zipfile's CRC test
    int unzipTestStatus = -1;
    std::string unzipTestOutput;
    std::map<std::string, int64_t> unzipMtimes; // of the files unzip extracted
};

class IndependentZipReader {
public:
    static bool Available() {
#ifdef _WIN32
        return false;
#else
        return std::system("python3 -c 'import zipfile' >/dev/null 2>&1 && "
                           "unzip -v >/dev/null 2>&1") == 0;
#endif
    }

    // Throws std::runtime_error when the readers refuse the archive.
    static ReadArchive Read(const std::string& archivePath) {
#ifdef _WIN32
        (void)archivePath;
        throw std::runtime_error("the independent readers run natively only");
#else
        // The script lies beside this header.
        const std::string script =
            std::filesystem::path(__FILE__).parent_path().string() + "/zip_reader.py";
        const std::string command = "python3 '" + script + "' '" + archivePath + "'";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            throw std::runtime_error("cannot start " + command);
        std::string output;
        char buffer[65536];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, n);
        if (pclose(pipe) != 0)
            throw std::runtime_error("the readers refused " + archivePath + ": " + output);
        const auto json = nlohmann::json::parse(output);
        ReadArchive archive;
        for (const auto& e : json["entries"]) {
            ReadEntry entry;
            entry.name = e["name"];
            entry.utf8Flag = e["utf8_flag"];
            entry.method = e["method"];
            for (size_t i = 0; i < 6; ++i)
                entry.dateTime[i] = e["date_time"][i];
            entry.size = e["size"];
            const std::string hex = e["data_hex"];
            for (size_t i = 0; i + 1 < hex.size(); i += 2)
                entry.data.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
            if (!e["central_mtime"].is_null())
                entry.centralMtime = e["central_mtime"].get<int64_t>();
            if (!e["local_mtime"].is_null())
                entry.localMtime = e["local_mtime"].get<int64_t>();
            archive.entries.push_back(std::move(entry));
        }
        if (!json["first_bad_entry"].is_null())
            archive.firstBadEntry = json["first_bad_entry"].get<std::string>();
        archive.unzipTestStatus = json["unzip_test_status"];
        archive.unzipTestOutput = json["unzip_test_output"];
        for (const auto& [name, mtime] : json["unzip_mtimes"].items())
            archive.unzipMtimes[name] = mtime.get<int64_t>();
        return archive;
#endif
    }
};

} // namespace mtp::testing
