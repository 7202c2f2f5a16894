// The PE reader: every read is checked against the size, so a damaged or
// foreign file ends in a problem, never in a read past its end.
#include "tools/pe_image.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "tools/checked_bytes.h"

namespace tlw {
namespace {

constexpr int kImportDirectory = 1;
constexpr int kResourceDirectory = 2;
constexpr int kDelayImportDirectory = 13;

const PeSection* SectionHolding(const PeImage& image, std::uint32_t rva) {
    for (const PeSection& s : image.sections) {
        const std::uint32_t extent = std::max(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) return &s;
    }
    return nullptr;
}

bool ReadImports(const Bytes& bytes, std::uint32_t directoryRva, PeImage& image) {
    std::size_t descriptor = 0;
    if (!FileOffsetOf(image, directoryRva, descriptor)) return false;
    const std::size_t thunkSize = image.pe32Plus ? 8 : 4;
    for (;; descriptor += 20) {
        std::uint32_t lookupRva = 0, nameRva = 0, addressRva = 0;
        if (!bytes.U32(descriptor, lookupRva) || !bytes.U32(descriptor + 12, nameRva) ||
            !bytes.U32(descriptor + 16, addressRva)) {
            return false;
        }
        if (lookupRva == 0 && nameRva == 0 && addressRva == 0) return true;
        std::size_t at = 0;
        std::string dll;
        if (!FileOffsetOf(image, nameRva, at) || !bytes.String(at, dll)) return false;
        std::size_t thunk = 0;
        if (!FileOffsetOf(image, lookupRva ? lookupRva : addressRva, thunk)) return false;
        for (;; thunk += thunkSize) {
            std::uint64_t entry = 0;
            if (image.pe32Plus) {
                if (!bytes.U64(thunk, entry)) return false;
            } else {
                std::uint32_t entry32 = 0;
                if (!bytes.U32(thunk, entry32)) return false;
                entry = entry32;
            }
            if (entry == 0) break;
            PeImport import;
            import.dll = dll;
            const std::uint64_t byOrdinal = image.pe32Plus ? 1ULL << 63 : 1ULL << 31;
            if (entry & byOrdinal) {
                import.ordinal = static_cast<std::uint16_t>(entry & 0xFFFF);
            } else if (!FileOffsetOf(image, static_cast<std::uint32_t>(entry), at) ||
                       !bytes.String(at + 2, import.function) || import.function.empty()) {
                return false;  // past the two-byte hint, the name
            }
            image.imports.push_back(import);
        }
    }
}

bool AtMostWindows2000(std::uint16_t major, std::uint16_t minor) { return major < 5 || (major == 5 && minor == 0); }

std::string Version(std::uint16_t major, std::uint16_t minor) {
    return std::to_string(major) + "." + std::to_string(minor);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool FileOffsetOf(const PeImage& image, std::uint32_t rva, std::size_t& offset) {
    for (const PeSection& s : image.sections) {
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) {
            offset = static_cast<std::size_t>(s.rawOffset) + (rva - s.virtualAddress);
            return true;
        }
    }
    return false;
}

PeImage ReadPeImage(const unsigned char* data, std::size_t size) {
    PeImage image;
    image.fileSize = size;
    const Bytes bytes(data, size);
    std::uint16_t mz = 0;
    std::uint32_t peOffset = 0, signature = 0;
    if (!bytes.U16(0, mz) || mz != 0x5A4D || !bytes.U32(0x3C, peOffset) || !bytes.U32(peOffset, signature) ||
        signature != 0x00004550) {
        image.problem = PeProblem::NotAnExecutable;
        return image;
    }
    const std::size_t fileHeader = static_cast<std::size_t>(peOffset) + 4;
    const std::size_t optional = fileHeader + 20;
    std::uint16_t sectionCount = 0, optionalSize = 0, magic = 0;
    if (!bytes.U16(fileHeader + 2, sectionCount) || !bytes.U16(fileHeader + 16, optionalSize) ||
        !bytes.U16(optional, magic)) {
        image.problem = PeProblem::Truncated;
        return image;
    }
    if (magic != 0x10B && magic != 0x20B) {
        image.problem = PeProblem::UnknownOptionalHeader;
        return image;
    }
    image.pe32Plus = magic == 0x20B;
    // The two layouts agree up to the subsystem; the data directories follow the
    // directory count, 4 bytes further on in PE32+.
    const std::size_t directoryCountAt = optional + (image.pe32Plus ? 108 : 92);
    std::uint32_t directoryCount = 0;
    if (!bytes.U16(optional + 40, image.majorOsVersion) || !bytes.U16(optional + 42, image.minorOsVersion) ||
        !bytes.U16(optional + 48, image.majorSubsystemVersion) ||
        !bytes.U16(optional + 50, image.minorSubsystemVersion) || !bytes.U16(optional + 68, image.subsystem) ||
        !bytes.U32(directoryCountAt, directoryCount) || !bytes.Has(optional, optionalSize)) {
        image.problem = PeProblem::Truncated;
        return image;
    }
    auto directory = [&](int index, std::uint32_t& rva, std::uint32_t& length) {
        const std::size_t at = directoryCountAt + 4 + 8 * static_cast<std::size_t>(index);
        rva = length = 0;
        return static_cast<std::uint32_t>(index) >= directoryCount || at + 8 > optional + optionalSize ||
               (bytes.U32(at, rva) && bytes.U32(at + 4, length));
    };

    const std::size_t table = optional + optionalSize;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t at = table + 40 * i;
        if (!bytes.Has(at, 40)) {
            image.problem = PeProblem::Truncated;
            return image;
        }
        PeSection s;
        for (std::size_t c = 0; c < 8; ++c) {
            std::uint8_t ch = 0;
            bytes.U8(at + c, ch);
            if (ch == 0) break;
            s.name.push_back(static_cast<char>(ch));
        }
        bytes.U32(at + 8, s.virtualSize);
        bytes.U32(at + 12, s.virtualAddress);
        bytes.U32(at + 16, s.rawSize);
        bytes.U32(at + 20, s.rawOffset);
        if (!bytes.Has(s.rawOffset, s.rawSize)) {
            image.problem = PeProblem::Truncated;
            return image;
        }
        image.sections.push_back(s);
    }

    std::uint32_t rva = 0, length = 0;
    if (!directory(kResourceDirectory, rva, length)) {
        image.problem = PeProblem::Truncated;
        return image;
    }
    if (rva != 0) {
        if (const PeSection* resources = SectionHolding(image, rva)) image.resourceBytes = resources->rawSize;
        image.resourceRva = rva;
    }
    if (!directory(kDelayImportDirectory, rva, length)) {
        image.problem = PeProblem::Truncated;
        return image;
    }
    if (rva != 0 && length != 0) {
        image.problem = PeProblem::DelayLoadImports;
        return image;
    }
    if (!directory(kImportDirectory, rva, length)) {
        image.problem = PeProblem::Truncated;
        return image;
    }
    if (rva != 0 && !ReadImports(bytes, rva, image)) image.problem = PeProblem::BadImportTable;
    return image;
}

bool ParseFunctionList(const std::string& text, FunctionList& list, int& badLine) {
    std::istringstream lines(text);
    std::set<std::string>* functions = nullptr;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word, extra;
        if (!(words >> word)) continue;
        if (words >> extra) {
            badLine = number;
            return false;
        }
        if (word.front() == '[' && word.back() == ']' && word.size() > 2) {
            functions = &list[Lower(word.substr(1, word.size() - 2))];
        } else if (functions) {
            functions->insert(word);
        } else {
            badLine = number;
            return false;
        }
    }
    return true;
}

std::vector<std::string> UnlistedImports(const PeImage& image, const FunctionList& allowed) {
    std::vector<std::string> unlisted;
    for (const PeImport& import : image.imports) {
        if (import.function.empty()) {  // by ordinal: nothing to look up in a list of names
            unlisted.push_back(import.dll + "!#" + std::to_string(import.ordinal));
            continue;
        }
        const auto dll = allowed.find(Lower(import.dll));
        if (dll == allowed.end() || dll->second.count(import.function) == 0) {
            unlisted.push_back(import.dll + "!" + import.function);
        }
    }
    return unlisted;
}

std::vector<std::string> Windows2000Faults(const PeImage& image, const FunctionList& allowed) {
    std::vector<std::string> faults;
    for (const std::string& import : UnlistedImports(image, allowed)) {
        faults.push_back("imports " + import + ", which is not in the list of Windows 2000's functions");
    }
    if (!AtMostWindows2000(image.majorSubsystemVersion, image.minorSubsystemVersion)) {
        faults.push_back("asks for subsystem version " +
                         Version(image.majorSubsystemVersion, image.minorSubsystemVersion) +
                         "; Windows 2000 loads at most 5.0");
    }
    if (!AtMostWindows2000(image.majorOsVersion, image.minorOsVersion)) {
        faults.push_back("asks for operating system version " + Version(image.majorOsVersion, image.minorOsVersion) +
                         "; Windows 2000 is 5.0");
    }
    return faults;
}

}  // namespace tlw
