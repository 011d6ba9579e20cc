// Just enough of a PE reader to see a DLL's export and import tables as the loader sees them.
// Every read is bounds-checked: a damaged file is an error, never a crash.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

namespace mtp::test {

class PeImage {
public:
    struct Export {
        std::string name;
        uint32_t ordinal;
    };

    static PeImage FromFile(const std::wstring& path) {
        std::ifstream in(path.c_str(), std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot open the DLL");
        return PeImage(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
    }

    explicit PeImage(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {
        const auto dos = At<IMAGE_DOS_HEADER>(0);
        if (dos.e_magic != IMAGE_DOS_SIGNATURE)
            throw std::runtime_error("no MZ header");
        headers_ = At<IMAGE_NT_HEADERS32>(static_cast<uint32_t>(dos.e_lfanew));
        if (headers_.Signature != IMAGE_NT_SIGNATURE ||
            headers_.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC)
            throw std::runtime_error("not a PE32 image");
        const size_t sections = static_cast<uint32_t>(dos.e_lfanew) + sizeof(uint32_t) +
                                sizeof(IMAGE_FILE_HEADER) +
                                headers_.FileHeader.SizeOfOptionalHeader;
        for (unsigned i = 0; i < headers_.FileHeader.NumberOfSections; ++i)
            sections_.push_back(
                At<IMAGE_SECTION_HEADER>(sections + i * sizeof(IMAGE_SECTION_HEADER)));
    }

    const IMAGE_FILE_HEADER& FileHeader() const { return headers_.FileHeader; }

    // Named exports in the order of the name table, with their ordinals (base added).
    std::vector<Export> Exports(uint32_t* functionCount = nullptr) const {
        std::vector<Export> out;
        const auto& dir = Directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
        if (dir.VirtualAddress == 0) {
            if (functionCount)
                *functionCount = 0;
            return out;
        }
        const auto table = At<IMAGE_EXPORT_DIRECTORY>(Offset(dir.VirtualAddress));
        if (functionCount)
            *functionCount = table.NumberOfFunctions;
        for (uint32_t i = 0; i < table.NumberOfNames; ++i) {
            const auto nameRva = At<uint32_t>(Offset(table.AddressOfNames) + 4 * i);
            const auto index = At<uint16_t>(Offset(table.AddressOfNameOrdinals) + 2 * i);
            out.push_back({StringAt(nameRva), table.Base + index});
        }
        return out;
    }

    // Names of the DLLs the image imports, directly or delay-loaded.
    std::vector<std::string> ImportedDlls() const {
        std::vector<std::string> out;
        const auto& imports = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
        for (uint32_t at = imports.VirtualAddress; imports.VirtualAddress != 0;
             at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto entry = At<IMAGE_IMPORT_DESCRIPTOR>(Offset(at));
            if (entry.Name == 0)
                break;
            out.push_back(StringAt(entry.Name));
        }
        // A delay-load descriptor is eight 32-bit fields; the second is the DLL name's address.
        const auto& delayed = Directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT);
        for (uint32_t at = delayed.VirtualAddress; delayed.VirtualAddress != 0; at += 32) {
            const auto name = At<uint32_t>(Offset(at) + 4);
            if (name == 0)
                break;
            out.push_back(StringAt(name));
        }
        return out;
    }

private:
    template <class T> T At(size_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T))
            throw std::runtime_error("read beyond the end of the file");
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof value);
        return value;
    }

    const IMAGE_DATA_DIRECTORY& Directory(unsigned index) const {
        static const IMAGE_DATA_DIRECTORY none{};
        return index < headers_.OptionalHeader.NumberOfRvaAndSizes
                   ? headers_.OptionalHeader.DataDirectory[index]
                   : none;
    }

    size_t Offset(uint32_t rva) const {
        for (const auto& s : sections_) {
            const uint32_t size = std::max(s.Misc.VirtualSize, s.SizeOfRawData);
            if (rva >= s.VirtualAddress && rva - s.VirtualAddress < size)
                return size_t{s.PointerToRawData} + (rva - s.VirtualAddress);
        }
        throw std::runtime_error("address outside every section");
    }

    std::string StringAt(uint32_t rva) const {
        std::string out;
        for (size_t at = Offset(rva);; ++at) {
            const char c = At<char>(at);
            if (c == '\0')
                return out;
            out.push_back(c);
        }
    }

    std::vector<uint8_t> bytes_;
    IMAGE_NT_HEADERS32 headers_{};
    std::vector<IMAGE_SECTION_HEADER> sections_;
};

} // namespace mtp::test
